// Feeds arbitrary bytes to the macro reader. Besides memory errors it checks that the load
// repairs settle at once: a loaded macro, written and loaded again, writes the same bytes.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "document/file_format_error.h"
#include "project/macro_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace pravelo;
  try {
    const MacroContents macro =
        readMacro(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::string once = writeMacroFile(macro.objects, macro.line1, macro.line2);
    const MacroContents again = readMacro(once);
    if (writeMacroFile(again.objects, again.line1, again.line2) != once) std::abort();
  } catch (const FileFormatError&) {
  }
  return 0;
}
