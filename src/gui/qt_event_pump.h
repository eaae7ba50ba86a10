#pragma once

#include <QElapsedTimer>
#include <functional>

#include "app/session.h"

namespace meshmill::gui {

// Lets the window breathe while a pass runs. The passes yield once per line or
// object; the window is redrawn and its events run about 30 times a second, so
// a large scene is not slowed down by repainting.
class QtEventPump : public EventPump {
 public:
  void set_render(std::function<void()> render) { render_ = std::move(render); }
  void yield() override;

 private:
  std::function<void()> render_;
  QElapsedTimer since_last_;
};

}  // namespace meshmill::gui
