#pragma once

#include <QElapsedTimer>
#include <functional>

#include "app/window_session.h"

namespace meshmill::gui {

// Lets the window breathe while a pass runs. The passes yield once per line or
// object; the window is redrawn and its events run about 30 times a second, so
// a large scene is not slowed down by repainting.
class QtEventPump : public EventPump {
 public:
  // What one frame does: redraw the window and run its pending events.
  void set_frame(std::function<void()> frame) { frame_ = std::move(frame); }
  void yield() override;

 private:
  std::function<void()> frame_;
  QElapsedTimer since_last_;
};

}  // namespace meshmill::gui
