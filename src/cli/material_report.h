#pragma once

#include "cli/cli_session.h"
#include "cli/json_writer.h"

namespace meshmill {

// The material table of the analysed scene, written into the open JSON
// object: "materials", one entry per filled slot {m, s, name, texture, color,
// opacity}, and "special_materials", the path of that file or null.
void write_material_report(JsonWriter& json, CliSession& cli);

}  // namespace meshmill
