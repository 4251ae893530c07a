#include "synthetic_board.h"

#include <cmath>

namespace pravelo {

Board syntheticBoard(int count) {
  Board board;
  board.name = "Benchmark";
  board.header = newBoardHeader(3000000, 2000000);
  const int columns = static_cast<int>(std::ceil(std::sqrt(count * 1.5)));
  const float pitch = 3000000.0f / static_cast<float>(columns);
  TObjekt* previousPad = nullptr;
  for (int i = 0; i < count; ++i) {
    const float x = (static_cast<float>(i % columns) + 0.5f) * pitch;
    const float y = -(static_cast<float>(i / columns) + 0.5f) * pitch;
    const std::uint8_t layer = (i % 3 == 0) ? kLayerC1 : (i % 3 == 1) ? kLayerC2 : kLayerS1;
    TObjekt o = newObject();
    o.clearance = 4000;
    switch (i % 6) {
      case 0:
        initTrack(o, 4000, layer);
        addPoint(o, {x - pitch / 3, y});
        addPoint(o, {x, y + pitch / 4});
        addPoint(o, {x + pitch / 3, y + pitch / 4});
        break;
      case 1:
        initPad(o, {x, y}, kLayerC1, static_cast<std::uint8_t>(1 + i % 9), 4000, pitch / 5);
        break;
      case 2:
        initSmdPad(o, {x, y}, static_cast<std::int32_t>(pitch / 3), kLayerC1,
                   static_cast<std::int32_t>(pitch / 5));
        break;
      case 3:
        initZone(o, 1000, layer);
        addPoint(o, {x - pitch / 3, y - pitch / 3});
        addPoint(o, {x + pitch / 3, y - pitch / 3});
        addPoint(o, {x + pitch / 4, y + pitch / 3});
        addPoint(o, {x - pitch / 4, y + pitch / 4});
        break;
      case 4:
        initCircle(o, {x, y}, static_cast<std::int32_t>(pitch / 3), layer,
                   static_cast<std::int32_t>(pitch / 4));
        break;
      default: {
        initText(o, {x, y}, "R1", 0, 0, kLayerS1, 1, 1, static_cast<std::int32_t>(pitch / 3), 0);
        for (int stroke = 0; stroke < 4; ++stroke) {
          TObjekt child = newObject();
          initTrack(child, 1500, kLayerS1);
          const float sx = x + stroke * pitch / 12;
          addPoint(child, {sx, y});
          addPoint(child, {sx + pitch / 16, y + pitch / 4});
          o.children.push_back(std::move(child));
        }
        break;
      }
    }
    board.objects.push_back(std::make_unique<TObjekt>(std::move(o)));
    TObjekt* added = board.objects.back().get();
    if (isPadKind(added->kind)) {
      if (previousPad && i % 4 == 1) {
        added->connections.push_back(previousPad);
        previousPad->connections.push_back(added);
      }
      previousPad = added;
    }
  }
  return board;
}

}  // namespace pravelo
