#pragma once

#include <filesystem>
#include <optional>

#include "base/text.h"

namespace pravelo {

// A help topic number, sent by a dialog's help button, and its page of the HTML help.
struct HelpTopic {
  int number;
  const char* page;
};

// The table of contents, opened by the menu entry for the help topics.
inline constexpr int kHelpContents = 0;

// clang-format off
inline constexpr HelpTopic kHelpTopics[] = {
    {kHelpContents, "index.html"},
    {6, "new-board.html"},
    {7, "grid-value.html"},
    {8, "layer-colours.html"},
    {17, "special-shapes.html"},
    {18, "text.html"},
    {25, "autorouter.html"},
    {29, "photo-view.html"},
    {32, "isolation-milling.html"},
    {33, "background-template.html"},
    {40, "printing.html"},
    {41, "bitmap-export.html"},
    {42, "gif-export.html"},
    {43, "jpeg-export.html"},
    {45, "gerber.html"},
    {46, "excellon-export.html"},
    {47, "component-name-value.html"},
    {51, "options.html"},
    {54, "footprint-wizard.html"},
    {56, "project-info.html"},
    {61, "component-export.html"},
    {65, "tile-arrangement.html"},
    {66, "gerber-import.html"},
};
// clang-format on

// The help folder: "help" in the program folder or in one of its three parent folders, so that
// a program run from its build folder finds the pages of the source tree. Empty when missing.
std::filesystem::path findHelpFolder(const std::filesystem::path& programFolder);

// The page of a topic in a language ("de", "en", "fr" below the help folder); an unknown topic
// opens the contents. Empty when the page is missing: then nothing is shown.
std::optional<std::filesystem::path> helpPage(const std::filesystem::path& helpFolder, int topic,
                                              Language language);

}  // namespace pravelo
