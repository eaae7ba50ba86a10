#pragma once

#include <filesystem>
#include <string>

#include "app/scene_commands.h"
#include "support/ase_builder.h"
#include "support/test_session.h"

namespace meshmill::testing {

inline const std::string express_question =
    "Do you want the 3dscene to be processed and converted to .asc right away after being "
    "analyzed (sucessfully) into the final .asc files, USING THE SAME PATH AND FILENAME of the "
    "input .ase file and the default processing settings?";
inline const std::string finished_text = "Analyzing of 3d scene file finished!";
inline const std::string skipped_text =
    "Analyzing of 3d scene file finished, but certain objects will not be processed and were "
    "skipped.";
inline const std::string no_objects_text =
    "The specified file doesn't contain any objects declared correctly, so this program won't "
    "process this file, choose another file.";
inline const std::string invalid_text =
    "This .ase file is invalid, make sure you don't edit it manually.";

// Writes `text` as `name` beside a TIFFRGB folder and analyses it as a
// start-up path. Returns the scene's path.
inline std::string analyse_text(TestSession& t, const std::string& text,
                                const std::string& name = "scene.ase") {
  std::filesystem::create_directories(t.folder.file("TIFFRGB"));
  std::string path = t.folder.write(name, text);
  analyze_scene(t.session, path);
  return path;
}

// The error log's lines (without their CR LF).
inline std::vector<std::string> log_lines(const TestSession& t) {
  return crlf_lines(t.folder.read("error_log.txt"));
}

}  // namespace meshmill::testing
