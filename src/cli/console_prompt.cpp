#include "cli/console_prompt.h"

#include "platform/process.h"

namespace meshmill {

QuestionPolicy choose_question_policy(bool yes) {
  if (yes) return QuestionPolicy::yes_for_all;
  return stdin_is_terminal() ? QuestionPolicy::ask_on_terminal : QuestionPolicy::answer_no;
}

std::optional<std::string> ConsolePrompt::read_answer() {
  std::string answer;
  int c = std::fgetc(in_);
  if (c == EOF) return std::nullopt;
  for (; c != EOF && c != '\n'; c = std::fgetc(in_)) {
    if (c != '\r') answer += static_cast<char>(c);
  }
  return answer;
}

int ConsolePrompt::message_box(const std::string& text, int style, const std::string& title) {
  messages_.push_back({title, style, text});
  std::fprintf(out_, "%s: %s", title.c_str(), text.c_str());
  bool question = style::asks_yes_no(style);
  if (!question) {
    std::fputc('\n', out_);
    return answer::ok;
  }
  for (const auto& [preset_text, preset] : presets_) {
    if (preset_text == text) {
      std::fputc('\n', out_);
      return preset;
    }
  }
  if (policy_ != QuestionPolicy::ask_on_terminal) {
    std::fputc('\n', out_);
    return policy_ == QuestionPolicy::yes_for_all ? answer::yes : answer::no;
  }
  std::fputs(" [y/N] ", out_);
  std::fflush(out_);
  std::string answer = read_answer().value_or("");
  return answer == "y" || answer == "Y" || answer == "yes" ? answer::yes : answer::no;
}

std::string ConsolePrompt::input_box(const std::string& prompt, const std::string& title,
                                     const std::string& default_text) {
  std::fprintf(out_, "%s: %s", title.c_str(), prompt.c_str());
  if (policy_ != QuestionPolicy::ask_on_terminal && !inputs_on_terminal_) {
    std::fputc('\n', out_);
    return std::string();
  }
  if (!default_text.empty()) std::fprintf(out_, " [%s]", default_text.c_str());
  std::fputs(" ", out_);
  std::fflush(out_);
  // The end of the input cancels, as the dialog's Cancel button does; an
  // empty line takes the default text.
  auto typed = read_answer();
  if (!typed) return std::string();
  return typed->empty() ? default_text : *typed;
}

std::optional<std::string> ConsolePrompt::open_file(const FileDialog&) {
  return std::nullopt;
}

std::optional<std::string> ConsolePrompt::save_file(const FileDialog&) {
  return std::nullopt;
}

void ConsolePrompt::open_document(const std::string&) {}

}  // namespace meshmill
