// Feeds arbitrary bytes to the bitmap reader of scanned copies and to its resolution field.

#include <cstdint>
#include <string_view>

#include "view/scan_picture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  pravelo::readBmpScan(bytes);
  pravelo::scanResolutionField(pravelo::bmpScanResolution(bytes));
  return 0;
}
