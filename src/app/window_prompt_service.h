#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/prompt_service.h"

namespace meshmill {

// The boxes a window system shows, modal over the window, and its "open" action.
struct NativeBoxes {
  // Shows a message box; true when its Yes button was pressed.
  std::function<bool(const std::string& text, int style, const std::string& title)> message_box;
  // The text typed, or nothing when the box was cancelled.
  std::function<std::optional<std::string>(const std::string& prompt, const std::string& title,
                                           const std::string& default_text)>
      input_box;
  // The path chosen, or nothing when the dialog was cancelled.
  std::function<std::optional<std::string>(const FileDialog& dialog, bool save)> file_dialog;
  std::function<void(const std::string& path)> open_document;
};

// The windows' prompt service, around the boxes each window system shows its
// own way: the window is brought up to date before a box covers it (a pass
// may not have redrawn it lately), only a question answers other than ok, and
// a cancelled input box gives the empty text.
class WindowPromptService final : public PromptService {
 public:
  // The boxes of the window, once it exists, and how to bring it up to date.
  // Nothing is shown before.
  void attach(NativeBoxes boxes, std::function<void()> refresh);

  int message_box(const std::string& text, int style, const std::string& title) override;
  std::string input_box(const std::string& prompt, const std::string& title,
                        const std::string& default_text) override;
  std::optional<std::string> open_file(const FileDialog& dialog) override;
  std::optional<std::string> save_file(const FileDialog& dialog) override;
  void open_document(const std::string& path) override {
    if (boxes_.open_document) boxes_.open_document(path);
  }

 private:
  // Brings the window up to date before a box covers it; false while no
  // window is attached.
  bool ready();

  NativeBoxes boxes_;
  std::function<void()> refresh_;
};

// The extension a name typed without one receives in a save dialog of
// `filter` ("description|pattern|..."): the first pattern's, when it is a
// plain "*.ext"; otherwise empty. Every later name (split files, the .mat) is
// derived from an ".asc" name.
std::string default_extension(const std::string& filter);

}  // namespace meshmill
