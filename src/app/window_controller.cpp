#include "app/window_controller.h"

#include "app/report_command.h"
#include "app/start_up.h"
#include "app/window_commands.h"

namespace meshmill {

WindowController::WindowController(WindowView& view, PromptService& prompt, FileSystem& fs,
                                   const std::string& program_folder)
    : view_(view),
      pump_([this] {
        render();
        yield_to_window(session_, [this] { view_.run_pending_events(); });
      }),
      prompt_(prompt),
      session_(prompt_, fs, pump_) {
  session_.program_folder = program_folder;
  record_every_run(session_, prompt_);
}

void WindowController::start(const std::string& command_line) {
  run([&command_line](WindowSession& session) { start_up(session, command_line); });
}

void WindowController::run(const std::function<void(WindowSession&)>& command) {
  run_command(session_, command);
  after_command();
}

void WindowController::click(Button WindowState::*button) {
  click_button(session_, button);
  after_command();
}

void WindowController::tick(CheckBox WindowState::*box, bool ticked) {
  tick_check_box(session_, session_.window.*box, ticked);
  render();
}

void WindowController::edit(TextBox WindowState::*box, const std::string& text) {
  if (!edit_text(session_, session_.window.*box, text)) render();
}

bool WindowController::accepts_drop(const std::string& path) const {
  return !session_.command_running && is_scene_file(path);
}

void WindowController::drop(const std::string& path) {
  run([&path](WindowSession& session) { analyze_dropped_scene(session, path); });
}

bool WindowController::request_close() {
  return meshmill::request_close(session_);
}

void WindowController::after_command() {
  render();
  if (close_due(session_)) view_.close_view();
}

}  // namespace meshmill
