#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace meshmill::testing {

// One object of a test scene, written as 3ds Max writes it. The count fields
// are the texts of the count lines; the lists get as many lines as the
// leading integer of the count says.
struct AseObject {
  std::string name = "Box01";
  std::string numvertex = "8";
  std::string numfaces = "12";
  std::string numtvertex = "8";
  std::string numtvfaces = "12";
  bool quoted_name = true;
};

// A scene with a one-material list and the given objects (CR LF line ends).
std::string ase_scene(const std::vector<AseObject>& objects);
std::string ase_object(const AseObject& object);
// The start of a scene up to its first object.
std::string ase_header();

// `count` good objects named Box001, Box002, ...
std::vector<AseObject> boxes(int count);

// 1-based number of the line holding the `nth` (from 1) occurrence of `needle`; 0 if none.
std::int64_t line_of(const std::string& text, const std::string& needle, int nth = 1);

// The lines of a text file written with CR LF ends.
std::vector<std::string> crlf_lines(const std::string& text);

}  // namespace meshmill::testing
