#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "support/test_session.h"

namespace meshmill::fuzzing {

// One fuzz input as a scene file in a folder of its own, with a session over
// the real file system whose prompt answers as the command-line tool does
// without a terminal: every question No, input boxes and dialogs cancelled.
// The folder sits one level inside a temporary folder, so a file written
// beside it (a path that climbs out with "..") is caught too.
class FuzzScene {
 public:
  FuzzScene(const std::uint8_t* data, std::size_t size, const std::string& name);
  // Checks that nothing was lost (see check_nothing_lost) and removes the folder.
  ~FuzzScene();
  FuzzScene(const FuzzScene&) = delete;
  FuzzScene& operator=(const FuzzScene&) = delete;

  WindowSession& session() { return test_.session; }
  testing::ScriptedPrompt& prompt() { return test_.prompt; }
  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const;

  // The analysis as the command line starts it, then, when the scene loaded,
  // the processing with the default options into `target` (empty: the
  // input's name beside it).
  void analyse_and_process(const std::string& target);

 private:
  // Aborts when the input changed or when a file other than the ones a run
  // may write appeared beside the scene or above its folder.
  void check_nothing_lost() const;

  testing::TestSession test_;
  std::string folder_;
  std::string path_;
  std::string bytes_;
};

}  // namespace meshmill::fuzzing
