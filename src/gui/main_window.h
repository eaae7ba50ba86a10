#pragma once

#include <QWidget>
#include <functional>
#include <string>

#include "gui/form_controls.h"
#include "gui/qt_event_pump.h"
#include "state/recording_prompt.h"
#include "app/window_session.h"

namespace meshmill::gui {

// Form1: a view over the window's state. It renders the state after each
// command and while a pass yields, and forwards clicks to the commands.
class MainWindow : public QWidget {
  Q_OBJECT

 public:
  MainWindow(PromptService& prompt, FileSystem& fs, const std::string& program_folder);

  WindowSession& session() { return session_; }
  // The start-up: options, then the scene named on the command line, if any.
  void start(const std::string& command_line);
  void render();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void run(const std::function<void(WindowSession&)>& command);
  // Brings the window up to date after a command and closes it when that is due.
  void after_command();
  void connect_controls();

  QtEventPump pump_;
  RecordingPrompt prompt_;  // keeps the run's messages for the report
  WindowSession session_;
  FormControls controls_;
};

}  // namespace meshmill::gui
