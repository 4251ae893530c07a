#include "cli/options_command.h"

#include <cstdlib>
#include <optional>
#include <ostream>
#include <string_view>

#include "app/colour_scheme_choice.h"
#include "app/options_values.h"
#include "cli/answer_values.h"
#include "cli/cli.h"
#include "cli/options_texts.h"
#include "cli/text_answer.h"
#include "editing/tool_table.h"
#include "settings/app_folders.h"
#include "settings/settings.h"

namespace pravelo {

namespace {

// The switches of the general page and the crosshair page by their command-line names.
const std::pair<const char*, bool OptionenSettings::*> kOptionSwitches[] = {
    {"boardzoom", &OptionenSettings::PlatinenZoom},
    {"limittext", &OptionenSettings::SchrifthoeheBegrenzen},
    {"ctrlcapture", &OptionenSettings::StrgZumFangen},
    {"darkplane", &OptionenSettings::AutoMasseDunkel},
    {"allplanes", &OptionenSettings::AlleAutoMassen},
    {"camorigin", &OptionenSettings::CAM_Nullpunkt},
    {"blinktest", &OptionenSettings::BlinkTest},
    {"testconnections", &OptionenSettings::TestLuftlinien},
    {"labelsreadable", &OptionenSettings::BezWertFlip},
    {"optimisetracks", &OptionenSettings::TracksOptimieren},
    {"origintop", &OptionenSettings::NullpunktOben},
    {"crosshair.diagonal", &OptionenSettings::FK_Diagonal},
    {"crosshair.coordinates", &OptionenSettings::FK_TextBox},
    {"crosshair.big", &OptionenSettings::FK_TextBig},
    {"crosshair.transparent", &OptionenSettings::FK_Transparent},
    {"crosshair.black", &OptionenSettings::FK_TextBlack},
    {"autosave", &OptionenSettings::AutoSave},
};

const std::pair<const char*, std::string FolderSettings::*> kOptionFolders[] = {
    {"folder.layout", &FolderSettings::Layout}, {"folder.gerber", &FolderSettings::Gerber},
    {"folder.bitmap", &FolderSettings::Bitmap}, {"folder.template", &FolderSettings::Vorlage},
    {"folder.hpgl", &FolderSettings::PLT},
};

const std::pair<const char*, int> kOptionColourSlots[] = {
    {"background", kSlotBackground},
    {"c1", kLayerC1},
    {"s1", kLayerS1},
    {"c2", kLayerC2},
    {"s2", kLayerS2},
    {"i1", kLayerI1},
    {"i2", kLayerI2},
    {"o", kLayerO},
    {"connections", kSlotRubberBand},
    {"via", kSlotVia},
    {"gridlines", kSlotLineGrid},
    {"griddots", kSlotDotGrid},
};

// Messages about the scheme's file go to the error stream; leaving an edited scheme for another
// saves it, as Yes in the window does.
class OptionsCliHost final : public Host {
 public:
  explicit OptionsCliHost(std::ostream& err) : err_(err) {}
  void showMessage(const std::string& text, const std::string&, MessageIcon) override {
    err_ << text << "\n";
  }
  Answer ask(const std::string&, const std::string&, Buttons, MessageIcon) override {
    return Answer::Yes;
  }

 private:
  std::ostream& err_;
};

// A value out of a list of words, as its index.
int optionChoice(const std::string& name, const std::string& value,
                 std::initializer_list<const char*> words, Language language) {
  int index = 0;
  std::string all;
  for (const char* w : words) {
    if (value == w) return index;
    all += (index++ > 0 ? ", " : "") + std::string(w);
  }
  throw BadTextAnswer(fillIn(texts::cliOptionsBadValue, language, {name, all, value}));
}

Rgb optionColour(const std::string& name, const std::string& value, Language language) {
  const std::optional<Rgb> colour = hexColour(value);
  if (!colour) {
    throw BadTextAnswer(fillIn(texts::cliOptionsBadValue, language, {name, "RRGGBB", value}));
  }
  return *colour;
}

// Applies one NAME=VALUE to the settings, or to the colour schemes; throws BadTextAnswer.
void applyOption(const std::string& name, const std::string& value, AppSettings& s,
                 ColourSchemeChoice& schemes, Host& host, const AppFolders& folders,
                 Language language) {
  OptionenSettings& o = s.optionen;
  for (const auto& [n, key] : kOptionSwitches) {
    if (name == n) {
      o.*key = answerFlag(name, value);
      return;
    }
  }
  for (const auto& [n, key] : kOptionFolders) {
    if (name == n) {
      s.ordner.*key = value;
      return;
    }
  }
  if (name == "unit") {
    o.MIL = optionChoice(name, value, {"mm", "mil"}, language) == 1;
  } else if (name == "drillings") {
    o.BohrlochFarbe = optionChoice(name, value, {"background", "white", "black"}, language);
  } else if (name == "equaldir") {
    s.ordner.EqualDir = answerFlag(name, value);
  } else if (name == "macrofolder") {
    s.ordner.Makro = value == "reset" ? resetMacroFolder(folders) : value;
  } else if (name == "undo") {
    storeShownUndoDepth(o, answerWhole(name, value, 1, 50));
  } else if (name == "imaxcu") {
    o.Imax_CU = answerWhole(name, value, 1, 299);
  } else if (name == "imaxdt") {
    o.Imax_DT = answerWhole(name, value, 1, 299);
  } else if (name == "autosaveminutes") {
    storeAutoSaveMinutes(o, answerWhole(name, value, 1, 60));
  } else if (name == "scheme") {
    schemes.choose(answerWhole(name, value, 0, kUserSchemes), host);
    o.Farbschema = schemes.number();
  } else if (name.starts_with("colour.")) {
    const std::string slot = name.substr(7);
    for (const auto& [n, index] : kOptionColourSlots) {
      if (slot != n) continue;
      if (!schemes.setColour(index, optionColour(name, value, language))) {
        throw BadTextAnswer(tr(texts::cliOptionsStandardFixed, language));
      }
      return;
    }
    throw BadTextAnswer(fillIn(texts::cliOptionsUnknown, language, {name}));
  } else if (name.starts_with("hotkey.")) {
    const auto tool = toolByScriptName(name.substr(7));
    if (!tool || toolInfo(*tool).hotkeyIndex < 0) {
      throw BadTextAnswer(fillIn(texts::cliOptionsUnknown, language, {name}));
    }
    const bool none = value == "none";
    if (!none && (value.size() != 1 || !std::isalpha(static_cast<unsigned char>(value[0])))) {
      throw BadTextAnswer(fillIn(texts::cliOptionsBadValue, language, {name, "A-Z, none", value}));
    }
    o.Hotkeys = toolHotkeys(o);
    if (const auto refused = setToolHotkey(o.Hotkeys, toolInfo(*tool).hotkeyIndex,
                                           none ? '_' : value[0], language)) {
      throw BadTextAnswer(*refused);
    }
  } else {
    throw BadTextAnswer(fillIn(texts::cliOptionsUnknown, language, {name}));
  }
}

}  // namespace

CLI::App* addOptionsCommand(CLI::App& app, OptionsRequest& request, Language language) {
  CLI::App* command = app.add_subcommand("options", tr(texts::cliOptionsHelp, language));
  command->fallthrough();
  command->add_option("--folder", request.folder, tr(texts::cliOptionsFolderHelp, language));
  command->add_option("VALUES", request.values, tr(texts::cliOptionsValuesHelp, language));
  return command;
}

int runOptionsCommand(const OptionsRequest& request, std::ostream&, std::ostream& err,
                      Language language) {
  AppFolders folders;
  if (request.folder.empty()) {
    folders = findAppFolders({});
  } else {
    // A folder of its own (tests, other installations) leaves the user's settings alone.
    folders.program = programFolder();
    folders.settings = request.folder;
    folders.documents = documentsFolderFor({}, std::getenv("HOME"), folders.program);
  }
  SettingsStore store(settingsFile(folders));
  AppSettings settings = defaultSettings(folders, language);
  readSettings(store, settings);
  ColourSchemeChoice schemes(folders.settings, settings.optionen.Farbschema);
  OptionsCliHost host(err);
  try {
    for (const std::string& word : request.values) {
      const std::size_t equals = word.find('=');
      if (equals == std::string::npos) {
        throw BadTextAnswer(fillIn(texts::cliOptionsNeedsEquals, language, {word}));
      }
      applyOption(word.substr(0, equals), word.substr(equals + 1), settings, schemes, host, folders,
                  language);
    }
  } catch (const BadTextAnswer& bad) {
    err << bad.what() << "\n";
    return kExitUsage;
  }
  if (!schemes.finish(host)) return kExitBadInput;
  writeShutdownSettings(store, settings, true);
  // The shut-down write ignores errors, as closing the window must; here they count.
  if (!SettingsStore(store.file()).hasSection("Optionen")) {
    err << fillIn(texts::cliOptionsNotWritten, language, {store.file().string()}) << "\n";
    return kExitBadInput;
  }
  return kExitOk;
}

}  // namespace pravelo
