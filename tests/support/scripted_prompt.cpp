#include "support/scripted_prompt.h"

namespace meshmill::testing {

int ScriptedPrompt::message_box(const std::string& text, int style, const std::string& title) {
  messages.push_back({text, style, title});
  bool question = (style & 7) == style::yes_no;
  if (!answers.empty()) {
    int next = answers.front();
    answers.pop_front();
    return next;
  }
  return question ? answer::no : answer::ok;
}

std::string ScriptedPrompt::input_box(const std::string& prompt, const std::string& title,
                                      const std::string& default_text) {
  input_requests.push_back({prompt, title, default_text});
  if (inputs.empty()) return std::string();
  std::string next = inputs.front();
  inputs.pop_front();
  return next;
}

std::optional<std::string> ScriptedPrompt::open_file(const FileDialog& dialog) {
  open_requests.push_back(dialog);
  if (open_answers.empty()) return std::nullopt;
  auto next = open_answers.front();
  open_answers.pop_front();
  return next;
}

std::optional<std::string> ScriptedPrompt::save_file(const FileDialog& dialog) {
  save_requests.push_back(dialog);
  if (save_answers.empty()) return std::nullopt;
  auto next = save_answers.front();
  save_answers.pop_front();
  return next;
}

void ScriptedPrompt::open_document(const std::string& path) { opened_documents.push_back(path); }

std::vector<std::string> ScriptedPrompt::titles() const {
  std::vector<std::string> result;
  for (const auto& message : messages) result.push_back(message.title);
  return result;
}

}  // namespace meshmill::testing
