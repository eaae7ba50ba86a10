#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace meshmill::win32 {

// A small modal dialog that asks for one line of text: the prompt, an edit box
// holding `default_text` (selected, so typing replaces it), OK and Cancel.
// Returns the text on OK, nothing on Cancel or when the dialog is closed.
std::optional<std::wstring> ask_text(HWND owner, const std::wstring& prompt,
                                     const std::wstring& title, const std::wstring& default_text);

}  // namespace meshmill::win32
