#include <array>
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

// Which Huffman tables the segments so far defined, by class (0 DC, 1 AC)
// and slot (0 to 3). stb_image leaves a table that no segment defined as
// uninitialized memory and decodes a scan that names it, reading past its
// symbol array.
using DefinedTables = std::array<std::array<bool, 4>, 2>;

// The tables of one DHT segment read as stb_image reads them: no table may
// have more than 256 codes. Each table read is marked defined.
bool tables_fit(const Bytes& bytes, std::size_t segment, DefinedTables& defined) {
  int remaining = static_cast<int>(bytes.at(segment + 2) << 8 | bytes.at(segment + 3)) - 2;
  std::size_t table = segment + 4;
  while (remaining > 0) {
    const unsigned table_class = bytes.at(table) >> 4;
    const unsigned slot = bytes.at(table) & 15;
    if (table_class <= 1 && slot <= 3) defined[table_class][slot] = true;
    unsigned codes = 0;
    for (std::size_t length = 1; length <= 16; ++length) codes += bytes.at(table + length);
    if (codes > 256) return false;
    table += 17 + codes;
    remaining -= static_cast<int>(17 + codes);
  }
  return true;
}

// Whether every table the scan at `segment` decodes with is defined. A
// progressive scan reads the DC table only in its first DC pass and the AC
// table only for AC coefficients; a sequential scan reads both.
bool scan_tables_defined(const Bytes& bytes, std::size_t segment, bool progressive,
                         const DefinedTables& defined) {
  const unsigned components = bytes.at(segment + 4);
  const std::size_t after = segment + 5 + 2 * std::size_t{components};
  const bool first_coefficient = bytes.at(after) == 0;
  const bool first_pass = (bytes.at(after + 2) >> 4) == 0;
  const bool uses_dc = !progressive || (first_coefficient && first_pass);
  const bool uses_ac = !progressive || !first_coefficient;
  for (unsigned component = 0; component < components; ++component) {
    const unsigned tables = bytes.at(segment + 6 + 2 * std::size_t{component});
    const unsigned dc = tables >> 4;
    const unsigned ac = tables & 15;
    // A slot past 3 is stb_image's own refusal.
    if (uses_dc && dc <= 3 && !defined[0][dc]) return false;
    if (uses_ac && ac <= 3 && !defined[1][ac]) return false;
  }
  return true;
}

}  // namespace

bool jpeg_tables_sound(std::string_view data) {
  const Bytes bytes(data);
  DefinedTables defined{};
  bool progressive = false;
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
    if (marker == 0xC2) progressive = true;
    if (marker == 0xC4 && !tables_fit(bytes, at, defined)) return false;
    if (marker == 0xDA && !scan_tables_defined(bytes, at, progressive, defined)) return false;
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
