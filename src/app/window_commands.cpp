#include "app/window_commands.h"

#include <utility>

#include "app/clear_statistics.h"
#include "app/error_log_command.h"
#include "app/options.h"
#include "app/report_command.h"
#include "app/restore_command.h"
#include "app/scene_commands.h"
#include "app/target_choice.h"
#include "platform/ascii_case.h"
#include "platform/paths.h"
#include "state/window_rules.h"

namespace meshmill {

bool run_command(WindowSession& session, const std::function<void(WindowSession&)>& command) {
  if (session.command_running) return false;
  command(session);
  // The passes untick Check3 in places; its controls follow the box.
  apply_check3(session.window);
  return true;
}

bool click_button(WindowSession& session, Button WindowState::*button) {
  using Command = void (*)(WindowSession&);
  static constexpr std::pair<Button WindowState::*, Command> commands[] = {
      // The button's analysis asks for its scene in the open dialog (no path).
      {&WindowState::Analize_filename, [](WindowSession& s) { analyze_scene(s, std::string()); }},
      {&WindowState::Start_process, [](WindowSession& s) { start_process(s); }},
      {&WindowState::Target_filename, choose_target},
      {&WindowState::Clear_statistics, clear_statistics},
      {&WindowState::Open_error_log, open_error_log},
      {&WindowState::Open_report, open_scene_report},
      {&WindowState::Restore_textures, restore_textures},
  };
  for (const auto& [member, command] : commands) {
    if (member == button) return run_command(session, command);
  }
  return false;
}

void yield_to_window(WindowSession& session, const std::function<void()>& run_events) {
  bool running = session.command_running;
  session.command_running = true;
  run_events();
  session.command_running = running;
}

bool tick_check_box(WindowSession& session, CheckBox& box, bool ticked) {
  if (session.command_running) return false;
  box.value = ticked ? 1 : 0;
  WindowState& window = session.window;
  if (&box == &window.Check_all) apply_check_all(window, session.scene.file_type);
  if (&box == &window.Check3) apply_check3(window);
  return true;
}

bool edit_text(WindowSession& session, TextBox& box, const std::string& text) {
  if (session.command_running) return false;
  box.text = text;
  return true;
}

void analyze_dropped_scene(WindowSession& session, const std::string& path) {
  if (session.scene.file_loaded == 1) {
    // The analysis of a given path skips its own confirmation and reset, and
    // its statistics add up: start from the empty state.
    clear_statistics(session);
    if (session.scene.file_loaded == 1) return;
  }
  analyze_scene(session, path);
}

bool is_scene_file(const std::string& path) {
  std::string type = extension(path);
  return equal_ignoring_case(type, "ase") || equal_ignoring_case(type, "asc");
}

void close_window(WindowSession& session) {
  if (!session.quit_requested) save_options(session);
}

bool request_close(WindowSession& session) {
  if (session.command_running) {
    session.close_requested = true;
    return false;
  }
  close_window(session);
  return true;
}

bool close_due(const WindowSession& session) {
  return !session.command_running && (session.quit_requested || session.close_requested);
}

}  // namespace meshmill
