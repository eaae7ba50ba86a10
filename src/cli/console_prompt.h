#pragma once

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "platform/prompt_service.h"

namespace meshmill {

// How questions (yes/no message boxes) are answered on the console.
enum class QuestionPolicy {
  answer_no,       // every question answered No, input boxes left empty
  yes_for_all,     // every question answered Yes, input boxes left empty
  ask_on_terminal  // the user answers on the terminal
};

// Asks on the terminal only when there is one; `yes` (a --yes option) wins.
QuestionPolicy choose_question_policy(bool yes);

struct ShownMessage {
  std::string title;
  int style;
  std::string text;
};

// The prompt service of the command-line tool: every message box goes to
// standard error as one line "Title: text" and is kept for reports; dialogs
// are cancelled.
class ConsolePrompt : public PromptService {
 public:
  explicit ConsolePrompt(QuestionPolicy policy, std::FILE* out = stderr, std::FILE* in = stdin)
      : policy_(policy), out_(out), in_(in) {}

  int message_box(const std::string& text, int style, const std::string& title) override;
  std::string input_box(const std::string& prompt, const std::string& title,
                        const std::string& default_text) override;
  std::optional<std::string> open_file(const FileDialog& dialog) override;
  std::optional<std::string> save_file(const FileDialog& dialog) override;
  void open_document(const std::string& path) override;

  // Answers the question whose text is `question` with `answer`, whatever
  // the policy; the question is still shown and recorded.
  void preset_answer(const std::string& question, int answer) {
    presets_.push_back({question, answer});
  }

  // Every message box of the run, in order.
  const std::vector<ShownMessage>& messages() const { return messages_; }

  // Input boxes are asked on the terminal whatever the answers to questions
  // (a name can't be made up for the user); otherwise they answer empty.
  void ask_inputs_on_terminal(bool ask) { inputs_on_terminal_ = ask; }

 private:
  // One line typed by the user; nothing at the end of the input.
  std::optional<std::string> read_answer();

  QuestionPolicy policy_;
  bool inputs_on_terminal_ = false;
  std::FILE* out_;
  std::FILE* in_;
  std::vector<ShownMessage> messages_;
  std::vector<std::pair<std::string, int>> presets_;
};

}  // namespace meshmill
