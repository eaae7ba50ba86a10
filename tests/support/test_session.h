#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/window_session.h"
#include "state/command_outcome.h"
#include "support/faulty_file_system.h"
#include "support/null_event_pump.h"
#include "support/scripted_prompt.h"
#include "support/temp_folder.h"

namespace meshmill::testing {

using Message = ScriptedPrompt::Message;
using Messages = std::vector<Message>;

// A session over the real file system, with faults to inject on demand, a
// scripted prompt and a temporary folder (the program's folder) for the test's files.
struct TestSession {
  TempFolder folder;
  ScriptedPrompt prompt;
  std::unique_ptr<FileSystem> native = make_native_file_system();
  FaultyFileSystem fs{*native};
  NullEventPump pump;
  WindowSession session{prompt, fs, pump};

  TestSession() { session.program_folder = folder.path(); }
};

// Every test analyses through here: the scene at `path`, or the open dialog when empty.
CommandOutcome analyze(WindowSession& session, const std::string& path);

// Writes `text` as `name` beside a TIFFRGB folder and analyses it. Returns the scene's path.
std::string analyse_text(TestSession& t, const std::string& text,
                         const std::string& name = "scene.ase");

// The error log's lines (without their CR LF).
std::vector<std::string> log_lines(const TestSession& t);

// The five statistics as the window shows them: objects, valid objects, .asc
// files, faces, vertices.
inline std::vector<std::string> statistics(const WindowState& w) {
  return {w.Text_total_objects.text, w.Text_valid_objects.text, w.Text_ascsplit.text,
          w.Text_faces.text, w.Text_vertices.text};
}
using Statistics = std::vector<std::string>;

// A material of the table the analysis fills: a multi/sub-object material
// has a sub-material in every slot.
struct SlotSpec {
  std::string entry;  // "name , texture"
  std::string colours;
  std::string opacity;
};
struct MaterialSpec {
  bool multi = false;
  std::vector<SlotSpec> slots;
};

// Fills the material table as the analysis would.
void set_materials(SceneState& scene, const std::vector<MaterialSpec>& materials);

// Writes `ase` as `file_name` into the test folder and fills the session as a
// successful analysis of it would (statistics, side files, express off), with
// the target out.asc chosen in the same folder. Returns the scene's path.
std::string load_analysed_scene(TestSession& t, const std::string& ase, std::int64_t objects,
                                const std::string& file_name = "scene.ase");

// Compares `actual` byte for byte with the file tests/data/`name`; with
// MESHMILL_UPDATE_GOLDEN=1 in the environment, writes it there instead.
void expect_golden(const std::string& actual, const std::string& name);

// Copies the sample track and its TIFFRGB folder into `folder`; returns the scene's path.
std::string copy_examples(const TempFolder& folder);

}  // namespace meshmill::testing
