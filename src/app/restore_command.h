#pragma once

#include <string>

#include "app/window_session.h"
#include "textures/restore_textures.h"

namespace meshmill {

// Gives the shortened texture files in the TIFFRGB folder beside `scene`
// their long names back (see restore_texture_names); `folder` receives the
// folder's path. A scene without that folder has nothing to restore.
RestoreResult restore_scene_textures(FileSystem& fs, const std::string& scene, std::string& folder);

// The steps as lines for the user, or why there was nothing to do.
std::string restore_summary(const RestoreResult& result, const std::string& folder);

// "&Restore texture names": restores the loaded scene's textures and lists
// every step in one message.
void restore_textures(WindowSession& session);

}  // namespace meshmill
