#include "app/progress_steps.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace meshmill {

BarSteps bar_steps(const ProgressBar& bar) {
  std::int64_t span = bar.maximum - bar.minimum;
  std::int64_t scale = span / INT_MAX + 1;
  return {static_cast<int>(std::max<std::int64_t>(span / scale, 1)),
          static_cast<int>((bar.value - bar.minimum) / scale)};
}

}  // namespace meshmill
