#include "processing/asc_object_writer.h"

#include "format/asc_line_parser.h"
#include "processing/text_fields.h"

namespace meshmill {

namespace {

std::string numbered_line(const char* what, std::int64_t k, const char* problem) {
  return std::string(what) + " line " + std::to_string(k) + " " + problem;
}

}  // namespace

void AscObjectWriter::vertex_line(std::int64_t k, std::string_view line) {
  if (!axis_flip_) {
    vertices_.append(line);
    vertices_ += "\r\n";
    return;
  }
  VertexFields fields;
  processar("vc", line, fields);
  // Without its markers the line has no position to turn.
  bool markers = line.find("X:") != std::string_view::npos &&
                 line.find("Y:") != std::string_view::npos &&
                 line.find("Z:") != std::string_view::npos;
  if (!markers && unreadable_vertex_ < 0) unreadable_vertex_ = k;
  // (x, y, z) becomes (x, z, -y); U and V are dropped.
  vertices_ += "Vertex ";
  append_integer(vertices_, k);
  vertices_ += ":  X:";
  vertices_.append(fields.field[1]);
  vertices_ += "     Y:";
  vertices_.append(fields.field[3]);
  vertices_ += "     Z:";
  append_sign_toggled(vertices_, fields.field[2]);
  vertices_ += "\r\n";
}

void AscObjectWriter::face_line(std::int64_t, std::string_view line) {
  faces_.append(line);
  faces_ += "\r\n";
}

std::string AscObjectWriter::fault_reason() const {
  switch (object_.fault) {
    case AscFault::unnamed:
      return "its name line has no name in double quotes";
    case AscFault::counts_missing:
      return "the line with its numbers of vertices and faces is missing";
    case AscFault::counts_malformed:
      return "the line with its numbers of vertices and faces lacks a \":\" or the word \"faces\"";
    case AscFault::no_vertices:
      return "it has 0 vertices";
    case AscFault::no_faces:
      return "it has 0 faces";
    case AscFault::too_many_faces:
      return "it has more than 65535 faces";
    case AscFault::header_missing:
      return "its \"Vertex list:\" line is missing";
    case AscFault::vertex_line:
      return numbered_line("vertex", object_.index, "is missing or out of sequence");
    case AscFault::face_line:
      return numbered_line("face", object_.index, "is missing or out of sequence");
    default:
      return "the file ends inside it";
  }
}

bool AscObjectWriter::write_asc_object(AscScan& scan, OutputFile& out, std::string& reason) {
  vertices_.clear();
  faces_.clear();
  unreadable_vertex_ = -1;
  scan.read_object(object_, this);
  if (object_.fault != AscFault::none) {
    reason = fault_reason();
    return false;
  }
  // The counts promise lines that the lists don't hold.
  if (!object_.vertex_lines) {
    reason = "its vertex lines are missing";
    return false;
  }
  if (!object_.face_lines) {
    reason = "its face lines are missing";
    return false;
  }
  if (unreadable_vertex_ >= 0) {
    reason = numbered_line("vertex", unreadable_vertex_, "lacks X:, Y: or Z:");
    return false;
  }
  head_ = "Named object: \"";
  head_ += object_.name;
  head_ += "\"\r\nTri-mesh, Vertices: ";
  append_integer(head_, object_.vertices);
  head_ += "     Faces: ";
  append_integer(head_, object_.faces);
  head_ += "\r\nVertex list:\r\n";
  out.write(head_);
  out.write(vertices_);
  out.write("Face list:\r\n");
  out.write(faces_);
  out.write("\r\n");
  return true;
}

}  // namespace meshmill
