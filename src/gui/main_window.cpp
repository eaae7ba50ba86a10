#include "gui/main_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include "app/progress_steps.h"
#include "platform/version.h"

namespace meshmill::gui {

namespace {

QString qt(const std::string& text) {
  return QString::fromStdString(text);
}

void show_text(QWidget* widget, const std::string& text) {
  QString wanted = qt(text);
  if (auto* line = qobject_cast<QLineEdit*>(widget)) {
    if (line->text() != wanted) line->setText(wanted);
  } else if (auto* area = qobject_cast<QPlainTextEdit*>(widget)) {
    if (area->toPlainText() != wanted) area->setPlainText(wanted);
  }
}

void show_check(QCheckBox* box, int value) {
  Qt::CheckState state = value == 0   ? Qt::Unchecked
                         : value == 1 ? Qt::Checked
                                      : Qt::PartiallyChecked;
  if (box->checkState() != state) box->setCheckState(state);
}

void show_bar(QProgressBar* bar, const ProgressBar& state) {
  BarSteps steps = bar_steps(state);
  if (bar->maximum() != steps.maximum) bar->setRange(0, steps.maximum);
  if (bar->value() != steps.value) bar->setValue(steps.value);
}

}  // namespace

MainWindow::MainWindow(PromptService& prompt, FileSystem& fs, const std::string& program_folder)
    : controller_(*this, prompt, fs, program_folder) {
  setObjectName("Form1");
  setWindowTitle(QString("Meshmill %1").arg(version));
  setWindowIcon(QIcon::fromTheme("meshmill"));
  setAcceptDrops(true);
  controls_ = build_form(*this, session().window);
  connect_controls();
  render();
}

void MainWindow::show_state(const WindowState& window) {
  for (auto& [member, widget] : controls_.buttons) {
    const Button& state = window.*member;
    widget->setText(qt(state.caption));
    widget->setEnabled(state.enabled);
    widget->setVisible(state.visible);
  }
  for (auto& [member, widget] : controls_.check_boxes) {
    const CheckBox& state = window.*member;
    show_check(widget, state.value);
    widget->setEnabled(state.enabled);
    widget->setVisible(state.visible);
  }
  for (auto& [member, widget] : controls_.text_boxes) {
    const TextBox& state = window.*member;
    show_text(widget, state.text);
    widget->setEnabled(state.enabled);
    widget->setVisible(state.visible);
  }
  for (auto& [member, widget] : controls_.labels) {
    const Label& state = window.*member;
    widget->setText(qt(state.caption));
    widget->setVisible(state.visible);
  }
  for (auto& [member, widget] : controls_.bars) {
    const ProgressBar& state = window.*member;
    show_bar(widget, state);
    widget->setVisible(state.visible);
  }
  if (window.pointer == MousePointer::busy) {
    setCursor(Qt::WaitCursor);
  } else {
    unsetCursor();
  }
}

void MainWindow::run_pending_events() {
  QCoreApplication::processEvents();
}

void MainWindow::connect_controls() {
  for (auto& [member, widget] : controls_.buttons) {
    connect(widget, &QPushButton::clicked, this,
            [this, member = member] { controller_.click(member); });
  }
  for (auto& [member, widget] : controls_.check_boxes) {
    connect(widget, &QCheckBox::clicked, this,
            [this, member = member](bool ticked) { controller_.tick(member, ticked); });
  }
  for (auto& [member, widget] : controls_.text_boxes) {
    auto* line = qobject_cast<QLineEdit*>(widget);
    if (!line || line->isReadOnly()) continue;
    connect(line, &QLineEdit::textEdited, this, [this, member = member](const QString& text) {
      controller_.edit(member, text.toStdString());
    });
  }
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (controller_.request_close()) {
    event->accept();
  } else {
    event->ignore();
  }
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  const QMimeData* mime = event->mimeData();
  if (!mime->hasUrls() || mime->urls().size() != 1) return;
  const QUrl& url = mime->urls().first();
  if (url.isLocalFile() && controller_.accepts_drop(url.toLocalFile().toStdString())) {
    event->acceptProposedAction();
  }
}

void MainWindow::dropEvent(QDropEvent* event) {
  std::string path = event->mimeData()->urls().first().toLocalFile().toStdString();
  event->acceptProposedAction();
  QTimer::singleShot(0, this, [this, path] { controller_.drop(path); });
}

}  // namespace meshmill::gui
