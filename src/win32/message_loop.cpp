#include "win32/message_loop.h"

namespace meshmill::win32 {

namespace {

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

}  // namespace meshmill::win32
