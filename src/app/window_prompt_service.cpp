#include "app/window_prompt_service.h"

namespace meshmill {

void WindowPromptService::attach(NativeBoxes boxes, std::function<void()> refresh) {
  boxes_ = std::move(boxes);
  refresh_ = std::move(refresh);
}

bool WindowPromptService::ready() {
  if (!refresh_) return false;
  refresh_();
  return true;
}

int WindowPromptService::message_box(const std::string& text, int style, const std::string& title) {
  bool yes = ready() && boxes_.message_box(text, style, title);
  if (!style::asks_yes_no(style)) return answer::ok;
  // Closing a question without an answer counts as No.
  return yes ? answer::yes : answer::no;
}

std::string WindowPromptService::input_box(const std::string& prompt, const std::string& title,
                                           const std::string& default_text) {
  if (!ready()) return {};
  return boxes_.input_box(prompt, title, default_text).value_or(std::string());
}

std::optional<std::string> WindowPromptService::open_file(const FileDialog& dialog) {
  if (!ready()) return std::nullopt;
  return boxes_.file_dialog(dialog, false);
}

std::optional<std::string> WindowPromptService::save_file(const FileDialog& dialog) {
  if (!ready()) return std::nullopt;
  return boxes_.file_dialog(dialog, true);
}

std::string default_extension(const std::string& filter) {
  std::size_t start = filter.find('|');
  if (start == std::string::npos) return {};
  std::size_t end = filter.find_first_of("|;", start + 1);
  std::string pattern = filter.substr(start + 1, end == std::string::npos ? end : end - start - 1);
  if (pattern.size() < 3 || pattern.compare(0, 2, "*.") != 0 ||
      pattern.find_first_of("*?", 2) != std::string::npos) {
    return {};
  }
  return pattern.substr(2);
}

}  // namespace meshmill
