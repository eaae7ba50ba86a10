#include "analysis/object_recorder.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "platform/ascii_case.h"
#include "platform/code_page.h"

namespace meshmill {

namespace {

constexpr std::string_view material_ref_key = "\t*MATERIAL_REF ";

std::string_view trim_blanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// The line, from `at` on, begins with `keyword` (given in upper case), ASCII
// letters compared without regard to case.
bool keyword_at(std::string_view line, std::size_t at, std::string_view keyword) {
  if (line.size() < at + keyword.size()) return false;
  for (std::size_t i = 0; i < keyword.size(); ++i) {
    if (ascii_upper(line[at + i]) != keyword[i]) return false;
  }
  return true;
}

// A coordinate for the map: anything that is not a finite number counts as 0,
// and absurd values are held within what a float carries. Plain decimals, by
// far the most common, are read here; anything else by the library.
float coordinate(std::string_view text) {
  text = trim_blanks(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  bool negative = !text.empty() && text.front() == '-';
  std::size_t i = negative ? 1 : 0;
  std::uint64_t mantissa = 0;
  int digits = 0, decimals = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9' && digits < 18; ++i, ++digits) {
    mantissa = mantissa * 10 + static_cast<std::uint64_t>(text[i] - '0');
  }
  if (i < text.size() && text[i] == '.') {
    for (++i; i < text.size() && text[i] >= '0' && text[i] <= '9' && digits < 18; ++i) {
      mantissa = mantissa * 10 + static_cast<std::uint64_t>(text[i] - '0');
      ++digits;
      ++decimals;
    }
  }
  static constexpr double powers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8, 1e9,
                                      1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18};
  double value = static_cast<double>(mantissa) / powers[decimals];
  if (i != text.size() || digits == 0) {
    value = 0;
    auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || !std::isfinite(value)) return 0;
  } else if (negative) {
    value = -value;
  }
  return static_cast<float>(std::clamp(value, -1e30, 1e30));
}

// Fields 4, 5 and 6 of a line cut at TABs: x, y and z of an ASE vertex line.
ScenePoint vertex_fields(std::string_view line) {
  std::string_view fields[3];
  std::size_t begin = 0;
  for (int n = 0; n < 7; ++n) {
    std::size_t tab = line.find('\t', begin);
    std::size_t end = tab == std::string_view::npos ? line.size() : tab;
    if (n >= 4) fields[n - 4] = line.substr(begin, end - begin);
    if (tab == std::string_view::npos) break;
    begin = tab + 1;
  }
  return {coordinate(fields[0]), coordinate(fields[1]), coordinate(fields[2])};
}

// The coordinate after `marker` in an .asc vertex line, searched from `from`
// on; 0 when there is none. Meshmill writes "X:-2500", 3D Studio "X: -2500":
// blanks after the colon are skipped, the number runs to the next blank.
float coordinate_after(std::string_view line, std::string_view marker, std::size_t& from) {
  std::size_t at = line.find(marker, from);
  if (at == std::string_view::npos) return 0;
  std::size_t begin = line.find_first_not_of(' ', at + marker.size());
  if (begin == std::string_view::npos) begin = line.size();
  std::size_t end = std::min(line.find(' ', begin), line.size());
  from = end;
  return coordinate(line.substr(begin, end - begin));
}

// The index after `marker`, searched from `from`; -1 when there is none.
std::int64_t corner_after(std::string_view line, std::string_view marker, std::size_t& from) {
  std::size_t at = line.find(marker, from);
  if (at == std::string_view::npos) return -1;
  from = at + marker.size();
  std::string_view rest = line.substr(from);
  while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
  std::int64_t value = -1;
  std::from_chars(rest.data(), rest.data() + rest.size(), value);
  return value;
}

}  // namespace

ObjectRecorder::ObjectRecorder(SceneRecords& records) : records_(records) {
  records_.objects.clear();
  records_.processed = false;
  records_.triangles_kept = true;
}

ObjectRecorder::~ObjectRecorder() {
  end_object();
}

void ObjectRecorder::begin(std::int64_t line) {
  end_object();
  records_.objects.emplace_back();
  records_.objects.back().line = line;
  open_ = true;
}

void ObjectRecorder::name(std::string_view name) {
  if (open_) records_.objects.back().name.assign(name);
}

void ObjectRecorder::ase_line(std::string_view line) {
  // Every line of the scene comes here, so the TABs in front sort them first:
  // the material reference has one, the vertex and face lines three.
  if (!open_ || line.size() < 4 || line[0] != '\t') return;
  if (line[1] != '\t') {
    if (keyword_at(line, 1, material_ref_key.substr(1))) {
      records_.objects.back().material_ref = trim_blanks(line.substr(material_ref_key.size()));
    }
    return;
  }
  if (line[2] != '\t' || line[3] != '*' || line.size() < 10) return;
  // The letter after "*MESH_" tells the two lines wanted from the others.
  char letter = ascii_upper(line[9]);
  if (letter == 'V' && keyword_at(line, 4, "MESH_VERTEX ")) {
    add_vertex(vertex_fields(line));
  } else if (letter == 'F' && keyword_at(line, 4, "MESH_FACE ")) {
    ++faces_seen_;
    face_corners(line);
  }
}

void ObjectRecorder::vertex_line(std::int64_t, std::string_view line) {
  if (!open_) return;
  std::size_t from = 0;
  float x = coordinate_after(line, "X:", from);
  float y = coordinate_after(line, "Y:", from);
  float z = coordinate_after(line, "Z:", from);
  add_vertex({x, y, z});
}

void ObjectRecorder::add_vertex(const ScenePoint& p) {
  const float values[3] = {p.x, p.y, p.z};
  for (std::size_t k = 0; k < 3; ++k) {
    bool first = vertices_seen_ == 0;
    if (first || values[k] < bbox_[k]) bbox_[k] = values[k];
    if (first || values[k] > bbox_[k + 3]) bbox_[k + 3] = values[k];
  }
  outline_.add(p);
  ++vertices_seen_;
  if (records_.triangles_kept) points_.push_back(p);
}

void ObjectRecorder::face_line(std::int64_t, std::string_view line) {
  if (!open_) return;
  ++faces_seen_;
  face_corners(line);
}

void ObjectRecorder::face_corners(std::string_view line) {
  if (!records_.triangles_kept) return;
  if ((triangles_kept_ + corners_.size() / 3) >= triangle_budget) {
    drop_triangles();
    return;
  }
  std::size_t from = 0;
  std::int64_t a = corner_after(line, "A:", from);
  std::int64_t b = corner_after(line, "B:", from);
  std::int64_t c = corner_after(line, "C:", from);
  corners_.insert(corners_.end(), {a, b, c});
}

void ObjectRecorder::skipped(std::string_view log_line) {
  if (!open_) return;
  ObjectRecord& object = records_.objects.back();
  object.skipped = true;
  object.reason = cp1252_to_utf8(log_line);
}

void ObjectRecorder::valid(std::int64_t faces, std::int64_t vertices) {
  if (!open_) return;
  ObjectRecord& object = records_.objects.back();
  object.faces = faces;
  object.vertices = vertices;
}

void ObjectRecorder::keep_triangles(ObjectRecord& object) {
  const auto count = static_cast<std::int64_t>(points_.size());
  for (std::size_t i = 0; i + 2 < corners_.size(); i += 3) {
    bool inside = true;
    for (std::size_t k = i; k < i + 3; ++k)
      inside = inside && corners_[k] >= 0 && corners_[k] < count;
    if (!inside) continue;
    for (std::size_t k = i; k < i + 3; ++k) {
      const ScenePoint& p = points_[static_cast<std::size_t>(corners_[k])];
      object.triangles.insert(object.triangles.end(), {p.x, p.y, p.z});
    }
    ++triangles_kept_;
  }
}

void ObjectRecorder::drop_triangles() {
  records_.triangles_kept = false;
  points_.clear();
  points_.shrink_to_fit();
  corners_.clear();
  corners_.shrink_to_fit();
  for (ObjectRecord& object : records_.objects) {
    object.triangles.clear();
    object.triangles.shrink_to_fit();
  }
}

void ObjectRecorder::end_object() {
  if (!open_) return;
  open_ = false;
  ObjectRecord& object = records_.objects.back();
  if (object.skipped) {
    object.faces = faces_seen_;
    object.vertices = vertices_seen_;
  }
  if (vertices_seen_ > 0) {
    object.has_bbox = true;
    for (std::size_t k = 0; k < 6; ++k) object.bbox[k] = static_cast<double>(bbox_[k]);
    for (std::size_t v = 0; v < map_view_count; ++v) {
      object.outlines[v] = outline_.outline(static_cast<MapView>(v));
    }
    if (records_.triangles_kept) keep_triangles(object);
  }
  outline_.clear();
  points_.clear();
  corners_.clear();
  vertices_seen_ = 0;
  faces_seen_ = 0;
}

}  // namespace meshmill
