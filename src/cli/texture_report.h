#pragma once

#include "cli/json_writer.h"
#include "state/scene_state.h"

namespace meshmill {

// The member "textures": one entry per texture with its name, the image it
// came from, its .tif, its pixelmap (type and size) and its problem.
void write_texture_report(JsonWriter& json, const SceneState& scene);

}  // namespace meshmill
