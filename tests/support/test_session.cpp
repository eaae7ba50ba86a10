#include "support/test_session.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "app/scene_commands.h"
#include "support/scene_builder.h"

namespace meshmill::testing {

CommandOutcome analyze(WindowSession& session, const std::string& path) {
  return analyze_scene(session, path);
}

std::string analyse_text(TestSession& t, const std::string& text, const std::string& name) {
  std::filesystem::create_directories(t.folder.file("TIFFRGB"));
  std::string path = t.folder.write(name, text);
  analyze(t.session, path);
  return path;
}

std::vector<std::string> log_lines(const TestSession& t) {
  return crlf_lines(t.folder.read("error_log.txt"));
}

void set_materials(SceneState& scene, const std::vector<MaterialSpec>& materials) {
  std::size_t columns = 1;
  for (const auto& m : materials) columns = std::max(columns, m.slots.size());
  std::size_t rows = materials.size() + 1;
  scene.nr_mapped_objs = static_cast<std::int64_t>(materials.size());
  scene.project_mapped = materials.empty() ? 0 : 1;
  scene.nr_max_mats2 = 0;
  scene.submat_count.assign(rows, 0);
  scene.nr_submats.assign(rows, 0);
  scene.mat_names.reset(rows, columns);
  scene.mat_colors.reset(rows, columns);
  scene.mat_opacity.reset(rows, columns);
  for (std::size_t m = 0; m < materials.size(); ++m) {
    const auto& material = materials[m];
    if (material.multi) {
      auto count = static_cast<std::int64_t>(material.slots.size());
      scene.submat_count[m] = count;
      scene.nr_submats[m] = count - 1;
      scene.nr_max_mats2 = std::max(scene.nr_max_mats2, count);
    }
    for (std::size_t s = 0; s < material.slots.size(); ++s) {
      scene.mat_names.at(m, s) = material.slots[s].entry;
      scene.mat_colors.at(m, s) = material.slots[s].colours;
      scene.mat_opacity.at(m, s) = material.slots[s].opacity;
    }
  }
}

std::string load_analysed_scene(TestSession& t, const std::string& ase, std::int64_t objects,
                                const std::string& file_name) {
  std::string path = t.folder.write(file_name, ase);
  SceneState& scene = t.session.scene;
  scene.fich = path;
  scene.file_type = "ase";
  scene.file_loaded = 1;
  scene.nr_line2 = 0;
  for (char c : ase) scene.nr_line2 += c == '\n';
  scene.nr_objects = objects;
  scene.scene_stats[1] = objects;
  scene.scene_stats[3] = objects > 255 ? objects / 255 + 1 : 1;
  t.folder.write("error_log.txt", "");
  scene.special_mats =
      t.fs.create(t.folder.file("special_materials.txt"), CreateMode::direct, nullptr);
  t.session.window.Text_loadfile.text = path;
  t.session.window.Check_all.value = 1;
  scene.fich_dest = t.folder.file("out.asc");
  scene.pix16_dest = t.folder.file("PIX16");
  t.fs.create_folder(scene.pix16_dest, nullptr);
  t.session.window.Text_savefile.text = scene.fich_dest;
  return path;
}

void expect_golden(const std::string& actual, const std::string& name) {
  const std::string path = std::string(MESHMILL_TEST_DATA) + "/" + name;
  if (std::getenv("MESHMILL_UPDATE_GOLDEN")) {
    write_file(path, actual);
  } else {
    EXPECT_EQ(actual, read_file(path)) << "differs from " << name;
  }
}

std::string copy_examples(const TempFolder& folder) {
  std::filesystem::copy(
      MESHMILL_EXAMPLES, folder.path(),
      std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
  return folder.file("sample_track.ase");
}

}  // namespace meshmill::testing
