#include "support/scene_builder.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>

namespace meshmill::testing {

namespace {

// MinGW's plain "printf" checks for Microsoft's printf, which lacks %zu; the
// C++ library there uses MinGW's own, which has it.
#ifdef __MINGW_PRINTF_FORMAT
#define MESHMILL_TEST_PRINTF __MINGW_PRINTF_FORMAT
#else
#define MESHMILL_TEST_PRINTF printf
#endif

[[gnu::format(MESHMILL_TEST_PRINTF, 1, 2)]] std::string format(const char* pattern, ...) {
  char buffer[512];
  va_list values;
  va_start(values, pattern);
  std::vsnprintf(buffer, sizeof buffer, pattern, values);
  va_end(values);
  return buffer;
}

std::size_t lines_for(std::string count) {
  std::erase(count, ' ');
  return static_cast<std::size_t>(std::clamp(std::atoi(count.c_str()), 0, 70000));
}

std::string quoted(const AseObject& object) {
  return object.quoted_name ? "\"" + object.name + "\"" : object.name;
}

}  // namespace

const std::string grey_material =
    "\t*MATERIAL 0 {\r\n"
    "\t\t*MATERIAL_NAME \"Grey\"\r\n"
    "\t\t*MATERIAL_CLASS \"Standard\"\r\n"
    "\t\t*MATERIAL_AMBIENT 0.5000\t0.5000\t0.5000\r\n"
    "\t\t*MATERIAL_DIFFUSE 0.5000\t0.5000\t0.5000\r\n"
    "\t\t*MATERIAL_TRANSPARENCY 0.0000\r\n"
    "\t\t*MATERIAL_WIRESIZE 1.0000\r\n"
    "\t}\r\n";

std::string ase_header(int count, const std::string& materials) {
  return "*3DSMAX_ASCIIEXPORT\t200\r\n"
         "*COMMENT \"AsciiExport Version  2,00\"\r\n"
         "*SCENE {\r\n"
         "\t*SCENE_FILENAME \"test.max\"\r\n"
         "}\r\n"
         "*MATERIAL_LIST {\r\n"
         "\t*MATERIAL_COUNT " +
         std::to_string(count) + "\r\n" + materials + "}\r\n";
}

AseObject triangle(const std::string& name, std::optional<int> material_ref) {
  AseObject object{name};
  object.listed = true;
  object.vertices = {{"1", "2", "3"}, {"4", "5", "6"}, {"7", "8", "9"}};
  object.faces = {AseFace{}};
  object.tvertices = {{"0.1", "0.2"}, {"0.3", "0.4"}, {"0.5", "0.6"}};
  object.tfaces = {{0, 1, 2}};
  object.material_ref = material_ref;
  return object;
}

std::string ase_object(const AseObject& given) {
  AseObject o = given;
  if (o.listed) {
    o.numvertex = std::to_string(o.vertices.size());
    o.numfaces = std::to_string(o.faces.size());
    o.numtvertex = std::to_string(o.tvertices.size());
    o.numtvfaces = std::to_string(o.tfaces.size());
  } else {
    o.vertices.assign(lines_for(o.numvertex), {"1.0000", "2.0000", "3.0000"});
    o.faces.assign(lines_for(o.numfaces), AseFace{});
    o.tvertices.assign(lines_for(o.numtvertex), {"0.0000", "1.0000"});
    o.tfaces.assign(lines_for(o.numtvfaces), {0, 1, 2});
  }
  std::string s = "*GEOMOBJECT {\r\n\t*NODE_NAME " + quoted(o) + "\r\n";
  s += "\t*NODE_TM {\r\n\t\t*NODE_NAME " + quoted(o) +
       "\r\n\t\t*TM_ROW0 1.0000\t0.0000\t0.0000\r\n\t}\r\n";
  s += "\t*MESH {\r\n\t\t*TIMEVALUE 0\r\n";
  s += "\t\t*MESH_NUMVERTEX " + o.numvertex + "\r\n";
  s += "\t\t*MESH_NUMFACES " + o.numfaces + "\r\n";
  s += "\t\t*MESH_VERTEX_LIST {\r\n";
  for (std::size_t i = 0; i < o.vertices.size(); ++i) {
    const auto& v = o.vertices[i];
    s += format("\t\t\t*MESH_VERTEX %4zu\t%s\t%s\t%s\r\n", i, v[0].c_str(), v[1].c_str(),
                v[2].c_str());
  }
  s += "\t\t}\r\n\t\t*MESH_FACE_LIST {\r\n";
  for (std::size_t i = 0; i < o.faces.size(); ++i) {
    const auto& f = o.faces[i];
    s += format("\t\t\t*MESH_FACE %4zu:    A: %4d B: %4d C: %4d AB: %4d BC: %4d CA: %4d\t ", i, f.a,
                f.b, f.c, f.ab, f.bc, f.ca);
    s += f.smoothing.empty() ? "*MESH_SMOOTHING " : "*MESH_SMOOTHING " + f.smoothing + " ";
    s += format("\t*MESH_MTLID %d\r\n", f.material_id);
  }
  s += "\t\t}\r\n\t\t*MESH_NUMTVERTEX " + o.numtvertex + "\r\n";
  // 3ds Max leaves out the mapping lists of an object without mapping vertices.
  if (!o.tvertices.empty()) {
    s += "\t\t*MESH_TVERTLIST {\r\n";
    for (std::size_t i = 0; i < o.tvertices.size(); ++i) {
      const auto& t = o.tvertices[i];
      s += format("\t\t\t*MESH_TVERT %zu\t%s\t%s\t0.0000\r\n", i, t[0].c_str(), t[1].c_str());
    }
    s += "\t\t}\r\n\t\t*MESH_NUMTVFACES " + o.numtvfaces + "\r\n\t\t*MESH_TFACELIST {\r\n";
    for (std::size_t i = 0; i < o.tfaces.size(); ++i) {
      const auto& t = o.tfaces[i];
      s += format("\t\t\t*MESH_TFACE %zu\t%d\t%d\t%d\r\n", i, t[0], t[1], t[2]);
    }
    s += "\t\t}\r\n";
  }
  s += "\t}\r\n\t*PROP_MOTIONBLUR 0\r\n\t*PROP_CASTSHADOW 1\r\n\t*PROP_RECVSHADOW 1\r\n";
  if (o.material_ref) s += format("\t*MATERIAL_REF %d\r\n", *o.material_ref);
  return s + "}\r\n";
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

std::vector<AseObject> triangles(int count) {
  std::vector<AseObject> objects;
  for (int i = 0; i < count; ++i) objects.push_back(triangle("Obj" + std::to_string(i)));
  return objects;
}

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
    if (line == "Mapped" || line.starts_with("Material:") || line.starts_with("Smoothing: ")) {
      continue;
    }
    kept += line + "\r\n";
  }
  return kept;
}

std::string crlf(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n' && (out.empty() || out.back() != '\r')) out += '\r';
    out += c;
  }
  return out;
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

std::string asc_names(const std::string& asc) {
  const std::string marker = "Named object: \"";
  std::string names;
  for (std::size_t at = asc.find(marker); at != std::string::npos; at = asc.find(marker, at + 1)) {
    std::size_t start = at + marker.size();
    names += asc.substr(start, asc.find('"', start) - start) + ";";
  }
  return names;
}

std::size_t objects_in(const std::string& asc) {
  std::string names = asc_names(asc);
  return static_cast<std::size_t>(std::count(names.begin(), names.end(), ';'));
}

}  // namespace meshmill::testing
