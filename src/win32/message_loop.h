#pragma once

#include <windows.h>

#include <chrono>
#include <functional>

#include "app/window_session.h"

namespace meshmill::win32 {

// Runs the messages waiting for this thread: Tab, Enter and access keys go
// through the dialog manager of `form`, so the form's keyboard works like a
// dialog's. A WM_QUIT met here is posted again for the main loop.
void run_pending_messages(HWND form);

// The program's message loop, until WM_QUIT; returns its exit code.
int run_message_loop(HWND form);

// Lets the window breathe while a pass runs. The passes yield once per line or
// object; the window is redrawn and its messages run about 30 times a second,
// so a large scene is not slowed down by repainting.
class Win32EventPump : public EventPump {
 public:
  // What one frame does: redraw the window and run its pending messages.
  void set_frame(std::function<void()> frame) { frame_ = std::move(frame); }
  void yield() override;

 private:
  std::function<void()> frame_;
  std::chrono::steady_clock::time_point last_frame_{};
};

}  // namespace meshmill::win32
