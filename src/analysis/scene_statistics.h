#pragma once

#include <cstdint>

#include "state/session.h"

namespace meshmill {

// Plaything2 imports at most `objects_per_asc_file` objects from one .asc file.
std::int64_t asc_files_required(std::int64_t objects);

// Sets scene_stats(index) and shows it.
void show_statistic(Session& session, int index, std::int64_t value);

// After a first pass: the progress of the passes to come, over nr_line2 lines.
void show_analysis_progress(Session& session);

// After a first pass: the objects found and the .asc files they need.
void show_object_count(Session& session);

// An object passed every check: counts it and adds its faces and vertices.
void count_valid_object(Session& session, std::int64_t faces, std::int64_t vertices);

}  // namespace meshmill
