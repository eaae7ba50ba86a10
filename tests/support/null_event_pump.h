#pragma once

#include "app/window_session.h"

namespace meshmill::testing {

class NullEventPump : public EventPump {
 public:
  void yield() override { ++yields; }
  long yields = 0;
};

}  // namespace meshmill::testing
