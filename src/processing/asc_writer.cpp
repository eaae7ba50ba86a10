#include "processing/asc_writer.h"

#include "format/asc_line_parser.h"
#include "format/keywords.h"
#include "processing/text_fields.h"
#include "state/material_slot.h"

namespace meshmill {

namespace {

constexpr std::string_view crlf = "\r\n";
constexpr std::size_t flush_size = 1 << 16;

// The leading-number rule, with a short way for the usual plain digits.
double number_value(std::string_view text) {
  std::int64_t value = 0;
  int digits = 0;
  for (char c : text) {
    if (c >= '0' && c <= '9') {
      if (++digits > 15) return leading_number(text);
      value = value * 10 + (c - '0');
    } else if (c != ' ' && c != '\t' && c != '\n') {
      return leading_number(text);
    }
  }
  return static_cast<double>(value);
}

std::int64_t index_value(std::string_view text) {
  return round_half_even(number_value(text));
}

// 1-based positions of the first "A:", "B:", "C:", "AB:", "BC:" and "CA:" of
// a face line (0 when absent). Each ends in a colon, so one walk over the
// colons finds the first occurrence of all six.
struct FaceMarkers {
  std::size_t a = 0, b = 0, c = 0, ab = 0, bc = 0, ca = 0;
};

FaceMarkers find_face_markers(std::string_view line) {
  FaceMarkers m;
  int missing = 6;
  auto mark = [&missing](std::size_t& position, std::size_t value) {
    if (position == 0) {
      position = value;
      --missing;
    }
  };
  for (std::size_t at = line.find(':', 1); at != std::string_view::npos && missing > 0;
       at = line.find(':', at + 1)) {
    char last = line[at - 1];
    char before = at >= 2 ? line[at - 2] : '\0';
    if (last == 'A') mark(m.a, at);
    if (last == 'B') mark(m.b, at);
    if (last == 'C') mark(m.c, at);
    if (before == 'A' && last == 'B') mark(m.ab, at - 1);
    if (before == 'B' && last == 'C') mark(m.bc, at - 1);
    if (before == 'C' && last == 'A') mark(m.ca, at - 1);
  }
  return m;
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

  for (std::size_t i = 0; i < object.faces.size(); ++i) {
    std::string_view line = object.faces[i];
    const auto face_number = static_cast<std::int64_t>(i);
    FaceMarkers p = find_face_markers(line);
    std::size_t pSM = find_at(line, "*MESH_SMOOTHING "), pMT = find_at(line, "*MESH_MTLID ");
    // Each value lies between two markers; markers missing or out of order leave no room.
    bool in_order = p.a && p.b >= p.a + 3 && p.c >= p.b + 3 && p.ab >= p.c + 3 &&
                    p.bc >= p.ab + 4 && p.ca >= p.bc + 4 && pSM >= p.ca + 5;
    if (!in_order) {
      reason = numbered("its face line ", face_number, " lacks the expected fields");
      return false;
    }
    Face face;
    face.corner[0] = index_value(mid(line, p.a + 2, p.b - p.a - 3));
    face.corner[1] = index_value(mid(line, p.b + 2, p.c - p.b - 3));
    face.corner[2] = index_value(mid(line, p.c + 2, p.ab - p.c - 3));
    face.edge[0] = number_value(mid(line, p.ab + 3, p.bc - p.ab - 4));
    face.edge[1] = number_value(mid(line, p.bc + 3, p.ca - p.bc - 4));
    face.edge[2] = number_value(mid(line, p.ca + 3, pSM - p.ca - 5));
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
      if (!object.vertices.complete(static_cast<std::size_t>(corner))) {
        reason = numbered("its vertex line ", corner, " lacks the expected fields");
        return false;
      }
    }

    if (mapped) {
      if (!object.tfaces.complete(i)) {
        reason = numbered("its mapping face line ", face_number, " lacks the expected fields");
        return false;
      }
      for (std::size_t k = 0; k < 3; ++k) {
        face.tindex[k] = object.tfaces.field(i, k);
        face.tcorner[k] = index_value(face.tindex[k]);
        if (face.tcorner[k] < 0 || face.tcorner[k] >= tvertex_count) {
          reason = numbered("face ", face_number, " refers to mapping vertex ");
          append_integer(reason, face.tcorner[k]);
          reason += numbered(", but the object has ", tvertex_count, " mapping vertices");
          return false;
        }
        if (!object.tvertices.complete(static_cast<std::size_t>(face.tcorner[k]))) {
          reason =
              numbered("its mapping vertex line ", face.tcorner[k], " lacks the expected fields");
          return false;
        }
      }
      // A vertex reached from several corners keeps the last corner written.
      for (std::size_t k = 0; k < 3; ++k) {
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
  std::string_view x = "0.000000", y = x, z = x, u = x, v = x;
  bool plain = true;
  if (source.vertex >= 0) {
    const auto g = static_cast<std::size_t>(source.vertex);
    x = object.vertices.field(g, 0);
    y = object.vertices.field(g, 1);
    z = object.vertices.field(g, 2);
    plain = object.vertices.plain(g);
    if (mapped) {
      const auto t = static_cast<std::size_t>(source.tvertex);
      u = object.tvertices.field(t, 0);
      v = object.tvertices.field(t, 1);
      plain = plain && object.tvertices.plain(t);
    }
  }
  const bool texture_flip = flips.texture_flip && mapped;

  if (plain) {
    // Fields without blanks or colons split back unchanged, so the flips
    // can be applied to them directly.
    if (flips.axis_flip) {
      text_.append(":  X:").append(x).append("     Y:").append(z).append("     Z:");
      append_sign_toggled(text_, y);
    } else {
      append_position(text_, x, y, z);
    }
    if (mapped) {
      text_.append("     U:").append(u).append("     V:");
      if (texture_flip) {
        append_sign_toggled(text_, v);
      } else {
        text_.append(v);
      }
    }
    return;
  }

  // The flips work on the vertex text, as on any ASC vertex: fields are
  // exchanged and signs toggled as text, never re-formatted.
  vertex_.clear();
  append_position(vertex_, x, y, z);
  if (mapped) append_mapping(vertex_, u, v);
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
  if (texture_flip) {
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

void AscWriter::append_material_lines(const Face& face, std::int64_t material_ref,
                                      const SceneState& scene) {
  std::int64_t submaterials = 0;
  if (material_ref >= 0 && static_cast<std::size_t>(material_ref) < scene.submat_count.size()) {
    submaterials = scene.submat_count[static_cast<std::size_t>(material_ref)];
  }
  std::int64_t slot = material_slot(face.material_id, submaterials);
  if (!scene.mat_names.contains(material_ref, slot)) return;
  std::string_view name =
      material_slot(scene, static_cast<std::size_t>(material_ref), static_cast<std::size_t>(slot))
          .name;
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

bool AscWriter::write_ase_object(const AseObject& object, ObjectMaterial material,
                                 const SceneState& scene, FlipOptions flips, OutputFile& out,
                                 std::string& reason) {
  const bool mapped = material.mapped;
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
    if (mapped) append_material_lines(faces_[i], material.ref, scene);
    flush_if_full(out);
  }
  text_ += crlf;
  out.write(text_);
  text_.clear();
  return true;
}

}  // namespace meshmill
