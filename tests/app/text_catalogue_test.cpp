#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/app_texts.h"
#include "base/text.h"
#include "cli/cli_texts.h"
#include "cli/outlines_texts.h"
#include "cli/render_texts.h"
#include "document/document_texts.h"
#include "editing/selector_texts.h"
#include "ui/command_catalogue.h"
#include "ui/size_column_texts.h"
#include "ui/text_dialog_texts.h"
#include "ui/ui_texts.h"
#include "ui/view_ui_texts.h"
#include "view/view_texts.h"

namespace pravelo {
namespace {

struct Entry {
  const char* id;
  Text text;
};

// Every catalogue of the program, listed through its X-macro.
#define PRAVELO_LIST_TEXT(id, de, en, fr) Entry{#id, Text{de, en, fr}},
#define PRAVELO_LIST_COMMAND(name, handler, de, en, fr, hde, hen, hfr, key) \
  Entry{#name, Text{de, en, fr}}, Entry{#name " hint", Text{hde, hen, hfr}},
// clang-format off
const std::vector<Entry> kCatalogue = {
    PRAVELO_DOCUMENT_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_APP_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_VIEW_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_SELECTOR_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_CLI_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_OUTLINES_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_RENDER_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_UI_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_VIEW_UI_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_SIZE_COLUMN_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_TEXT_DIALOG_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_COMMANDS(PRAVELO_LIST_COMMAND)
};
// clang-format on
#undef PRAVELO_LIST_COMMAND
#undef PRAVELO_LIST_TEXT

TEST(TextCatalogue, EveryEntryExistsInEveryLanguage) {
  ASSERT_GT(kCatalogue.size(), 10u);
  for (const Entry& e : kCatalogue) {
    for (Language language : {Language::German, Language::English, Language::French}) {
      const char* s = tr(e.text, language);
      ASSERT_NE(s, nullptr) << e.id;
      EXPECT_GT(std::strlen(s), 0u) << e.id << " lacks language " << static_cast<int>(language);
    }
  }
}

TEST(TextCatalogue, PicksTheRunLanguage) {
  const Language before = currentLanguage();
  setLanguage(Language::French);
  EXPECT_STREQ(tr(texts::defaultBoardName), "Carte 1");
  setLanguage(Language::English);
  EXPECT_STREQ(tr(texts::defaultBoardName), "Board 1");
  setLanguage(Language::German);
  EXPECT_STREQ(tr(texts::defaultBoardName), "Platine 1");
  setLanguage(before);
}

}  // namespace
}  // namespace pravelo
