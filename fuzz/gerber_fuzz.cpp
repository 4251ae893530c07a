// Feeds arbitrary bytes to the Gerber reader. Besides memory errors, hangs and unbounded
// allocation it checks what the reader promises of its objects: the file's layer, tracks of two
// points, zones of at least three, and every coordinate within the import's limit.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "manufacturing/gerber_read.h"
#include "manufacturing/gerber_shapes.h"
#include "manufacturing/import_error.h"
#include "manufacturing/track_join.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace pravelo;
  try {
    ObjectList objects =
        readGerber(std::string_view(reinterpret_cast<const char*>(data), size), kLayerS1, {});
    for (const auto& o : objects) {
      if (o->layer != kLayerS1) std::abort();
      if (o->kind == kTrack && o->points.size() != 2) std::abort();
      if (o->kind == kZone && o->points.size() < 3) std::abort();
      for (const FPoint& p : o->points) {
        if (!(std::abs(p.x) <= kImportCoordinateLimit && std::abs(p.y) <= kImportCoordinateLimit)) {
          std::abort();
        }
      }
    }
    optimizeConnectedTracks(objects);
  } catch (const ImportError&) {
  }
  return 0;
}
