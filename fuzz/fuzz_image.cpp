// The image path of a texture: decoding, sizing for the game, resampling,
// and every file made from the image.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/image_codec.h"
#include "textures/pixelmap_file.h"
#include "textures/texture_size.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace meshmill;
  DecodeResult decoded = decode_image(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!decoded.image) {
    if (decoded.problem.empty()) std::abort();  // a refusal always says why
    return 0;
  }
  const Image& image = *decoded.image;
  TextureSize game = game_size(image.width, image.height);
  Image pixels = resize_image(image, game.width, game.height);
  // A decoded image always makes a pixelmap, a TIFF and a thumbnail.
  if (!encode_pixelmap("texture", pixels) || !encode_tiff_rgb(image, nullptr) ||
      encode_png(pixels).empty()) {
    std::abort();
  }
  return 0;
}
