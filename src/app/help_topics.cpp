#include "app/help_topics.h"

#include <algorithm>
#include <system_error>

namespace pravelo {
namespace fs = std::filesystem;

namespace {

const char* languageFolder(Language language) {
  switch (language) {
    case Language::German:
      return "de";
    case Language::French:
      return "fr";
    case Language::English:
      break;
  }
  return "en";
}

const char* pageOf(int topic) {
  const auto* found = std::ranges::find(kHelpTopics, topic, &HelpTopic::number);
  return found != std::end(kHelpTopics) ? found->page : kHelpTopics[0].page;
}

}  // namespace

fs::path findHelpFolder(const fs::path& programFolder) {
  fs::path folder = programFolder;
  for (int up = 0; up <= 3 && !folder.empty(); ++up) {
    std::error_code ec;
    if (fs::is_directory(folder / "help", ec)) return folder / "help";
    if (!folder.has_relative_path()) break;
    folder = folder.parent_path();
  }
  return {};
}

std::optional<fs::path> helpPage(const fs::path& helpFolder, int topic, Language language) {
  if (helpFolder.empty()) return std::nullopt;
  const fs::path page = helpFolder / languageFolder(language) / pageOf(topic);
  std::error_code ec;
  if (!fs::is_regular_file(page, ec)) return std::nullopt;
  return page;
}

}  // namespace pravelo
