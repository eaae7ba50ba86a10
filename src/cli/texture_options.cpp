#include "cli/texture_options.h"

namespace meshmill {

void TextureOptions::apply(RunSettings& settings) const {
  if (rename) settings.keep_long_texture_names = false;
  if (auto_shorten) settings.auto_shorten_textures = true;
  if (prepare) settings.prepare_textures = true;
}

}  // namespace meshmill
