// The stb libraries' implementations, compiled once, with only the decoders
// Meshmill reads textures from. This file is built without the project's
// warnings: the code is the library's, not ours.
#include <cstddef>
#include <cstdlib>

#include "platform/image_codec_parts.h"

namespace {

// stb_image sizes some buffers from the file before reading it (a PNG's data
// chunk may claim 2 GB); no single allocation may pass what the image's
// header makes plausible.
thread_local std::size_t largest_allocation = 0;

// Zeroed: a corrupt file can make stb_image read parts of its state that it
// never wrote (a table no segment defined), which must not differ from run
// to run or from one system to the other.
void* limited_malloc(std::size_t size) {
  return size <= largest_allocation ? std::calloc(1, size) : nullptr;
}

void* limited_realloc(void* block, std::size_t size) {
  return size <= largest_allocation ? std::realloc(block, size) : nullptr;
}

}  // namespace

namespace meshmill::image_codec {

void limit_stb_allocations(std::size_t largest) {
  largest_allocation = largest;
}

}  // namespace meshmill::image_codec

#define STBI_MALLOC(size) limited_malloc(size)
#define STBI_REALLOC(block, size) limited_realloc(block, size)
#define STBI_FREE(block) std::free(block)
#define STBI_ONLY_PNG
#define STBI_ONLY_JPEG
#define STBI_ONLY_BMP
#define STBI_ONLY_TGA
#define STBI_NO_STDIO
#define STB_IMAGE_IMPLEMENTATION
#include <stb_image.h>

#define STBI_WRITE_NO_STDIO
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

#define STB_IMAGE_RESIZE_IMPLEMENTATION
#include <stb_image_resize.h>
