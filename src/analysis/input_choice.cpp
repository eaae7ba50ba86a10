#include "analysis/input_choice.h"

#include "analysis/analysis_refusal.h"
#include "platform/ascii_case.h"
#include "platform/paths.h"
#include "state/fixed_names.h"
#include "state/scene_reset.h"

namespace meshmill {

namespace {

void forget_loaded_scene(Session& session) {
  // The scratch file of the program's folder, not the input's.
  std::string scratch = join_path(session.program_folder, scratch_file_name);
  reset_scene(session.scene, SceneReset::loaded_scene);
  if (session.fs.file_exists(scratch)) session.fs.remove_file(scratch);
  session.view->scene_unloaded();
}

bool choose_with_dialog(Session& session) {
  FileDialog dialog;
  dialog.title = "Please choose the 3d scene file you want to import in Plaything2...";
  dialog.filter = "ASCII scene export (*.ase)|*.ase|3D studio ASCII Mesh file (*.asc)|*.asc";
  dialog.start_folder = session.program_folder;
  dialog.must_exist = true;
  auto chosen = session.prompt.open_file(dialog);
  if (!chosen) {
    session.early_end = {CommandResult::cancelled};
    return false;
  }
  bool names_a_file = !base_name(*chosen).empty() || !extension(*chosen).empty();
  if (!names_a_file) {
    session.prompt.message_box("No file selected or imported.", style::error_icon, "Warning");
    return false;
  }
  session.scene.fich = *chosen;
  session.view->input_shown(*chosen);
  return true;
}

// A start-up path may come wrapped in double quotes (a path with blanks).
// Only the quotes are dropped, and the path ends at a quote inside it.
std::string unquoted(const std::string& given) {
  std::string_view path = given;
  if (!path.empty() && path.front() == '"') path.remove_prefix(1);
  if (!path.empty() && path.back() == '"') path.remove_suffix(1);
  return std::string(path.substr(0, path.find('"')));
}

bool check_startup_path(Session& session, const std::string& given) {
  SceneState& scene = session.scene;
  bool quoted = !given.empty() && (given.front() == '"' || given.back() == '"');
  std::string path = quoted ? unquoted(given) : given;
  scene.fich = path;
  const char* problem = nullptr;
  const char* title = nullptr;
  if (!session.fs.file_exists(path) && session.fs.entry_exists(path)) {
    // A folder or a device is there: say why it can't be read rather than "doesn't exist".
    std::string why;
    session.fs.open_read(path, &why);
    report_file_failure(session, "opened", path, why);
    scene.fich.clear();
    return false;
  }
  if (!session.fs.file_exists(path)) {
    problem = "doesn't exist!";
    title = "Error";
  } else if (session.fs.file_size(path).value_or(0) == 0) {
    problem = "is empty!";
    title = "Invalid file";
  }
  if (problem) {
    session.prompt.message_box("This file (" + path + problem, style::error_icon, title);
    scene.fich.clear();
    return false;
  }
  session.view->input_shown(path);
  return true;
}

}  // namespace

bool confirm_new_analysis(Session& session, const std::string& start_path) {
  if (!start_path.empty() || session.scene.file_loaded != 1) return true;
  int answer = session.prompt.message_box(
      "Are you sure ? All information from previous loaded file will be lost, so as the error log "
      "filed! Continue?",
      style::yes_no, "Warning");
  if (answer != answer::yes) return false;
  forget_loaded_scene(session);
  return true;
}

std::string input_type(const std::string& path) {
  return ascii_lowered(extension(path));
}

bool choose_input(Session& session, const std::string& start_path) {
  if (start_path.empty()) return choose_with_dialog(session);
  return check_startup_path(session, start_path);
}

}  // namespace meshmill
