#include "app/command_line.h"

#include <cstdint>
#include <fstream>
#include <system_error>

namespace pravelo {
namespace fs = std::filesystem;

namespace {

// The test of Open's version check: the first four bytes, little-endian, are 0xFFAA3300 plus a
// format version from 0 to 6.
bool hasLayoutVersionWord(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  unsigned char bytes[4];
  if (!in.read(reinterpret_cast<char*>(bytes), sizeof bytes)) return false;
  const std::uint32_t word =
      bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
  const std::int64_t version = static_cast<std::int64_t>(word) - 0xFFAA3300;
  return version >= 0 && version <= 6;
}

}  // namespace

std::string joinArguments(int argc, const char* const* argv) {
  std::string joined;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) joined += ' ';
    joined += argv[i];
  }
  return joined;
}

std::optional<fs::path> startupLayoutFile(std::string_view joinedArguments) {
  if (joinedArguments.empty()) return std::nullopt;
  const fs::path file(joinedArguments);
  std::error_code ec;
  if (!fs::is_regular_file(file, ec) || !hasLayoutVersionWord(file)) return std::nullopt;
  return file;
}

}  // namespace pravelo
