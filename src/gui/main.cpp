#include <QApplication>
#include <QStringList>
#include <QTimer>
#include <string>
#include <vector>

#include "app/start_up.h"
#include "gui/main_window.h"
#include "gui/qt_boxes.h"
#include "platform/version.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("meshmill");
  QApplication::setApplicationVersion(meshmill::version);
  QGuiApplication::setDesktopFileName("meshmill");

  std::vector<std::string> arguments;
  QStringList given = QCoreApplication::arguments();
  for (qsizetype i = 1; i < given.size(); ++i) arguments.push_back(given[i].toStdString());

  auto fs = meshmill::make_native_file_system();
  meshmill::WindowPromptService prompt;
  meshmill::gui::MainWindow window(prompt, *fs,
                                   QCoreApplication::applicationDirPath().toStdString());
  prompt.attach(meshmill::gui::qt_boxes(&window), [&window] { window.render(); });
  window.show();
  // Started from the event loop, so the window is on screen during the
  // analysis and can close itself when the processing ends the program.
  QTimer::singleShot(
      0, &window, [&window, &arguments] { window.start(meshmill::join_command_line(arguments)); });
  return app.exec();
}
