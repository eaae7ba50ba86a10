#pragma once

#include "cli/command_line.h"
#include "state/run_settings.h"

namespace meshmill {

// The options that switch the texture-name settings.
struct TextureOptions {
  bool rename = false;        // --rename-textures: long names are shortened
  bool auto_shorten = false;  // --auto-shorten: the short names are made up

  FlagOption rename_flag() { return {"--rename-textures", &rename}; }
  FlagOption auto_shorten_flag() { return {"--auto-shorten", &auto_shorten}; }
  void apply(RunSettings& settings) const;
};

// The lines of a command's help that describe the options.
inline constexpr const char* texture_options_help =
    "  --rename-textures  give texture files of the TIFFRGB folder whose names are\n"
    "                     longer than 15 characters a shorter name, after a .ti\n"
    "                     backup; the name is asked on the terminal, and without\n"
    "                     one the analysis is cancelled\n"
    "  --auto-shorten     make those names up instead of asking\n";

}  // namespace meshmill
