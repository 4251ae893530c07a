#include "app/help_topics.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "support/file_bytes.h"

namespace pravelo {
namespace {

namespace fs = std::filesystem;

const fs::path kHelp = fs::path(PRAVELO_SOURCE_DIR) / "help";

// Pages that no dialog opens; the contents page leads to them.
const std::set<std::string> kContentsOnlyPages = {
    "editing.html",    "transforms.html", "measure.html",     "drawing.html",
    "properties.html", "text-io.html",    "connections.html", "drc.html",
    "components.html", "drill.html",      "macros.html",      "files.html"};

// Every topic has a page in every language, each page belongs to a topic or is reached from the
// contents only, and the contents page links every page.
TEST(HelpTopics, EveryTopicHasAPageInEveryLanguage) {
  std::set<std::string> pages;
  for (const HelpTopic& topic : kHelpTopics) pages.insert(topic.page);
  ASSERT_EQ(pages.size(), std::size(kHelpTopics)) << "two topics share a page";
  for (Language language : {Language::German, Language::English, Language::French}) {
    const std::optional<fs::path> contents = helpPage(kHelp, kHelpContents, language);
    ASSERT_TRUE(contents);
    const std::string index = testing::fileBytes(*contents);
    for (const HelpTopic& topic : kHelpTopics) {
      const std::optional<fs::path> page = helpPage(kHelp, topic.number, language);
      ASSERT_TRUE(page) << topic.page << " " << static_cast<int>(language);
      EXPECT_EQ(page->filename(), topic.page);
      const std::string html = testing::fileBytes(*page);
      EXPECT_NE(html.find("<h1>"), std::string::npos) << *page;
      EXPECT_GT(html.size(), 600u) << *page << " says too little";
      if (topic.number != kHelpContents) {
        EXPECT_NE(index.find(std::string("href=\"") + topic.page + "\""), std::string::npos)
            << topic.page << " is missing from " << *contents;
      }
    }
    for (const std::string& page : kContentsOnlyPages) {
      EXPECT_TRUE(fs::exists(contents->parent_path() / page)) << page;
      EXPECT_NE(index.find("href=\"" + page + "\""), std::string::npos)
          << page << " is missing from " << *contents;
    }
    for (const auto& entry : fs::directory_iterator(contents->parent_path())) {
      const std::string name = entry.path().filename().string();
      EXPECT_TRUE(pages.contains(name) || kContentsOnlyPages.contains(name)) << entry.path();
    }
  }
}

TEST(HelpTopics, UnknownTopicsOpenTheContentsAndMissingPagesNothing) {
  EXPECT_EQ(helpPage(kHelp, 12345, Language::English), kHelp / "en" / "index.html");
  EXPECT_FALSE(helpPage({}, 6, Language::English));
  EXPECT_FALSE(helpPage(kHelp / "missing", 6, Language::English));
}

TEST(HelpTopics, TheHelpFolderIsFoundFromTheProgramFolderUpwards) {
  EXPECT_EQ(findHelpFolder(fs::path(PRAVELO_SOURCE_DIR)), kHelp);
  EXPECT_EQ(findHelpFolder(fs::path(PRAVELO_SOURCE_DIR) / "src" / "ui"), kHelp);
  EXPECT_EQ(findHelpFolder("/"), fs::path());
}

}  // namespace
}  // namespace pravelo
