#include "processing/ase_object.h"

#include "format/keywords.h"
#include "format/limits.h"

namespace meshmill {

namespace {

// Reads the lines of one object. Every read stops, with the reason for the
// user, at the end of the input or at the next object's opening line, so a
// broken object never swallows the objects after it.
class ObjectLines {
 public:
  ObjectLines(SceneCursor& cursor, std::string& reason) : cursor_(cursor), reason_(reason) {}

  std::string_view line() const { return cursor_.line(); }

  // `missing` names what the object lacks when its block ends here.
  bool next(std::string_view missing) {
    if (!cursor_.advance()) {
      reason_ = "the file ends inside the object";
      return false;
    }
    if (opens_object(cursor_.line())) {
      reason_ = "its block ends before ";
      reason_ += missing;
      return false;
    }
    return true;
  }

  bool find(std::string_view keyword, std::string_view missing) {
    while (next(missing)) {
      if (begins_with_upper(line(), keyword)) return true;
    }
    return false;
  }

  bool read_lines(std::int64_t count, LineTable& table, std::string_view missing) {
    for (std::int64_t i = 0; i < count; ++i) {
      if (!next(missing)) return false;
      table.push(line());
    }
    return true;
  }

  // Reads `count` lines into `table`; with a `keyword`, a line without it
  // keeps its slot, missing.
  template <typename Table>
  bool read_fields(std::int64_t count, Table& table, std::string_view keyword,
                   std::string_view missing) {
    for (std::int64_t i = 0; i < count; ++i) {
      if (!next(missing)) return false;
      if (keyword.empty() || begins_with_upper(line(), keyword)) {
        table.push(line());
      } else {
        table.push_missing();
      }
    }
    return true;
  }

  bool expect(std::string_view keyword, std::string_view missing) {
    if (!next(missing)) return false;
    if (begins_with_upper(line(), keyword)) return true;
    reason_ = "it has no ";
    reason_ += missing;
    reason_ += " where expected";
    return false;
  }

 private:
  SceneCursor& cursor_;
  std::string& reason_;
};

std::int64_t count_after(std::string_view line, std::size_t prefix_length) {
  return round_half_even(number_after(line, prefix_length));
}

void clear(AseObject& object) {
  object.name.clear();
  object.vertex_count = object.face_count = object.tvertex_count = object.tface_count = 0;
  object.vertices.clear();
  object.faces.clear();
  object.tvertices.clear();
  object.tfaces.clear();
  object.has_material_ref = false;
  object.material_ref = 0;
}

constexpr std::string_view numvertex = "\t\t*MESH_NUMVERTEX ";
constexpr std::string_view numfaces = "\t\t*MESH_NUMFACES ";
constexpr std::string_view numtvertex = "\t\t*MESH_NUMTVERTEX ";
constexpr std::string_view numtvfaces = "\t\t*MESH_NUMTVFACES ";
constexpr std::string_view material_ref = "\t*MATERIAL_REF ";

}  // namespace

bool opens_object(std::string_view line) {
  return begins_with_upper(line, "*GEOMOBJECT");
}

ObjectRead read_ase_object(SceneCursor& cursor, const ObjectFilter& filter, bool project_mapped,
                           AseObject& object, std::string& reason) {
  clear(object);
  ObjectLines in(cursor, reason);

  if (!in.next("its name line")) return ObjectRead::skipped;
  auto name = quoted_name(in.line());
  if (!name) {
    reason = "its name line has no quotes";
    return ObjectRead::skipped;
  }
  object.name.assign(*name);
  if (!filter.accepts(object.name)) return ObjectRead::passed_over;

  // Zero counts, too many faces and a missing mapping were reported by the analysis.
  if (!in.find(numvertex, "its vertex count")) return ObjectRead::skipped;
  object.vertex_count = count_after(in.line(), numvertex.size());
  if (object.vertex_count == 0) return ObjectRead::passed_over;
  if (!in.expect(numfaces, "face count")) return ObjectRead::skipped;
  object.face_count = count_after(in.line(), numfaces.size());
  if (object.face_count == 0 || object.face_count > most_faces) return ObjectRead::passed_over;
  if (object.vertex_count < 0 || object.face_count < 0) {
    reason = "its vertex or face count is negative";
    return ObjectRead::skipped;
  }

  if (!in.expect("\t\t*MESH_VERTEX_LIST {", "vertex list")) return ObjectRead::skipped;
  if (!in.read_fields(object.vertex_count, object.vertices, {}, "the end of its vertex list")) {
    return ObjectRead::skipped;
  }
  if (!in.next("its face list")) return ObjectRead::skipped;
  if (!in.expect("\t\t*MESH_FACE_LIST {", "face list")) return ObjectRead::skipped;
  if (!in.read_lines(object.face_count, object.faces, "the end of its face list")) {
    return ObjectRead::skipped;
  }
  if (!in.next("the end of its face list")) return ObjectRead::skipped;

  while (true) {
    if (!in.next("its mapping vertex count")) return ObjectRead::skipped;
    if (begins_with_upper(in.line(), numtvertex)) break;
    if (begins_with_upper(in.line(), "\t}")) return ObjectRead::passed_over;
  }
  object.tvertex_count = count_after(in.line(), numtvertex.size());
  if (object.tvertex_count == 0) return ObjectRead::passed_over;
  if (object.tvertex_count < 0) {
    reason = "its mapping vertex count is negative";
    return ObjectRead::skipped;
  }
  if (!in.next("its mapping vertex list")) return ObjectRead::skipped;
  if (!in.read_fields(object.tvertex_count, object.tvertices, "\t\t\t*MESH_TVERT ",
                      "the end of its mapping vertex list")) {
    return ObjectRead::skipped;
  }

  if (!in.find(numtvfaces, "its mapping face count")) return ObjectRead::skipped;
  object.tface_count = count_after(in.line(), numtvfaces.size());
  if (object.tface_count != object.face_count) {
    reason = "it has " + std::to_string(object.face_count) + " faces but " +
             std::to_string(object.tface_count) + " mapping faces";
    return ObjectRead::skipped;
  }
  if (!in.next("its mapping face list")) return ObjectRead::skipped;
  if (!in.read_fields(object.tface_count, object.tfaces, "\t\t\t*MESH_TFACE ",
                      "the end of its mapping face list")) {
    return ObjectRead::skipped;
  }

  if (!in.find("\t*PROP_RECVSHA", "its *PROP_RECVSHADOW line")) return ObjectRead::skipped;
  // The lists are complete: the last two lines may be the end of the file or
  // the next object without harm, but the next object's opening line is kept.
  if (!cursor.advance() || opens_object(cursor.line())) return ObjectRead::ready;
  if (project_mapped && begins_with_upper(cursor.line(), material_ref)) {
    object.has_material_ref = true;
    object.material_ref =
        round_half_even(leading_number(cursor.line().substr(material_ref.size())));
  }
  cursor.advance();
  return ObjectRead::ready;
}

}  // namespace meshmill
