#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace meshmill {

// What a scene report shows of each object: gathered by the analysis, updated
// by the processing, read by the report and the command-line tool's JSON.
// Nothing is gathered unless the session asks for it (Session::record_objects).

// A point of an outline, in scene units.
struct OutlinePoint {
  float x = 0;
  float y = 0;
};

// The map's views, in 3ds Max's axes (Z up): top shows X right and Y up,
// front X right and Z up, side Y right and Z up.
enum class MapView { top, front, side };
inline constexpr std::size_t map_view_count = 3;

// What the processing did with an object the analysis let through.
enum class ProcessingVerdict { none, written, left_out, filtered };

struct ObjectRecord {
  std::string name;        // Windows-1252, as in the scene
  std::int64_t line = 0;   // the line that opens the object
  std::int64_t faces = 0;  // as counted by the analysis, or the face lines seen
  std::int64_t vertices = 0;
  std::string material_ref;  // the *MATERIAL_REF text, "" when there is none
  bool skipped = false;      // by the analysis; `reason` holds its error-log line
  ProcessingVerdict processing = ProcessingVerdict::none;
  std::string reason;  // UTF-8: the error-log line, or why the processing left it out
  std::string file;    // UTF-8 name of the .asc file it went, or would go, into
  bool has_bbox = false;
  std::array<double, 6> bbox{};  // min x, y, z, max x, y, z
  // The outline of the object's vertices in each view (a convex polygon, maybe simplified).
  std::array<std::vector<OutlinePoint>, map_view_count> outlines;
  // Its triangles while the scene is small: x, y, z of three corners each.
  std::vector<float> triangles;

  // "valid" or "skipped" after an analysis; "written", "skipped",
  // "left-out" or "filtered" once a processing ran.
  const char* status() const;
};

struct RecordedMessage {
  std::string title;
  int style = 0;
  std::string text;
};

struct SceneRecords {
  std::vector<ObjectRecord> objects;  // in the order of the input
  std::vector<RecordedMessage> messages;
  bool processed = false;       // a processing ran after the analysis
  bool triangles_kept = true;   // every object carries its triangles: the scene is small

  void clear() { *this = SceneRecords(); }
};

}  // namespace meshmill

namespace meshmill {

// After an analysis: the .asc file each valid object would go into, with the
// processing's rule (`target` is the path the files are named after).
void assign_expected_files(SceneRecords& records, const std::string& target,
                           std::int64_t files_required, bool split);

// A processing begins: the verdicts of the last one are forgotten.
void begin_processing_records(SceneRecords& records);

// Finds the records of the objects a pass meets, in the order of the input.
class RecordCursor {
 public:
  explicit RecordCursor(SceneRecords& records) : records_(records) {}
  // The record of the object that opens at `line`; null when the analysis had none there.
  ObjectRecord* at_line(std::int64_t line);

 private:
  SceneRecords& records_;
  std::size_t next_ = 0;
};

}  // namespace meshmill
