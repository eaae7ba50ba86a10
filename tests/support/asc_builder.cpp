#include "support/asc_builder.h"

#include "support/ase_builder.h"

namespace meshmill::testing {

std::string asc_vertex_line(int k, bool mapped) {
  std::string line =
      "Vertex " + std::to_string(k) + ":  X:" + std::to_string(k) + ".5     Y:-2.25     Z:0.0000";
  if (mapped) line += "     U:0.25     V:-0.75";
  return line;
}

std::string asc_face_line(int i) {
  return "Face " + std::to_string(i) + ": A:0 B:1 C:2 AB:1 BC:1 CA:0";
}

std::string asc_object(const AscBlock& object) {
  std::string text = "Named object: \"" + object.name + "\"\r\n";
  text += "Tri-mesh, Vertices: " + std::to_string(object.vertices) +
          "     Faces: " + std::to_string(object.faces) + "\r\n";
  if (object.mapped) text += "Mapped\r\n";
  text += "Vertex list:\r\n";
  for (int k = 0; k < object.vertices; ++k) text += asc_vertex_line(k, object.mapped) + "\r\n";
  text += "Face list:\r\n";
  for (int i = 0; i < object.faces; ++i) {
    text += asc_face_line(i) + "\r\n";
    if (object.material_lines) text += "Material:\"Grey\"\r\nSmoothing: 1\r\n";
  }
  if (object.blank_after) text += "\r\n";
  return text;
}

std::string asc_scene(const std::vector<AscBlock>& objects) {
  std::string text;
  for (const auto& object : objects) text += asc_object(object);
  return text;
}

std::string without_mapping_lines(const std::string& text) {
  std::string kept;
  for (const std::string& line : crlf_lines(text)) {
    if (line == "Mapped" || line.rfind("Material:", 0) == 0 || line.rfind("Smoothing: ", 0) == 0)
      continue;
    kept += line + "\r\n";
  }
  return kept;
}

}  // namespace meshmill::testing
