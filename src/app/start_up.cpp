#include "app/start_up.h"

#include <algorithm>

#include "app/options.h"
#include "app/scene_commands.h"
#include "state/window_rules.h"

namespace meshmill {

void start_up(WindowSession& session, const std::string& command_line) {
  std::fill(std::begin(session.scene.scene_stats), std::end(session.scene.scene_stats), 0);
  session.window.Text_savefile.text.clear();
  session.ini_file_name = options_file_path(session.fs, session.program_folder);
  load_options(session);
  // A stored ticked Check3 hides the target controls before the window shows.
  apply_check3(session.window);
  session.events.yield();
  if (command_line.empty()) return;
  analyze_scene(session, command_line);
}

std::string join_command_line(const std::vector<std::string>& arguments) {
  std::string line;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (i > 0) line += ' ';
    line += arguments[i];
  }
  return line;
}

}  // namespace meshmill
