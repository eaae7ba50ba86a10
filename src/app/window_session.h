#pragma once

#include <string>

#include "app/window_progress_view.h"
#include "state/session.h"
#include "state/window_state.h"
#include "textures/texture_work.h"

namespace meshmill {

// One running window: the passes' session, the window's state they are
// shown in, and what only the window needs. The window (or a test) owns it.
struct WindowSession : Session {
  WindowSession(PromptService& prompt_service, FileSystem& file_system, EventPump& event_pump)
      : Session(prompt_service, file_system, event_pump) {
    view = &window_view;
    textures = &texture_work;
  }

  WindowState window;
  std::string ini_file_name;     // INIFileName: full path of the options file
  bool command_running = false;  // a pass is running: other commands are refused
  bool quit_requested = false;   // the processing finish ended the program
  bool close_requested = false;  // the user closed the window while a pass ran

 private:
  WindowProgressView window_view{window};
  TextureWork texture_work;
};

}  // namespace meshmill
