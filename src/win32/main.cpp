#include <windows.h>
// After windows.h, which they need.
#include <commctrl.h>
#include <objbase.h>

#include "platform/file_system.h"
#include "platform/process.h"
#include "win32/main_window.h"
#include "win32/message_loop.h"
#include "win32/win32_boxes.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int show) {
  // The file dialogs and the shell's "open" action want COM on this thread.
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  INITCOMMONCONTROLSEX classes{sizeof classes,
                               ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS | ICC_BAR_CLASSES};
  InitCommonControlsEx(&classes);

  auto fs = meshmill::make_native_file_system();
  meshmill::WindowPromptService prompt;
  meshmill::win32::MainWindow window(prompt, *fs, meshmill::program_folder());
  if (!window.handle()) return 1;
  prompt.attach(meshmill::win32::win32_boxes(window.handle()), [&window] { window.render(); });
  ShowWindow(window.handle(), show);
  UpdateWindow(window.handle());
  // The window is on screen during the analysis of a scene named on the
  // command line, and closes itself if the processing ends the program.
  window.start(meshmill::command_line_text());
  int exit_code = meshmill::win32::run_message_loop(window.handle());
  CoUninitialize();
  return exit_code;
}
