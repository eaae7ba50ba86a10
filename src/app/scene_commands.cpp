#include "app/scene_commands.h"

#include "analysis/analysis_driver.h"
#include "processing/processing_driver.h"

namespace meshmill {

void analyze_scene(Session& session) {
  if (session.command_running) return;
  session.command_running = true;
  bool completed = run_analysis(session);
  session.command_running = false;
  if (!completed) return;
  session.scene.impo.clear();
  if (session.scene.express == 1) start_process(session);
  session.scene.express = 0;
}

}  // namespace meshmill
