// TIFF through libtiff, reading and writing memory buffers.
#include <tiffio.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "platform/image_codec.h"
#include "platform/image_codec_parts.h"

namespace meshmill {

namespace {

// A file in memory for libtiff: read from `input`, or written into `output`
// (libtiff seeks back to patch offsets, and may write past the end).
struct MemoryFile {
  std::string_view input;
  std::string* output = nullptr;
  std::size_t at = 0;

  std::size_t size() const { return output ? output->size() : input.size(); }

  static tmsize_t read(thandle_t handle, void* data, tmsize_t size) {
    auto& file = *static_cast<MemoryFile*>(handle);
    if (file.output || size < 0) return -1;
    std::size_t count = std::min(static_cast<std::size_t>(size),
                                 file.input.size() - std::min(file.at, file.input.size()));
    std::memcpy(data, file.input.data() + file.at, count);
    file.at += count;
    return static_cast<tmsize_t>(count);
  }
  static tmsize_t write(thandle_t handle, void* data, tmsize_t size) {
    auto& file = *static_cast<MemoryFile*>(handle);
    if (!file.output || size < 0) return -1;
    auto count = static_cast<std::size_t>(size);
    if (file.output->size() < file.at + count) file.output->resize(file.at + count);
    std::memcpy(file.output->data() + file.at, data, count);
    file.at += count;
    return size;
  }
  static toff_t seek(thandle_t handle, toff_t offset, int whence) {
    auto& file = *static_cast<MemoryFile*>(handle);
    std::size_t base = whence == SEEK_CUR ? file.at : whence == SEEK_END ? file.size() : 0;
    // Offsets are unsigned: SEEK_CUR and SEEK_END move back by wrapping around.
    file.at = static_cast<std::size_t>(base + offset);
    return file.at;
  }
  static int close(thandle_t) { return 0; }
  static toff_t size_of(thandle_t handle) { return static_cast<MemoryFile*>(handle)->size(); }
  static int map(thandle_t, void**, toff_t*) { return 0; }
  static void unmap(thandle_t, void*, toff_t) {}
};

struct TiffCloser {
  void operator()(TIFF* tiff) const { TIFFClose(tiff); }
};
using Tiff = std::unique_ptr<TIFF, TiffCloser>;

// libtiff prints its errors and warnings on stderr unless told otherwise; the
// caller gets one line of its own instead.
Tiff open_tiff(MemoryFile& file, const char* mode) {
  static const bool quiet = [] {
    TIFFSetErrorHandler(nullptr);
    TIFFSetWarningHandler(nullptr);
    return true;
  }();
  (void)quiet;
  return Tiff(TIFFClientOpen("image", mode, &file, &MemoryFile::read, &MemoryFile::write,
                             &MemoryFile::seek, &MemoryFile::close, &MemoryFile::size_of,
                             &MemoryFile::map, &MemoryFile::unmap));
}

DecodeResult refused(std::string problem) {
  return {std::nullopt, std::move(problem)};
}

}  // namespace

namespace image_codec {

DecodeResult decode_tiff(std::string_view bytes) {
  MemoryFile file{bytes};
  Tiff tiff = open_tiff(file, "rm");
  if (!tiff) return refused(unreadable);
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  TIFFGetField(tiff.get(), TIFFTAG_IMAGEWIDTH, &width);
  TIFFGetField(tiff.get(), TIFFTAG_IMAGELENGTH, &height);
  if (auto problem = size_problem(width, height, bytes.size()); !problem.empty()) {
    return refused(problem);
  }
  char why[1024] = "";
  if (!TIFFRGBAImageOK(tiff.get(), why)) {
    return refused(std::string("unsupported TIFF image (") + why + ")");
  }
  Image image{static_cast<int>(width), static_cast<int>(height), {}};
  image.rgba.resize(std::size_t{width} * height * 4);
  // libtiff fills 32-bit words, R in the low byte; the same bytes are then put in RGBA order.
  auto* words = static_cast<std::uint32_t*>(static_cast<void*>(image.rgba.data()));
  if (!TIFFReadRGBAImageOriented(tiff.get(), width, height, words, ORIENTATION_TOPLEFT, 1)) {
    return refused(unreadable);
  }
  for (std::size_t at = 0; at < image.rgba.size(); at += 4) {
    std::uint32_t abgr;
    std::memcpy(&abgr, &image.rgba[at], 4);
    for (int channel = 0; channel < 4; ++channel) {
      image.rgba[at + static_cast<std::size_t>(channel)] =
          static_cast<std::uint8_t>(abgr >> (8 * channel));
    }
  }
  return {std::move(image), ""};
}

std::optional<std::string> encode_tiff(const Image& image, std::string& problem) {
  auto fail = [&](const char* why) -> std::optional<std::string> {
    problem = why;
    return std::nullopt;
  };
  std::string bytes;
  MemoryFile file{{}, &bytes};
  {
    Tiff tiff = open_tiff(file, "wlm");
    if (!tiff) return fail("the TIFF writer did not start");
    TIFF* t = tiff.get();
    auto width = static_cast<std::uint32_t>(image.width);
    auto height = static_cast<std::uint32_t>(image.height);
    TIFFSetField(t, TIFFTAG_IMAGEWIDTH, width);
    TIFFSetField(t, TIFFTAG_IMAGELENGTH, height);
    TIFFSetField(t, TIFFTAG_BITSPERSAMPLE, 8);
    TIFFSetField(t, TIFFTAG_SAMPLESPERPIXEL, 3);
    TIFFSetField(t, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB);
    TIFFSetField(t, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    TIFFSetField(t, TIFFTAG_COMPRESSION, COMPRESSION_NONE);
    TIFFSetField(t, TIFFTAG_ORIENTATION, ORIENTATION_TOPLEFT);
    TIFFSetField(t, TIFFTAG_RESOLUTIONUNIT, RESUNIT_INCH);
    TIFFSetField(t, TIFFTAG_XRESOLUTION, 72.0);
    TIFFSetField(t, TIFFTAG_YRESOLUTION, 72.0);
    TIFFSetField(t, TIFFTAG_ROWSPERSTRIP, TIFFDefaultStripSize(t, 0));
    std::vector<std::uint8_t> row(std::size_t{width} * 3);
    for (std::uint32_t y = 0; y < height; ++y) {
      const std::uint8_t* from = &image.rgba[std::size_t{y} * width * 4];
      for (std::size_t x = 0; x < width; ++x) std::memcpy(&row[x * 3], &from[x * 4], 3);
      if (TIFFWriteScanline(t, row.data(), y, 0) < 0) return fail("the TIFF writer failed");
    }
    if (!TIFFFlush(t)) return fail("the TIFF writer failed");
  }
  return bytes;
}

}  // namespace image_codec

}  // namespace meshmill
