#include "app/throttled_event_pump.h"

namespace meshmill {

void ThrottledEventPump::yield() {
  if (last_frame_ && now_() - *last_frame_ < frame_milliseconds) return;
  frame_();
  // Measured after the frame, so a slow frame is not followed at once by another.
  last_frame_ = now_();
}

}  // namespace meshmill
