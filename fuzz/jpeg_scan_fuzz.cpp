// Feeds arbitrary bytes to the JPEG reader of scanned copies and to its density search.

#include <cstdint>
#include <string_view>

#include "view/scan_picture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  pravelo::readJpegScan(bytes);
  pravelo::scanResolutionField(pravelo::jfifScanResolution(bytes));
  return 0;
}
