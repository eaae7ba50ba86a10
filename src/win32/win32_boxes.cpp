#include "win32/win32_prompt_service.h"

#include <commdlg.h>
#include <shellapi.h>

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

// The extension a typed name without one receives: the first pattern's, when
// it is a plain "*.ext" (every later name, split files and the .mat, is
// derived from an ".asc" name).
std::wstring default_extension(const std::string& filter) {
  std::size_t start = filter.find('|');
  if (start == std::string::npos) return {};
  std::string pattern = filter.substr(start + 1, filter.find_first_of("|;", start + 1) - start - 1);
  if (pattern.size() < 3 || pattern.compare(0, 2, "*.") != 0 ||
      pattern.find_first_of("*?", 2) != std::string::npos) {
    return {};
  }
  return utf8_to_utf16(pattern.substr(2));
}

}  // namespace

std::wstring dialog_filter(const std::string& filter) {
  std::wstring parts = utf8_to_utf16(filter);
  for (wchar_t& c : parts) {
    if (c == L'|') c = L'\0';
  }
  parts.push_back(L'\0');
  parts.push_back(L'\0');
  return parts;
}

void Win32PromptService::attach(HWND owner, std::function<void()> refresh) {
  owner_ = owner;
  refresh_ = std::move(refresh);
}

void Win32PromptService::refresh() {
  if (refresh_) refresh_();
}

int Win32PromptService::message_box(const std::string& text, int style, const std::string& title) {
  refresh();
  int pressed = MessageBoxW(owner_, utf8_to_utf16(text).c_str(), utf8_to_utf16(title).c_str(),
                            static_cast<UINT>(style));
  if ((style & 7) != style::yes_no) return answer::ok;
  return pressed == IDYES ? answer::yes : answer::no;
}

std::string Win32PromptService::input_box(const std::string& prompt, const std::string& title,
                                          const std::string& default_text) {
  refresh();
  auto typed = ask_text(owner_, utf8_to_utf16(prompt), utf8_to_utf16(title),
                        utf8_to_utf16(default_text));
  return typed ? utf16_to_utf8(*typed) : std::string();
}

std::optional<std::string> Win32PromptService::open_file(const FileDialog& dialog) {
  return run_file_dialog(dialog, false);
}

std::optional<std::string> Win32PromptService::save_file(const FileDialog& dialog) {
  return run_file_dialog(dialog, true);
}

std::optional<std::string> Win32PromptService::run_file_dialog(const FileDialog& dialog,
                                                               bool save) {
  refresh();
  std::wstring title = utf8_to_utf16(dialog.title);
  std::wstring filter = dialog_filter(dialog.filter);
  std::wstring folder = windows_path(dialog.start_folder);
  std::wstring extension = default_extension(dialog.filter);
  std::vector<wchar_t> path(path_room, L'\0');

  OPENFILENAMEW request{};
  request.lStructSize = sizeof request;
  request.hwndOwner = owner_;
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

void Win32PromptService::open_document(const std::string& path) {
  // The desktop as parent, no parameters, "C:\" as working folder; a failure
  // is not reported.
  ShellExecuteW(nullptr, L"open", windows_path(path).c_str(), nullptr, L"C:\\", SW_SHOWNORMAL);
}

}  // namespace meshmill::win32
