#pragma once

#include <string>
#include <vector>

namespace meshmill::testing {

// One object of a test .asc file, written as the ASC writer writes it unless
// a field says otherwise. Vertex and face lines are numbered 0, 1, ...
struct AscBlock {
  std::string name = "Box01";
  int vertices = 4;
  int faces = 2;
  bool mapped = false;          // a "Mapped" line and U, V on every vertex line
  bool material_lines = false;  // "Material:" and "Smoothing: " after every face line
  bool blank_after = true;      // the empty line that ends the block
};

// The block of one object; each line ends with CR LF.
std::string asc_object(const AscBlock& object);
std::string asc_scene(const std::vector<AscBlock>& objects);

// Vertex line k of an object as asc_object() writes it.
std::string asc_vertex_line(int k, bool mapped);
// Face line i as asc_object() writes it.
std::string asc_face_line(int i);

// The lines of an .asc file without its "Mapped", "Material:" and "Smoothing: "
// lines: what re-writing it without the axis flip gives.
std::string without_mapping_lines(const std::string& text);

}  // namespace meshmill::testing
