#include "textures/texture_size.h"

#include <algorithm>

namespace meshmill {

namespace {

int nearest_power_of_two(int side) {
  int power = 1;
  while (power <= side / 2) power *= 2;
  // Past power * sqrt(2) the next power is nearer.
  if (static_cast<long long>(side) * side > 2LL * power * power) power *= 2;
  return power;
}

}  // namespace

TextureSize game_size(int width, int height) {
  width = std::max(width, 1);
  height = std::max(height, 1);
  const int longer = std::max(width, height);
  auto fit = [longer](int side) {
    int power = nearest_power_of_two(side);
    if (power > longer) power /= 2;
    return std::min(power, largest_texture_side);
  };
  TextureSize size{fit(width), fit(height)};
  size.width = std::max(size.width, size.height / longest_texture_ratio);
  size.height = std::max(size.height, size.width / longest_texture_ratio);
  return size;
}

}  // namespace meshmill
