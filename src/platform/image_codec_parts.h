#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/image_codec.h"

namespace meshmill::image_codec {

// What the codec files share.

// The problem with an image of width x height pixels held in `file_bytes`
// bytes, "" when there is none: an empty or too large image, or one whose
// file is far too small to hold its pixels (a header claiming a huge size
// over truncated data would otherwise cost that much memory). The densest
// encodings read (deflate at 1032:1 on 1-bit pixels, CCITT excluded) give
// under 8448 pixels a byte.
std::string size_problem(long long width, long long height, std::size_t file_bytes);

inline constexpr const char* unreadable = "unreadable image (truncated or corrupt)";

// The largest single allocation stb_image may make from now on in this thread.
void limit_stb_allocations(std::size_t largest);

// stb_image 2.27 (Debian's) reads past a Huffman table's arrays when a DHT
// segment declares more than 256 codes, or when a scan decodes with a table
// that no segment defined. False when the JPEG does either. The walk over
// the segments stops where stb_image does or where it would fail anyway, so
// it sees the tables stb sees.
bool jpeg_tables_sound(std::string_view bytes);

// The TIFF codec of the system: libtiff, or the Windows Imaging Component.
DecodeResult decode_tiff(std::string_view bytes);
// `image` holds width x height pixels; nothing, with `problem`, on failure.
std::optional<std::string> encode_tiff(const Image& image, std::string& problem);

}  // namespace meshmill::image_codec
