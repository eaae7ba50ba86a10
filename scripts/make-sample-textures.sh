#!/usr/bin/env bash
# Remakes the sample's textures in examples/TIFFRGB (the result is committed,
# so neither the build nor the tests run this):
#
#   asphalt.tga                 64 x 64, a grey checker with grain (24-bit TGA)
#   brick.bmp                   80 x 40, bricks (24-bit BMP), a size the game
#                               can't use: its pixelmap is scaled to 64 x 32
#   roadside_barrier_long.png   64 x 32, a red and white barrier whose top rows
#                               fade out (RGBA): its pixelmap keeps the alpha;
#                               with roadside_barrier_long.tif made from it, as
#                               the long name's shortening needs that .tif in
#                               runs without --textures too
#   roof.tif                    64 x 64, roof tiles: a TIFF only, so that a run
#                               shows both a .tif written from another image
#                               and one already there
#
# The images come from a few lines of Python (standard library only); the
# two TIFFs are written by meshmill-cli itself (analyze --textures), from a
# PNG that is then dropped for the roof.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"

install_build_tools
install_missing python3
configure_into build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$REPO_ROOT/build" -j2 --target meshmill-cli >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/TIFFRGB"

python3 - "$work/TIFFRGB" <<'EOF'
import struct
import sys
import zlib

folder = sys.argv[1]


def grain(x, y, seed):
    """A repeatable pseudo-random byte for a pixel (no dependence on Python's random)."""
    h = (x * 73856093 ^ y * 19349663 ^ seed * 83492791) & 0xFFFFFFFF
    h = (h ^ (h >> 13)) * 1274126177 & 0xFFFFFFFF
    return (h ^ (h >> 16)) & 0xFF


def clamp(v):
    return max(0, min(255, int(v)))


def write(name, data):
    with open(f"{folder}/{name}", "wb") as f:
        f.write(data)


def tga(width, height, pixel):
    """Uncompressed 24-bit true-colour TGA, rows stored bottom up (the default origin)."""
    header = struct.pack("<BBBHHBHHHHBB", 0, 0, 2, 0, 0, 0, 0, 0, width, height, 24, 0)
    rows = bytearray()
    for y in reversed(range(height)):
        for x in range(width):
            r, g, b = pixel(x, y)
            rows += bytes((b, g, r))
    return header + bytes(rows)


def bmp(width, height, pixel):
    """24-bit BMP (BITMAPINFOHEADER), rows bottom up, each padded to 4 bytes."""
    stride = (width * 3 + 3) // 4 * 4
    rows = bytearray()
    for y in reversed(range(height)):
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        rows += row + bytes(stride - len(row))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    head = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(rows), 0, 0, 14 + len(info))
    return head + info + bytes(rows)


def png(width, height, pixel):
    """8-bit RGBA PNG, no filtering."""
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(
            ">I", zlib.crc32(kind + body) & 0xFFFFFFFF)
    raw = bytearray()
    for y in range(height):
        raw.append(0)
        for x in range(width):
            raw += bytes(pixel(x, y))
    ihdr = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) +
            chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def asphalt(x, y):
    base = 92 if ((x // 8) + (y // 8)) % 2 else 64
    v = clamp(base + (grain(x, y, 1) - 128) // 8)
    return v, v, clamp(v + 4)


def brick(x, y):
    course, row = divmod(y, 10)
    offset = 10 if course % 2 else 0
    column = (x + offset) % 20
    if row >= 8 or column >= 18:  # the mortar
        v = clamp(186 + (grain(x, y, 2) - 128) // 16)
        return v, v, clamp(v - 10)
    shade = (grain((x + offset) // 20, course, 3) - 128) // 6
    n = (grain(x, y, 4) - 128) // 12
    return clamp(150 + shade + n), clamp(62 + shade // 2 + n), clamp(44 + n)


def barrier(x, y):
    if y < 8:  # above the barrier: nothing
        return 0, 0, 0, 0
    if y < 12:  # its edge fades in
        alpha = (y - 7) * 51
        return 200, 200, 200, alpha
    if y >= 28:  # the foot, in the shade
        return 60, 60, 60, 255
    stripe = ((x + y) // 8) % 2
    return (220, 30, 30, 255) if stripe else (235, 235, 235, 255)


def roof(x, y):
    row, within = divmod(y, 8)
    column = (x + (4 if row % 2 else 0)) % 8
    edge = within == 7 or column == 0
    v = (grain(x, y, 5) - 128) // 16
    if edge:
        return clamp(70 + v), clamp(30 + v), clamp(25 + v), 255
    light = 40 - within * 4
    return clamp(140 + light + v), clamp(55 + light // 2 + v), clamp(40 + v), 255


write("asphalt.tga", tga(64, 64, asphalt))
write("brick.bmp", bmp(80, 40, brick))
write("roadside_barrier_long.png", png(64, 32, barrier))
write("roof.png", png(64, 64, roof))
EOF

# meshmill-cli writes the TIFFs of the textures that have none.
cp "$REPO_ROOT/examples/sample_track.ase" "$work/"
"$REPO_ROOT/build/bin/meshmill-cli" analyze "$work/sample_track.ase" --textures \
  </dev/null >/dev/null 2>&1 || true
for tif in roof.tif roadside_barrier_long.tif; do
  if [[ ! -f $work/TIFFRGB/$tif ]]; then
    echo "meshmill-cli did not write $tif" >&2
    exit 1
  fi
done

textures="$REPO_ROOT/examples/TIFFRGB"
rm -f "$textures"/*
cp "$work/TIFFRGB"/{asphalt.tga,brick.bmp,roadside_barrier_long.png,roadside_barrier_long.tif,roof.tif} \
  "$textures/"
ls -l "$textures"
