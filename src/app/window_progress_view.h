#pragma once

#include "state/pass_view.h"
#include "state/window_state.h"

namespace meshmill {

// Shows a running command in the window's controls.
class WindowProgressView : public PassView {
 public:
  explicit WindowProgressView(WindowState& window) : window_(window) {}

  void busy(bool on) override;
  void progress_shown(Pass pass, std::int64_t last) override;
  void progress(Pass pass, std::int64_t line) override;
  void progress_hidden(Pass pass) override;
  void statistic_shown(int index, std::int64_t value) override;
  void object_skipped() override;
  void input_shown(const std::string& path) override;
  void analysis_begun(const std::string& file_type) override;
  void scene_loaded(bool problems, bool processable) override;
  void scene_unloaded() override;
  void target_needed() override;
  void processing_begun() override;

 private:
  ProgressBar& bar(Pass pass);

  WindowState& window_;
};

}  // namespace meshmill
