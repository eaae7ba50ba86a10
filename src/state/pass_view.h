#pragma once

#include <cstdint>
#include <string>

namespace meshmill {

enum class Pass { analysis, processing };

// What a view shows of a running command: the window renders it in its
// controls, the command-line tool shows nothing. The passes tell it; they
// never see a control.
class PassView {
 public:
  virtual ~PassView() = default;
  virtual void busy(bool) {}
  // A pass over the input's lines 1..`last`: its progress bar appears.
  virtual void progress_shown(Pass, std::int64_t /*last*/) {}
  virtual void progress(Pass, std::int64_t /*line*/) {}
  virtual void progress_hidden(Pass) {}
  // One of the five statistics (indices in state/scene_state.h) has a new value.
  virtual void statistic_shown(int /*index*/, std::int64_t /*value*/) {}
  // The analysis skipped an object (and logged why).
  virtual void object_skipped() {}
  virtual void input_shown(const std::string& /*path*/) {}
  // The analysis of an input of this type ("ase" or "asc") begins.
  virtual void analysis_begun(const std::string& /*file_type*/) {}
  // The analysis ended with the scene loaded; `processable` is false when
  // faulty objects keep it from being processed.
  virtual void scene_loaded(bool /*problems*/, bool /*processable*/) {}
  // The scene was unloaded: the view is as before any analysis.
  virtual void scene_unloaded() {}
  // The target named after the input can't be used: one must be chosen.
  virtual void target_needed() {}
  virtual void processing_begun() {}
};

}  // namespace meshmill
