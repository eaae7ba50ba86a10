#include "analysis/material_scan.h"

#include <string>
#include <string_view>

#include "analysis/extra_materials.h"
#include "analysis/material_input.h"
#include "analysis/material_values.h"
#include "analysis/special_materials_lines.h"
#include "analysis/texture_names.h"
#include "format/bitmap_name.h"
#include "format/keywords.h"

namespace meshmill {

namespace {

constexpr std::string_view material_closing = "\t}";
constexpr std::string_view numsubmtls_line = "\t\t*NUMSUBMTLS ";
constexpr std::string_view submaterial_line = "\t\t*SUBMATERIAL ";
constexpr std::size_t diffuse_keyword_length = 17;  // "*MATERIAL_DIFFUSE"

// The keyword texts of a slot at its depth: 2 for a top-level material, 3 for
// a sub-material, whose maps lie one TAB deeper.
struct SlotKeywords {
  explicit SlotKeywords(int depth)
      : name(at_depth(depth, "*MATERIAL_NAME ")),
        kind(at_depth(depth, "*MATERIAL_CLASS ")),
        ambient(at_depth(depth, "*MATERIAL_AMBIENT")),
        transparency(at_depth(depth, "*MATERIAL_TRANSPARENCY")),
        map_name(at_depth(depth + 1, "*MAP_NAME ")),
        bitmap(at_depth(depth + 1, "*BITMAP ")),
        closing(at_depth(depth - 1, "}")),
        diffuse_end(static_cast<std::size_t>(depth) + diffuse_keyword_length) {}
  std::string name, kind, ambient, transparency, map_name, bitmap, closing;
  std::size_t diffuse_end;
};

// The slot being read, and what its colour lines said.
struct Slot {
  std::size_t m = 0;
  std::size_t s = 0;
  TextureSlot level = TextureSlot::material;
  std::string name;  // the material's own name
  bool has_colour = false;
  bool has_transparency = false;
};

// The line on which reading a slot's lines ended.
enum class LineEnd { map_name, bitmap, closing, stopped };

PassOutcome outcome_of(LineEnd end) {
  return end == LineEnd::stopped ? PassOutcome::stopped : PassOutcome::completed;
}

class MaterialScan {
 public:
  MaterialScan(Session& session, const RunSettings& settings, MaterialInput& input)
      : session_(session),
        settings_(settings),
        scene_(session.scene),
        input_(input),
        extra_(scene_.extra_mats) {}

  PassOutcome run(std::int64_t prescan_count) {
    scene_.project_mapped = 0;
    scene_.nr_mapped_objs = 0;
    scene_.short_names_typed = false;
    // The current line is tested before reading on: the last material may
    // end on the first object, and a scene of one object has no other. Past
    // the material list the end of the file only ends the scan.
    bool more = input_.next_outside();
    while (more && !input_.at_first_object()) {
      if (begins_with_upper(input_.line(), "*MATERIAL_LIST {")) {
        if (read_list(prescan_count) == PassOutcome::stopped) return PassOutcome::stopped;
        if (scene_.project_mapped == 0) break;
        continue;
      }
      more = input_.next_outside();
    }
    return input_.failed() ? PassOutcome::stopped : PassOutcome::completed;
  }

 private:
  PassOutcome read_list(std::int64_t prescan_count) {
    if (!input_.next_inside()) return PassOutcome::stopped;
    auto count = material_count(input_.line());
    if (!count || *count != prescan_count) return refuse_scene(session_, invalid_ase_text);
    scene_.nr_mapped_objs = *count;
    if (*count == 0) return PassOutcome::completed;
    scene_.project_mapped = 1;
    auto rows = static_cast<std::size_t>(*count) + 1;
    auto columns = static_cast<std::size_t>(scene_.nr_max_mats2) + 1;
    scene_.mat_names.reset(rows, columns);
    scene_.mat_colors.reset(rows, columns);
    scene_.mat_opacity.reset(rows, columns);
    scene_.nr_submats.assign(rows, 0);

    // The first material's opening line and its name line.
    if (!input_.next_inside() || !input_.next_inside()) return PassOutcome::stopped;
    for (std::size_t m = 0; m < static_cast<std::size_t>(*count); ++m) {
      session_.events.yield();
      if (read_material(m) == PassOutcome::stopped) return PassOutcome::stopped;
      if (!input_.read_on()) return PassOutcome::stopped;
    }
    return PassOutcome::completed;
  }

  // One top-level material; its step starts on its name line.
  PassOutcome read_material(std::size_t m) {
    // A line outside the list here: the count promised more materials.
    if (!begins_with(input_.line(), "\t")) return refuse_scene(session_, invalid_ase_text);
    if (!begins_with(input_.line(), top_.name)) return PassOutcome::completed;
    Slot slot{m, 0, TextureSlot::material, std::string(quoted_text(input_.line()))};
    if (!input_.next_inside()) return PassOutcome::stopped;
    if (!begins_with(input_.line(), top_.kind)) return PassOutcome::completed;

    std::string_view kind = quoted_text(input_.line());
    PassOutcome body = PassOutcome::completed;
    if (equal_ignoring_case(kind, "standard")) {
      body = read_standard_material(slot);
    } else if (equal_ignoring_case(kind, "gta material")) {
      body = read_gta_slot(slot, top_);
    } else if (equal_ignoring_case(kind, "multi/sub-object")) {
      body = read_multi(m);
    }
    if (body == PassOutcome::stopped) return PassOutcome::stopped;
    // Whatever the class, the step ends on the next material's opening line.
    if (!find_from_current(material_closing)) return PassOutcome::stopped;
    return input_.read_on() ? PassOutcome::completed : PassOutcome::stopped;
  }

  // A top-level standard material: the texture is the bitmap path as it stands.
  PassOutcome read_standard_material(Slot& slot) {
    LineEnd end = read_colours(slot, top_, LineEnd::map_name);
    if (end == LineEnd::map_name) end = find_bitmap(slot, top_);
    if (end == LineEnd::bitmap) {
      std::string_view bitmap = quoted_text(input_.line());
      name_cell(slot) = slot.name + " , " + std::string(bitmap);
      note_texture(bitmap, bitmap);
    }
    return outcome_of(end);
  }

  // A GTA material, top-level or sub-material: the entry carries the map's
  // name, and its texture goes through the texture-name step.
  PassOutcome read_gta_slot(Slot& slot, const SlotKeywords& keywords) {
    LineEnd end = read_colours(slot, keywords, LineEnd::map_name);
    if (end != LineEnd::map_name) return outcome_of(end);
    std::string map_name(quoted_text(input_.line()));
    end = find_bitmap(slot, keywords);
    if (end != LineEnd::bitmap) return outcome_of(end);
    const std::string bitmap(quoted_text(input_.line()));
    // The texture steps make the .tif a long name's shortening looks for.
    if (settings_.prepare_textures) session_.textures->texture_found(session_, bitmap);
    auto texture = resolve_texture_name(session_, settings_, renamed_, bitmap, slot.level);
    if (!texture) return PassOutcome::stopped;
    name_cell(slot) = map_name + " , " + *texture;
    if (settings_.prepare_textures) session_.textures->texture_named(session_, bitmap, *texture);
    return PassOutcome::completed;
  }

  // A slot's texture whose name needs no settling, for the texture steps.
  void note_texture(std::string_view bitmap, std::string_view slot_texture) {
    if (!settings_.prepare_textures) return;
    session_.textures->texture_found(session_, bitmap);
    session_.textures->texture_named(session_, bitmap, slot_texture);
  }

  PassOutcome read_multi(std::size_t m) {
    do {
      if (!input_.next_inside()) return PassOutcome::stopped;
      if (begins_with(input_.line(), material_closing)) return PassOutcome::completed;
    } while (!begins_with(input_.line(), numsubmtls_line));
    auto count = submaterial_count(input_.line(), numsubmtls_line.size());
    if (!count) return refuse_scene(session_, invalid_ase_text);
    scene_.nr_submats[m] = *count - 1;
    if (*count == 0) return PassOutcome::completed;

    // The first sub-material's opening line and its name line.
    if (!input_.next_inside() || !input_.next_inside()) return PassOutcome::stopped;
    for (std::size_t s = 0; s < static_cast<std::size_t>(*count); ++s) {
      // The pre-scan sized the table by the counts it saw; a count elsewhere has no room.
      if (!scene_.mat_names.contains(static_cast<std::int64_t>(m), static_cast<std::int64_t>(s))) {
        return refuse_scene(session_, invalid_ase_text);
      }
      if (read_submaterial(m, s) == PassOutcome::stopped) return PassOutcome::stopped;
      if (s + 1 == static_cast<std::size_t>(*count)) break;
      // Each sub-material is followed by the next one's opening line.
      while (!begins_with(input_.line(), submaterial_line)) {
        if (begins_with(input_.line(), material_closing)) {
          return refuse_scene(session_, invalid_ase_text);
        }
        if (!input_.next_inside()) return PassOutcome::stopped;
      }
      if (!input_.next_inside()) return PassOutcome::stopped;
    }
    return PassOutcome::completed;
  }

  // One sub-material; its step starts on its name line and makes no reads
  // after its own lines.
  PassOutcome read_submaterial(std::size_t m, std::size_t s) {
    if (!begins_with(input_.line(), sub_.name)) return PassOutcome::completed;
    Slot slot{m, s, TextureSlot::submaterial, std::string(quoted_text(input_.line()))};
    if (!input_.next_inside()) return PassOutcome::stopped;
    if (!begins_with(input_.line(), sub_.kind)) return PassOutcome::completed;

    std::string_view kind = quoted_text(input_.line());
    if (equal_ignoring_case(kind, "gta material")) return read_gta_slot(slot, sub_);
    if (!equal_ignoring_case(kind, "standard")) {
      return find_from_current(sub_.closing, true) ? PassOutcome::completed : PassOutcome::stopped;
    }
    // A standard sub-material's bitmap is looked for without its map's name,
    // and its texture is the path's base name.
    LineEnd end = read_colours(slot, sub_, LineEnd::bitmap);
    if (end == LineEnd::bitmap) {
      std::string_view bitmap = quoted_text(input_.line());
      name_cell(slot) = slot.name + " , " + std::string(bitmap_base_name(bitmap));
      note_texture(bitmap, bitmap_base_name(bitmap));
    }
    return outcome_of(end);
  }

  // Reads the slot's colour lines up to `leave` (its map's name or its
  // bitmap) or its closing line, where the slot ends without texture.
  LineEnd read_colours(Slot& slot, const SlotKeywords& keywords, LineEnd leave) {
    const std::string& leave_at = leave == LineEnd::bitmap ? keywords.bitmap : keywords.map_name;
    for (;;) {
      if (!input_.next_inside()) return LineEnd::stopped;
      std::string_view line = input_.line();
      if (begins_with(line, keywords.ambient)) {
        if (!read_ambient(slot, keywords)) return LineEnd::stopped;
      } else if (begins_with(line, keywords.transparency)) {
        slot.has_transparency = !is_zero_transparency(line, keywords.transparency.size());
        if (slot.has_transparency) {
          scene_.mat_opacity.at(slot.m, slot.s) = std::string(blank_field(line, 1));
        }
      } else if (begins_with(line, leave_at)) {
        return leave;
      } else if (line == keywords.closing) {
        name_cell(slot) = extra_.name_entry(slot.has_colour, slot.has_transparency,
                                            scene_.mat_colors.at(slot.m, slot.s),
                                            scene_.mat_opacity.at(slot.m, slot.s));
        return LineEnd::closing;
      }
    }
  }

  // Reads on to the map's bitmap line. A map without one, like a map of
  // another kind, leaves the slot an empty material.
  LineEnd find_bitmap(const Slot& slot, const SlotKeywords& keywords) {
    for (;;) {
      if (!input_.next_inside()) return LineEnd::stopped;
      if (begins_with(input_.line(), keywords.bitmap)) return LineEnd::bitmap;
      if (input_.line() == keywords.closing) {
        name_cell(slot) = empty_material_entry;
        return LineEnd::closing;
      }
    }
  }

  // A coloured ambient line is kept, and compared with the diffuse line that
  // follows it: only the ambient colour reaches the material file.
  bool read_ambient(Slot& slot, const SlotKeywords& keywords) {
    if (is_white_ambient(input_.line(), keywords.ambient.size())) return true;
    slot.has_colour = true;
    std::string ambient(colour_text(input_.line(), keywords.ambient.size()));
    scene_.mat_colors.at(slot.m, slot.s) = ambient;
    if (!input_.next_inside()) return false;
    if (colour_text(input_.line(), keywords.diffuse_end) != ambient && scene_.special_mats) {
      scene_.special_mats->write_line(
          slot.level == TextureSlot::material
              ? material_colour_line(slot.name, static_cast<std::int64_t>(slot.m))
              : submaterial_colour_line(static_cast<std::int64_t>(slot.m),
                                        static_cast<std::int64_t>(slot.s)));
    }
    return true;
  }

  std::string& name_cell(const Slot& slot) { return scene_.mat_names.at(slot.m, slot.s); }

  // Tests the current line, then reads on, until a line begins with
  // `closing` (or, when `whole`, is exactly it).
  bool find_from_current(std::string_view closing, bool whole = false) {
    while (whole ? input_.line() != closing : !begins_with(input_.line(), closing)) {
      if (!input_.next_inside()) return false;
    }
    return true;
  }

  Session& session_;
  const RunSettings& settings_;
  SceneState& scene_;
  MaterialInput& input_;
  const SlotKeywords top_{2};
  const SlotKeywords sub_{3};
  ExtraMaterials extra_;
  RenamedTextures renamed_;
};

}  // namespace

PassOutcome scan_materials(Session& session, const RunSettings& settings,
                           std::int64_t prescan_count) {
  MaterialInput input(session);
  if (!input.open()) return PassOutcome::stopped;
  return MaterialScan(session, settings, input).run(prescan_count);
}

}  // namespace meshmill
