#pragma once

#include <vector>

#include "platform/prompt_service.h"
#include "state/scene_records.h"

namespace meshmill {

// A prompt service that keeps every message box it shows, in order, for the
// scene report; everything is passed on to the service it wraps.
class RecordingPrompt : public PromptService {
 public:
  explicit RecordingPrompt(PromptService& inner) : inner_(inner) {}

  // Where the messages go (the scene's records); none is kept before.
  void record_into(std::vector<RecordedMessage>* messages) { messages_ = messages; }

  int message_box(const std::string& text, int style, const std::string& title) override;
  std::string input_box(const std::string& prompt, const std::string& title,
                        const std::string& default_text) override {
    return inner_.input_box(prompt, title, default_text);
  }
  std::optional<std::string> open_file(const FileDialog& dialog) override {
    return inner_.open_file(dialog);
  }
  std::optional<std::string> save_file(const FileDialog& dialog) override {
    return inner_.save_file(dialog);
  }
  void open_document(const std::string& path) override { inner_.open_document(path); }

 private:
  PromptService& inner_;
  std::vector<RecordedMessage>* messages_ = nullptr;
};

}  // namespace meshmill
