#include "state/material_slot.h"

namespace meshmill {

MaterialSlot material_slot(const SceneState& scene, std::size_t m, std::size_t s) {
  MaterialSlot slot;
  slot.entry = scene.mat_names.at(m, s);
  std::size_t cut = slot.entry.find(slot_separator);
  slot.name = slot.entry.substr(0, cut);
  slot.has_texture = cut != std::string_view::npos;
  if (slot.has_texture) slot.texture = slot.entry.substr(cut + slot_separator.size());
  slot.colours = scene.mat_colors.at(m, s);
  slot.opacity = scene.mat_opacity.at(m, s);
  return slot;
}

}  // namespace meshmill
