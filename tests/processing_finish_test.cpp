// Preconditions, the target, the end of a run and failing files.
#include <gtest/gtest.h>

#include "platform/paths.h"
#include "processing/processing_driver.h"
#include "processing_support.h"

namespace meshmill::testing {
namespace {

const std::vector<MaterialSpec> one_material = {{false, {{"A , a", "", ""}}}};

TEST(ProcessingFinish, RefusesWithoutSceneOrTarget) {
  TestSession t;
  start_process(t.session);
  EXPECT_EQ(t.prompt.messages,
            (std::vector<ScriptedPrompt::Message>{
                {"You HAVE to first import a 3d scene to process!", 16, "Error"}}));

  TestSession u;
  load_analysed_scene(u, mesh_scene({triangle("T")}), 1);
  u.session.window.Text_savefile.text.clear();
  start_process(u.session);
  EXPECT_EQ(u.prompt.messages,
            (std::vector<ScriptedPrompt::Message>{
                {"You HAVE to choose a target filename before processing this 3d scene !", 16,
                 "Error"}}));
  EXPECT_FALSE(u.folder.exists("testfile.txt"));
  EXPECT_FALSE(u.folder.exists("out.asc"));
}

TEST(ProcessingFinish, TheTargetFromTheInputNameAsksBeforeOverwriting) {
  TestSession t;
  load_analysed_scene(t, mesh_scene({triangle("T")}), 1);
  t.fs->remove_folder(t.folder.file("PIX16"));
  t.session.window.Text_savefile.text.clear();
  t.session.window.Check3.value = 1;
  t.session.window.Target_filename.visible = false;
  t.folder.write("scene.asc", "previous");
  start_process(t.session);
  EXPECT_EQ(t.prompt.messages,
            (std::vector<ScriptedPrompt::Message>{
                {"There is already a .asc file with the same name of the final project "
                 "indicated. Do you want to overwrite it?",
                 4, "Warning"},
                {"Then you must choose another target filename or path (the 3d scene is still "
                 "ready to process, just choose another name)",
                 64, "Warning"}}));
  EXPECT_EQ(t.session.window.Check3.value, 0);
  EXPECT_TRUE(t.session.window.Target_filename.visible);
  EXPECT_EQ(t.folder.read("scene.asc"), "previous");
  EXPECT_EQ(t.session.scene.fich_dest, t.folder.file("scene.asc"));
  EXPECT_TRUE(t.folder.exists("PIX16"));  // created, and left there

  t.prompt.messages.clear();
  t.session.window.Check3.value = 1;
  t.prompt.answers = {answer::yes, answer::no};
  start_process(t.session);
  EXPECT_EQ(t.folder.read("scene.asc").substr(0, 21), "Named object: \"T\"\r\nTr");
  EXPECT_EQ(t.prompt.titles(), (std::vector<std::string>{"Warning", "Finished"}));
  EXPECT_FALSE(t.folder.exists("PIX16"));  // empty: removed by the finish
}

TEST(ProcessingFinish, ExpressModeEndsTheProgramUnlessAWarningWasShown) {
  TestSession t;
  load_analysed_scene(t, mesh_scene({triangle("T", 0)}), 1);
  set_materials(t.session.scene, one_material);
  t.session.window.Text_savefile.text.clear();
  t.session.scene.express = 1;
  start_process(t.session);
  EXPECT_TRUE(t.folder.exists("scene.asc"));
  EXPECT_TRUE(t.folder.exists("scene.mat"));
  EXPECT_EQ(t.prompt.messages,
            (std::vector<ScriptedPrompt::Message>{
                {"Finished exporting of the imported 3d scene file ! DON'T forget to optimize the "
                 "object in plaything2 !!",
                 64, "Finished"}}));
  EXPECT_TRUE(t.session.quit_requested);

  // No material file asked for: both warnings, and the program asks instead of closing.
  TestSession w;
  load_analysed_scene(w, mesh_scene({triangle("T", 0)}), 1);
  set_materials(w.session.scene, one_material);
  w.session.scene.express = 1;
  w.session.window.Check_all.value = 0;
  w.folder.write("scene.mat", "stale");
  w.prompt.answers = {answer::ok, answer::yes, answer::no};
  start_process(w.session);
  ASSERT_EQ(w.prompt.messages.size(), 3u);
  EXPECT_EQ(w.prompt.messages[0],
            (ScriptedPrompt::Message{
                "You choosed to NOT create a .mat file for this 3dscene, but this 3d scene DOES "
                "use materials and you didn't choosed to remote materials mapping information. "
                "This means if you try to load this .asc into Pt2 it will ask for the .mat file.",
                64, "Warning"}));
  EXPECT_EQ(w.prompt.messages[1],
            (ScriptedPrompt::Message{
                "You choosed to NOT create a .mat file for this 3dscene, but this 3d scene DOES "
                "use materials and you didn't choosed to remote materials mapping information. "
                "Altough there is a .mat file with the same filename of the target scene file, "
                "make sure you know what are you doing, and that .mat file corresponds to this 3d "
                "scene. Anyways, you want the program to delete it to avoid confusion ?",
                68, "Warning"}));
  EXPECT_EQ(w.prompt.messages[2].style, 4);
  EXPECT_FALSE(w.folder.exists("scene.mat"));
  EXPECT_FALSE(w.session.quit_requested);
}

TEST(ProcessingFinish, SideFilesAreTidied) {
  TestSession t;
  load_analysed_scene(t, mesh_scene({triangle("T")}), 1);
  t.folder.write("error_log.txt", "Error in line 3 (object 'X') : ...\r\n");
  t.prompt.answers = {answer::yes};
  start_process(t.session);
  EXPECT_TRUE(t.folder.exists("error_log.txt"));
  EXPECT_FALSE(t.folder.exists("testfile.txt"));
  EXPECT_FALSE(t.folder.exists("PIX16"));
  EXPECT_FALSE(t.session.scene.logerrors);
  EXPECT_FALSE(t.session.window.Open_error_log.enabled);
  EXPECT_TRUE(t.session.quit_requested);  // Yes to "close the program?"
  // No material list: no material file and no warning about it.
  EXPECT_FALSE(t.folder.exists("out.mat"));
  EXPECT_EQ(t.prompt.titles(), (std::vector<std::string>{"Finished"}));
}

// Fails every write to files whose name ends with `suffix`, as a full disk does.
class FullDisk : public FileSystem {
 public:
  explicit FullDisk(std::string suffix) : suffix_(std::move(suffix)) {}
  bool file_exists(const std::string& p) override { return real_->file_exists(p); }
  bool folder_exists(const std::string& p) override { return real_->folder_exists(p); }
  std::optional<std::int64_t> file_size(const std::string& p) override {
    return real_->file_size(p);
  }
  std::unique_ptr<InputStream> open_read(const std::string& p, std::string* why) override {
    return real_->open_read(p, why);
  }
  std::unique_ptr<OutputFile> create(const std::string& p, CreateMode mode,
                                     std::string* why) override {
    auto file = real_->create(p, mode, why);
    if (!file || !p.ends_with(suffix_)) return file;
    return std::make_unique<Full>(std::move(file));
  }
  bool remove_file(const std::string& p, std::string* why) override {
    return real_->remove_file(p, why);
  }
  bool copy_file(const std::string& a, const std::string& b, std::string* why) override {
    return real_->copy_file(a, b, why);
  }
  bool rename_file(const std::string& a, const std::string& b, std::string* why) override {
    return real_->rename_file(a, b, why);
  }
  bool create_folder(const std::string& p, std::string* why) override {
    return real_->create_folder(p, why);
  }
  bool remove_folder(const std::string& p) override { return real_->remove_folder(p); }
  std::optional<std::string> find_entry_ignoring_case(const std::string& f,
                                                      const std::string& n) override {
    return real_->find_entry_ignoring_case(f, n);
  }

 private:
  // Keeps the real file unclosed, so it is discarded like a failed write.
  class Full : public OutputFile {
   public:
    explicit Full(std::unique_ptr<OutputFile> real) : real_(std::move(real)) {}
    void write(std::string_view) override {}
    bool close() override { return false; }
    bool failed() const override { return true; }
    const std::string& error() const override { return error_; }

   private:
    std::unique_ptr<OutputFile> real_;
    std::string error_ = "No space left on device";
  };
  std::unique_ptr<FileSystem> real_ = make_native_file_system();
  std::string suffix_;
};

TEST(ProcessingFinish, AFailingFileStopsTheRunAndLeavesThePreviousFile) {
  for (std::string failing : {"out.asc", "out.mat", ").pix"}) {
    SCOPED_TRACE(failing);
    TempFolder folder;
    ScriptedPrompt prompt;
    FullDisk disk(failing);
    NullEventPump pump;
    Session session(prompt, disk, pump);
    std::string scene_path = folder.write("scene.ase", mesh_scene({triangle("T", 0)}));
    session.scene.fich = scene_path;
    session.scene.file_type = "ase";
    session.scene.file_loaded = 1;
    session.scene.nr_line2 = 40;
    session.scene.scene_stats[3] = 1;
    session.scene.fich_dest = folder.file("out.asc");
    session.scene.pix16_dest = folder.file("PIX16");
    session.window.Text_loadfile.text = scene_path;
    session.window.Text_savefile.text = session.scene.fich_dest;
    set_materials(session.scene, {{false, {{"(Extra material_1) , (Extra_mat_1)", "", "0.5"}}}});
    folder.write("out.asc", "previous asc");
    folder.write("out.mat", "previous mat");
    session.window.Check4.value = 1;

    start_process(session);

    std::string path = failing == ").pix" ? join_path(folder.file("PIX16"), "(Extra_mat_1).pix")
                                          : folder.file(failing);
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0],
              (ScriptedPrompt::Message{"The file " + path +
                                           " could not be written (No space left on device). "
                                           "The processing was stopped.",
                                       16, "Error"}));
    EXPECT_EQ(folder.read("out.mat"), "previous mat");
    if (failing == "out.asc") {
      EXPECT_EQ(folder.read("out.asc"), "previous asc");
    }
    EXPECT_FALSE(folder.exists("testfile.txt"));
    EXPECT_FALSE(std::filesystem::exists(path + ".meshmill-part"));
    EXPECT_EQ(session.window.pointer, MousePointer::normal);
    EXPECT_FALSE(session.window.Process_bar.visible);
    EXPECT_FALSE(session.scene.logerrors);
    EXPECT_FALSE(session.quit_requested);
  }
}

TEST(ProcessingFinish, AMissingTargetFolderIsReported) {
  TestSession t;
  load_analysed_scene(t, mesh_scene({triangle("T")}), 1);
  t.session.scene.fich_dest = t.folder.file("missing") + "/out.asc";
  start_process(t.session);
  ASSERT_EQ(t.prompt.messages.size(), 1u);
  EXPECT_EQ(t.prompt.messages[0].text,
            "The file " + t.session.scene.fich_dest +
                " could not be written (No such file or directory). The processing was stopped.");
  EXPECT_FALSE(t.folder.exists("testfile.txt"));
  EXPECT_FALSE(t.session.window.Label_analize.visible);
}

}  // namespace
}  // namespace meshmill::testing
