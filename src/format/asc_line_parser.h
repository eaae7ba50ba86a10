#pragma once

#include <string_view>

namespace meshmill {

// The fields of one ASC vertex text: 1 X, 2 Y, 3 Z, 4 U, 5 V (0 is unused).
// The views point into the parsed text. A vertex text without mapping has
// "no_uv" in fields 4 and 5.
struct VertexFields {
  std::string_view field[6];
};

// Splits an ASC vertex text (a whole "Vertex k:  X:..." line or its part from
// ":  X:" on) into its fields, by text only. The mode is compared lower-cased;
// only "vc" parses, any other mode leaves `fields` as it is and returns false.
// A missing "X:", "Y:", "Z:" (or "U:", "V:" when a blank follows Z) leaves
// that field empty and makes the result false.
bool processar(std::string_view mode, std::string_view text, VertexFields& fields);

}  // namespace meshmill
