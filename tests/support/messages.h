#pragma once

#include <string>

#include "support/scripted_prompt.h"

namespace meshmill::testing {

// Texts the program shows in more than one situation.
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
inline const std::string choose_target_text =
    "Analyzing of 3d scene file finished! But before processing it you need to choose the target "
    "path to save the processed file(s).";
inline const ScriptedPrompt::Message finished_question{
    "Finished exporting of the imported 3d scene file ! Finished exporting of the imported 3d "
    "scene file ! DON'T forget to optimize the object in plaything2 !! Do you want the program to "
    "close itself immediatly ?",
    4, "Finished"};
inline const ScriptedPrompt::Message finished_express{
    "Finished exporting of the imported 3d scene file ! DON'T forget to optimize the object in "
    "plaything2 !!",
    64, "Finished"};
inline const ScriptedPrompt::Message overwrite_refusal{
    "You can't overwrite the original 3d scene file from where this program will read the "
    "information! You HAVE to choose another name or another path!",
    16, "Error"};

// The processing stopped on a file it could not write (or read).
inline ScriptedPrompt::Message stopped(const std::string& path, const std::string& why,
                                       const char* action = "written") {
  return {"The file " + path + " could not be " + action + " (" + why +
              "). The processing was stopped.",
          16, "Error"};
}

}  // namespace meshmill::testing
