#include "analysis/material_prescan.h"

#include <algorithm>

#include "analysis/material_input.h"
#include "analysis/material_values.h"
#include "format/keywords.h"
#include "platform/paths.h"
#include "state/texture_folder.h"

namespace meshmill {

namespace {

constexpr std::string_view wiresize_line = "\t\t*MATERIAL_WIRESIZE";
constexpr std::string_view numsubmtls_line = "\t\t*NUMSUBMTLS ";

}  // namespace

PassOutcome prescan_materials(Session& session, std::int64_t& listed_count) {
  SceneState& scene = session.scene;
  MaterialInput input(session);
  if (!input.open()) return PassOutcome::stopped;

  // A scene without a material list (3ds Max always writes one, if only with
  // a count of 0) has no materials: the count is not looked for among its
  // objects, and the end of the file ends the search too.
  std::optional<std::int64_t> count = 0;
  while (input.next_outside()) {
    if (find_at(input.line(), "*MATERIAL_COUNT ") != 0) {
      count = material_count(input.line());
      break;
    }
    if (input.at_first_object()) break;
  }
  if (input.failed()) return PassOutcome::stopped;
  if (!count) return refuse_scene(session, invalid_ase_text);
  listed_count = *count;
  scene.submat_count.assign(static_cast<std::size_t>(*count) + 1, 0);

  // The line after a top-level material's last colour line tells whether it
  // has sub-materials. Materials past the count have no place in the table.
  std::int64_t k = 0;
  scene.nr_max_mats2 = 0;
  while (!input.ended() && !input.at_first_object() && input.next_outside()) {
    if (!begins_with(input.line(), wiresize_line) || !input.next_outside()) continue;
    if (begins_with(input.line(), numsubmtls_line)) {
      auto subs = submaterial_count(input.line(), numsubmtls_line.size());
      if (!subs) return refuse_scene(session, invalid_ase_text);
      if (k <= *count) scene.submat_count[static_cast<std::size_t>(k)] = *subs;
      scene.nr_max_mats2 = std::max(scene.nr_max_mats2, *subs);
    }
    ++k;
  }
  if (input.failed()) return PassOutcome::stopped;

  // The long texture names are counted afresh by every pass.
  scene.num_bigmat = 0;
  scene.bigmat_names.clear();
  scene.tif_folder = texture_folder_of(session.fs, session.scene.fich);
  return PassOutcome::completed;
}

}  // namespace meshmill
