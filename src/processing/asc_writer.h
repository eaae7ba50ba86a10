#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"
#include "processing/ase_object.h"
#include "state/scene_state.h"

namespace meshmill {

// How one object is written: mapped (with U, V and the lines of its
// material `ref`) or not.
struct ObjectMaterial {
  bool mapped = false;
  std::int64_t ref = 0;
};

struct FlipOptions {
  bool axis_flip = false;     // (x, y, z) becomes (x, z, -y)
  bool texture_flip = false;  // (u, v) becomes (u, -v), mapped objects only
};

// Writes objects as blocks of a 3D Studio ASCII mesh file. Keeps its working
// tables from object to object so a scene is converted without an allocation
// per line.
class AscWriter {
 public:
  // Converts one ASE object, mapped or not as `material` says, with the
  // material table of `scene`, and writes its block to `out`. An object
  // that refers to a vertex, texture vertex or field it doesn't have is not
  // written at all: the result is false and `reason` says why.
  bool write_ase_object(const AseObject& object, ObjectMaterial material, const SceneState& scene,
                        FlipOptions flips, OutputFile& out, std::string& reason);

 private:
  struct Face {
    std::int64_t corner[3];      // geometric vertex of A, B, C
    std::int64_t tcorner[3];     // texture vertex of A, B, C (mapped objects)
    std::string_view tindex[3];  // the texture indices as written in the input
    double edge[3];              // AB, BC, CA
    std::string_view smoothing;
    std::int64_t material_id;
  };
  struct VertexSource {
    std::int64_t vertex = -1;  // -1: no face uses it, the default text is written
    std::int64_t tvertex = -1;
  };

  bool read_faces(const AseObject& object, bool mapped, std::string& reason);
  void append_vertex_text(const AseObject& object, const VertexSource& source, bool mapped,
                          FlipOptions flips);
  void append_face(std::size_t i, const Face& face, bool mapped);
  void append_material_lines(const Face& face, std::int64_t material_ref, const SceneState& scene);
  void flush_if_full(OutputFile& out);

  std::vector<Face> faces_;
  std::vector<VertexSource> sources_;
  std::string text_;     // output waiting to be written
  std::string vertex_;   // the vertex text being built
  std::string rebuilt_;  // the vertex text rebuilt by a flip
};

}  // namespace meshmill
