#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "app/window_session.h"
#include "platform/clock.h"

namespace meshmill {

// Lets the window breathe while a pass runs. The passes yield once per line or
// object; the window is redrawn and its events run about 30 times a second, so
// a large scene is not slowed down by repainting.
class ThrottledEventPump : public EventPump {
 public:
  using Clock = std::function<std::int64_t()>;  // steady milliseconds
  static constexpr std::int64_t frame_milliseconds = 33;

  // `frame` redraws the window and runs its pending events.
  explicit ThrottledEventPump(std::function<void()> frame, Clock now = steady_milliseconds)
      : frame_(std::move(frame)), now_(std::move(now)) {}

  void yield() override;

 private:
  std::function<void()> frame_;
  Clock now_;
  std::optional<std::int64_t> last_frame_;  // none before the first frame
};

}  // namespace meshmill
