#pragma once

namespace meshmill {

// How a pass of the analysis ended. `stopped` means the pass has already shown
// its message and the analysis must end with the refusal sequence.
enum class PassOutcome { completed, stopped };

}  // namespace meshmill
