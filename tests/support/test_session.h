#pragma once

#include <memory>

#include "state/session.h"
#include "support/null_event_pump.h"
#include "support/scripted_prompt.h"
#include "support/temp_folder.h"

namespace meshmill::testing {

// A session over the real file system with a scripted prompt, and a temporary
// folder for the test's files.
struct TestSession {
  TempFolder folder;
  ScriptedPrompt prompt;
  std::unique_ptr<FileSystem> fs = make_native_file_system();
  NullEventPump pump;
  Session session{prompt, *fs, pump};

  TestSession() { session.program_folder = folder.path(); }
};

}  // namespace meshmill::testing
