#include "app/clear_statistics.h"

#include "state/scene_reset.h"

namespace meshmill {

void clear_statistics(WindowSession& session) {
  session.window.pointer = MousePointer::normal;
  int answer = session.prompt.message_box(
      "Are you sure ? The error log file will also be deleted, and in case there were shortened "
      "names of textures files with more than 15 characters, they will NOT be restored by the "
      "program (you have to do that manually)! Are you sure you want to continue?",
      style::yes_no, "Warning");
  if (answer == answer::yes) unload_scene(session);
}

}  // namespace meshmill
