#pragma once

#include <array>
#include <string>
#include <vector>

#include "base/text.h"
#include "settings/app_folders.h"
#include "settings/settings_store.h"

namespace pravelo {

// The program's persistent preferences, one record per group of keys. Member names are the keys
// of the settings file; the initialisers are the defaults. Lengths are internal units, angles
// tenths of a degree, exactly as stored.

struct WindowSettings {  // section "Window"
  int WindowX = 10;
  int WindowY = 10;
  int WindowW = 600;
  int WindowH = 400;
  bool WindowMax = true;
  friend bool operator==(const WindowSettings&, const WindowSettings&) = default;
};

struct OptionenSettings {  // section "Optionen"
  bool AutoUpdate = false;
  bool Bauteil = true;
  bool BezSichtbarDefault = true;
  bool WertSichtbarDefault = true;
  bool Makro = true;  // side panels shown
  bool DRC = false;
  bool Eigenschaften = false;
  bool Bauteile = false;
  bool Selector = false;
  int MakroBreite = 176;  // pixels
  int MakroHoehe = 350;
  int BauteileBreite = 124;
  bool AutoSave = false;
  int AutoSaveTime = 300000;  // milliseconds
  int RasterMarkierung = 4;
  bool Punktraster = false;
  bool RasterSichtbar = true;
  int Farbschema = 0;
  bool PlatinenZoom = false;
  int Undo = 50;  // undo depth minus 1
  bool MIL = false;
  int RotWinkel = 450;
  int UserRotWinkel = 225;
  int Imax_CU = 35;  // micrometres
  int Imax_DT = 20;  // kelvin
  bool FK_Diagonal = true;
  bool FK_TextBox = true;
  bool FK_TextBig = false;
  bool FK_Transparent = true;
  bool FK_TextBlack = true;
  int BohrlochFarbe = 0;
  bool BlinkTest = true;
  bool TestLuftlinien = false;
  bool SchrifthoeheBegrenzen = false;
  bool BezWertFlip = true;
  bool TracksOptimieren = true;
  bool NullpunktOben = false;
  bool StrgZumFangen = true;
  bool AutoMasseDunkel = true;
  bool AlleAutoMassen = true;
  bool CAM_Nullpunkt = true;
  bool Transparent = false;
  bool Fang = true;
  int Gummiband = 0;
  int ExportBitmapDPI = 6;  // hundreds of dpi
  bool ExportBitmapFarbe = true;
  // 15 tool letters, "_" for none; the default depends on the language.
  std::string Hotkeys;
  friend bool operator==(const OptionenSettings&, const OptionenSettings&) = default;
};

// The most undo steps a board keeps: the stored "Undo" is one less.
inline int undoDepth(const OptionenSettings& o) { return o.Undo + 1; }

// How the crosshair shows its coordinates ("FK_..." keys of the options' crosshair page).
struct CrosshairOptions {
  bool diagonals = true;    // 45° lines through the pointer
  bool box = true;          // the coordinate box beside the pointer
  bool bigText = false;     // bigger rows in the box
  bool translucent = true;  // the box lets the board show through
  bool black = true;        // white text on black, else black text on light yellow
  friend bool operator==(const CrosshairOptions&, const CrosshairOptions&) = default;
};
inline CrosshairOptions crosshairOptions(const OptionenSettings& o) {
  return {o.FK_Diagonal, o.FK_TextBox, o.FK_TextBig, o.FK_Transparent, o.FK_TextBlack};
}

struct SizeSettings {  // section "Settings": sizes of new objects
  int Track = 8000;
  int Circle1 = 18000;
  int Circle2 = 6000;
  int SMDX = 9000;
  int SMDY = 18000;
  friend bool operator==(const SizeSettings&, const SizeSettings&) = default;
};

struct FolderSettings {  // section "Ordner"
  std::string Layout;    // fixed folders; empty: remember the last one
  std::string Gerber;
  std::string Bitmap;
  std::string Vorlage;
  std::string PLT;
  std::string Layout_Last;  // the documents folder by default
  std::string Gerber_Last;
  std::string Bitmap_Last;
  std::string Vorlage_Last;
  std::string PLT_Last;
  bool EqualDir = true;
  std::string Makro;  // the settings folder's "Makros" by default
  std::string MakroOrdner;
  friend bool operator==(const FolderSettings&, const FolderSettings&) = default;
};

struct ComponentExportSettings {               // section "BT_Export"
  std::vector<int> columns{1, 2, 3, 4, 5, 6};  // keys R0, R1, ...
  int Delimiter = 9;
  std::string LayerTop = "Top";
  std::string LayerBottom = "Bottom";
  int Unit = 0;
  int NK = 2;
  bool ZeroDel = false;
  bool RPrefix = false;
  friend bool operator==(const ComponentExportSettings&, const ComponentExportSettings&) = default;
};

struct SelectorSettings {  // section "Selector"
  int TYP = 0;
  int LAYER = 0;
  int SORT = 0;
  int ZOOM = 5;
  friend bool operator==(const SelectorSettings&, const SelectorSettings&) = default;
};

struct DrcSettings {  // section "DRC"
  bool Kupfer = true;
  int WKupfer = 1500;
  bool Bohrungen = true;
  int WBohrungen = 5000;
  bool BohrMin = true;
  int WBohrMin = 3000;
  bool BohrMax = true;
  int WBohrMax = 80000;
  bool TrackMin = true;
  int WTrackMin = 2000;
  bool RingMin = true;
  int WRingMin = 2000;
  bool BestMin = true;
  int WBestMin = 1500;
  bool SilkOnPad = true;
  bool HoleOnSMD = true;
  bool PadOhneLS = true;
  bool LSFremd = true;
  friend bool operator==(const DrcSettings&, const DrcSettings&) = default;
};

struct ExcellonSettings {  // section "Excellon"
  bool MM32 = false;
  bool MM33 = false;
  bool Zoll = true;
  bool Zero = false;
  bool Komma = false;
  bool M71 = false;
  bool G90 = false;
  bool Kommentare = false;
  friend bool operator==(const ExcellonSettings&, const ExcellonSettings&) = default;
};

struct MillingSettings {  // section "Fraesen"
  bool Vorschub = false;
  int Skalierung = 1;
  bool Jobliste = false;
  bool GetrennteDateien = false;
  int Breite = 0;
  int CI_Breite = 0;
  int BohrenArt = 1;
  bool Passbohrung1 = false;
  bool Passbohrung2 = false;
  bool Passbohrung3 = false;
  bool Passbohrung4 = false;
  bool Passbohrung5 = false;
  bool Passbohrung6 = false;
  bool Passbohrung7 = false;
  bool Passbohrung8 = false;
  int PassbohrungenAbstand = 0;
  friend bool operator==(const MillingSettings&, const MillingSettings&) = default;
};

struct GerberSettings {                // section "Gerber"
  std::string K1 = "_copper_top.gbr";  // file extensions
  std::string K2 = "_copper_bottom.gbr";
  std::string B1 = "_silkscreen_top.gbr";
  std::string B2 = "_silkscreen_bottom.gbr";
  std::string I1 = "_copper_inner1.gbr";
  std::string I2 = "_copper_inner2.gbr";
  std::string U = "_outline.gbr";
  std::string LS1 = "_soldermask_top.gbr";
  std::string LS2 = "_soldermask_bottom.gbr";
  std::string SMD1 = "_smdmask_top.gbr";
  std::string SMD2 = "_smdmask_bottom.gbr";
  int LS_Offset_LA = 30;  // hundredths of a millimetre
  int LS_Offset_SMD = 10;
  int LS_Offset_Sonstige = 10;
  int SMD_Maske_Offset = 0;
  friend bool operator==(const GerberSettings&, const GerberSettings&) = default;
};

struct PhotoViewSettings {  // section "RealAnsicht"
  bool Best = true;
  bool XRay = true;
  int LS_Color = 0;
  int PL_Color = 0;
  friend bool operator==(const PhotoViewSettings&, const PhotoViewSettings&) = default;
};

struct AutorouterSettings {  // section "AutoRouter"
  bool Raster = true;
  int Abstand = 2000;
  int Width = 4000;
  friend bool operator==(const AutorouterSettings&, const AutorouterSettings&) = default;
};

struct PrintSettings {  // section "Drucken"; colours 65536 * blue + 256 * green + red
  int K1 = 0;
  int B1 = 255;
  int K2 = 0;
  int B2 = 255;
  int I1 = 8421376;
  int I2 = 8388736;
  int U = 65280;
  int LS1 = 0;
  int LS2 = 0;
  int BP = 0;
  int LS_LA = 3000;
  int LS_SMD = 1000;
  int LS_Sonstige = 1000;  // 0.10 mm, what the print options dialog offers
  int BP_Height = 10000;
  bool Gitter = true;
  bool Infozeile = true;
  friend bool operator==(const PrintSettings&, const PrintSettings&) = default;
};

struct FavouriteLists {  // the user entries of the size and grid menus
  std::vector<int> trackWidths{1500, 2000, 3000, 4000, 6000, 8000, 10000, 12000, 14000};
  std::vector<int> grids;  // grid value codes
  std::vector<std::string> padSizes{
      "%%%8000x4000",   "%%%10000x5000", "%%%14000x8000",  "%%%14000x10000", "%%%16000x8000",
      "%%%16000x10000", "%%%20000x8000", "%%%20000x10000", "%%%24000x12000", "%%%30000x14000"};
  std::vector<std::string> smdPadSizes{"%%%3000x3000",   "%%%5000x6000",   "%%%6000x9000",
                                       "%%%8000x9000",   "%%%9000x16000",  "%%%10000x12000",
                                       "%%%12000x17000", "%%%12000x27000", "%%%12000x32000"};
  friend bool operator==(const FavouriteLists&, const FavouriteLists&) = default;
};

struct AppSettings {
  WindowSettings window;
  OptionenSettings optionen;
  SizeSettings sizes;
  FolderSettings ordner;
  std::vector<std::string> recentFiles;  // section "MRU", newest first
  // Section "RasterHotkeys": the grid value codes of the digit keys 1 to 9.
  std::array<int, 9> rasterHotkeys{10002545, 10001275, 10006354, 10031753, 10158752,
                                   20793754, 23968753, 10001005, 10000105};
  ComponentExportSettings componentExport;
  // Section "BTList": component list column widths in pixels, negative when hidden.
  std::array<int, 7> componentListWidths{24, 46, 46, 34, 40, 62, 70};
  SelectorSettings selector;
  DrcSettings drc;
  ExcellonSettings excellon;
  MillingSettings milling;
  GerberSettings gerber;
  PhotoViewSettings photoView;
  AutorouterSettings autorouter;
  PrintSettings print;
  FavouriteLists favourites;
  friend bool operator==(const AppSettings&, const AppSettings&) = default;
};

// The tool hotkeys of a language: the track tool is "L" (Leiterbahn) in German and French.
std::string defaultHotkeys(Language language);
// The tool letters in force: the stored ones, or the defaults of the run's language.
std::string toolHotkeys(const OptionenSettings& optionen);

// Every default, including those that depend on the folders and the language.
AppSettings defaultSettings(const AppFolders& folders, Language language);

// Reads every key over the values in `settings` (normally the defaults): a key missing from the
// file keeps its value. Values outside the ranges the program can use are brought back into
// them.
void readSettings(const SettingsStore& store, AppSettings& settings);

// The shut-down write, in its fixed order. Window position and size are written only when the
// window is in its normal state. Errors are ignored: the program closes anyway.
void writeShutdownSettings(SettingsStore& store, const AppSettings& settings,
                           bool windowInNormalState);

// Writes of dialogs that store their values themselves.
void writeImageExportSettings(SettingsStore& store, const OptionenSettings& optionen);
void writeGerberExtensions(SettingsStore& store, const GerberSettings& gerber);
void writePhotoViewSettings(SettingsStore& store, const PhotoViewSettings& photoView);
void writePrintSettings(SettingsStore& store, const PrintSettings& print);
// The pad and SMD pad lists ("LA_POPUP", "SMD_POPUP"), written whenever an entry is added.
void writePadFavourites(SettingsStore& store, const FavouriteLists& lists);

}  // namespace pravelo
