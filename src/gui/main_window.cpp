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
#include "app/report_command.h"
#include "app/start_up.h"
#include "app/window_commands.h"
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
    : prompt_(prompt), session_(prompt_, fs, pump_) {
  session_.program_folder = program_folder;
  record_every_run(session_, prompt_);
  setObjectName("Form1");
  setWindowTitle(QString("Meshmill %1").arg(version));
  setWindowIcon(QIcon::fromTheme("meshmill"));
  setAcceptDrops(true);
  controls_ = build_form(*this, session_.window);
  pump_.set_frame([this] {
    render();
    yield_to_window(session_, [] { QCoreApplication::processEvents(); });
  });
  connect_controls();
  render();
}

void MainWindow::start(const std::string& command_line) {
  run([command_line](WindowSession& session) { start_up(session, command_line); });
}

void MainWindow::render() {
  const WindowState& window = session_.window;
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

void MainWindow::run(const std::function<void(WindowSession&)>& command) {
  // Refused while a pass runs: it yields, so the window stays live.
  run_command(session_, command);
  after_command();
}

void MainWindow::after_command() {
  render();
  if (close_due(session_)) close();
}

void MainWindow::connect_controls() {
  for (auto& [member, widget] : controls_.buttons) {
    connect(widget, &QPushButton::clicked, this, [this, member = member] {
      click_button(session_, member);
      after_command();
    });
  }
  for (auto& [member, widget] : controls_.check_boxes) {
    connect(widget, &QCheckBox::clicked, this, [this, member = member](bool ticked) {
      tick_check_box(session_, session_.window.*member, ticked);
      render();
    });
  }
  for (auto& [member, widget] : controls_.text_boxes) {
    auto* line = qobject_cast<QLineEdit*>(widget);
    if (!line || line->isReadOnly()) continue;
    connect(line, &QLineEdit::textEdited, this, [this, member = member](const QString& text) {
      if (!edit_text(session_, session_.window.*member, text.toStdString())) render();
    });
  }
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // While a pass runs the window closes when it ends.
  if (request_close(session_)) {
    event->accept();
  } else {
    event->ignore();
  }
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  const QMimeData* mime = event->mimeData();
  if (session_.command_running || !mime->hasUrls() || mime->urls().size() != 1) return;
  const QUrl& url = mime->urls().first();
  if (url.isLocalFile() && is_scene_file(url.toLocalFile().toStdString())) {
    event->acceptProposedAction();
  }
}

void MainWindow::dropEvent(QDropEvent* event) {
  std::string path = event->mimeData()->urls().first().toLocalFile().toStdString();
  event->acceptProposedAction();
  // Analysed after the drop has ended, so the dragging program is not kept waiting.
  QTimer::singleShot(0, this, [this, path] {
    run([path](WindowSession& session) { analyze_dropped_scene(session, path); });
  });
}

}  // namespace meshmill::gui
