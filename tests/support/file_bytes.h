#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace pravelo::testing {

// The whole file as bytes; empty when it cannot be read.
inline std::string fileBytes(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace pravelo::testing
