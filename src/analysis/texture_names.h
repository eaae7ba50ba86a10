#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "state/run_settings.h"
#include "state/session.h"

namespace meshmill {

// Where the texture belongs: the order of the checks on a typed name differs.
enum class TextureSlot { material, submaterial };

// The long texture names (in lower case) given a new name during one material
// pass, with that name, so a texture that several materials share is renamed once.
using RenamedTextures = std::unordered_map<std::string, std::string>;

// The texture text of a "gta material" slot for its bitmap path. Plaything2
// crashes on pixelmap names longer than 15 characters, so a longer texture in
// the scene's TIFFRGB folder gets a shorter name (automatically or typed by
// the user) after a ".ti" backup. Nothing when the analysis must stop: its
// message has been shown.
std::optional<std::string> resolve_texture_name(Session& session, const RunSettings& settings,
                                                RenamedTextures& renamed,
                                                std::string_view bitmap_path, TextureSlot slot);

}  // namespace meshmill
