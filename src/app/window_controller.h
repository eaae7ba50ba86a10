#pragma once

#include <functional>
#include <string>

#include "app/throttled_event_pump.h"
#include "app/window_session.h"
#include "state/recording_prompt.h"

namespace meshmill {

// What a window does its own way: drawing and its native calls.
class WindowView {
 public:
  virtual ~WindowView() = default;
  // Brings the controls and the mouse pointer to what `window` says.
  virtual void show_state(const WindowState& window) = 0;
  // Runs the window's pending events (called from inside a pass).
  virtual void run_pending_events() = 0;
  // Closes the window as the user would; its close handling asks request_close().
  virtual void close_view() = 0;
};

// What the windows do alike: they own the session, record every run for the
// report, let the window breathe while a pass runs, and after each command
// bring the view up to date and close it when that is due. The view forwards
// its events here.
class WindowController {
 public:
  WindowController(WindowView& view, PromptService& prompt, FileSystem& fs,
                   const std::string& program_folder);
  WindowController(const WindowController&) = delete;
  WindowController& operator=(const WindowController&) = delete;

  WindowSession& session() { return session_; }
  void render() { view_.show_state(session_.window); }

  // The start-up: options, then the scene named on the command line, if any.
  void start(const std::string& command_line);
  // Runs a command unless a pass is running (it yields, so the window stays live).
  void run(const std::function<void(WindowSession&)>& command);
  void click(Button WindowState::*button);
  // A refused tick or edit is undone on screen.
  void tick(CheckBox WindowState::*box, bool ticked);
  void edit(TextBox WindowState::*box, const std::string& text);
  // Whether a path dragged over the window may be dropped: one scene file, no pass running.
  bool accepts_drop(const std::string& path) const;
  // Analysed once the drop has ended, so the dragging program is not kept waiting.
  void drop(const std::string& path);
  // The user closes the window: false while a pass runs (it closes when the pass ends).
  bool request_close();

 private:
  void after_command();

  WindowView& view_;
  ThrottledEventPump pump_;
  RecordingPrompt prompt_;  // keeps the run's messages for the report
  WindowSession session_;
};

}  // namespace meshmill
