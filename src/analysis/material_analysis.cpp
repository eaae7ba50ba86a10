#include "analysis/material_analysis.h"

#include "analysis/material_prescan.h"
#include "analysis/material_scan.h"

namespace meshmill {

PassOutcome analyse_materials(Session& session, const RunSettings& settings) {
  std::int64_t material_count = 0;
  if (prescan_materials(session, material_count) == PassOutcome::stopped) {
    return PassOutcome::stopped;
  }
  return scan_materials(session, settings, material_count);
}

}  // namespace meshmill
