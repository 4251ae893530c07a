// Feeds arbitrary bytes to the layout reader. Besides memory errors it checks that the load
// repairs settle at once: a loaded document, written and loaded again, writes the same bytes.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "document/file_format_error.h"
#include "document/layout_file.h"
#include "project/layout_load.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace pravelo;
  try {
    Document doc;
    installLayout(doc, readLayout(std::string_view(reinterpret_cast<const char*>(data), size)));
    const std::string once = writeLayout(doc);
    Document again;
    installLayout(again, readLayout(once));
    if (writeLayout(again) != once) std::abort();
  } catch (const FileFormatError&) {
  }
  return 0;
}
