#pragma once

namespace meshmill {

// The game's hardware driver takes only sides that are powers of two, at
// most 256, the longer at most 8 times the shorter.
inline constexpr int largest_texture_side = 256;
inline constexpr int longest_texture_ratio = 8;

struct TextureSize {
  int width = 0;
  int height = 0;
  bool operator==(const TextureSize&) const = default;
};

// The size a texture of width x height pixels (each at least 1) is written
// at in the game:
//  1. each side goes to the power of two nearest to it on a log scale (s
//     between p and 2p goes to 2p when s > p * sqrt(2); integers never tie);
//  2. a side that would then exceed the source's longer side takes the power
//     of two below instead, so nothing is enlarged past the source's longer
//     side, and no side exceeds 256;
//  3. a side shorter than an eighth of the other is widened to that eighth
//     (never past the other side, so never past the source's longer side).
// Each side is sized on its own: texture coordinates are relative, so the
// aspect of the map in the game does not matter, and each side keeps as much
// detail as it can. E.g. 200 x 300 -> 256 x 256, 200 x 200 -> 128 x 128,
// 1024 x 512 -> 256 x 256, 1 x 1000 -> 32 x 256, 3 x 3 -> 2 x 2.
TextureSize game_size(int width, int height);

}  // namespace meshmill
