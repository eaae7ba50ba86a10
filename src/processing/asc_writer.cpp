#include "processing/asc_writer.h"

#include "analysis/keywords.h"
#include "processing/asc_line_parser.h"
#include "processing/text_fields.h"

namespace meshmill {

namespace {

constexpr std::string_view crlf = "\r\n";
constexpr std::string_view default_unmapped = ":  X:0.000000     Y:0.000000     Z:0.000000";
constexpr std::string_view default_mapped =
    ":  X:0.000000     Y:0.000000     Z:0.000000     U:0.000000     V:0.000000";
constexpr std::size_t flush_size = 1 << 16;

std::int64_t index_value(std::string_view text) {
  return round_half_even(leading_number(text));
}

std::string numbered(std::string_view what, std::int64_t number, std::string_view rest) {
  std::string text(what);
  append_integer(text, number);
  text.append(rest);
  return text;
}

void append_position(std::string& out, std::string_view x, std::string_view y, std::string_view z) {
  out.append(":  X:").append(x).append("     Y:").append(y).append("     Z:").append(z);
}

void append_mapping(std::string& out, std::string_view u, std::string_view v) {
  out.append("     U:").append(u).append("     V:").append(v);
}

// The material slot of a face: slot 0 for a single material; the id of a
// multi/sub-object material, wrapped into its slots as 3ds Max does.
std::int64_t material_slot(std::int64_t id, std::int64_t submaterials) {
  if (submaterials <= 0) return 0;
  std::int64_t slot = id % submaterials;
  return slot < 0 ? slot + submaterials : slot;
}

}  // namespace

bool AscWriter::read_faces(const AseObject& object, bool mapped, std::string& reason) {
  const auto vertex_count = static_cast<std::int64_t>(object.vertices.size());
  const auto tvertex_count = static_cast<std::int64_t>(object.tvertices.size());
  faces_.clear();
  sources_.assign(static_cast<std::size_t>(mapped ? tvertex_count : vertex_count), VertexSource{});
  std::string_view field;

  for (std::size_t i = 0; i < object.faces.size(); ++i) {
    std::string_view line = object.faces[i];
    const auto face_number = static_cast<std::int64_t>(i);
    std::size_t pA = find_at(line, "A:"), pB = find_at(line, "B:"), pC = find_at(line, "C:");
    std::size_t pAB = find_at(line, "AB:"), pBC = find_at(line, "BC:"), pCA = find_at(line, "CA:");
    std::size_t pSM = find_at(line, "*MESH_SMOOTHING "), pMT = find_at(line, "*MESH_MTLID ");
    // Each value lies between two markers; markers missing or out of order leave no room.
    bool in_order = pA && pB >= pA + 3 && pC >= pB + 3 && pAB >= pC + 3 && pBC >= pAB + 4 &&
                    pCA >= pBC + 4 && pSM >= pCA + 5;
    if (!in_order) {
      reason = numbered("its face line ", face_number, " lacks the expected fields");
      return false;
    }
    Face face;
    face.corner[0] = index_value(mid(line, pA + 2, pB - pA - 3));
    face.corner[1] = index_value(mid(line, pB + 2, pC - pB - 3));
    face.corner[2] = index_value(mid(line, pC + 2, pAB - pC - 3));
    face.edge[0] = leading_number(mid(line, pAB + 3, pBC - pAB - 4));
    face.edge[1] = leading_number(mid(line, pBC + 3, pCA - pBC - 4));
    face.edge[2] = leading_number(mid(line, pCA + 3, pSM - pCA - 5));
    // An empty group list, or no material id after it, gives smoothing 0.
    if (pMT >= pSM + 18) {
      face.smoothing = mid(line, pSM + 16, pMT - pSM - 18);
    } else {
      face.smoothing = "0";
    }
    face.material_id = pMT ? index_value(line.substr(pMT + 11)) : 0;

    for (std::int64_t corner : face.corner) {
      if (corner < 0 || corner >= vertex_count) {
        reason = numbered("face ", face_number, " refers to vertex ");
        append_integer(reason, corner);
        reason += numbered(", but the object has ", vertex_count, " vertices");
        return false;
      }
      if (!tab_field(object.vertices[static_cast<std::size_t>(corner)], 6, field)) {
        reason = numbered("its vertex line ", corner, " lacks the expected fields");
        return false;
      }
    }

    if (mapped) {
      std::string_view tface = object.tfaces[i];
      for (int k = 0; k < 3; ++k) {
        if (!tab_field(tface, 4 + k, face.tindex[k])) {
          reason = numbered("its mapping face line ", face_number, " lacks the expected fields");
          return false;
        }
        face.tcorner[k] = index_value(face.tindex[k]);
        if (face.tcorner[k] < 0 || face.tcorner[k] >= tvertex_count) {
          reason = numbered("face ", face_number, " refers to mapping vertex ");
          append_integer(reason, face.tcorner[k]);
          reason += numbered(", but the object has ", tvertex_count, " mapping vertices");
          return false;
        }
        if (!tab_field(object.tvertices[static_cast<std::size_t>(face.tcorner[k])], 5, field)) {
          reason =
              numbered("its mapping vertex line ", face.tcorner[k], " lacks the expected fields");
          return false;
        }
      }
      // A vertex reached from several corners keeps the last corner written.
      for (int k = 0; k < 3; ++k) {
        sources_[static_cast<std::size_t>(face.tcorner[k])] = {face.corner[k], face.tcorner[k]};
      }
    } else {
      for (std::int64_t corner : face.corner) {
        sources_[static_cast<std::size_t>(corner)] = {corner, -1};
      }
    }
    faces_.push_back(face);
  }
  return true;
}

void AscWriter::append_vertex_text(const AseObject& object, const VertexSource& source, bool mapped,
                                   FlipOptions flips) {
  vertex_.clear();
  if (source.vertex < 0) {
    vertex_ = mapped ? default_mapped : default_unmapped;
  } else {
    std::string_view x, y, z, u, v;
    std::string_view line = object.vertices[static_cast<std::size_t>(source.vertex)];
    tab_field(line, 4, x);
    tab_field(line, 5, y);
    tab_field(line, 6, z);
    append_position(vertex_, x, y, z);
    if (mapped) {
      std::string_view tline = object.tvertices[static_cast<std::size_t>(source.tvertex)];
      tab_field(tline, 4, u);
      tab_field(tline, 5, v);
      append_mapping(vertex_, u, v);
    }
  }

  // The flips work on the vertex text, as on any ASC vertex: fields are
  // exchanged and signs toggled as text, never re-formatted.
  VertexFields f;
  if (flips.axis_flip) {
    processar("vc", vertex_, f);
    rebuilt_.clear();
    rebuilt_.append(":  X:").append(f.field[1]).append("     Y:").append(f.field[3]);
    rebuilt_.append("     Z:");
    append_sign_toggled(rebuilt_, f.field[2]);
    if (mapped) append_mapping(rebuilt_, f.field[4], f.field[5]);
    vertex_.swap(rebuilt_);
  }
  if (flips.texture_flip && mapped) {
    processar("vc", vertex_, f);
    rebuilt_.clear();
    append_position(rebuilt_, f.field[1], f.field[2], f.field[3]);
    rebuilt_.append("     U:").append(f.field[4]).append("     V:");
    append_sign_toggled(rebuilt_, f.field[5]);
    vertex_.swap(rebuilt_);
  }
  text_ += vertex_;
}

void AscWriter::append_face(std::size_t i, const Face& face, bool mapped) {
  static constexpr std::string_view corner_names[3] = {": A:", " B:", " C:"};
  static constexpr std::string_view edge_names[3] = {" AB:", " BC:", " CA:"};
  text_ += "Face ";
  append_integer(text_, static_cast<std::int64_t>(i));
  for (int k = 0; k < 3; ++k) {
    text_ += corner_names[k];
    if (mapped) {
      text_ += face.tindex[k];
    } else {
      append_integer(text_, face.corner[k]);
    }
  }
  for (int k = 0; k < 3; ++k) {
    text_ += edge_names[k];
    append_number(text_, face.edge[k]);
  }
  text_ += crlf;
}

void AscWriter::append_material_lines(const Face& face, const SceneState& scene) {
  std::int64_t submaterials = 0;
  if (scene.mat_ref >= 0 && static_cast<std::size_t>(scene.mat_ref) < scene.submat_count.size()) {
    submaterials = scene.submat_count[static_cast<std::size_t>(scene.mat_ref)];
  }
  std::int64_t slot = material_slot(face.material_id, submaterials);
  if (!scene.mat_names.contains(scene.mat_ref, slot)) return;
  std::string_view entry =
      scene.mat_names.at(static_cast<std::size_t>(scene.mat_ref), static_cast<std::size_t>(slot));
  std::string_view name = entry.substr(0, entry.find(" , "));
  // An empty entry (a material class the analysis doesn't know) has no material either.
  if (name.empty() || name == empty_material) return;
  text_.append("Material:\"").append(name).append("\"\r\n");
  text_.append("Smoothing: ").append(face.smoothing).append(crlf);
}

void AscWriter::flush_if_full(OutputFile& out) {
  if (text_.size() < flush_size) return;
  out.write(text_);
  text_.clear();
}

bool AscWriter::write_ase_object(const AseObject& object, const SceneState& scene,
                                 FlipOptions flips, OutputFile& out, std::string& reason) {
  const bool mapped = scene.object_mapped == 1;
  if (!read_faces(object, mapped, reason)) return false;

  text_.clear();
  text_.append("Named object: \"").append(object.name).append("\"\r\n");
  text_ += "Tri-mesh, Vertices: ";
  append_integer(text_, static_cast<std::int64_t>(sources_.size()));
  text_ += "     Faces: ";
  append_integer(text_, static_cast<std::int64_t>(faces_.size()));
  text_.append("\r\nMapped\r\nVertex list:\r\n");
  for (std::size_t k = 0; k < sources_.size(); ++k) {
    text_ += "Vertex ";
    append_integer(text_, static_cast<std::int64_t>(k));
    append_vertex_text(object, sources_[k], mapped, flips);
    text_ += crlf;
    flush_if_full(out);
  }
  text_ += "Face list:\r\n";
  for (std::size_t i = 0; i < faces_.size(); ++i) {
    append_face(i, faces_[i], mapped);
    if (mapped) append_material_lines(faces_[i], scene);
    flush_if_full(out);
  }
  text_ += crlf;
  out.write(text_);
  text_.clear();
  return true;
}

}  // namespace meshmill
