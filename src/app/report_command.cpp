#include "app/report_command.h"

#include "app/window_settings.h"
#include "platform/clock.h"
#include "platform/paths.h"
#include "report/report_page.h"

namespace meshmill {

std::string scene_report_path(const Session& session) {
  const std::string& input = session.scene.fich;
  return join_path(parent_folder(input), base_name(input) + "_report.html");
}

bool save_scene_report(Session& session, const RunSettings& settings, const std::string& path,
                       std::string* failure) {
  std::string why;
  std::string page = render_report(session, settings, local_date_time());
  if (write_file_atomically(session.fs, path, page, &why)) return true;
  std::string text = "The file " + path + " could not be written";
  if (!why.empty()) text += " (" + why + ")";
  text += '.';
  session.prompt.message_box(text, style::error_icon, "Error");
  if (failure) *failure = text;
  return false;
}

void record_every_run(Session& session, RecordingPrompt& prompt) {
  session.record_objects = true;
  prompt.record_into(&session.scene.records.messages);
}

void open_scene_report(WindowSession& session) {
  if (session.scene.file_loaded != 1) return;
  std::string path = scene_report_path(session);
  if (save_scene_report(session, settings_from_window(session.window), path)) {
    session.prompt.open_document(path);
  }
}

}  // namespace meshmill
