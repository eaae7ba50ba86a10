#pragma once

#include <string>

#include "state/window_state.h"

namespace meshmill {

// The options that switch the window's texture-name check boxes.
struct TextureOptions {
  bool rename = false;  // --rename-textures: unticks "Ignore renaming of longnamed textures files"
  bool auto_shorten = false;  // --auto-shorten: ticks "Automatically shortens pixelmap filenames"

  // Takes `arg` when it is one of the options.
  bool take(const std::string& arg);
  void apply(WindowState& window) const;
};

// The lines of a command's help that describe the options.
inline constexpr const char* texture_options_help =
    "  --rename-textures  give texture files of the TIFFRGB folder whose names are\n"
    "                     longer than 15 characters a shorter name, after a .ti\n"
    "                     backup; the name is asked on the terminal, and without\n"
    "                     one the analysis is cancelled\n"
    "  --auto-shorten     make those names up instead of asking\n";

}  // namespace meshmill
