#include <gtest/gtest.h>

#include "app/error_log_command.h"
#include "app/start_up.h"
#include "app/target_choice.h"
#include "platform/paths.h"
#include "support/test_session.h"

namespace meshmill {
namespace {

constexpr const char* overwrite_refusal =
    "You can't overwrite the original 3d scene file from where this program will read the "
    "information! You HAVE to choose another name or another path!";

struct TargetSession : testing::TestSession {
  TargetSession() {
    session.scene.fich = folder.write("Scene.ase", "*3DSMAX_ASCIIEXPORT\t200\n");
    session.window.Text_loadfile.text = session.scene.fich;
  }
  void expect_target(const std::string& path, const std::string& pix16) {
    EXPECT_EQ(session.scene.fich_dest, path);
    EXPECT_EQ(session.window.Text_savefile.text, path);
    EXPECT_EQ(session.scene.pix16_dest, pix16);
  }
};

TEST(TargetChoice, AsksWithTheSaveDialogAndPreparesPix16) {
  TargetSession t;
  std::string out = join_path(t.folder.path(), "out");
  std::filesystem::create_directory(out);
  std::string target = join_path(out, "level.asc");
  std::string pix16 = join_path(out, "PIX16");
  t.prompt.save_answers = {target, target};
  choose_target(t.session);

  ASSERT_EQ(t.prompt.save_requests.size(), 1u);
  const FileDialog& dialog = t.prompt.save_requests[0];
  EXPECT_EQ(dialog.title,
            "Please indicate location and filename of final processed asc file(s)...");
  EXPECT_EQ(dialog.filter, "3D studio ASCII Mesh file (*.asc)|*.asc");
  EXPECT_EQ(dialog.start_folder, t.folder.path());
  EXPECT_TRUE(dialog.overwrite_prompt);
  EXPECT_TRUE(t.prompt.messages.empty());
  t.expect_target(target, pix16);
  EXPECT_TRUE(std::filesystem::is_directory(pix16));

  // Choosing it again finds the folder there and is no failure.
  choose_target(t.session);
  t.expect_target(target, pix16);
  EXPECT_TRUE(t.prompt.messages.empty());
}

TEST(TargetChoice, RefusalsKeepThePreviousTarget) {
  TargetSession t;
  std::string target = t.folder.file("level.asc");
  std::string pix16 = t.folder.file("PIX16");
  t.prompt.save_answers = {target};
  choose_target(t.session);
  t.expect_target(target, pix16);

  // Cancelled: nothing said, nothing changed.
  choose_target(t.session);
  EXPECT_TRUE(t.prompt.messages.empty());

  // No file name.
  t.prompt.save_answers = {std::string(), t.folder.path() + "/"};
  choose_target(t.session);
  choose_target(t.session);
  using Message = testing::ScriptedPrompt::Message;
  Message no_name{"No filename choosed or entered, cancelling operation.", 16, "Warning"};
  EXPECT_EQ(t.prompt.messages, (std::vector<Message>{no_name, no_name}));

  // The input itself, typed in other letter cases.
  t.prompt.messages.clear();
  t.prompt.save_answers = {t.folder.file("SCENE.ASE"), t.folder.file("scene.ase")};
  choose_target(t.session);
  choose_target(t.session);
  Message refusal{overwrite_refusal, 16, "Error"};
  EXPECT_EQ(t.prompt.messages, (std::vector<Message>{refusal, refusal}));
  t.expect_target(target, pix16);
}

TEST(ErrorLogCommand, OpensTheLogBesideTheLoadedInput) {
  TargetSession t;
  open_error_log(t.session);
  EXPECT_EQ(t.prompt.opened_documents, (std::vector<std::string>{t.folder.file("error_log.txt")}));
  EXPECT_TRUE(t.prompt.messages.empty());
}

TEST(StartUp, JoinsTheArgumentsIntoOneCommandLine) {
  EXPECT_EQ(join_command_line({}), "");
  EXPECT_EQ(join_command_line({"/a/track.ase"}), "/a/track.ase");
  EXPECT_EQ(join_command_line({"/my", "tracks/big", "track.ase"}), "/my tracks/big track.ase");
  EXPECT_EQ(join_command_line({"\"/my tracks/t.ase\""}), "\"/my tracks/t.ase\"");
}

}  // namespace
}  // namespace meshmill
