#pragma once

#include <windows.h>

namespace meshmill::win32 {

// Runs the messages waiting for this thread: Tab, Enter and access keys go
// through the dialog manager of `form`, so the form's keyboard works like a
// dialog's. A WM_QUIT met here is posted again for the main loop.
void run_pending_messages(HWND form);

// The program's message loop, until WM_QUIT; returns its exit code.
int run_message_loop(HWND form);

}  // namespace meshmill::win32
