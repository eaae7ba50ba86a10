#include "gui/qt_event_pump.h"

namespace meshmill::gui {

namespace {
constexpr qint64 frame_milliseconds = 33;
}

void QtEventPump::yield() {
  if (since_last_.isValid() && since_last_.elapsed() < frame_milliseconds) return;
  if (frame_) frame_();
  since_last_.start();
}

}  // namespace meshmill::gui
