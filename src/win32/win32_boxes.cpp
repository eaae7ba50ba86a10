#include "win32/win32_boxes.h"

#include <commdlg.h>
#include <shellapi.h>

#include <functional>
#include <vector>

#include "platform/wide_text.h"
#include "win32/input_box.h"

namespace meshmill::win32 {

namespace {

// Room for a long path; the dialogs fail rather than cut a longer one.
constexpr std::size_t path_room = 32768;

// Folders in the Windows spelling: the dialogs ignore a starting folder with "/".
std::wstring windows_path(const std::string& path) {
  std::wstring wide = utf8_to_utf16(path);
  for (wchar_t& c : wide) {
    if (c == L'/') c = L'\\';
  }
  return wide;
}

bool message_box(HWND owner, const std::string& text, int style, const std::string& title) {
  return MessageBoxW(owner, utf8_to_utf16(text).c_str(), utf8_to_utf16(title).c_str(),
                     static_cast<UINT>(style)) == IDYES;
}

std::optional<std::string> input_box(HWND owner, const std::string& prompt,
                                     const std::string& title, const std::string& default_text) {
  auto typed =
      ask_text(owner, utf8_to_utf16(prompt), utf8_to_utf16(title), utf8_to_utf16(default_text));
  if (!typed) return std::nullopt;
  return utf16_to_utf8(*typed);
}

std::optional<std::string> file_dialog(HWND owner, const FileDialog& dialog, bool save) {
  std::wstring title = utf8_to_utf16(dialog.title);
  std::wstring filter = dialog_filter(dialog.filter);
  std::wstring folder = windows_path(dialog.start_folder);
  std::wstring extension = utf8_to_utf16(default_extension(dialog.filter));
  std::vector<wchar_t> path(path_room, L'\0');

  OPENFILENAMEW request{};
  request.lStructSize = sizeof request;
  request.hwndOwner = owner;
  request.lpstrFilter = filter.c_str();
  request.nFilterIndex = 1;
  request.lpstrFile = path.data();
  request.nMaxFile = static_cast<DWORD>(path.size());
  request.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  request.lpstrTitle = title.c_str();
  request.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST;
  if (dialog.must_exist) request.Flags |= OFN_FILEMUSTEXIST;
  if (save && dialog.overwrite_prompt) request.Flags |= OFN_OVERWRITEPROMPT;
  if (save && !extension.empty()) request.lpstrDefExt = extension.c_str();

  BOOL chosen = save ? GetSaveFileNameW(&request) : GetOpenFileNameW(&request);
  if (!chosen) return std::nullopt;
  return utf16_to_utf8(path.data());
}

void open_document(const std::string& path) {
  // The desktop as parent, no parameters, "C:\" as working folder; a failure
  // is not reported.
  ShellExecuteW(nullptr, L"open", windows_path(path).c_str(), nullptr, L"C:\\", SW_SHOWNORMAL);
}

}  // namespace

NativeBoxes win32_boxes(HWND owner) {
  return {std::bind_front(message_box, owner), std::bind_front(input_box, owner),
          std::bind_front(file_dialog, owner), open_document};
}

std::wstring dialog_filter(const std::string& filter) {
  std::wstring parts = utf8_to_utf16(filter);
  for (wchar_t& c : parts) {
    if (c == L'|') c = L'\0';
  }
  parts.push_back(L'\0');
  parts.push_back(L'\0');
  return parts;
}

}  // namespace meshmill::win32
