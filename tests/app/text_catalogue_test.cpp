#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "app/app_texts.h"
#include "app/command_table.h"
#include "app/menu_table.h"
#include "app/options_texts.h"
#include "base/text.h"
#include "cli/cli_texts.h"
#include "cli/drc_command_texts.h"
#include "cli/drill_texts.h"
#include "cli/edit_texts.h"
#include "cli/generator_texts.h"
#include "cli/gerber_texts.h"
#include "cli/image_command_texts.h"
#include "cli/import_gerber_texts.h"
#include "cli/macro_command_texts.h"
#include "cli/mill_texts.h"
#include "cli/nets_texts.h"
#include "cli/options_texts.h"
#include "cli/outlines_texts.h"
#include "cli/parts_texts.h"
#include "cli/print_command_texts.h"
#include "cli/render_texts.h"
#include "cli/route_texts.h"
#include "cli/textio_texts.h"
#include "copper/drc_texts.h"
#include "document/document_texts.h"
#include "editing/cleanup_texts.h"
#include "editing/component_texts.h"
#include "editing/crosshair_texts.h"
#include "editing/editing_texts.h"
#include "editing/generator_texts.h"
#include "editing/properties_texts.h"
#include "editing/selector_texts.h"
#include "editing/tile_texts.h"
#include "manufacturing/drill_texts.h"
#include "manufacturing/gerber_import_texts.h"
#include "manufacturing/gerber_texts.h"
#include "manufacturing/image_texts.h"
#include "manufacturing/milling_texts.h"
#include "project/macro_texts.h"
#include "project/text_io_texts.h"
#include "ui/autorouter_panel_texts.h"
#include "ui/component_dialog_texts.h"
#include "ui/component_list_texts.h"
#include "ui/drc_panel_texts.h"
#include "ui/drill_dialog_texts.h"
#include "ui/generator_dialog_texts.h"
#include "ui/gerber_dialog_texts.h"
#include "ui/gerber_import_dialog_texts.h"
#include "ui/macro_panel_texts.h"
#include "ui/milling_dialog_texts.h"
#include "ui/options_dialog_texts.h"
#include "ui/photo_view_panel_texts.h"
#include "ui/print_dialog_texts.h"
#include "ui/properties_panel_texts.h"
#include "ui/size_column_texts.h"
#include "ui/template_dialog_texts.h"
#include "ui/text_dialog_texts.h"
#include "ui/tile_dialog_texts.h"
#include "ui/ui_texts.h"
#include "ui/view_ui_texts.h"
#include "view/autoroute_texts.h"
#include "view/background_template_texts.h"
#include "view/view_texts.h"

namespace pravelo {
namespace {

struct Entry {
  const char* id;
  Text text;
};

// Every catalogue of the program, listed through its X-macro.
#define PRAVELO_LIST_TEXT(id, de, en, fr) Entry{#id, Text{de, en, fr}},
#define PRAVELO_LIST_COMMAND(handler, hde, hen, hfr, key) \
  Entry{#handler " hint", Text{hde, hen, hfr}},
#define PRAVELO_LIST_CONTROL(name, handler, de, en, fr) Entry{#name, Text{de, en, fr}},
// clang-format off
const std::vector<Entry> kCatalogue = [] {
  std::vector<Entry> entries = {
    PRAVELO_DOCUMENT_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_MACRO_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_MACRO_COMMAND_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_MACRO_PANEL_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_APP_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_OPTIONS_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_VIEW_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_SELECTOR_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_PROPERTIES_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_EDITING_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_CLEANUP_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_TILE_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_COMPONENT_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_EDIT_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_CLI_GERBER_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_CLI_IMPORT_GERBER_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_CLI_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_OUTLINES_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_RENDER_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_DRC_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_DRILL_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_DRILL_COMMAND_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_PARTS_COMMAND_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_OPTIONS_COMMAND_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_GERBER_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_MILLING_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_MILL_COMMAND_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_MILLING_DIALOG_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_GERBER_IMPORT_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_DRC_COMMAND_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_UI_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_DRC_PANEL_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_DRILL_DIALOG_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_GERBER_DIALOG_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_GERBER_IMPORT_DIALOG_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_VIEW_UI_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_SIZE_COLUMN_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_TEXT_DIALOG_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_TILE_DIALOG_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_COMPONENT_DIALOG_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_COMPONENT_LIST_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_GENERATOR_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_IMAGE_COMMAND_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_NETS_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_PRINT_COMMAND_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_ROUTE_CLI_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_TEXTIO_CLI_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_CROSSHAIR_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_GENERATOR_EDITING_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_IMAGE_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_TEXT_IO_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_AUTOROUTER_PANEL_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_GENERATOR_DIALOG_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_OPTIONS_DIALOG_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_PHOTO_VIEW_PANEL_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_PRINT_DIALOG_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_PROPERTIES_PANEL_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_TEMPLATE_DIALOG_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_AUTOROUTE_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_BACKGROUND_TEMPLATE_TEXTS(PRAVELO_LIST_TEXT)
    PRAVELO_COMMANDS(PRAVELO_LIST_COMMAND)
    PRAVELO_CONTROLS(PRAVELO_LIST_CONTROL)
  };
  for (const Menu& m : menus()) {
    if (m.place != MenuPlace::PopUp) entries.push_back({m.name, m.caption});
  }
  return entries;
}();
// clang-format on
#undef PRAVELO_LIST_CONTROL
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

// The placeholders %1 ... %9 of a text.
std::multiset<char> placeholders(const char* s) {
  std::multiset<char> found;
  for (const char* p = s; p[0] != '\0' && p[1] != '\0'; ++p) {
    if (p[0] == '%' && p[1] >= '1' && p[1] <= '9') found.insert(p[1]);
  }
  return found;
}

// A translation that drops or repeats a placeholder would lose or double a value.
TEST(TextCatalogue, EveryLanguageHasTheSamePlaceholders) {
  int withPlaceholders = 0;
  for (const Entry& e : kCatalogue) {
    const auto german = placeholders(e.text.de);
    EXPECT_EQ(placeholders(e.text.en), german) << e.id;
    EXPECT_EQ(placeholders(e.text.fr), german) << e.id;
    withPlaceholders += !german.empty();
  }
  EXPECT_GT(withPlaceholders, 5);
}

TEST(TextCatalogue, FillInPutsEachValueWhereItsLanguageWantsIt) {
  const Text order{"%2 vor %1", "%1 before %2", "%1 avant %2"};
  EXPECT_EQ(fillIn(order, Language::German, {"a", "b"}), "b vor a");
  EXPECT_EQ(fillIn(order, Language::English, {"a", "b"}), "a before b");
  EXPECT_EQ(fillIn(texts::deleteBoard, Language::German, {"\"X\""}),
            "Möchten Sie die Platine \"X\" wirklich löschen?");
  // A value is never read as a placeholder itself, and a missing value leaves the mark.
  EXPECT_EQ(fillIn(order, Language::English, {"%2", "b"}), "%2 before b");
  EXPECT_EQ(fillIn(order, Language::English, {"a"}), "a before %2");
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
