#pragma once

#include <cstddef>
#include <string_view>

#include "state/scene_state.h"

namespace meshmill {

// The material table keeps each slot's name and texture as one entry,
// "name , texture"; this is that entry taken apart, with the slot's colour
// and opacity. The views point into the table.
struct MaterialSlot {
  std::string_view entry;
  std::string_view name;     // up to the separator; the whole entry when it has none
  std::string_view texture;  // after the separator, "" when there is none
  bool has_texture = false;  // the entry has the separator
  std::string_view colours;  // "r<TAB>g<TAB>b", "" when the slot has none
  std::string_view opacity;  // "" when the slot has none
};

inline constexpr std::string_view slot_separator = " , ";

// The slot (m, s) of the table; callers check `mat_names.contains(m, s)`.
MaterialSlot material_slot(const SceneState& scene, std::size_t m, std::size_t s);

}  // namespace meshmill
