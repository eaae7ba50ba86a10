#pragma once

#include <windows.h>

namespace meshmill::win32 {

// Everything the window sizes by the screen's pixel density. 96 dots per inch
// is 100 %; sizes are given at 100 % and scaled.

inline constexpr UINT base_dpi = 96;

inline int scaled(int pixels, UINT dpi) {
  return MulDiv(pixels, static_cast<int>(dpi), static_cast<int>(base_dpi));
}

// The DPI the window is drawn at: its monitor's on Windows 10 and later (the
// program is per-monitor aware), the system's on older Windows.
UINT window_dpi(HWND window);

// The outer size of a window whose client area is `client`, at `dpi`.
SIZE window_size_for_client(SIZE client, DWORD style, DWORD ex_style, UINT dpi);

// The system's message font (the one of message boxes and dialogs) at `dpi`,
// optionally bold. The caller deletes it.
HFONT create_message_font(UINT dpi, bool bold);

}  // namespace meshmill::win32
