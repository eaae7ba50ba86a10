#pragma once

#include <string>

#include "report/file_palette.h"
#include "state/session.h"

namespace meshmill {

// The objects table: number, name, line, faces, vertices, material
// reference, .asc file, status and reason of every object.
void append_objects_table(std::string& out, const SceneRecords& records,
                          const FilePalette& palette);

// The materials table of an ASE scene: slot, name, texture (its old name
// where it was shortened; missing texture files flagged), colour, opacity and
// placeholder pixelmap. Texture files are looked up in the scene's TIFFRGB folder.
void append_materials_table(std::string& out, const Session& session);

// Every message box of the run, in order.
void append_messages(std::string& out, const SceneRecords& records);

}  // namespace meshmill
