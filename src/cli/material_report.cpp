#include "cli/material_report.h"

#include <algorithm>

#include "cli/scene_report.h"
#include "platform/code_page.h"
#include "state/fixed_names.h"
#include "state/material_slot.h"

namespace meshmill {

namespace {

void write_slot(JsonWriter& json, const SceneState& scene, std::size_t m, std::size_t s) {
  const MaterialSlot slot = material_slot(scene, m, s);
  json.begin_object();
  json.key("m");
  json.number(static_cast<std::int64_t>(m));
  json.key("s");
  json.number(static_cast<std::int64_t>(s));
  json.key("name");
  json.string(cp1252_to_utf8(slot.name));
  json.key("texture");
  json.string_or_null(cp1252_to_utf8(slot.texture));
  json.key("color");
  json.string_or_null(cp1252_to_utf8(slot.colours));
  json.key("opacity");
  json.string_or_null(cp1252_to_utf8(slot.opacity));
  json.end_object();
}

}  // namespace

void write_material_report(JsonWriter& json, CliSession& cli) {
  const SceneState& scene = cli.session().scene;
  json.key("materials");
  json.begin_array();
  // A table is only meaningful after a material scan that found materials.
  if (scene.project_mapped == 1) {
    for (std::size_t m = 0; m < scene.nr_submats.size(); ++m) {
      // Slots 0 .. nr_submats(m): the ones the material writer walks.
      auto last = static_cast<std::size_t>(std::max<std::int64_t>(scene.nr_submats[m], 0));
      for (std::size_t s = 0; s <= last; ++s) {
        if (!scene.mat_names.at(m, s).empty()) write_slot(json, scene, m, s);
      }
    }
  }
  json.end_array();
  write_side_file(json, cli, "special_materials", special_materials_name);
}

}  // namespace meshmill
