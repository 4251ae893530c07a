#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string_view>

#include "base/host.h"
#include "view/colour_scheme.h"

namespace pravelo {

inline constexpr int kUserSchemes = 3;

// The colour page of the general settings while the dialog is open: the scheme chosen
// (0 "Standard", 1 to 3 the user schemes) and its colours, which the window shows at once.
// Only user schemes can be edited; an edited one is saved to its file on OK or, after asking,
// when another scheme is chosen.
class ColourSchemeChoice {
 public:
  ColourSchemeChoice(std::filesystem::path settingsFolder, int number);

  int number() const { return number_; }
  const ColourScheme& shown() const { return shown_; }
  bool editable() const { return number_ != 0; }
  bool changed() const { return changed_; }

  // Edits one colour of the user scheme shown; false for the standard scheme.
  bool setColour(int slot, Rgb colour);
  // "Reset scheme to default": the standard colours into the user scheme shown.
  bool resetToStandard();
  // Shows another scheme; a changed user scheme is saved first when the user says Yes.
  void choose(int number, Host& host);
  // OK: saves the scheme shown when it was changed. False, with a message, when it could not
  // be written.
  bool finish(Host& host);

 private:
  bool save(Host& host);

  std::filesystem::path folder_;
  int number_ = 0;
  ColourScheme shown_;
  bool changed_ = false;
};

// The colour chooser's custom colours, kept in "COLORS.DAT" in the settings folder as sixteen
// 32-bit colours 0x00BBGGRR; a missing or damaged file gives white ones.
inline constexpr int kCustomColours = 16;
std::array<Rgb, kCustomColours> readCustomColours(const std::filesystem::path& settingsFolder);
// The colours of the file's bytes: all white unless there are exactly sixteen of them.
std::array<Rgb, kCustomColours> customColoursFromBytes(std::string_view bytes);
bool writeCustomColours(const std::filesystem::path& settingsFolder,
                        const std::array<Rgb, kCustomColours>& colours);

}  // namespace pravelo
