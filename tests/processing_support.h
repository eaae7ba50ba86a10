#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "support/test_session.h"

namespace meshmill::testing {

// Small ASE scenes for the processing tests, laid out as 3ds Max writes them.
struct FaceSpec {
  int a, b, c;
  int ab = 1, bc = 1, ca = 0;
  std::string smoothing = "1";
  int material_id = 0;
};

struct MeshSpec {
  std::string name;
  std::vector<std::array<std::string, 3>> vertices;
  std::vector<FaceSpec> faces;
  std::vector<std::array<std::string, 2>> tvertices;
  std::vector<std::array<int, 3>> tfaces;
  std::optional<int> material_ref;
};

// One triangle with its mapping; vertex texts 1..9, mapping texts 0.1..0.6.
MeshSpec triangle(const std::string& name, std::optional<int> material_ref = std::nullopt);
std::string mesh_object(const MeshSpec& mesh);
// A scene header, a material list line and the objects; lines end with CR LF.
std::string mesh_scene(const std::vector<MeshSpec>& meshes);

struct SlotSpec {
  std::string entry;  // "name , texture"
  std::string colours;
  std::string opacity;
};
struct MaterialSpec {
  bool multi = false;  // a multi/sub-object material: every slot is a sub-material
  std::vector<SlotSpec> slots;
};

// Fills the material table as the analysis would.
void set_materials(SceneState& scene, const std::vector<MaterialSpec>& materials);

// Writes `ase` as `file_name` into the test folder and fills the session as a
// successful analysis of it would (statistics, side files, express off), with
// the target out.asc chosen in the same folder. Returns the scene's path.
std::string load_analysed_scene(TestSession& t, const std::string& ase, std::int64_t objects,
                                const std::string& file_name = "scene.ase");

}  // namespace meshmill::testing
