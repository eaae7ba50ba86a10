#pragma once

#include <cstdint>

#include "analysis/pass_outcome.h"
#include "state/session.h"

namespace meshmill {

// Sizes the material table before the scan: reads the material count, the
// sub-material count of every top-level material into `submat_count`, the
// largest of them into `nr_max_mats2`, and locates the TIFFRGB folder.
// `listed_count` receives the count the scan must find again.
PassOutcome prescan_materials(Session& session, std::int64_t& listed_count);

}  // namespace meshmill
