#include "gui/qt_prompt_service.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QStringList>
#include <QUrl>

namespace meshmill::gui {

namespace {

QString qt(const std::string& text) {
  return QString::fromStdString(text);
}

QMessageBox::Icon icon_of(int style) {
  switch (style & 0x70) {
    case style::error_icon:
      return QMessageBox::Critical;
    case style::question_icon:
      return QMessageBox::Question;
    case style::warning_icon:
      return QMessageBox::Warning;
    case style::information_icon:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

// The suffix a typed name without one receives: the first pattern's, when it
// is a plain "*.ext".
QString default_suffix(const std::string& filter) {
  QStringList parts = qt(filter).split('|');
  if (parts.size() < 2) return QString();
  QString pattern = parts[1].split(';').first().trimmed();
  QString suffix = pattern.mid(2);
  if (!pattern.startsWith("*.") || suffix.contains('*') || suffix.contains('?')) return QString();
  return suffix;
}

}  // namespace

QString qt_name_filters(const std::string& filter) {
  QStringList parts = qt(filter).split('|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1].split(';', Qt::SkipEmptyParts).join(' ');
    QString bracketed = "(" + patterns + ")";
    QString description = parts[i].trimmed();
    filters << (description.endsWith(bracketed) ? description : description + " " + bracketed);
  }
  return filters.join(";;");
}

void QtPromptService::attach(QWidget* window, std::function<void()> refresh) {
  window_ = window;
  refresh_ = std::move(refresh);
}

void QtPromptService::refresh() {
  if (refresh_) refresh_();
}

int QtPromptService::message_box(const std::string& text, int style, const std::string& title) {
  refresh();
  QMessageBox box(icon_of(style), qt(title), qt(text), QMessageBox::NoButton, window_);
  bool question = (style & 7) == style::yes_no;
  box.setStandardButtons(question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok);
  int pressed = box.exec();
  if (!question) return answer::ok;
  // Closing a question without an answer counts as No.
  return pressed == QMessageBox::Yes ? answer::yes : answer::no;
}

std::string QtPromptService::input_box(const std::string& prompt, const std::string& title,
                                       const std::string& default_text) {
  refresh();
  bool accepted = false;
  QString text = QInputDialog::getText(window_, qt(title), qt(prompt), QLineEdit::Normal,
                                       qt(default_text), &accepted);
  return accepted ? text.toStdString() : std::string();
}

std::optional<std::string> QtPromptService::open_file(const FileDialog& dialog) {
  return run_file_dialog(dialog, false);
}

std::optional<std::string> QtPromptService::save_file(const FileDialog& dialog) {
  return run_file_dialog(dialog, true);
}

std::optional<std::string> QtPromptService::run_file_dialog(const FileDialog& dialog, bool save) {
  refresh();
  QFileDialog box(window_, qt(dialog.title), qt(dialog.start_folder),
                  qt_name_filters(dialog.filter));
  if (save) {
    box.setAcceptMode(QFileDialog::AcceptSave);
    box.setFileMode(QFileDialog::AnyFile);
    // Every later name (split files, the .mat) is derived from a ".asc" name.
    box.setDefaultSuffix(default_suffix(dialog.filter));
    box.setOption(QFileDialog::DontConfirmOverwrite, !dialog.overwrite_prompt);
  } else {
    box.setAcceptMode(QFileDialog::AcceptOpen);
    box.setFileMode(dialog.must_exist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  }
  if (box.exec() != QDialog::Accepted) return std::nullopt;
  QStringList chosen = box.selectedFiles();
  return chosen.isEmpty() ? std::string() : chosen.first().toStdString();
}

void QtPromptService::open_document(const std::string& path) {
  QDesktopServices::openUrl(QUrl::fromLocalFile(qt(path)));
}

}  // namespace meshmill::gui
