#pragma once

#include <string>

#include "report/file_palette.h"
#include "state/scene_records.h"

namespace meshmill {

// The view an .asc input opens with: the plane in which the scene is widest
// (an .asc file may have been written with the axes flipped).
MapView widest_view(const SceneRecords& records);

// The map: one SVG per view (top, front, side), switched by radio buttons that
// work without script, with a scale bar in scene units and a legend. Every
// object drawn is one element with data-object, data-status and data-file
// (where it has a file), and a <title> that names it.
void append_map(std::string& out, const SceneRecords& records, const FilePalette& palette,
                MapView first_view);

}  // namespace meshmill
