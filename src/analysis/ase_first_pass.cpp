#include "analysis/ase_first_pass.h"

#include "analysis/analysis_refusal.h"
#include "analysis/scene_input.h"
#include "format/keywords.h"

namespace meshmill {

namespace {

constexpr const char* group_refusal =
    "This 3d scene has objects grouped, which is not yet supported, so at the moment please "
    "export only the objects you want inside that group, and export the rest of those not inside "
    "the group in a separated .ase file, please choose another file for now.";

}  // namespace

PassOutcome count_ase_scene(Session& session) {
  auto reader = open_scene_pass(session);
  if (!reader) return PassOutcome::stopped;
  SceneState& scene = session.scene;
  scene.nr_line2 = 0;
  scene.nr_objects = 0;
  while (reader->next()) {
    std::string_view line = reader->line();
    // Both keywords stand at depth 0; every other line is passed over by its first byte.
    if (line.empty() || line[0] != '*') continue;
    if (begins_with_upper(line, "*GROUP")) {
      scene.nr_line2 = reader->number();
      return refuse_scene(session, group_refusal);
    }
    if (begins_with_upper(line, "*GEOMOBJECT")) ++scene.nr_objects;
  }
  scene.nr_line2 = reader->number();
  if (reader->failed()) return report_file_failure(session, "read", scene.fich, reader->error());
  return PassOutcome::completed;
}

}  // namespace meshmill
