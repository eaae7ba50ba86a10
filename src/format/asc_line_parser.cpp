#include "format/asc_line_parser.h"

namespace meshmill {

namespace {

constexpr std::string_view no_uv = "no_uv";

bool is_vc_mode(std::string_view mode) {
  return mode.size() == 2 && (mode[0] == 'v' || mode[0] == 'V') &&
         (mode[1] == 'c' || mode[1] == 'C');
}

// The text between the marker and the next blank, or to the end of the text
// when no blank follows.
bool take_field(std::string_view text, std::string_view marker, std::string_view& field) {
  std::size_t at = text.find(marker);
  if (at == std::string_view::npos) {
    field = std::string_view();
    return false;
  }
  std::size_t begin = at + marker.size();
  std::size_t blank = text.find(' ', at);
  field =
      text.substr(begin, blank == std::string_view::npos ? std::string_view::npos : blank - begin);
  return true;
}

}  // namespace

bool processar(std::string_view mode, std::string_view text, VertexFields& fields) {
  if (!is_vc_mode(mode)) return false;
  bool complete = take_field(text, "X:", fields.field[1]);
  complete = take_field(text, "Y:", fields.field[2]) && complete;

  std::size_t z_at = text.find("Z:");
  if (z_at == std::string_view::npos) {
    fields.field[3] = std::string_view();
    fields.field[4] = no_uv;
    fields.field[5] = no_uv;
    return false;
  }
  std::size_t z_begin = z_at + 2;
  std::size_t blank = text.find(' ', z_at);
  if (blank == std::string_view::npos) {
    // No mapping follows: Z runs to the end of the text.
    fields.field[3] = text.substr(z_begin);
    fields.field[4] = no_uv;
    fields.field[5] = no_uv;
    return complete;
  }
  fields.field[3] = text.substr(z_begin, blank - z_begin);
  complete = take_field(text, "U:", fields.field[4]) && complete;
  std::size_t v_at = text.find("V:");
  if (v_at == std::string_view::npos) {
    fields.field[5] = std::string_view();
    return false;
  }
  fields.field[5] = text.substr(v_at + 2);
  return complete;
}

}  // namespace meshmill
