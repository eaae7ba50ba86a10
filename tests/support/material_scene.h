#pragma once

#include <string>

#include "analysis/material_analysis.h"
#include "support/test_session.h"

namespace meshmill::testing {

// A scene file in a temporary folder and a session prepared as the analysis
// driver leaves it before the material pass: `fich` set, the error log and
// the special-materials file open.
struct MaterialScene : TestSession {
  // Writes `text` (lines ending in "\n", written with CR LF as 3ds Max does)
  // as scene.ase and opens the side files.
  explicit MaterialScene(const std::string& text) {
    std::string crlf;
    for (char c : text) {
      if (c == '\n') crlf += '\r';
      crlf += c;
    }
    session.scene.fich = folder.write("scene.ase", crlf);
    session.scene.logerrors = fs->create(folder.file("error_log.txt"), CreateMode::direct, nullptr);
    session.scene.special_mats =
        fs->create(folder.file("special_materials.txt"), CreateMode::direct, nullptr);
  }

  PassOutcome analyse() { return analyse_materials(session); }

  // The special-materials lines written so far.
  std::string special_materials() {
    session.scene.special_mats->close();
    return folder.read("special_materials.txt");
  }

  const std::string& name(std::size_t m, std::size_t s = 0) const {
    return session.scene.mat_names.at(m, s);
  }
};

// The scene's header, a material list made of `materials` with its count,
// and one object, as 3ds Max writes them.
inline std::string scene_with_materials(int count, const std::string& materials) {
  return "*3DSMAX_ASCIIEXPORT\t200\n"
         "*COMMENT \"AsciiExport Version  2.00 - Sun Dec 06 20:07:03 2026\"\n"
         "*SCENE {\n"
         "\t*SCENE_FILENAME \"track.max\"\n"
         "\t*SCENE_FIRSTFRAME 0\n"
         "}\n"
         "*MATERIAL_LIST {\n"
         "\t*MATERIAL_COUNT " +
         std::to_string(count) + "\n" + materials +
         "}\n"
         "*GEOMOBJECT {\n"
         "\t*NODE_NAME \"Box01\"\n"
         "\t*MATERIAL_REF 0\n"
         "}\n";
}

}  // namespace meshmill::testing
