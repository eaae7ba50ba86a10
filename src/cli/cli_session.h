#pragma once

#include <memory>
#include <string>

#include "cli/console_prompt.h"
#include "cli/recording_file_system.h"
#include "state/session.h"
#include "textures/texture_work.h"

namespace meshmill {

// The console has no window to repaint.
class NoEventPump : public EventPump {
 public:
  void yield() override {}
};

// One run of a command on the console: a session over the real file system
// whose program folder is the executable's, with console messages.
class CliSession {
 public:
  explicit CliSession(QuestionPolicy policy);
  // Closes the side files the session still holds open, as the window does on exit.
  ~CliSession();

  Session& session() { return session_; }
  const ConsolePrompt& prompt() const { return prompt_; }
  ConsolePrompt& prompt() { return prompt_; }
  const RecordingFileSystem& files() const { return files_; }
  // The created file named `name` that is still on disk, "" when there is none.
  std::string created_file_left(const std::string& name);

 private:
  std::unique_ptr<FileSystem> native_;
  RecordingFileSystem files_;
  ConsolePrompt prompt_;
  NoEventPump pump_;
  TextureWork texture_work_;
  Session session_;
};

}  // namespace meshmill
