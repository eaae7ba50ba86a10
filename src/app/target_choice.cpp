#include "app/target_choice.h"

#include "platform/ascii_case.h"
#include "platform/paths.h"
#include "state/fixed_names.h"

namespace meshmill {

namespace {

bool names_no_file(const std::string& path) {
  return path.empty() || (base_name(path).empty() && extension(path).empty());
}

}  // namespace

void choose_target(WindowSession& session) {
  FileDialog dialog;
  dialog.title = "Please indicate location and filename of final processed asc file(s)...";
  dialog.filter = "3D studio ASCII Mesh file (*.asc)|*.asc";
  dialog.start_folder = parent_folder(session.scene.fich);
  dialog.overwrite_prompt = true;
  std::optional<std::string> chosen = session.prompt.save_file(dialog);
  if (!chosen) return;
  if (accept_target(session, *chosen)) session.window.Text_savefile.text = *chosen;
}

bool accept_target(Session& session, const std::string& path) {
  SceneState& scene = session.scene;
  if (names_no_file(path)) {
    session.prompt.message_box("No filename choosed or entered, cancelling operation.",
                               style::error_icon, "Warning");
    return false;
  }
  if (equal_ignoring_case(path, scene.fich)) {
    session.prompt.message_box(
        "You can't overwrite the original 3d scene file from where this program will read the "
        "information! You HAVE to choose another name or another path!",
        style::error_icon, "Error");
    return false;
  }
  scene.fich_dest = path;
  scene.pix16_dest = join_path(parent_folder(path), pixelmap_folder_name);
  // A folder that can't be created is reported by the writer that needs it.
  if (!session.fs.folder_exists(scene.pix16_dest)) session.fs.create_folder(scene.pix16_dest);
  return true;
}

bool create_target_folder(Session& session, const std::string& path) {
  std::string folder = parent_folder(path);
  // The root has itself as its parent.
  if (folder.empty() || folder == path || session.fs.folder_exists(folder)) return true;
  if (!create_target_folder(session, folder)) return false;
  std::string why;
  if (session.fs.create_folder(folder, &why)) return true;
  std::string text = "The folder " + folder + " couldn't be created: " + why;
  session.early_end = {CommandResult::failed, text};
  session.prompt.message_box(text, style::error_icon, "Error");
  return false;
}

}  // namespace meshmill
