#pragma once

#include "state/window_state.h"

namespace meshmill {

// A progress bar's range and position in the int steps window toolkits count
// in: 0 to `maximum`. A pass over a file of more than INT_MAX lines is scaled
// down; a range of one value (a one-line file) gives an empty bar of one step.
struct BarSteps {
  int maximum;
  int value;
};
BarSteps bar_steps(const ProgressBar& bar);

}  // namespace meshmill
