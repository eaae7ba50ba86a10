#include "gui/qt_boxes.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QUrl>
#include <functional>

namespace meshmill::gui {

namespace {

QString qt(const std::string& text) {
  return QString::fromStdString(text);
}

QMessageBox::Icon icon_of(int style) {
  switch (style::icon_of(style)) {
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

bool message_box(QWidget* window, const std::string& text, int style, const std::string& title) {
  QMessageBox box(icon_of(style), qt(title), qt(text), QMessageBox::NoButton, window);
  box.setStandardButtons(style::asks_yes_no(style) ? QMessageBox::Yes | QMessageBox::No
                                                   : QMessageBox::Ok);
  return box.exec() == QMessageBox::Yes;
}

std::optional<std::string> input_box(QWidget* window, const std::string& prompt,
                                     const std::string& title, const std::string& default_text) {
  bool accepted = false;
  QString text = QInputDialog::getText(window, qt(title), qt(prompt), QLineEdit::Normal,
                                       qt(default_text), &accepted);
  if (!accepted) return std::nullopt;
  return text.toStdString();
}

std::optional<std::string> file_dialog(QWidget* window, const FileDialog& dialog, bool save) {
  QFileDialog box(window, qt(dialog.title), qt(dialog.start_folder),
                  qt_name_filters(dialog.filter));
  if (save) {
    box.setAcceptMode(QFileDialog::AcceptSave);
    box.setFileMode(QFileDialog::AnyFile);
    box.setDefaultSuffix(qt(default_extension(dialog.filter)));
    box.setOption(QFileDialog::DontConfirmOverwrite, !dialog.overwrite_prompt);
  } else {
    box.setAcceptMode(QFileDialog::AcceptOpen);
    box.setFileMode(dialog.must_exist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  }
  if (box.exec() != QDialog::Accepted) return std::nullopt;
  QStringList chosen = box.selectedFiles();
  return chosen.isEmpty() ? std::string() : chosen.first().toStdString();
}

void open_document(const std::string& path) {
  QDesktopServices::openUrl(QUrl::fromLocalFile(qt(path)));
}

}  // namespace

NativeBoxes qt_boxes(QWidget* window) {
  // Dialogs shown after the window is gone have no parent.
  QPointer<QWidget> owner(window);
  return {std::bind_front(message_box, owner), std::bind_front(input_box, owner),
          std::bind_front(file_dialog, owner), open_document};
}

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

}  // namespace meshmill::gui
