#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>

namespace fs = std::filesystem;

// The core folders are plain C++: no Qt header may be included there, so the command-line tool
// and the tests never depend on the toolkit.
TEST(Architecture, CoreIncludesNoQt) {
  const std::regex qtInclude(R"(^\s*#\s*include\s*<Q)");
  int filesChecked = 0;
  for (const char* folder :
       {"document", "geometry", "view", "editing", "copper", "manufacturing", "app"}) {
    const fs::path dir = fs::path(PRAVELO_SOURCE_DIR) / "src" / folder;
    if (!fs::exists(dir)) continue;
    for (const auto& entry : fs::recursive_directory_iterator(dir)) {
      if (!entry.is_regular_file()) continue;
      std::ifstream in(entry.path());
      std::string line;
      int lineNo = 0;
      while (std::getline(in, line)) {
        ++lineNo;
        EXPECT_FALSE(std::regex_search(line, qtInclude)) << entry.path() << ":" << lineNo;
      }
      ++filesChecked;
    }
  }
  EXPECT_GT(filesChecked, 0);
}
