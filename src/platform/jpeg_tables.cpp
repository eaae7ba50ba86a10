#include <cstdint>

#include "platform/image_codec_parts.h"

namespace meshmill::image_codec {

namespace {

class Bytes {
 public:
  explicit Bytes(std::string_view bytes) : bytes_(bytes) {}
  // Past the end, 0: what stb_image reads there.
  unsigned at(std::size_t index) const {
    return index < bytes_.size() ? static_cast<std::uint8_t>(bytes_[index]) : 0u;
  }
  std::size_t size() const { return bytes_.size(); }

 private:
  std::string_view bytes_;
};

bool is_restart(unsigned marker) {
  return marker >= 0xD0 && marker <= 0xD7;
}

// The tables of one DHT segment read as stb_image reads them: no table may
// have more than 256 codes.
bool tables_fit(const Bytes& bytes, std::size_t segment) {
  int remaining = static_cast<int>(bytes.at(segment + 2) << 8 | bytes.at(segment + 3)) - 2;
  std::size_t table = segment + 4;
  while (remaining > 0) {
    unsigned codes = 0;
    for (std::size_t length = 1; length <= 16; ++length) codes += bytes.at(table + length);
    if (codes > 256) return false;
    table += 17 + codes;
    remaining -= static_cast<int>(17 + codes);
  }
  return true;
}

}  // namespace

bool jpeg_tables_fit(std::string_view data) {
  const Bytes bytes(data);
  std::size_t at = 0;
  while (at < bytes.size() && bytes.at(at) == 0xFF) ++at;
  if (at == 0 || bytes.at(at) != 0xD8) return true;  // stb_image does not read it as a JPEG
  ++at;
  while (at + 1 < bytes.size()) {
    if (bytes.at(at) != 0xFF || bytes.at(at + 1) == 0xFF) {  // junk or fill bytes
      ++at;
      continue;
    }
    const unsigned marker = bytes.at(at + 1);
    if (marker == 0x00 || marker == 0x01 || is_restart(marker) || marker == 0xD8) {
      at += 2;  // no segment follows
      continue;
    }
    if (marker == 0xD9) return true;  // end of image
    if (marker == 0xC4 && !tables_fit(bytes, at)) return false;
    at += 2 + (bytes.at(at + 2) << 8 | bytes.at(at + 3));
    if (marker == 0xDA) {
      // The coded data after a scan header runs to the next real marker.
      while (at + 1 < bytes.size() &&
             !(bytes.at(at) == 0xFF && bytes.at(at + 1) != 0 && !is_restart(bytes.at(at + 1)))) {
        ++at;
      }
    }
  }
  return true;
}

}  // namespace meshmill::image_codec
