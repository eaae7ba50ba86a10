#include "report/report_page.h"

#include <algorithm>

#include "platform/paths.h"
#include "platform/version.h"
#include "report/file_palette.h"
#include "report/html_text.h"
#include "report/map_views.h"
#include "report/page_assets.h"
#include "report/report_tables.h"

namespace meshmill {

namespace {

struct Statistic {
  int index;
  const char* caption;
};

// In the window's order, with its captions.
constexpr Statistic statistics[] = {
    {stat::total_objects, "Total objects found"},
    {stat::valid_objects, "Valid objects found"},
    {stat::asc_files, "Asc split files required to import in Pt2"},
    {stat::faces, "Total faces in 3d scene"},
    {stat::vertices, "Total vertices in 3d scene"},
};

// A caption as read, without the window's keyboard mark ("Prepare &textures").
std::string without_mnemonic(std::string_view caption) {
  std::string text(caption);
  text.erase(std::remove(text.begin(), text.end(), '&'), text.end());
  return text;
}

void append_head(std::string& out, const Session& session) {
  out +=
      "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\"/>"
      "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; "
      "style-src 'unsafe-inline'; script-src 'unsafe-inline'; img-src data:\"/>"
      "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\"/><title>";
  append_html(out, base_name(session.scene.fich));
  out += " &#8212; Meshmill scene report</title><style>";
  out += report_style;
  out += "</style></head>";
}

void append_header(std::string& out, const Session& session, std::string_view date) {
  const SceneState& scene = session.scene;
  out += "<header><h1>";
  append_html(out, file_name(scene.fich));
  out += "</h1><div class=\"meta\"><span>";
  append_html(out, scene.fich);
  out += "</span><span>";
  out += scene.file_type == "asc" ? "3D Studio ASCII mesh (.asc)" : "ASCII scene export (.ase)";
  out += "</span><span>";
  append_html(out, date);
  out += "</span><span>Meshmill ";
  append_html(out, version);
  out += "</span></div></header>";
}

void append_summary(std::string& out, const Session& session, const RunSettings& settings) {
  const SceneState& scene = session.scene;
  out += "<section id=\"summary\"><h2>";
  out += scene.records.processed ? "Conversion" : "Analysis";
  out += "</h2><div class=\"stats\">";
  for (const Statistic& statistic : statistics) {
    out += "<div class=\"stat\"><b>";
    append_count(out, scene.scene_stats[statistic.index]);
    out += "</b><span>";
    out += statistic.caption;
    out += "</span></div>";
  }
  out += "</div><h3>Settings</h3><ul class=\"settings\">";
  for (const SettingEntry& entry : listed_settings) {
    const bool on = settings.*entry.field;
    const bool implied = entry.implied_by_all && settings.use_all_required;
    out += on || implied ? "<li>&#9745; " : "<li>&#9744; ";
    append_html(out, without_mnemonic(entry.caption));
    if (implied && !on) out += " <small>(by the first setting)</small>";
    out += "</li>";
  }
  out += "<li>Include only following objects : ";
  if (settings.only_objects.empty()) {
    out += "<small>(all)</small>";
  } else {
    append_html(out, settings.only_objects);
  }
  out += "</li></ul>";
  if (scene.records.processed) {
    // A long list stays folded, a click away (without script too).
    const std::size_t count = scene.processed_files.size();
    out += count > 12 ? "<details><summary><h3>" : "<h3>";
    out += "Files written <small>(";
    append_count(out, static_cast<std::int64_t>(count));
    out += ")</small></h3>";
    out += count > 12 ? "</summary><ul class=\"files\">" : "<ul class=\"files\">";
    for (const std::string& path : scene.processed_files) {
      out += "<li>";
      append_html(out, path);
      out += "</li>";
    }
    out += count > 12 ? "</ul></details>" : "</ul>";
  }
  out += "</section>";
}

}  // namespace

std::string render_report(const Session& session, const RunSettings& settings,
                          std::string_view date) {
  const SceneState& scene = session.scene;
  const SceneRecords& records = scene.records;
  const bool asc = scene.file_type == "asc";
  const FilePalette palette(records);

  std::string out;
  // About what the page holds per object, so the text grows only a few times.
  out.reserve(16384 + records.objects.size() * 1200);
  append_head(out, session);
  out += "<body>";
  append_header(out, session, date);
  out += "<main>";
  append_summary(out, session, settings);
  append_map(out, records, palette, asc ? widest_view(records) : MapView::top);
  append_objects_table(out, records, palette);
  if (!asc) append_materials_table(out, session);
  append_messages(out, records);
  out += "</main><script>";
  out += report_script;
  out += "</script></body></html>\n";
  return out;
}

}  // namespace meshmill
