#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace meshmill::testing {

// Small scenes for the tests, written as 3ds Max and the ASC writer write them
// (CR LF line ends).

struct AseFace {
  int a = 0, b = 1, c = 2;
  int ab = 1, bc = 1, ca = 0;
  std::string smoothing = "1";
  int material_id = 0;
};

// One object of an ASE scene. The count fields are the texts of the count
// lines, and each list gets as many lines as the leading integer of its count
// says; an object `listed` (see triangle()) writes its own lists instead, and
// their sizes as counts.
struct AseObject {
  std::string name = "Box01";
  std::string numvertex = "8";
  std::string numfaces = "12";
  std::string numtvertex = "8";
  std::string numtvfaces = "12";
  bool quoted_name = true;
  std::optional<int> material_ref = 0;
  bool listed = false;
  std::vector<std::array<std::string, 3>> vertices = {};
  std::vector<AseFace> faces = {};
  std::vector<std::array<std::string, 2>> tvertices = {};
  std::vector<std::array<int, 3>> tfaces = {};
};

// One listed triangle with its mapping; vertex texts 1..9, mapping texts 0.1..0.6.
AseObject triangle(const std::string& name, std::optional<int> material_ref = std::nullopt);
// `count` good objects named Box001, Box002, ...
std::vector<AseObject> boxes(int count);
// `count` listed triangles named Obj0, Obj1, ...
std::vector<AseObject> triangles(int count);

// A grey standard material, the list of the default header.
extern const std::string grey_material;
// The start of a scene up to its first object: a material list of `materials`
// under the given count.
std::string ase_header(int count = 1, const std::string& materials = grey_material);
std::string ase_object(const AseObject& object);
std::string ase_scene(const std::vector<AseObject>& objects);

// One object of a test .asc file. Vertex and face lines are numbered 0, 1, ...
struct AscBlock {
  std::string name = "Box01";
  int vertices = 4;
  int faces = 2;
  bool mapped = false;          // a "Mapped" line and U, V on every vertex line
  bool material_lines = false;  // "Material:" and "Smoothing: " after every face line
  bool blank_after = true;      // the empty line that ends the block
};
std::string asc_object(const AscBlock& object);
std::string asc_scene(const std::vector<AscBlock>& objects);
// Vertex line k and face line i as asc_object() writes them.
std::string asc_vertex_line(int k, bool mapped);
std::string asc_face_line(int i);
// The lines of an .asc file without its "Mapped", "Material:" and "Smoothing: "
// lines: what re-writing it without the axis flip gives.
std::string without_mapping_lines(const std::string& text);

// LF line ends made CR LF (those already CR LF stay).
std::string crlf(const std::string& text);
// The lines of a text file written with CR LF ends.
std::vector<std::string> crlf_lines(const std::string& text);
// 1-based number of the line holding the `nth` (from 1) occurrence of `needle`; 0 if none.
std::int64_t line_of(const std::string& text, const std::string& needle, int nth = 1);
// The names of the objects in an .asc text, each followed by ';', and their number.
std::string asc_names(const std::string& asc);
std::size_t objects_in(const std::string& asc);

// One object of three vertices and one face, as the ASC writer writes it.
inline constexpr const char* one_triangle_asc =
    "Named object: \"Box01\"\r\n"
    "Tri-mesh, Vertices: 3     Faces: 1\r\n"
    "Vertex list:\r\n"
    "Vertex 0:  X:0.0     Y:0.0     Z:0.0\r\n"
    "Vertex 1:  X:1.0     Y:0.0     Z:0.0\r\n"
    "Vertex 2:  X:0.0     Y:1.0     Z:0.0\r\n"
    "Face list:\r\n"
    "Face 0:    A:0 B:1 C:2 AB:1 BC:1 CA:1\r\n"
    "Smoothing:  1\r\n"
    "\r\n";

}  // namespace meshmill::testing
