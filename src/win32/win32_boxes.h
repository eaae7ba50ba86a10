#pragma once

#include <windows.h>

#include <string>

#include "app/window_prompt_service.h"

namespace meshmill::win32 {

// The system's message boxes, an input box and the common file dialogs, owned
// by `owner`, and the shell's "open" action. Message-box styles are Windows'
// own values, so they pass through unchanged.
NativeBoxes win32_boxes(HWND owner);

// "description|pattern|..." as the file dialogs take it: every part ends with
// a NUL, and one more NUL ends the list.
std::wstring dialog_filter(const std::string& filter);

}  // namespace meshmill::win32
