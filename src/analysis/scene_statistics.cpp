#include "analysis/scene_statistics.h"

#include <limits>
#include <string>

#include "format/limits.h"

namespace meshmill {

namespace {

// Counts come from the file and may be absurd; totals stop at the largest value.
std::int64_t saturating_add(std::int64_t total, std::int64_t amount) {
  constexpr auto top = std::numeric_limits<std::int64_t>::max();
  constexpr auto bottom = std::numeric_limits<std::int64_t>::min();
  if (amount > 0 && total > top - amount) return top;
  if (amount < 0 && total < bottom - amount) return bottom;
  return total + amount;
}

}  // namespace

std::int64_t asc_files_required(std::int64_t objects) {
  return objects > objects_per_asc_file ? objects / objects_per_asc_file + 1 : 1;
}

void show_statistic(Session& session, int index, std::int64_t value) {
  session.scene.scene_stats[index] = value;
  session.view->statistic_shown(index, value);
}

void show_analysis_progress(Session& session) {
  session.view->progress_shown(Pass::analysis, session.scene.nr_line2);
}

void show_object_count(Session& session) {
  show_statistic(session, stat::total_objects, session.scene.nr_objects);
  show_statistic(session, stat::asc_files, asc_files_required(session.scene.nr_objects));
}

void count_valid_object(Session& session, std::int64_t faces, std::int64_t vertices) {
  auto& stats = session.scene.scene_stats;
  session.scene.valid_objects += 1;
  show_statistic(session, stat::valid_objects, session.scene.valid_objects);
  show_statistic(session, stat::faces, saturating_add(stats[stat::faces], faces));
  show_statistic(session, stat::vertices, saturating_add(stats[stat::vertices], vertices));
}

}  // namespace meshmill
