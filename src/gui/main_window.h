#pragma once

#include <QWidget>
#include <string>

#include "app/window_controller.h"
#include "gui/form_controls.h"

namespace meshmill::gui {

// Form1 in Qt: draws the window's state and forwards clicks, edits, drops and
// closing to its controller.
class MainWindow : public QWidget, private WindowView {
  Q_OBJECT

 public:
  MainWindow(PromptService& prompt, FileSystem& fs, const std::string& program_folder);

  WindowSession& session() { return controller_.session(); }
  // The start-up: options, then the scene named on the command line, if any.
  void start(const std::string& command_line) { controller_.start(command_line); }
  void render() { controller_.render(); }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void show_state(const WindowState& window) override;
  void run_pending_events() override;
  void close_view() override { close(); }
  void connect_controls();

  WindowController controller_;
  FormControls controls_;
};

}  // namespace meshmill::gui
