#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "platform/prompt_service.h"

namespace meshmill::win32 {

// The system's message boxes, an input box, the common file dialogs and the
// shell's "open" action. Message-box styles and answers are Windows' own
// values, so they pass through unchanged.
class Win32PromptService : public PromptService {
 public:
  // The window the dialogs belong to, and how to bring it up to date before a
  // dialog covers it (a pass may not have redrawn it lately).
  void attach(HWND owner, std::function<void()> refresh);

  int message_box(const std::string& text, int style, const std::string& title) override;
  std::string input_box(const std::string& prompt, const std::string& title,
                        const std::string& default_text) override;
  std::optional<std::string> open_file(const FileDialog& dialog) override;
  std::optional<std::string> save_file(const FileDialog& dialog) override;
  void open_document(const std::string& path) override;

 private:
  std::optional<std::string> run_file_dialog(const FileDialog& dialog, bool save);
  void refresh();

  HWND owner_ = nullptr;
  std::function<void()> refresh_;
};

// "description|pattern|..." as the file dialogs take it: every part ends with
// a NUL, and one more NUL ends the list.
std::wstring dialog_filter(const std::string& filter);

}  // namespace meshmill::win32
