#include "settings/settings.h"

#include <algorithm>

#include "settings/recent_files.h"
#include "settings/settings_keys.h"

namespace pravelo {
namespace {

// Key tables, each in the order the shut-down writes the keys.

#define KEY(member) PRAVELO_SETTINGS_KEY(WindowSettings, member)
constexpr SettingsKey<WindowSettings> kWindowGeometryKeys[] = {KEY(WindowX), KEY(WindowY),
                                                               KEY(WindowW), KEY(WindowH)};
#undef KEY

#define KEY(member) PRAVELO_SETTINGS_KEY(OptionenSettings, member)
// clang-format off
constexpr SettingsKey<OptionenSettings> kOptionenKeys[] = {
    KEY(AutoUpdate), KEY(Bauteil), KEY(BezSichtbarDefault), KEY(WertSichtbarDefault),
    // side panels: visibility, then sizes
    KEY(Makro), KEY(DRC), KEY(Eigenschaften), KEY(Bauteile), KEY(Selector),
    KEY(MakroBreite), KEY(MakroHoehe), KEY(BauteileBreite),
    KEY(AutoSave), KEY(AutoSaveTime),
    // grid
    KEY(RasterMarkierung), KEY(Punktraster), KEY(RasterSichtbar),
    KEY(Farbschema), KEY(PlatinenZoom), KEY(Undo), KEY(MIL), KEY(RotWinkel), KEY(UserRotWinkel),
    // current calculator
    KEY(Imax_CU), KEY(Imax_DT),
    // crosshair
    KEY(FK_Diagonal), KEY(FK_TextBox), KEY(FK_TextBig), KEY(FK_Transparent), KEY(FK_TextBlack),
    // the other options
    KEY(BohrlochFarbe), KEY(BlinkTest), KEY(TestLuftlinien), KEY(SchrifthoeheBegrenzen),
    KEY(BezWertFlip), KEY(TracksOptimieren), KEY(NullpunktOben), KEY(StrgZumFangen),
    KEY(AutoMasseDunkel), KEY(AlleAutoMassen), KEY(CAM_Nullpunkt), KEY(Transparent), KEY(Fang),
    KEY(Gummiband), KEY(ExportBitmapDPI), KEY(ExportBitmapFarbe)};
// clang-format on
constexpr SettingsKey<OptionenSettings> kImageExportKeys[] = {KEY(ExportBitmapDPI),
                                                              KEY(ExportBitmapFarbe)};
constexpr SettingsKey<OptionenSettings> kHotkeysKey[] = {KEY(Hotkeys)};
#undef KEY

#define KEY(member) PRAVELO_SETTINGS_KEY(SizeSettings, member)
constexpr SettingsKey<SizeSettings> kSizeKeys[] = {KEY(Track), KEY(Circle1), KEY(Circle2),
                                                   KEY(SMDX), KEY(SMDY)};
#undef KEY

#define KEY(member) PRAVELO_SETTINGS_KEY(FolderSettings, member)
constexpr SettingsKey<FolderSettings> kFolderKeys[] = {
    KEY(Layout),      KEY(Gerber),      KEY(Bitmap),      KEY(Vorlage),      KEY(PLT),
    KEY(Layout_Last), KEY(Gerber_Last), KEY(Bitmap_Last), KEY(Vorlage_Last), KEY(PLT_Last),
    KEY(EqualDir),    KEY(Makro),       KEY(MakroOrdner)};
#undef KEY

#define KEY(member) PRAVELO_SETTINGS_KEY(ComponentExportSettings, member)
constexpr SettingsKey<ComponentExportSettings> kComponentExportKeys[] = {
    KEY(Delimiter), KEY(LayerTop), KEY(LayerBottom), KEY(Unit),
    KEY(NK),        KEY(ZeroDel),  KEY(RPrefix)};
#undef KEY

#define KEY(member) PRAVELO_SETTINGS_KEY(SelectorSettings, member)
constexpr SettingsKey<SelectorSettings> kSelectorKeys[] = {KEY(TYP), KEY(LAYER), KEY(SORT),
                                                           KEY(ZOOM)};
#undef KEY

#define KEY(member) PRAVELO_SETTINGS_KEY(DrcSettings, member)
constexpr SettingsKey<DrcSettings> kDrcKeys[] = {
    KEY(Kupfer),  KEY(WKupfer),  KEY(Bohrungen), KEY(WBohrungen), KEY(BohrMin),   KEY(WBohrMin),
    KEY(BohrMax), KEY(WBohrMax), KEY(TrackMin),  KEY(WTrackMin),  KEY(RingMin),   KEY(WRingMin),
    KEY(BestMin), KEY(WBestMin), KEY(SilkOnPad), KEY(HoleOnSMD),  KEY(PadOhneLS), KEY(LSFremd)};
#undef KEY

#define KEY(member) PRAVELO_SETTINGS_KEY(ExcellonSettings, member)
constexpr SettingsKey<ExcellonSettings> kExcellonKeys[] = {
    KEY(MM32), KEY(MM33), KEY(Zoll), KEY(Zero), KEY(Komma), KEY(M71), KEY(G90), KEY(Kommentare)};
#undef KEY

#define KEY(member) PRAVELO_SETTINGS_KEY(MillingSettings, member)
constexpr SettingsKey<MillingSettings> kMillingKeys[] = {
    KEY(Vorschub),     KEY(Skalierung),   KEY(Jobliste),     KEY(GetrennteDateien),
    KEY(Breite),       KEY(CI_Breite),    KEY(BohrenArt),    KEY(Passbohrung1),
    KEY(Passbohrung2), KEY(Passbohrung3), KEY(Passbohrung4), KEY(Passbohrung5),
    KEY(Passbohrung6), KEY(Passbohrung7), KEY(Passbohrung8), KEY(PassbohrungenAbstand)};
#undef KEY

#define KEY(member) PRAVELO_SETTINGS_KEY(GerberSettings, member)
constexpr SettingsKey<GerberSettings> kGerberExtensionKeys[] = {
    KEY(K1), KEY(K2),  KEY(B1),  KEY(B2),   KEY(I1),  KEY(I2),
    KEY(U),  KEY(LS1), KEY(LS2), KEY(SMD1), KEY(SMD2)};
constexpr SettingsKey<GerberSettings> kGerberOffsetKeys[] = {
    KEY(LS_Offset_LA), KEY(LS_Offset_SMD), KEY(LS_Offset_Sonstige), KEY(SMD_Maske_Offset)};
#undef KEY

#define KEY(member) PRAVELO_SETTINGS_KEY(PhotoViewSettings, member)
constexpr SettingsKey<PhotoViewSettings> kPhotoViewKeys[] = {KEY(Best), KEY(XRay), KEY(LS_Color),
                                                             KEY(PL_Color)};
#undef KEY

#define KEY(member) PRAVELO_SETTINGS_KEY(AutorouterSettings, member)
constexpr SettingsKey<AutorouterSettings> kAutorouterKeys[] = {KEY(Raster), KEY(Abstand),
                                                               KEY(Width)};
#undef KEY

#define KEY(member) PRAVELO_SETTINGS_KEY(PrintSettings, member)
constexpr SettingsKey<PrintSettings> kPrintKeys[] = {
    KEY(K1),          KEY(B1),        KEY(K2),     KEY(B2),       KEY(I1),    KEY(I2),
    KEY(U),           KEY(LS1),       KEY(LS2),    KEY(BP),       KEY(LS_LA), KEY(LS_SMD),
    KEY(LS_Sonstige), KEY(BP_Height), KEY(Gitter), KEY(Infozeile)};
#undef KEY

// Numbered keys: prefix + 0, 1, ...
std::string numbered(std::string_view prefix, std::size_t n) {
  return std::string(prefix) + std::to_string(n);
}

template <std::size_t N>
void readNumbered(const SettingsStore& store, std::string_view section, std::string_view prefix,
                  std::size_t first, std::array<int, N>& values) {
  for (std::size_t i = 0; i < N; ++i) {
    values[i] = store.readInteger(section, numbered(prefix, first + i), values[i]);
  }
}

template <std::size_t N>
void writeNumbered(SettingsStore& store, std::string_view section, std::string_view prefix,
                   std::size_t first, const std::array<int, N>& values) {
  for (std::size_t i = 0; i < N; ++i) {
    store.writeInteger(section, numbered(prefix, first + i), values[i]);
  }
}

// Lists of any length keep their defaults while their section is missing; reading stops at the
// first missing key (integers) or the first empty value (texts).
void readIntegerList(const SettingsStore& store, std::string_view section, std::string_view prefix,
                     std::vector<int>& list) {
  if (!store.hasSection(section)) return;
  list.clear();
  for (std::size_t i = 0; store.hasKey(section, numbered(prefix, i)); ++i) {
    list.push_back(store.readInteger(section, numbered(prefix, i), 0));
  }
}

void readTextList(const SettingsStore& store, std::string_view section, std::string_view prefix,
                  std::vector<std::string>& list) {
  if (!store.hasSection(section)) return;
  list.clear();
  for (std::size_t i = 0;; ++i) {
    std::string text = store.readString(section, numbered(prefix, i), "");
    if (text.empty()) break;
    list.push_back(std::move(text));
  }
}

// Lists are erased and written anew, so that removed entries do not come back.
void writeIntegerList(SettingsStore& store, std::string_view section, std::string_view prefix,
                      const std::vector<int>& list) {
  store.eraseSection(section);
  for (std::size_t i = 0; i < list.size(); ++i) {
    store.writeInteger(section, numbered(prefix, i), list[i]);
  }
}

void writeTextList(SettingsStore& store, std::string_view section, std::string_view prefix,
                   const std::vector<std::string>& list) {
  store.eraseSection(section);
  for (std::size_t i = 0; i < list.size(); ++i) {
    store.writeString(section, numbered(prefix, i), list[i]);
  }
}

void readRecentFiles(const SettingsStore& store, std::vector<std::string>& recentFiles) {
  // From the oldest to the newest, each to the front, so that key 0 ends first.
  for (int i = static_cast<int>(kRecentFilesMax) - 1; i >= 0; --i) {
    const std::string file = store.readString("MRU", numbered("MRU", i), "");
    if (!file.empty()) addRecentFile(recentFiles, file);
  }
}

void readComponentExport(const SettingsStore& store, ComponentExportSettings& settings) {
  readIntegerList(store, "BT_Export", "R", settings.columns);
  readKeys(store, "BT_Export", kComponentExportKeys, settings);
}

void writeComponentExport(SettingsStore& store, const ComponentExportSettings& settings) {
  writeIntegerList(store, "BT_Export", "R", settings.columns);
  writeKeys(store, "BT_Export", kComponentExportKeys, settings);
}

void readFavourites(const SettingsStore& store, FavouriteLists& lists) {
  readIntegerList(store, "L_POPUP", "T", lists.trackWidths);
  readIntegerList(store, "R_POPUP", "T", lists.grids);
  readTextList(store, "LA_POPUP", "S", lists.padSizes);
  readTextList(store, "SMD_POPUP", "S", lists.smdPadSizes);
}

void writeFavourites(SettingsStore& store, const FavouriteLists& lists) {
  writeIntegerList(store, "L_POPUP", "T", lists.trackWidths);
  writeIntegerList(store, "R_POPUP", "T", lists.grids);
  writeTextList(store, "LA_POPUP", "S", lists.padSizes);
  writeTextList(store, "SMD_POPUP", "S", lists.smdPadSizes);
}

// Values that a hand-edited or damaged file can put out of range would stall a timer, index
// past a list or allocate without bound; they are brought back into the ranges the dialogs
// allow.
void normalise(OptionenSettings& o, const OptionenSettings& defaults) {
  o.Undo = std::clamp(o.Undo, 0, 50);  // the default 50 lies above the dialog's 49
  o.AutoSaveTime = std::clamp(o.AutoSaveTime, 60000, 3600000);
  o.Imax_CU = std::clamp(o.Imax_CU, 1, 299);
  o.Imax_DT = std::clamp(o.Imax_DT, 1, 299);
  o.Farbschema = std::clamp(o.Farbschema, 0, 3);
  o.BohrlochFarbe = std::clamp(o.BohrlochFarbe, 0, 2);
  o.Gummiband = std::clamp(o.Gummiband, 0, 2);
  o.ExportBitmapDPI = std::clamp(o.ExportBitmapDPI, 1, 12);
  constexpr int kMarkings[] = {0, 2, 4, 5, 10};
  if (std::ranges::find(kMarkings, o.RasterMarkierung) == std::end(kMarkings)) {
    o.RasterMarkierung = defaults.RasterMarkierung;
  }
  if (o.Hotkeys.size() != defaults.Hotkeys.size()) o.Hotkeys = defaults.Hotkeys;
}

// The photo view's colours are positions in lists of three.
void normalise(PhotoViewSettings& p) {
  p.PL_Color = std::clamp(p.PL_Color, 0, 2);
  p.LS_Color = std::clamp(p.LS_Color, 0, 2);
}

}  // namespace

std::string defaultHotkeys(Language language) {
  // German and French give the track tool "L" and the text tool "T"; English swaps them.
  return language == Language::English ? "ZTPSRQFNLCAXMVO" : "ZLPSRQFNTCAXMVO";
}

std::string toolHotkeys(const OptionenSettings& optionen) {
  return optionen.Hotkeys.empty() ? defaultHotkeys(currentLanguage()) : optionen.Hotkeys;
}

AppSettings defaultSettings(const AppFolders& folders, Language language) {
  AppSettings s;
  s.optionen.Hotkeys = defaultHotkeys(language);
  const std::string documents = folders.documents.string();
  for (std::string* last : {&s.ordner.Layout_Last, &s.ordner.Gerber_Last, &s.ordner.Bitmap_Last,
                            &s.ordner.Vorlage_Last, &s.ordner.PLT_Last}) {
    *last = documents;
  }
  s.ordner.Makro = defaultMacroFolder(folders.settings).string();
  return s;
}

void readSettings(const SettingsStore& store, AppSettings& s) {
  const OptionenSettings defaults = s.optionen;
  readKeys(store, "Window", kWindowGeometryKeys, s.window);
  s.window.WindowMax = store.readBool("Window", "WindowMax", s.window.WindowMax);
  readKeys(store, "Optionen", kOptionenKeys, s.optionen);
  readKeys(store, "Optionen", kHotkeysKey, s.optionen);
  normalise(s.optionen, defaults);
  readKeys(store, "Settings", kSizeKeys, s.sizes);
  readKeys(store, "Ordner", kFolderKeys, s.ordner);
  readRecentFiles(store, s.recentFiles);
  readNumbered(store, "RasterHotkeys", "", 1, s.rasterHotkeys);
  readComponentExport(store, s.componentExport);
  readNumbered(store, "BTList", "W", 0, s.componentListWidths);
  readKeys(store, "Selector", kSelectorKeys, s.selector);
  readKeys(store, "DRC", kDrcKeys, s.drc);
  readKeys(store, "Excellon", kExcellonKeys, s.excellon);
  readKeys(store, "Fraesen", kMillingKeys, s.milling);
  readKeys(store, "Gerber", kGerberExtensionKeys, s.gerber);
  readKeys(store, "Gerber", kGerberOffsetKeys, s.gerber);
  readKeys(store, "RealAnsicht", kPhotoViewKeys, s.photoView);
  normalise(s.photoView);
  readKeys(store, "AutoRouter", kAutorouterKeys, s.autorouter);
  readKeys(store, "Drucken", kPrintKeys, s.print);
  readFavourites(store, s.favourites);
}

void writeShutdownSettings(SettingsStore& store, const AppSettings& s, bool windowInNormalState) {
  DeferredWrites oneFileWrite(store);
  if (windowInNormalState) writeKeys(store, "Window", kWindowGeometryKeys, s.window);
  store.writeBool("Window", "WindowMax", s.window.WindowMax);
  writeKeys(store, "Optionen", kOptionenKeys, s.optionen);
  writeKeys(store, "Settings", kSizeKeys, s.sizes);
  writeKeys(store, "Ordner", kFolderKeys, s.ordner);
  writeTextList(store, "MRU", "MRU", s.recentFiles);
  writeKeys(store, "Optionen", kHotkeysKey, s.optionen);
  writeNumbered(store, "RasterHotkeys", "", 1, s.rasterHotkeys);
  writeComponentExport(store, s.componentExport);
  writeNumbered(store, "BTList", "W", 0, s.componentListWidths);
  writeKeys(store, "Selector", kSelectorKeys, s.selector);
  writeKeys(store, "DRC", kDrcKeys, s.drc);
  writeKeys(store, "Excellon", kExcellonKeys, s.excellon);
  writeKeys(store, "Fraesen", kMillingKeys, s.milling);
  writeKeys(store, "Gerber", kGerberOffsetKeys, s.gerber);
  writeKeys(store, "RealAnsicht", kPhotoViewKeys, s.photoView);
  writeKeys(store, "AutoRouter", kAutorouterKeys, s.autorouter);
  writeFavourites(store, s.favourites);
}

void writeImageExportSettings(SettingsStore& store, const OptionenSettings& optionen) {
  writeKeys(store, "Optionen", kImageExportKeys, optionen);
}

void writeGerberExtensions(SettingsStore& store, const GerberSettings& gerber) {
  DeferredWrites oneFileWrite(store);
  writeKeys(store, "Gerber", kGerberExtensionKeys, gerber);
}

void writePhotoViewSettings(SettingsStore& store, const PhotoViewSettings& photoView) {
  DeferredWrites oneFileWrite(store);
  writeKeys(store, "RealAnsicht", kPhotoViewKeys, photoView);
}

void writePrintSettings(SettingsStore& store, const PrintSettings& print) {
  DeferredWrites oneFileWrite(store);
  writeKeys(store, "Drucken", kPrintKeys, print);
}

void writePadFavourites(SettingsStore& store, const FavouriteLists& lists) {
  DeferredWrites oneFileWrite(store);
  writeTextList(store, "LA_POPUP", "S", lists.padSizes);
  writeTextList(store, "SMD_POPUP", "S", lists.smdPadSizes);
}

}  // namespace pravelo
