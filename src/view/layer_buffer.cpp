#include "view/layer_buffer.h"

#include <algorithm>
#include <cstring>

namespace pravelo {

namespace {

// Eight bytes added each on its own, saturating at 255.
std::uint64_t addSaturated(std::uint64_t a, std::uint64_t b) {
  constexpr std::uint64_t kHigh = 0x8080808080808080;
  // The low seven bits of each byte cannot carry into the next byte.
  const std::uint64_t low = (a & ~kHigh) + (b & ~kHigh);
  const std::uint64_t overflow = ((a & b) | ((a | b) & low)) & kHigh;
  const std::uint64_t sum = low ^ ((a ^ b) & kHigh);
  return sum | ((overflow >> 7) * 0xFF);
}

}  // namespace

LayerBuffer::LayerBuffer(int width, int height, bool antiAliased, Blend blend)
    : pixels_(width, height), canvas_(pixels_, antiAliased), blend_(blend) {}

Paint LayerBuffer::paint(Rgb colour) const {
  return {blend_ == Blend::Subtract ? inverted(colour) : colour};
}

void LayerBuffer::mergeInto(Frame& target) {
  // Two pixels at a time; adding nothing changes nothing. Subtraction is addition to the
  // inverse. The frame's alpha stays opaque: it saturates on addition and is left out of
  // subtraction.
  constexpr std::uint8_t kColourBytes[8] = {255, 255, 255, 0, 255, 255, 255, 0};
  std::uint64_t colourBytes;
  std::memcpy(&colourBytes, kColourBytes, sizeof colourBytes);
  const bool subtract = blend_ == Blend::Subtract;
  std::uint8_t* s = pixels_.pixels.data();
  std::uint8_t* t = target.pixels.data();
  auto merge = [&](std::size_t at, std::size_t bytes) {
    std::uint64_t drawn = 0;
    std::uint64_t below = 0;
    std::memcpy(&drawn, s + at, bytes);
    std::memcpy(&below, t + at, bytes);
    below = subtract ? ~addSaturated(~below, drawn & colourBytes) : addSaturated(below, drawn);
    std::memcpy(t + at, &below, bytes);
  };
  // Most of a layer is empty: blocks of 16 pixels that nothing was drawn into are passed over
  // with one test.
  constexpr std::size_t kBlock = 64;
  const std::size_t size = pixels_.pixels.size();
  std::size_t i = 0;
  for (; i + kBlock <= size; i += kBlock) {
    std::uint64_t words[kBlock / 8];
    std::memcpy(words, s + i, kBlock);
    std::uint64_t any = 0;
    for (const std::uint64_t w : words) any |= w;
    if (any == 0) continue;
    for (std::size_t k = 0; k < kBlock; k += 8) merge(i + k, 8);
    std::memset(s + i, 0, kBlock);
  }
  for (; i < size; i += 8) {
    const std::size_t bytes = std::min<std::size_t>(8, size - i);  // 4 for an odd last pixel
    merge(i, bytes);
    std::memset(s + i, 0, bytes);
  }
}

}  // namespace pravelo
