#pragma once

#include <optional>
#include <string>

namespace meshmill {

// Message-box styles and answers keep the classic message-box values: the
// texts, styles and titles the program shows are part of its behaviour.
namespace style {
inline constexpr int ok_only = 0;
inline constexpr int yes_no = 4;
inline constexpr int error_icon = 16;
inline constexpr int question_icon = 32;
inline constexpr int warning_icon = 48;
inline constexpr int information_icon = 64;
// A style is the sum of its buttons (the low three bits) and its icon.
inline constexpr int icon_of(int style) {
  return style & 0x70;
}
inline constexpr bool asks_yes_no(int style) {
  return (style & 7) == yes_no;
}
}  // namespace style

namespace answer {
inline constexpr int ok = 1;
inline constexpr int yes = 6;
inline constexpr int no = 7;
}  // namespace answer

struct FileDialog {
  std::string title;
  std::string filter;  // "description|pattern|description|pattern"
  std::string start_folder;
  bool overwrite_prompt = false;  // save dialog: the dialog itself asks before replacing a file
  bool must_exist = false;        // open dialog: only existing files are accepted
};

// The only way the core talks to the user. Every text is UTF-8.
class PromptService {
 public:
  virtual ~PromptService() = default;
  // Returns the button pressed: answer::ok, answer::yes or answer::no.
  virtual int message_box(const std::string& text, int style, const std::string& title) = 0;
  // Returns the text typed, or the empty text when the user cancels.
  virtual std::string input_box(const std::string& prompt, const std::string& title,
                                const std::string& default_text) = 0;
  // Return the chosen path, or nothing when the user cancels.
  virtual std::optional<std::string> open_file(const FileDialog& dialog) = 0;
  virtual std::optional<std::string> save_file(const FileDialog& dialog) = 0;
  // Opens a document with the program the system associates with it; failures are not reported.
  virtual void open_document(const std::string& path) = 0;
};

}  // namespace meshmill
