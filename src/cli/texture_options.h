#pragma once

#include "cli/command_line.h"
#include "state/run_settings.h"

namespace meshmill {

// The options of the texture settings.
struct TextureOptions {
  bool rename = false;        // --rename-textures: long names are shortened
  bool auto_shorten = false;  // --auto-shorten: the short names are made up
  bool prepare = false;       // --textures: TIFFs and pixelmaps are made

  FlagOption rename_flag() { return {"--rename-textures", &rename}; }
  FlagOption auto_shorten_flag() { return {"--auto-shorten", &auto_shorten}; }
  FlagOption prepare_flag() { return {"--textures", &prepare}; }
  void apply(RunSettings& settings) const;
};

// The lines of a command's help that describe the options.
inline constexpr const char* texture_options_help =
    "  --rename-textures  give texture files of the TIFFRGB folder whose names are\n"
    "                     longer than 15 characters a shorter name, after a .ti\n"
    "                     backup; the name is asked on the terminal, and without\n"
    "                     one the analysis is cancelled\n"
    "  --auto-shorten     make those names up instead of asking\n"
    "  --textures         prepare the textures from their images (.tga, .png, .bmp,\n"
    "                     .jpg, in TIFFRGB or beside SCENE): a TIFF in TIFFRGB for\n"
    "                     each texture that has none, for Plaything2, and after a\n"
    "                     conversion a pixelmap in PIX16 for each texture of the\n"
    "                     .mat file, for the game; with --json, textures [{name,\n"
    "                     source, tif, tif_written, pix, type, width, height,\n"
    "                     source_width, source_height, problem}]\n";

}  // namespace meshmill
