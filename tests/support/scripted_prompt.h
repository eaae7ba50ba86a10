#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/prompt_service.h"

namespace meshmill::testing {

// Records every call and plays back scripted answers, so a test can assert the
// exact sequence of messages. Unscripted questions answer No, input boxes
// answer empty (cancel) and dialogs cancel.
class ScriptedPrompt : public PromptService {
 public:
  struct Message {
    std::string text;
    int style;
    std::string title;
    bool operator==(const Message&) const = default;
  };
  struct Input {
    std::string prompt;
    std::string title;
    std::string default_text;
  };

  // Answers for the next message boxes (answer::yes, answer::no, answer::ok).
  std::deque<int> answers;
  std::deque<std::string> inputs;
  std::deque<std::optional<std::string>> open_answers;
  std::deque<std::optional<std::string>> save_answers;

  std::vector<Message> messages;
  std::vector<Input> input_requests;
  std::vector<FileDialog> open_requests;
  std::vector<FileDialog> save_requests;
  std::vector<std::string> opened_documents;

  int message_box(const std::string& text, int style, const std::string& title) override;
  std::string input_box(const std::string& prompt, const std::string& title,
                        const std::string& default_text) override;
  std::optional<std::string> open_file(const FileDialog& dialog) override;
  std::optional<std::string> save_file(const FileDialog& dialog) override;
  void open_document(const std::string& path) override;

  // The titles of the messages shown, in order (handy in assertions).
  std::vector<std::string> titles() const;
};

}  // namespace meshmill::testing
