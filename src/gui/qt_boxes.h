#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

#include "platform/prompt_service.h"

namespace meshmill::gui {

// Message boxes, the input box, file dialogs and the system's "open" action,
// as Qt shows them. Every dialog is modal over the window.
class QtPromptService : public PromptService {
 public:
  // The window the dialogs belong to, and how to bring it up to date before a
  // dialog covers it (a pass may not have redrawn it lately).
  void attach(QWidget* window, std::function<void()> refresh);

  int message_box(const std::string& text, int style, const std::string& title) override;
  std::string input_box(const std::string& prompt, const std::string& title,
                        const std::string& default_text) override;
  std::optional<std::string> open_file(const FileDialog& dialog) override;
  std::optional<std::string> save_file(const FileDialog& dialog) override;
  void open_document(const std::string& path) override;

 private:
  std::optional<std::string> run_file_dialog(const FileDialog& dialog, bool save);
  void refresh();

  QPointer<QWidget> window_;
  std::function<void()> refresh_;
};

// "description|pattern|description|pattern" as Qt's name filters: the pattern
// list in brackets, blanks between patterns. A description that already ends
// with its patterns in brackets is kept as it is.
QString qt_name_filters(const std::string& filter);

}  // namespace meshmill::gui
