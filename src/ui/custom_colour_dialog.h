#pragma once

#include <filesystem>
#include <optional>

#include "view/colour_scheme.h"

class QWidget;

namespace pravelo {

// The colour chooser with the user's custom colours: they come from "COLORS.DAT" in the
// settings folder and go back there afterwards, whether a colour was chosen or not. Nothing
// when the user cancels.
std::optional<Rgb> chooseColourWithCustomColours(QWidget* parent,
                                                 const std::filesystem::path& settingsFolder,
                                                 Rgb current);

}  // namespace pravelo
