#include "state/recording_prompt.h"

namespace meshmill {

int RecordingPrompt::message_box(const std::string& text, int style, const std::string& title) {
  // Kept before it is shown: a message box may run the window's events.
  if (messages_) messages_->push_back({title, style, text});
  return inner_.message_box(text, style, title);
}

}  // namespace meshmill
