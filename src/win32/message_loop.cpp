#include "win32/message_loop.h"

namespace meshmill::win32 {

namespace {

constexpr std::chrono::milliseconds frame_time(33);

void dispatch(HWND form, MSG& message) {
  if (form && IsDialogMessageW(form, &message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

}  // namespace

void run_pending_messages(HWND form) {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    dispatch(form, message);
  }
}

int run_message_loop(HWND form) {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) dispatch(form, message);
  return static_cast<int>(message.wParam);
}

void Win32EventPump::yield() {
  auto now = std::chrono::steady_clock::now();
  if (now - last_frame_ < frame_time) return;
  if (frame_) frame_();
  last_frame_ = std::chrono::steady_clock::now();
}

}  // namespace meshmill::win32
