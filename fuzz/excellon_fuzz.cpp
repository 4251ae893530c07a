// Feeds arbitrary bytes to the drill file reader and drills the hits into a few pads, with the
// number format the file's own coordinates suggest.

#include <cstdint>
#include <memory>
#include <string_view>

#include "manufacturing/excellon_read.h"
#include "manufacturing/import_error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace pravelo;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  ExcellonReadSettings settings;
  settings.inch = !excellonIsMetric(bytes);
  settings.suppression = detectZeroSuppression(bytes).suppression;
  ObjectList objects;
  for (std::uint8_t layer : {kLayerC1, kLayerC2}) {
    TObjekt pad = newObject();
    initPad(pad, {25400, 25400}, layer, kPadCircular, 0, 8000);
    objects.push_back(std::make_unique<TObjekt>(std::move(pad)));
  }
  try {
    drillHits(objects, readExcellon(bytes, settings), true);
    isValidExcellon(bytes);
  } catch (const ImportError&) {
  }
  return 0;
}
