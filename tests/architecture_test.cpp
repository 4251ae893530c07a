#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// The floors of the core, bottom first. A folder may include its own headers and those of the
// folders listed for it; everything else runs upward or sideways and breaks the order.
// clang-format off
const std::map<std::string, std::set<std::string>> kAllowedIncludes = {
    {"base",          {}},
    {"settings",      {"base"}},
    {"document",      {"base", "settings"}},
    {"geometry",      {"base", "settings", "document"}},
    {"project",       {"base", "settings", "document", "geometry"}},
    {"copper",        {"base", "settings", "document", "geometry", "project"}},
    {"view",          {"base", "settings", "document", "geometry", "project", "copper"}},
    {"editing",       {"base", "settings", "document", "geometry", "project", "copper", "view"}},
    {"manufacturing", {"base", "settings", "document", "geometry", "project", "copper", "view"}},
    {"app",           {"base", "settings", "document", "geometry", "project", "copper", "view",
                       "editing", "manufacturing"}},
};
// clang-format on

struct SourceLine {
  fs::path file;
  int number;
  std::string text;
};

// Every line of every file below src/<folder>.
std::vector<SourceLine> linesOf(const std::string& folder) {
  std::vector<SourceLine> lines;
  const fs::path dir = fs::path(PRAVELO_SOURCE_DIR) / "src" / folder;
  if (!fs::exists(dir)) return lines;
  for (const auto& entry : fs::recursive_directory_iterator(dir)) {
    if (!entry.is_regular_file()) continue;
    std::ifstream in(entry.path());
    std::string text;
    int number = 0;
    while (std::getline(in, text)) lines.push_back({entry.path(), ++number, text});
  }
  return lines;
}

}  // namespace

// The core folders are plain C++: no Qt header may be included there, so the command-line tool
// and the tests never depend on the toolkit.
TEST(Architecture, CoreIncludesNoQt) {
  const std::regex qtInclude(R"(^\s*#\s*include\s*<Q)");
  int linesChecked = 0;
  for (const auto& [folder, allowed] : kAllowedIncludes) {
    for (const SourceLine& line : linesOf(folder)) {
      EXPECT_FALSE(std::regex_search(line.text, qtInclude)) << line.file << ":" << line.number;
      ++linesChecked;
    }
  }
  EXPECT_GT(linesChecked, 1000);
}

TEST(Architecture, CoreIncludesOnlyItsOwnFolderAndTheFloorsBelow) {
  const std::regex projectInclude(R"re(^\s*#\s*include\s*"([a-z_]+)/)re");
  int includesChecked = 0;
  for (const auto& [folder, allowed] : kAllowedIncludes) {
    for (const SourceLine& line : linesOf(folder)) {
      std::smatch match;
      if (!std::regex_search(line.text, match, projectInclude)) continue;
      const std::string target = match[1];
      EXPECT_TRUE(target == folder || allowed.contains(target))
          << line.file << ":" << line.number << " includes " << target << "/";
      ++includesChecked;
    }
  }
  EXPECT_GT(includesChecked, 100);
}

// Every folder below src/ except the two front ends is a floor of the table above, so a new
// folder cannot slip past the check.
TEST(Architecture, EveryCoreFolderHasAFloor) {
  for (const auto& entry : fs::directory_iterator(fs::path(PRAVELO_SOURCE_DIR) / "src")) {
    if (!entry.is_directory()) continue;
    const std::string name = entry.path().filename().string();
    if (name == "ui" || name == "cli") continue;
    EXPECT_TRUE(kAllowedIncludes.contains(name)) << name;
  }
}
