#include "platform/image_codec.h"

#include <stb_image.h>
#include <stb_image_resize.h>
#include <stb_image_write.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <memory>

#include "platform/image_codec_parts.h"

namespace meshmill {

namespace image_codec {

std::string size_problem(long long width, long long height, std::size_t file_bytes) {
  const std::string size = std::to_string(width) + " x " + std::to_string(height);
  if (width <= 0 || height <= 0) return "empty image (" + size + ")";
  if (width > largest_image_side || height > largest_image_side) {
    return "image too large (" + size + " pixels; at most " + std::to_string(largest_image_side) +
           " on a side)";
  }
  constexpr long long max_pixels_per_byte = 8448;
  if (width * height / max_pixels_per_byte > static_cast<long long>(file_bytes)) {
    return "unreadable image (too little data for " + size + " pixels)";
  }
  return "";
}

}  // namespace image_codec

namespace {

using image_codec::unreadable;

enum class Format { png, jpeg, bmp, tiff, unknown };

bool starts_with(std::string_view bytes, std::string_view magic) {
  return bytes.substr(0, magic.size()) == magic;
}

Format format_of(std::string_view bytes) {
  using namespace std::string_view_literals;
  if (starts_with(bytes, "\x89PNG\r\n\x1A\n"sv)) return Format::png;
  if (starts_with(bytes, "\xFF\xD8\xFF"sv)) return Format::jpeg;
  if (starts_with(bytes, "BM"sv)) return Format::bmp;
  if (starts_with(bytes, "II*\0"sv) || starts_with(bytes, "MM\0*"sv)) return Format::tiff;
  return Format::unknown;  // TGA has no signature: stb_image tells it from its header
}

DecodeResult refused(std::string problem) {
  return {std::nullopt, std::move(problem)};
}

// stb_image reads through callbacks over the bytes: on a truncated file it
// would go on with zeros, so a read wanted past the end marks the file truncated.
struct Reader {
  std::string_view bytes;
  std::size_t at = 0;
  bool ran_out = false;

  static int read(void* self, char* data, int size) {
    auto& reader = *static_cast<Reader*>(self);
    std::size_t count = std::min(static_cast<std::size_t>(size), reader.bytes.size() - reader.at);
    if (count == 0) reader.ran_out = true;
    std::memcpy(data, reader.bytes.data() + reader.at, count);
    reader.at += count;
    return static_cast<int>(count);
  }
  static void skip(void* self, int count) {
    auto& reader = *static_cast<Reader*>(self);
    long long to = static_cast<long long>(reader.at) + count;
    long long end = static_cast<long long>(reader.bytes.size());
    if (to > end) reader.ran_out = true;
    reader.at = static_cast<std::size_t>(std::clamp(to, 0LL, end));
  }
  static int eof(void* self) {
    auto& reader = *static_cast<Reader*>(self);
    return reader.at >= reader.bytes.size();
  }
};
constexpr stbi_io_callbacks reader_callbacks{&Reader::read, &Reader::skip, &Reader::eof};

// stb_image's short reason for a failure, as one line.
std::string stb_problem(Format format) {
  const char* reason = stbi_failure_reason();
  std::string_view why = reason ? reason : "";
  if (why == "unknown image type") {
    return format == Format::unknown ? "unsupported image format" : unreadable;
  }
  if (why == "too large") {
    return "image too large (at most " + std::to_string(largest_image_side) + " on a side)";
  }
  if (why == "0-pixel image" || why == "0 width") return "empty image (0 pixels)";
  return unreadable;
}

// A 32-bit TGA whose image descriptor declares no alpha bits holds padding in
// its fourth byte, not alpha; stb_image reads it as alpha all the same.
bool is_tga_without_alpha(std::string_view bytes) {
  if (bytes.size() < 18) return false;
  auto byte = [&](std::size_t at) { return static_cast<unsigned char>(bytes[at]); };
  bool colour_mapped = (byte(2) & 7) == 1;
  int bits = colour_mapped ? byte(7) : byte(16);
  return bits == 32 && (byte(17) & 0x0F) == 0;
}

using StbPixels = std::unique_ptr<stbi_uc, decltype(&stbi_image_free)>;

DecodeResult decode_with_stb(std::string_view bytes, Format format) {
  if (bytes.size() > INT_MAX) return refused("image file too large");
  if (!image_codec::jpeg_tables_sound(bytes)) return refused(unreadable);
  int width = 0;
  int height = 0;
  int channels = 0;
  // The header is read in small buffers; the pixels in ones sized from it.
  image_codec::limit_stb_allocations(std::size_t{1} << 20);
  Reader header{bytes};
  if (!stbi_info_from_callbacks(&reader_callbacks, &header, &width, &height, &channels)) {
    // stbi_info goes on to other formats and loses the reason; a load stops
    // at the same header, before any pixel, and keeps it.
    if (format != Format::unknown) {
      Reader again{bytes};
      StbPixels none(
          stbi_load_from_callbacks(&reader_callbacks, &again, &width, &height, &channels, 4),
          &stbi_image_free);
      if (none) return refused(unreadable);
    }
    return refused(stb_problem(format));
  }
  if (auto problem = image_codec::size_problem(width, height, bytes.size()); !problem.empty()) {
    return refused(problem);
  }
  // Enough for 16-bit RGBA pixels, a row filter byte each, and the file's
  // compressed data (gathered in a buffer that doubles).
  const std::size_t pixel_count =
      static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  image_codec::limit_stb_allocations(pixel_count * 8 + static_cast<std::size_t>(height) +
                                     bytes.size() * 2 + (std::size_t{1} << 20));
  Reader body{bytes};
  StbPixels pixels(
      stbi_load_from_callbacks(&reader_callbacks, &body, &width, &height, &channels, 4),
      &stbi_image_free);
  if (!pixels) return refused(stb_problem(format));
  if (body.ran_out) return refused(unreadable);

  Image image{width, height, {}};
  const std::size_t size = static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4;
  image.rgba.assign(pixels.get(), pixels.get() + size);
  if (format == Format::unknown && is_tga_without_alpha(bytes)) {
    for (std::size_t at = 3; at < size; at += 4) image.rgba[at] = 255;
  }
  return {std::move(image), ""};
}

void append_to_string(void* text, void* data, int size) {
  static_cast<std::string*>(text)->append(static_cast<const char*>(data),
                                          static_cast<std::size_t>(size));
}

bool is_valid(const Image& image) {
  return image.width > 0 && image.height > 0 &&
         image.rgba.size() ==
             static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height) * 4;
}

}  // namespace

bool Image::has_alpha() const {
  for (std::size_t at = 3; at < rgba.size(); at += 4) {
    if (rgba[at] != 255) return true;
  }
  return false;
}

DecodeResult decode_image(std::string_view bytes) {
  if (bytes.empty()) return refused("empty file");
  Format format = format_of(bytes);
  if (format == Format::tiff) return image_codec::decode_tiff(bytes);
  return decode_with_stb(bytes, format);
}

std::optional<std::string> encode_tiff_rgb(const Image& image, std::string* problem) {
  std::string why = "no image to write";
  std::optional<std::string> tiff;
  if (image.width > 0 && image.height > 0 &&
      image.rgba.size() == std::size_t(image.width) * std::size_t(image.height) * 4) {
    tiff = image_codec::encode_tiff(image, why);
  }
  if (!tiff && problem) *problem = why;
  return tiff;
}

std::string encode_png(const Image& image) {
  if (!is_valid(image)) return "";
  std::string png;
  if (!stbi_write_png_to_func(&append_to_string, &png, image.width, image.height, 4,
                              image.rgba.data(), image.width * 4)) {
    return "";
  }
  return png;
}

Image resize_image(const Image& image, int width, int height) {
  Image resized{std::max(width, 1), std::max(height, 1), {}};
  resized.rgba.assign(
      static_cast<std::size_t>(resized.width) * static_cast<std::size_t>(resized.height) * 4, 0);
  if (!is_valid(image)) return resized;
  // Linear colour space: the textures' values are used as they are, not gamma-corrected.
  stbir_resize_uint8_generic(image.rgba.data(), image.width, image.height, image.width * 4,
                             resized.rgba.data(), resized.width, resized.height, resized.width * 4,
                             4, 3, 0, STBIR_EDGE_CLAMP, STBIR_FILTER_DEFAULT,
                             STBIR_COLORSPACE_LINEAR, nullptr);
  return resized;
}

}  // namespace meshmill
