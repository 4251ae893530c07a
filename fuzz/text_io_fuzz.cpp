// Feeds arbitrary bytes to the Text-IO reader. Besides memory errors it checks that whatever is
// read keeps the limits the reader promises (a layer, enough vertices) and can be written.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "project/text_io_error.h"
#include "project/text_io_read.h"
#include "project/text_io_write.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace pravelo;
  try {
    const ObjectList objects =
        readTextIo(std::string_view(reinterpret_cast<const char*>(data), size), {});
    std::vector<const TObjekt*> all;
    for (const auto& o : objects) {
      if (o->layer < 1 || o->layer > kLayerCount) std::abort();
      if (o->kind == kTrack && o->points.size() < 2) std::abort();
      if (o->kind == kZone && o->points.size() < 3) std::abort();
      all.push_back(o.get());
    }
    if (unwritableText(all) == nullptr) writeTextIo(all);
  } catch (const TextIoError&) {
  }
  return 0;
}
