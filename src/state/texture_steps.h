#pragma once

#include <string_view>

#include "state/run_settings.h"

namespace meshmill {

struct Session;

// The texture work of a run ("Prepare textures"), done by the textures
// folder; the passes call it at their moments. The default does nothing, as
// when the option is off.
class TextureSteps {
 public:
  virtual ~TextureSteps() = default;
  // The material pass met a slot's bitmap, before its name is settled: the
  // shortening of a long name looks for the .tif made here.
  virtual void texture_found(Session&, std::string_view /*bitmap_path*/) {}
  // The texture text the slot keeps for that bitmap.
  virtual void texture_named(Session&, std::string_view /*bitmap_path*/,
                             std::string_view /*slot_texture*/) {}
  // After the .mat: the pixelmaps of the textures it names. A pixelmap that
  // can't be made is listed, never fatal. A warning ends `express`.
  virtual void write_pixelmaps(Session&, const RunSettings&, bool& /*express*/) {}
};

}  // namespace meshmill
