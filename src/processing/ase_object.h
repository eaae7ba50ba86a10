#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "format/line_reader.h"
#include "processing/field_table.h"
#include "processing/line_table.h"
#include "processing/object_filter.h"

namespace meshmill {

// One object of an ASE scene as the processing holds it: its name, its counts
// and its four lists: the face lines as read, and of the other lines the
// fields that the conversion takes (fields 4 to 6, or 4 and 5, of the line
// cut at TABs). Reused from object to object.
struct AseObject {
  std::string name;  // Windows-1252
  std::int64_t vertex_count = 0;
  std::int64_t face_count = 0;
  std::int64_t tvertex_count = 0;
  std::int64_t tface_count = 0;
  FieldTable<4, 3> vertices;  // x, y, z
  LineTable faces;
  FieldTable<4, 2> tvertices;  // u, v; a missing entry where the line was no "*MESH_TVERT "
  FieldTable<4, 3> tfaces;     // the texture indices of A, B, C; missing where no "*MESH_TFACE "
  bool has_material_ref = false;
  std::int64_t material_ref = 0;
};

// The processing pass's position in the input: the current line, which is
// empty once the input has ended.
class SceneCursor {
 public:
  explicit SceneCursor(LineReader& reader) : reader_(reader) {}
  // Reads the next line; false at the end of the input or on a read failure.
  bool advance() {
    if (!ended_ && reader_.next()) return true;
    ended_ = true;
    return false;
  }
  std::string_view line() const { return ended_ ? std::string_view() : reader_.line(); }
  std::int64_t number() const { return reader_.number(); }
  bool ended() const { return ended_; }
  bool failed() const { return reader_.failed(); }
  const std::string& error() const { return reader_.error(); }

 private:
  LineReader& reader_;
  bool ended_ = false;
};

// The line opens an object block ("*GEOMOBJECT", upper-cased, at the start).
bool opens_object(std::string_view line);

enum class ObjectRead {
  ready,        // the object is read and may be written
  passed_over,  // not written, nothing to tell: the filter, or a skip the analysis reported
  skipped       // not written; `reason` says why, for the user
};

// Reads the object whose "*GEOMOBJECT" line is current, up to the line after
// its material reference. The cursor stays on the last line read; when the
// object breaks off, that may be the next object's "*GEOMOBJECT" line.
ObjectRead read_ase_object(SceneCursor& cursor, const ObjectFilter& filter, bool project_mapped,
                           AseObject& object, std::string& reason);

}  // namespace meshmill
