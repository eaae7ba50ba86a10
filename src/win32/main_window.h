#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "app/window_controller.h"
#include "win32/form_controls.h"
#include "win32/form_hints.h"
#include "win32/form_layout.h"

namespace meshmill::win32 {

// Form1 as a native window: draws the window's state and forwards clicks,
// edits, drops and closing to its controller.
class MainWindow : private WindowView {
 public:
  MainWindow(PromptService& prompt, FileSystem& fs, const std::string& program_folder);
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  HWND handle() const { return window_; }
  WindowSession& session() { return controller_.session(); }
  // The control of that name (Form1's control names), for the tests.
  HWND control(std::string_view name) const { return controls_.window_of(name); }

  // The start-up: options, then the scene named on the command line, if any.
  void start(const std::string& command_line) { controller_.start(command_line); }
  void render() { controller_.render(); }

 private:
  void show_state(const WindowState& window) override;
  void run_pending_events() override;
  void close_view() override;
  static LRESULT CALLBACK window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT handle(UINT message, WPARAM wparam, LPARAM lparam);
  void create_window();
  void use_dpi(UINT dpi);
  void relayout();
  void on_command(int id, int notification, HWND from);
  void on_drop(HDROP drop);

  WindowController controller_;
  HWND window_ = nullptr;
  FormControls controls_;
  FormHints hints_;
  FormLayout layout_;
  HFONT font_ = nullptr;
  HFONT bold_font_ = nullptr;
  HICON icon_ = nullptr;
  HICON small_icon_ = nullptr;
  UINT dpi_ = 96;
  HWND last_focus_ = nullptr;  // the control to focus when the window is active again
  bool rendering_ = false;     // the view itself changes the controls: no edits to forward
  std::string dropped_path_;   // analysed once the drop has ended
};

}  // namespace meshmill::win32
