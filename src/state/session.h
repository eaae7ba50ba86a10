#pragma once

#include <string>

#include "platform/file_system.h"
#include "platform/prompt_service.h"
#include "state/command_outcome.h"
#include "state/pass_view.h"
#include "state/scene_state.h"
#include "state/texture_steps.h"

namespace meshmill {

// Lets the window repaint while a pass runs. The window throttles by time, so
// the passes may call yield() once per line or object.
class EventPump {
 public:
  virtual ~EventPump() = default;
  virtual void yield() = 0;
};

// What the passes share across commands: the scene state and the services
// they use. The window (app/window_session.h) and the command-line tool build
// on it; the passes take their settings as parameters and show their progress
// through `view`.
struct Session {
  Session(PromptService& prompt_service, FileSystem& file_system, EventPump& event_pump)
      : prompt(prompt_service), fs(file_system), events(event_pump) {}
  virtual ~Session() = default;
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  SceneState scene;
  PromptService& prompt;
  FileSystem& fs;
  EventPump& events;
  PassView* view = &no_view;
  TextureSteps* textures = &no_textures;  // called when the settings ask for textures
  std::string program_folder;             // where the program lives; the open dialog starts there
  // The passes keep a record of each object for a report; without one the
  // analysis costs what it always did.
  bool record_objects = false;
  // How the running command ended short: recorded where the user is told (a
  // cancelled input box, a file failure), read by the driver that returns it.
  // Each command starts it at `refused`, the end of every other early stop.
  CommandOutcome early_end;

 private:
  PassView no_view;
  TextureSteps no_textures;
};

}  // namespace meshmill
