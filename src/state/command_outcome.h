#pragma once

#include <string>
#include <utility>

namespace meshmill {

// What the analysis or the processing did. The user has been told already,
// through the messages; the outcome is for whoever goes on from the command
// (the express hand-over, the command-line tool's exit status).
enum class CommandResult {
  refused,              // a check said no (no scene, no target, a scene that can't be used)
  cancelled,            // the user declined a question or cancelled a dialog
  analysed,             // the scene is loaded and every object is valid
  analysed_with_skips,  // the scene is loaded; objects were skipped (see error_log.txt)
  processed,            // the run reached "Finished": SceneState's processed_files were
                        // written, its skipped_objects left out
  failed                // a file could not be read, created or written: see `failure`
};

struct CommandOutcome {
  CommandOutcome(CommandResult what = CommandResult::refused, std::string why = std::string())
      : result(what), failure(std::move(why)) {}

  CommandResult result;
  std::string failure;  // for `failed`: the text the user was shown
  // The processing ended the program (express mode, or the user said Yes to
  // closing): the window saves its finish options and closes.
  bool ends_program = false;
  // The analysis ended in express mode: the user asked for the processing
  // right away, into files of the scene's name beside it, and nothing since
  // needs the user first.
  bool express = false;

  bool analysed() const {
    return result == CommandResult::analysed || result == CommandResult::analysed_with_skips;
  }
};

}  // namespace meshmill
