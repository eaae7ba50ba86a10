#include "support/ase_builder.h"

#include <algorithm>
#include <cstdlib>

namespace meshmill::testing {

namespace {

int lines_for(std::string count) {
  std::erase(count, ' ');
  return std::clamp(std::atoi(count.c_str()), 0, 70000);
}

}  // namespace

std::string ase_header() {
  return "*3DSMAX_ASCIIEXPORT\t200\r\n"
         "*COMMENT \"AsciiExport Version  2,00\"\r\n"
         "*SCENE {\r\n"
         "\t*SCENE_FILENAME \"test.max\"\r\n"
         "}\r\n"
         "*MATERIAL_LIST {\r\n"
         "\t*MATERIAL_COUNT 1\r\n"
         "\t*MATERIAL 0 {\r\n"
         "\t\t*MATERIAL_NAME \"Grey\"\r\n"
         "\t\t*MATERIAL_CLASS \"Standard\"\r\n"
         "\t\t*MATERIAL_AMBIENT 0.5000\t0.5000\t0.5000\r\n"
         "\t\t*MATERIAL_DIFFUSE 0.5000\t0.5000\t0.5000\r\n"
         "\t\t*MATERIAL_TRANSPARENCY 0.0000\r\n"
         "\t\t*MATERIAL_WIRESIZE 1.0000\r\n"
         "\t}\r\n"
         "}\r\n";
}

std::string ase_object(const AseObject& object) {
  std::string name = object.quoted_name ? "\"" + object.name + "\"" : object.name;
  std::string text = "*GEOMOBJECT {\r\n\t*NODE_NAME " + name + "\r\n";
  text += "\t*NODE_TM {\r\n\t\t*NODE_NAME " + name +
          "\r\n\t\t*TM_ROW0 1.0000\t0.0000\t0.0000\r\n\t}\r\n";
  text += "\t*MESH {\r\n\t\t*TIMEVALUE 0\r\n";
  text += "\t\t*MESH_NUMVERTEX " + object.numvertex + "\r\n";
  text += "\t\t*MESH_NUMFACES " + object.numfaces + "\r\n";
  text += "\t\t*MESH_VERTEX_LIST {\r\n";
  for (int k = 0; k < lines_for(object.numvertex); ++k) {
    text += "\t\t\t*MESH_VERTEX " + std::to_string(k) + "\t1.0000\t2.0000\t3.0000\r\n";
  }
  text += "\t\t}\r\n\t\t*MESH_FACE_LIST {\r\n";
  for (int k = 0; k < lines_for(object.numfaces); ++k) {
    text += "\t\t\t*MESH_FACE " + std::to_string(k) +
            ":    A:    0 B:    1 C:    2 AB:    1 BC:    1 CA:    0\t *MESH_SMOOTHING 1 \t"
            "*MESH_MTLID 0\r\n";
  }
  text += "\t\t}\r\n";
  text += "\t\t*MESH_NUMTVERTEX " + object.numtvertex + "\r\n";
  if (lines_for(object.numtvertex) > 0) {
    text += "\t\t*MESH_TVERTLIST {\r\n";
    for (int k = 0; k < lines_for(object.numtvertex); ++k) {
      text += "\t\t\t*MESH_TVERT " + std::to_string(k) + "\t0.0000\t1.0000\t0.0000\r\n";
    }
    text += "\t\t}\r\n";
    text += "\t\t*MESH_NUMTVFACES " + object.numtvfaces + "\r\n";
    text += "\t\t*MESH_TFACELIST {\r\n";
    for (int k = 0; k < lines_for(object.numtvfaces); ++k) {
      text += "\t\t\t*MESH_TFACE " + std::to_string(k) + "\t0\t1\t2\r\n";
    }
    text += "\t\t}\r\n";
  }
  text += "\t}\r\n\t*PROP_MOTIONBLUR 0\r\n\t*PROP_CASTSHADOW 1\r\n\t*PROP_RECVSHADOW 1\r\n";
  text += "\t*MATERIAL_REF 0\r\n}\r\n";
  return text;
}

std::string ase_scene(const std::vector<AseObject>& objects) {
  std::string text = ase_header();
  for (const auto& object : objects) text += ase_object(object);
  return text;
}

std::vector<AseObject> boxes(int count) {
  std::vector<AseObject> objects(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    std::string number = std::to_string(i + 1);
    objects[static_cast<std::size_t>(i)].name =
        "Box" + std::string(3 - std::min<std::size_t>(3, number.size()), '0') + number;
  }
  return objects;
}

std::int64_t line_of(const std::string& text, const std::string& needle, int nth) {
  std::int64_t line = 1;
  std::size_t start = 0;
  for (;;) {
    std::size_t end = text.find('\n', start);
    std::string_view current(text.data() + start,
                             (end == std::string::npos ? text.size() : end) - start);
    if (current.find(needle) != std::string_view::npos && --nth == 0) return line;
    if (end == std::string::npos) return 0;
    start = end + 1;
    ++line;
  }
}

std::vector<std::string> crlf_lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

}  // namespace meshmill::testing
