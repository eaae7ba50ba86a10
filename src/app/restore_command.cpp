#include "app/restore_command.h"

#include "state/texture_folder.h"

namespace meshmill {

RestoreResult restore_scene_textures(FileSystem& fs, const std::string& scene,
                                     std::string& folder) {
  folder = texture_folder_of(fs, scene);
  if (!fs.folder_exists(folder)) return {};
  return restore_texture_names(fs, folder);
}

std::string restore_summary(const RestoreResult& result, const std::string& folder) {
  if (result.steps.empty()) return "No texture name to restore in " + folder + ".";
  std::string text;
  for (const RestoreStep& step : result.steps) {
    if (!text.empty()) text += '\n';
    text += step.text;
  }
  return text;
}

void restore_textures(WindowSession& session) {
  if (session.scene.file_loaded != 1) return;
  std::string folder;
  RestoreResult result = restore_scene_textures(session.fs, session.scene.fich, folder);
  session.prompt.message_box(restore_summary(result, folder),
                             result.refused() ? style::warning_icon : style::information_icon,
                             "Restore texture names");
}

}  // namespace meshmill
