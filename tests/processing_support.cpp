#include "processing_support.h"

#include <cstdarg>
#include <cstdio>

#include "platform/paths.h"

namespace meshmill::testing {

namespace {

// On MinGW, "printf" checks against Microsoft's runtime, which lacks %zu;
// its C++ library formats as C99 does, which "gnu_printf" checks.
#ifdef __MINGW32__
[[gnu::format(gnu_printf, 1, 2)]] std::string format(const char* pattern, ...);
#else
[[gnu::format(printf, 1, 2)]] std::string format(const char* pattern, ...);
#endif

std::string format(const char* pattern, ...) {
  char buffer[512];
  va_list values;
  va_start(values, pattern);
  std::vsnprintf(buffer, sizeof buffer, pattern, values);
  va_end(values);
  return buffer;
}

}  // namespace

MeshSpec triangle(const std::string& name, std::optional<int> material_ref) {
  MeshSpec mesh;
  mesh.name = name;
  mesh.vertices = {{"1", "2", "3"}, {"4", "5", "6"}, {"7", "8", "9"}};
  mesh.faces = {{0, 1, 2}};
  mesh.tvertices = {{"0.1", "0.2"}, {"0.3", "0.4"}, {"0.5", "0.6"}};
  mesh.tfaces = {{0, 1, 2}};
  mesh.material_ref = material_ref;
  return mesh;
}

std::string mesh_object(const MeshSpec& mesh) {
  std::string s = "*GEOMOBJECT {\r\n";
  s += "\t*NODE_NAME \"" + mesh.name + "\"\r\n";
  s += "\t*NODE_TM {\r\n\t\t*NODE_NAME \"" + mesh.name + "\"\r\n\t}\r\n";
  s += "\t*MESH {\r\n\t\t*TIMEVALUE 0\r\n";
  s += format("\t\t*MESH_NUMVERTEX %zu\r\n", mesh.vertices.size());
  s += format("\t\t*MESH_NUMFACES %zu\r\n", mesh.faces.size());
  s += "\t\t*MESH_VERTEX_LIST {\r\n";
  for (std::size_t i = 0; i < mesh.vertices.size(); ++i) {
    const auto& v = mesh.vertices[i];
    s += format("\t\t\t*MESH_VERTEX %4zu\t%s\t%s\t%s\r\n", i, v[0].c_str(), v[1].c_str(),
                v[2].c_str());
  }
  s += "\t\t}\r\n\t\t*MESH_FACE_LIST {\r\n";
  for (std::size_t i = 0; i < mesh.faces.size(); ++i) {
    const auto& f = mesh.faces[i];
    s += format("\t\t\t*MESH_FACE %4zu:    A: %4d B: %4d C: %4d AB: %4d BC: %4d CA: %4d\t ", i, f.a,
                f.b, f.c, f.ab, f.bc, f.ca);
    s += f.smoothing.empty() ? "*MESH_SMOOTHING " : "*MESH_SMOOTHING " + f.smoothing + " ";
    s += format("\t*MESH_MTLID %d\r\n", f.material_id);
  }
  s += "\t\t}\r\n";
  s += format("\t\t*MESH_NUMTVERTEX %zu\r\n\t\t*MESH_TVERTLIST {\r\n", mesh.tvertices.size());
  for (std::size_t i = 0; i < mesh.tvertices.size(); ++i) {
    const auto& t = mesh.tvertices[i];
    s += format("\t\t\t*MESH_TVERT %zu\t%s\t%s\t0.0000\r\n", i, t[0].c_str(), t[1].c_str());
  }
  s += format("\t\t}\r\n\t\t*MESH_NUMTVFACES %zu\r\n\t\t*MESH_TFACELIST {\r\n", mesh.tfaces.size());
  for (std::size_t i = 0; i < mesh.tfaces.size(); ++i) {
    const auto& t = mesh.tfaces[i];
    s += format("\t\t\t*MESH_TFACE %zu\t%d\t%d\t%d\r\n", i, t[0], t[1], t[2]);
  }
  s += "\t\t}\r\n\t}\r\n\t*PROP_MOTIONBLUR 0\r\n\t*PROP_CASTSHADOW 1\r\n\t*PROP_RECVSHADOW 1\r\n";
  if (mesh.material_ref) s += format("\t*MATERIAL_REF %d\r\n", *mesh.material_ref);
  s += "}\r\n";
  return s;
}

std::string mesh_scene(const std::vector<MeshSpec>& meshes) {
  std::string s = "*3DSMAX_ASCIIEXPORT\t200\r\n*SCENE {\r\n\t*SCENE_FILENAME \"t.max\"\r\n}\r\n";
  for (const auto& mesh : meshes) s += mesh_object(mesh);
  return s;
}

void set_materials(SceneState& scene, const std::vector<MaterialSpec>& materials) {
  std::size_t columns = 1;
  for (const auto& m : materials) columns = std::max(columns, m.slots.size());
  std::size_t rows = materials.size() + 1;
  scene.nr_mapped_objs = static_cast<std::int64_t>(materials.size());
  scene.project_mapped = materials.empty() ? 0 : 1;
  scene.nr_max_mats2 = 0;
  scene.submat_count.assign(rows, 0);
  scene.nr_submats.assign(rows, 0);
  scene.mat_names.reset(rows, columns);
  scene.mat_colors.reset(rows, columns);
  scene.mat_opacity.reset(rows, columns);
  for (std::size_t m = 0; m < materials.size(); ++m) {
    const auto& material = materials[m];
    if (material.multi) {
      auto count = static_cast<std::int64_t>(material.slots.size());
      scene.submat_count[m] = count;
      scene.nr_submats[m] = count - 1;
      scene.nr_max_mats2 = std::max(scene.nr_max_mats2, count);
    }
    for (std::size_t s = 0; s < material.slots.size(); ++s) {
      scene.mat_names.at(m, s) = material.slots[s].entry;
      scene.mat_colors.at(m, s) = material.slots[s].colours;
      scene.mat_opacity.at(m, s) = material.slots[s].opacity;
    }
  }
}

std::string load_analysed_scene(TestSession& t, const std::string& ase, std::int64_t objects,
                                const std::string& file_name) {
  std::string path = t.folder.write(file_name, ase);
  SceneState& scene = t.session.scene;
  scene.fich = path;
  scene.file_type = "ase";
  scene.file_loaded = 1;
  scene.nr_line2 = 0;
  for (char c : ase) scene.nr_line2 += c == '\n';
  scene.nr_objects = objects;
  scene.scene_stats[1] = objects;
  scene.scene_stats[3] = objects > 255 ? objects / 255 + 1 : 1;
  t.folder.write("error_log.txt", "");
  scene.special_mats =
      t.fs->create(t.folder.file("special_materials.txt"), CreateMode::direct, nullptr);
  t.session.window.Text_loadfile.text = path;
  t.session.window.Check_all.value = 1;
  scene.fich_dest = t.folder.file("out.asc");
  scene.pix16_dest = t.folder.file("PIX16");
  t.fs->create_folder(scene.pix16_dest);
  t.session.window.Text_savefile.text = scene.fich_dest;
  return path;
}

}  // namespace meshmill::testing
