#include "cli/texture_options.h"

namespace meshmill {

bool TextureOptions::take(const std::string& arg) {
  if (arg == "--rename-textures") {
    rename = true;
  } else if (arg == "--auto-shorten") {
    auto_shorten = true;
  } else {
    return false;
  }
  return true;
}

void TextureOptions::apply(WindowState& window) const {
  if (rename) window.Check5.value = 0;
  if (auto_shorten) window.Check1.value = 1;
}

}  // namespace meshmill
