#pragma once

#include "state/session.h"

namespace meshmill {

enum class SceneReset {
  // Before a new analysis replaces a loaded scene: what the analysis counts
  // and the input's identity. The texture renaming's record and the report's
  // records stay until the new analysis replaces them.
  loaded_scene,
  // The statistics reset: the scene state as before any analysis. The
  // material table is kept.
  everything
};

void reset_scene(SceneState& scene, SceneReset scope);

// The silent statistics reset: the processing's scratch file beside the input
// is deleted, the scene state reset and the view emptied.
void unload_scene(Session& session);

}  // namespace meshmill
