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
#include <climits>

#include "app/error_log_command.h"
#include "app/scene_commands.h"
#include "app/start_up.h"
#include "app/target_choice.h"
#include "app/window_commands.h"
#include "platform/version.h"
#include "processing/processing_driver.h"
#include "state/clear_statistics.h"

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

// QProgressBar counts in int: a longer range is scaled down. A range of one
// value (a one-line file) is drawn as an empty bar rather than Qt's busy one.
void show_bar(QProgressBar* bar, const ProgressBar& state) {
  std::int64_t span = state.maximum - state.minimum;
  std::int64_t scale = span / INT_MAX + 1;
  int maximum = static_cast<int>(std::max<std::int64_t>(span / scale, 1));
  int value = static_cast<int>((state.value - state.minimum) / scale);
  if (bar->maximum() != maximum) bar->setRange(0, maximum);
  if (bar->value() != value) bar->setValue(value);
}

}  // namespace

MainWindow::MainWindow(PromptService& prompt, FileSystem& fs, const std::string& program_folder)
    : session_(prompt, fs, pump_) {
  session_.program_folder = program_folder;
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
  run([command_line](Session& session) { start_up(session, command_line); });
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

void MainWindow::run(const std::function<void(Session&)>& command) {
  // Refused while a pass runs: it yields, so the window stays live.
  bool ran = run_command(session_, command);
  render();
  if (ran && (session_.quit_requested || close_pending_)) close();
}

void MainWindow::connect_controls() {
  using Command = void (*)(Session&);
  const std::pair<Button WindowState::*, Command> commands[] = {
      // The button's analysis asks for its scene in the open dialog (no path).
      {&WindowState::Analize_filename, [](Session& s) { analyze_scene(s, std::string()); }},
      {&WindowState::Start_process, [](Session& s) { start_process(s); }},
      {&WindowState::Target_filename, choose_target},
      {&WindowState::Clear_statistics, clear_statistics},
      {&WindowState::Open_error_log, open_error_log},
  };
  for (auto& [member, widget] : controls_.buttons) {
    for (auto& [command_member, command] : commands) {
      if (member != command_member) continue;
      connect(widget, &QPushButton::clicked, this, [this, command = command] { run(command); });
    }
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
  if (session_.command_running) {
    // The pass owns the scene state: the window closes when it ends.
    close_pending_ = true;
    event->ignore();
    return;
  }
  close_window(session_);
  event->accept();
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
    run([path](Session& session) { analyze_dropped_scene(session, path); });
  });
}

}  // namespace meshmill::gui
