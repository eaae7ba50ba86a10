// The scene report: the records behind it, the page, the command line.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <optional>
#include <set>

#include "app/clear_statistics.h"
#include "app/report_command.h"
#include "app/scene_commands.h"
#include "app/window_settings.h"
#include "platform/code_page.h"
#include "report/report_page.h"
#include "support/cli_run.h"
#include "support/scene_builder.h"
#include "support/test_session.h"

namespace meshmill::testing {
namespace {

struct Expected {
  const char* name;
  const char* status;
  const char* file;  // "" for none
  bool reason;
};

void expect_records(const SceneRecords& records, const std::vector<Expected>& expected) {
  ASSERT_EQ(records.objects.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const ObjectRecord& object = records.objects[i];
    SCOPED_TRACE(expected[i].name);
    EXPECT_EQ(object.name, expected[i].name);
    EXPECT_STREQ(object.status(), expected[i].status);
    EXPECT_EQ(object.file, expected[i].file);
    EXPECT_EQ(!object.reason.empty(), expected[i].reason) << object.reason;
  }
}

AseObject wedge() {
  AseObject mesh = triangle("A", std::nullopt);
  mesh.vertices = {{"0.0", "0.0", "0.0"}, {"10.0", "0.0", "0.0"}, {"10.0", "5.0", "2.0"}};
  return mesh;
}

TEST(SceneReport, AseRecordsFollowTheAnalysisThenTheProcessing) {
  TestSession t;
  t.session.record_objects = true;
  AseObject empty = triangle("Empty");
  empty.faces.clear();  // the analysis skips it
  AseObject broken = triangle("Broken");
  broken.faces[0].a = 9;  // only the processing finds the fault
  std::string text = ase_scene({wedge(), empty, broken, triangle("Other")});
  analyse_text(t, text);
  const SceneRecords& records = t.session.scene.records;
  expect_records(records, {{"A", "valid", "scene.asc", false},
                           {"Empty", "skipped", "", true},
                           {"Broken", "valid", "scene.asc", false},
                           {"Other", "valid", "scene.asc", false}});
  const ObjectRecord& a = records.objects[0];
  EXPECT_EQ(a.line, line_of(text, "*GEOMOBJECT"));
  EXPECT_EQ(records.objects[1].reason.rfind("Error in line ", 0), 0u);
  EXPECT_EQ(a.faces, 1);
  EXPECT_EQ(a.vertices, 3);
  EXPECT_EQ(a.bbox, (std::array<double, 6>{0, 0, 0, 10, 5, 2}));
  EXPECT_EQ(a.outlines[0].size(), 3u);  // top: the triangle itself
  EXPECT_EQ(a.outlines[2].size(), 2u);  // side: Y against Z, two points make a line
  EXPECT_EQ(a.triangles.size(), 9u);
  EXPECT_TRUE(t.session.window.Open_report.enabled);

  t.session.window.Check3.value = 1;
  t.session.window.Text3.text = "A,Broken,Empty";
  start_process(t.session);
  expect_records(records, {{"A", "written", "scene.asc", false},
                           {"Empty", "skipped", "", true},
                           {"Broken", "left-out", "", true},
                           {"Other", "filtered", "", true}});

  open_scene_report(t.session);
  std::string path = t.folder.file("scene_report.html");
  EXPECT_EQ(t.prompt.opened_documents, std::vector<std::string>{path});
  std::string page = t.folder.read("scene_report.html");
  for (const char* part : {"data-object=\"Other\" data-status=\"filtered\"",
                           "data-object=\"A\" data-status=\"written\" data-file=\"scene.asc\"",
                           "id=\"materials\"", "id=\"messages\""}) {
    EXPECT_NE(page.find(part), std::string::npos) << part;
  }

  t.prompt.answers = {answer::yes};
  clear_statistics(t.session);
  EXPECT_FALSE(t.session.window.Open_report.enabled);
  EXPECT_TRUE(records.objects.empty());
}

TEST(SceneReport, AscRecordsAndTheWidestView) {
  TestSession t;
  t.session.record_objects = true;
  AscBlock dummy{"Dummy", 0, 0};
  analyse_text(t, asc_scene({{"A", 4, 2}, dummy, {"B", 3, 1}}), "level.asc");
  const SceneRecords& records = t.session.scene.records;
  expect_records(records, {{"A", "valid", "level.asc", false},
                           {"Dummy", "skipped", "", true},
                           {"B", "valid", "level.asc", false}});
  // X from k.5, Y -2.25 and Z 0 on every vertex line of the builder.
  EXPECT_EQ(records.objects[0].bbox, (std::array<double, 6>{0.5, -2.25, 0, 3.5, -2.25, 0}));
  std::string page = render_report(t.session, settings_from_window(t.session.window), "today");
  // Flat along X only: no plane is wider, and the top view comes first.
  EXPECT_NE(page.find("id=\"view-top\" checked"), std::string::npos);
  EXPECT_EQ(page.find("id=\"materials\""), std::string::npos);
}

TEST(SceneReport, AscWrittenBy3DStudioIsDrawnWhereItIs) {
  // 3D Studio writes a blank after each colon of a vertex line ("X: -2500").
  TestSession t;
  t.session.record_objects = true;
  analyse_text(t, read_file(std::string(MESHMILL_TEST_DATA) + "/asc_input/studio_style.asc"),
               "studio.asc");
  const SceneRecords& records = t.session.scene.records;
  expect_records(records, {{"Ground", "valid", "studio.asc", false},
                           {"Sign", "valid", "studio.asc", false}});  // mapped
  // The records keep coordinates as floats.
  const auto low_y = static_cast<double>(-2598.3f), high_z = static_cast<double>(16.2f);
  EXPECT_EQ(records.objects[0].bbox,
            (std::array<double, 6>{-2500, low_y, -4, 2500, 1200.5, high_z}));
  EXPECT_EQ(records.objects[0].outlines[0].size(), 4u);  // top: the whole quad
  EXPECT_EQ(records.objects[1].bbox, (std::array<double, 6>{10, 20, 0, 12.5, 20, 3}));
}

TEST(SceneReport, ExpectedFilesSplitTheValidObjects) {
  SceneRecords records;
  records.objects.resize(300);
  records.objects[10].skipped = true;
  assign_expected_files(records, "/x/level.asc", 2, true);
  EXPECT_EQ(records.objects[0].file, "level_01.asc");
  EXPECT_EQ(records.objects[10].file, "");
  EXPECT_EQ(records.objects[255].file, "level_01.asc");  // the 255th valid one
  EXPECT_EQ(records.objects[256].file, "level_02.asc");
  assign_expected_files(records, "/x/level.asc", 2, false);
  EXPECT_EQ(records.objects[299].file, "level.asc");
}

// Tags open and close in order, outside the raw text of <style> and <script>.
bool well_formed(const std::string& page) {
  static const std::vector<std::string> empty_elements = {"meta", "input", "br", "!DOCTYPE"};
  std::vector<std::string> open;
  for (std::size_t at = page.find('<'); at != std::string::npos; at = page.find('<', at + 1)) {
    std::size_t end = page.find('>', at);
    if (end == std::string::npos) return false;
    std::string tag = page.substr(at + 1, end - at - 1);
    bool closing = tag.starts_with("/");
    std::string name =
        tag.substr(closing ? 1 : 0, tag.find_first_of(" />", closing ? 1 : 0) - (closing ? 1 : 0));
    if (closing) {
      if (open.empty() || open.back() != name) return false;
      open.pop_back();
    } else if (!tag.ends_with("/") && std::find(empty_elements.begin(), empty_elements.end(),
                                                name) == empty_elements.end()) {
      open.push_back(name);
      if (name == "style" || name == "script") end = page.find("</" + name, end) - 1;
    }
    at = end;
  }
  return open.empty();
}

std::string decode_entities(std::string_view value) {
  static const std::pair<std::string_view, char> entities[] = {
      {"&quot;", '"'}, {"&#39;", '\''}, {"&lt;", '<'}, {"&gt;", '>'}, {"&amp;", '&'}};
  std::string text;
  while (!value.empty()) {
    bool decoded = false;
    for (const auto& [entity, c] : entities) {
      if (value.starts_with(entity)) {
        text += c;
        value.remove_prefix(entity.size());
        decoded = true;
        break;
      }
    }
    if (!decoded) {
      text += value.front();
      value.remove_prefix(1);
    }
  }
  return text;
}

// Every attribute of the page's tags as name and decoded value, outside the
// raw text of <style> and <script>; nothing when a tag does not read as
// name="value" pairs, as when a value lets a quote or an angle bracket through.
std::optional<std::vector<std::pair<std::string, std::string>>> attributes(
    const std::string& page) {
  std::vector<std::pair<std::string, std::string>> found;
  auto name_end = [&](std::size_t i) {
    auto is_name = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '-'; };
    while (i < page.size() && is_name(page[i])) ++i;
    return i;
  };
  for (std::size_t at = page.find('<'); at != std::string::npos; at = page.find('<', at)) {
    std::size_t i = at + 1;
    if (i < page.size() && (page[i] == '/' || page[i] == '!')) {
      at = i;
      continue;
    }
    std::size_t end = name_end(i);
    std::string tag = page.substr(i, end - i);
    for (i = end;;) {
      while (i < page.size() && page[i] == ' ') ++i;
      if (page.compare(i, 1, ">") == 0 || page.compare(i, 2, "/>") == 0) break;
      end = name_end(i);
      std::size_t close = page.find('"', end + 2);
      if (end == i || page.compare(end, 2, "=\"") != 0 || close == std::string::npos) {
        return std::nullopt;
      }
      std::string raw = page.substr(end + 2, close - end - 2);
      if (raw.find_first_of("<>") != std::string::npos) return std::nullopt;
      found.emplace_back(page.substr(i, end - i), decode_entities(raw));
      i = close + 1;
    }
    at = tag == "style" || tag == "script" ? page.find("</" + tag, i) : i;
  }
  return found;
}

TEST(SceneReport, PageIsSelfContainedAndEscapesHostileNames) {
  TestSession t;
  SceneState& scene = t.session.scene;
  scene.fich = "/x/track\">.ase";
  scene.file_type = "ase";
  const char* hostile[] = {"</script><script>alert(1)</script>", "\"><img src=x onerror=alert(1)>",
                           "caf\xE9 <b>&amp;", "it's \"a\" <x> & y"};
  for (const char* name : hostile) {
    ObjectRecord object;
    object.name = name;
    object.file = cp1252_to_utf8(name);
    object.reason = name;
    object.has_bbox = true;
    object.bbox = {0, 0, 0, 1, 1, 1};
    object.outlines[0] = {{0, 0}, {1, 0}, {1, 1}};
    scene.records.objects.push_back(object);
    scene.records.messages.push_back({name, 16, name});
  }
  set_materials(scene, {{false, {{std::string(hostile[3]) + " , " + hostile[0], "", ""}}}});
  scene.records.processed = true;
  scene.processed_files = {"/x/tar\"get's <dir>/" + cp1252_to_utf8(hostile[3])};
  std::string page = render_report(t.session, settings_from_window(t.session.window), "<now>");
  EXPECT_TRUE(well_formed(page));
  // Names and files in attributes come back whole: no quote ends a value early.
  auto found = attributes(page);
  ASSERT_TRUE(found.has_value()) << "a tag whose attributes are not name=\"value\" pairs";
  static const std::set<std::string> known = {
      "lang",    "charset",     "http-equiv",  "content",   "name",       "id",    "class",
      "type",    "for",         "checked",     "role",      "aria-label", "style", "d",
      "viewBox", "cx",          "cy",          "r",         "x",          "y",     "text-anchor",
      "data-i",  "data-object", "data-status", "data-file", "data-length"};
  std::multiset<std::string> objects, files;
  for (const auto& [name, value] : *found) {
    EXPECT_TRUE(known.contains(name)) << name << "=\"" << value << '"';
    if (name == "data-object") objects.insert(value);
    if (name == "data-file") files.insert(value);
  }
  for (const char* name : hostile) {
    EXPECT_EQ(objects.count(cp1252_to_utf8(name)), map_view_count) << name;
    EXPECT_EQ(files.count(cp1252_to_utf8(name)), map_view_count) << name;
  }
  EXPECT_NE(page.find("<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none';"),
            std::string::npos);
  for (const char* outside : {"http:", "https:", "<img", "<link", "<iframe", " src=\"", "url("}) {
    EXPECT_EQ(page.find(outside), std::string::npos) << outside;
  }
  EXPECT_EQ(page.find("<script"), page.rfind("<script"));                     // the page's own only
  EXPECT_NE(page.find("caf\xC3\xA9 &lt;b&gt;&amp;amp;"), std::string::npos);  // UTF-8, escaped
}

TEST(SceneReport, CommandLineWritesThePageAndTheObjects) {
  TempFolder folder;
  std::filesystem::create_directories(folder.file("TIFFRGB"));
  std::string text = ase_scene({wedge()});
  std::string scene = folder.write("scene.ase", text);
  std::string page = folder.file("map.html");
  CliRun run = run_cli("analyze \"" + scene + "\" --json --report \"" + page + "\"");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("\"objects\":[{\"name\":\"A\",\"line\":" +
                         std::to_string(line_of(text, "*GEOMOBJECT")) +
                         ",\"status\":\"valid\",\"reason\":null,\"file\":\"scene.asc\",\"faces\":1,"
                         "\"vertices\":3,\"bbox\":[0,0,0,10,5,2]}]"),
            std::string::npos)
      << run.out;
  EXPECT_NE(folder.read("map.html").find("data-object=\"A\""), std::string::npos);

  CliRun plain = run_cli("analyze \"" + scene + "\" --report");
  EXPECT_EQ(plain.status, 2);
}

}  // namespace
}  // namespace meshmill::testing
