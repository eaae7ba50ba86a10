#pragma once

#include "state/session.h"
#include "state/texture_steps.h"

namespace meshmill {

// "Prepare textures": at the analysis, a TIFF in TIFFRGB for every texture
// that has none (Plaything2 loads those), made from the texture's image; at
// the processing, after the .mat, a pixelmap in PIX16 for every texture the
// .mat names (the game draws those), at a size the game can use. What became
// of each texture is kept in the scene's texture records. A texture that
// can't be made is listed, never fatal: the run goes on with the others.
class TextureWork : public TextureSteps {
 public:
  void texture_found(Session& session, std::string_view bitmap_path) override;
  void texture_named(Session& session, std::string_view bitmap_path,
                     std::string_view slot_texture) override;
  void write_pixelmaps(Session& session, const RunSettings& settings, bool& express) override;
};

}  // namespace meshmill
