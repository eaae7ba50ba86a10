#pragma once

#include "platform/file_system.h"
#include "platform/prompt_service.h"
#include "state/command_outcome.h"
#include "state/scene_state.h"
#include "state/window_state.h"

namespace meshmill {

// Lets the window repaint while a pass runs. The window throttles by time, so
// the passes may call yield() once per line or object.
class EventPump {
 public:
  virtual ~EventPump() = default;
  virtual void yield() = 0;
};

// One running program: the scene state, the window's state and the services
// the commands use. The window (or the command-line tool) owns it.
struct Session {
  Session(PromptService& prompt_service, FileSystem& file_system, EventPump& event_pump)
      : prompt(prompt_service), fs(file_system), events(event_pump) {}

  SceneState scene;
  WindowState window;
  PromptService& prompt;
  FileSystem& fs;
  EventPump& events;
  std::string program_folder;    // where the program and its options file live
  std::string ini_file_name;     // INIFileName: full path of the options file
  bool command_running = false;  // a pass is running: other commands are refused
  bool quit_requested = false;   // the processing finish ended the program
  // The passes keep a record of each object for a report; without one the
  // analysis costs what it always did.
  bool record_objects = false;
  bool close_requested = false;  // the user closed the window while a pass ran
  // How the running command ended short: recorded where the user is told (a
  // cancelled input box, a file failure), read by the driver that returns it.
  // Each command starts it at `refused`, the end of every other early stop.
  CommandOutcome early_end;
};

}  // namespace meshmill
