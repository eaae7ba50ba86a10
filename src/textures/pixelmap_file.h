#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/image_codec.h"

namespace meshmill {

// The 16-bit pixel layouts of the game's pixelmaps.
enum class PixelmapType : std::uint8_t {
  rgb565 = 5,     // every pixel opaque
  argb4444 = 18,  // some pixel with alpha below 255
};

PixelmapType pixelmap_type(const Image& image);

// A BRender pixelmap file holding the image under `name` (Windows-1252 bytes,
// the name the game looks the map up by): a file-info chunk, a pixelmap
// chunk, its pixels (rows top to bottom) and an end chunk, every number
// big-endian. Colours are rounded to nearest, without dithering. Nothing when
// the image is empty or larger than 16384 on a side.
std::optional<std::string> encode_pixelmap(std::string_view name, const Image& image);

}  // namespace meshmill
