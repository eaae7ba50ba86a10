#include "format/asc_object_reader.h"

#include <charconv>

#include "format/keywords.h"
#include "format/limits.h"

namespace meshmill {

namespace {

// The line begins, letter case aside, with `word`, one blank and k in decimal.
bool numbered(std::string_view line, std::string_view word, std::int64_t k) {
  char expected[32];
  std::size_t size = word.copy(expected, word.size());
  expected[size++] = ' ';
  char* end = std::to_chars(expected + size, expected + sizeof expected, k).ptr;
  return begins_with_lower(line,
                           std::string_view(expected, static_cast<std::size_t>(end - expected)));
}

}  // namespace

bool read_asc_counts(std::string_view line, std::int64_t& vertices, std::int64_t& faces) {
  std::size_t first = find_at(line, ":");
  std::size_t second = first == 0 ? 0 : find_at(line, ":", first + 1);
  std::size_t word = 0;
  // "faces" is found in the lower-cased line; only letters change, so positions hold.
  for (std::size_t at = 0; at + 5 <= line.size() && word == 0; ++at) {
    if (begins_with_lower(line.substr(at), "faces")) word = at + 1;
  }
  if (first == 0 || second == 0 || word == 0) return false;
  // The vertex count runs from after the first ":" to the "f" of "faces".
  std::string_view vertex_text = word > first ? line.substr(first, word - first) : "";
  vertices = round_half_even(leading_number(vertex_text));
  faces = round_half_even(leading_number(line.substr(second)));
  return true;
}

bool AscScan::read() {
  ended_ = !(reader_.number() < nr_line2_ && reader_.next());
  return !ended_;
}

bool AscScan::read_after_face(bool last) {
  return read() || last;
}

bool AscScan::next_step() {
  if (pending_) {
    pending_ = false;
    return true;
  }
  return read();
}

bool AscScan::at_object() const {
  return !ended_ && begins_with_lower(reader_.line(), "named object");
}

bool AscScan::fault(AscObject& object, AscFault fault, std::int64_t index) {
  object.fault = fault;
  object.index = index;
  return false;
}

void AscScan::read_object(AscObject& object, AscLineSink* sink) {
  object.fault = AscFault::none;
  object.vertices = 0;
  object.faces = 0;
  object.index = 0;
  object.vertex_lines = false;
  object.face_lines = false;
  auto quoted = quoted_name(reader_.line());
  if (quoted) {
    object.name.assign(*quoted);
    if (read_counts(object) && read_vertices(object, sink)) read_faces(object, sink);
  } else {
    object.name.clear();
    fault(object, AscFault::unnamed);
  }
  object.line = counter();
  // A name line that ends (or breaks off) this object starts the next one;
  // an unnamed object stands on its own name line.
  pending_ = object.fault != AscFault::unnamed && at_object();
}

bool AscScan::read_counts(AscObject& object) {
  if (!read()) return fault(object, AscFault::input_ended);
  if (!begins_with_lower(reader_.line(), "tri-mesh"))
    return fault(object, AscFault::counts_missing);
  if (!read_asc_counts(reader_.line(), object.vertices, object.faces)) {
    return fault(object, AscFault::counts_malformed);
  }
  if (object.vertices <= 0) return fault(object, AscFault::no_vertices);
  if (object.faces <= 0) return fault(object, AscFault::no_faces);
  if (object.faces > most_faces) return fault(object, AscFault::too_many_faces);
  return true;
}

bool AscScan::read_vertices(AscObject& object, AscLineSink* sink) {
  if (!read()) return fault(object, AscFault::input_ended);
  bool mapped = begins_with_lower(reader_.line(), "mapped");
  if (!mapped && !begins_with_lower(reader_.line(), "vertex list")) {
    return fault(object, AscFault::header_missing);
  }
  // After "Mapped" comes the vertex-list header, taken as it stands.
  if (mapped && !read()) return fault(object, AscFault::input_ended);
  if (!read()) return fault(object, AscFault::input_ended);
  if (!begins_with_lower(reader_.line(), "vertex ")) return true;
  object.vertex_lines = true;
  for (std::int64_t k = 0; k < object.vertices; ++k) {
    if (!numbered(reader_.line(), "vertex", k)) return fault(object, AscFault::vertex_line, k);
    if (sink) sink->vertex_line(k, reader_.line());
    if (!read()) return fault(object, AscFault::input_ended);
  }
  return true;
}

bool AscScan::read_faces(AscObject& object, AscLineSink* sink) {
  if (begins_with_lower(reader_.line(), "face list") && !read()) {
    return fault(object, AscFault::input_ended);
  }
  if (!begins_with_lower(reader_.line(), "face ")) return true;
  object.face_lines = true;
  for (std::int64_t k = 0; k < object.faces; ++k) {
    if (!numbered(reader_.line(), "face", k)) return fault(object, AscFault::face_line, k);
    if (sink) sink->face_line(k, reader_.line());
    // The end of the file may come right after the last face and its
    // material and smoothing lines: the object is complete by then.
    bool last = k + 1 == object.faces;
    if (!read_after_face(last)) return fault(object, AscFault::input_ended);
    if (!ended_ && begins_with_lower(reader_.line(), "material") && !read_after_face(last)) {
      return fault(object, AscFault::input_ended);
    }
    if (!ended_ && begins_with_lower(reader_.line(), "smoothing") && !read_after_face(last)) {
      return fault(object, AscFault::input_ended);
    }
    if (ended_) break;
  }
  return true;
}

}  // namespace meshmill
