#include "app/options_values.h"

#include <algorithm>
#include <cctype>

#include "app/options_texts.h"

namespace pravelo {

namespace {

constexpr int kMillisecondsPerMinute = 60000;

// The modes in the order of their letters in the hotkey string.
const Text* const kHotkeyModes[kToolHotkeys] = {
    &texts::modeZoom,    &texts::modeTrack,       &texts::modePad,        &texts::modeSmdPad,
    &texts::modeCircle,  &texts::modeRectangle,   &texts::modeZone,       &texts::modeSpecial,
    &texts::modeText,    &texts::modeConnections, &texts::modeAutoroute,  &texts::modeTest,
    &texts::modeMeasure, &texts::modePhotoView,   &texts::modeSolderMask,
};

char upperLetter(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

}  // namespace

OptionsPage optionsStartPage(CommandId command) {
  switch (command) {
    case CommandId::Arbeitsverzeichnisse1Click:
      return OptionsPage::Folders;
    case CommandId::Autospeichern1Click:
      return OptionsPage::AutoSave;
    default:
      return OptionsPage::General;
  }
}

void storeShownUndoDepth(OptionenSettings& o, int shown) { o.Undo = std::clamp(shown, 1, 50) - 1; }

int autoSaveMinutes(const OptionenSettings& o) {
  return std::clamp(o.AutoSaveTime / kMillisecondsPerMinute, 1, 60);
}

void storeAutoSaveMinutes(OptionenSettings& o, int minutes) {
  o.AutoSaveTime = std::clamp(minutes, 1, 60) * kMillisecondsPerMinute;
}

const Text& hotkeyModeName(int index) {
  return *kHotkeyModes[std::clamp(index, 0, kToolHotkeys - 1)];
}

std::optional<std::string> setToolHotkey(std::string& hotkeys, int index, char letter,
                                         Language language) {
  if (index < 0 || index >= kToolHotkeys) return std::nullopt;
  hotkeys.resize(kToolHotkeys, '_');
  letter = upperLetter(letter);
  if (letter != '_') {
    for (int other = 0; other < kToolHotkeys; ++other) {
      if (other == index || upperLetter(hotkeys[static_cast<std::size_t>(other)]) != letter) {
        continue;
      }
      return fillIn(texts::hotkeyTwice, language,
                    {std::string(1, letter), tr(hotkeyModeName(other), language),
                     tr(hotkeyModeName(index), language)});
    }
  }
  hotkeys[static_cast<std::size_t>(index)] = letter;
  return std::nullopt;
}

std::string resetMacroFolder(const AppFolders& folders) {
  return defaultMacroFolder(folders.settings).string();
}

}  // namespace pravelo
