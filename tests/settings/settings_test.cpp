#include "settings/settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "settings/recent_files.h"
#include "support/file_bytes.h"

namespace pravelo {
namespace {

namespace fs = std::filesystem;

// "Section: key key ..." per section, in file order.
std::vector<std::string> sectionsAndKeys(const std::string& file) {
  std::vector<std::string> out;
  std::istringstream in(file);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    if (line.front() == '[') {
      out.push_back(line.substr(1, line.size() - 2) + ":");
    } else {
      out.back() += " " + line.substr(0, line.find('='));
    }
  }
  return out;
}

class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const fs::path dir =
        fs::path(::testing::TempDir()) /
        ("settings_" +
         std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    folders_ = {dir / "program", dir / "settings", dir / "documents"};
    file_ = dir / "PRAVEL60.INI";
  }

  AppSettings defaults(Language language = Language::German) const {
    return defaultSettings(folders_, language);
  }
  AppSettings readBack() const {
    AppSettings s = defaults();
    readSettings(SettingsStore(file_), s);
    return s;
  }
  void writeFile(const std::string& text) const { std::ofstream(file_, std::ios::binary) << text; }

  AppFolders folders_;
  fs::path file_;
};

TEST_F(SettingsTest, DefaultsDependOnFoldersAndLanguage) {
  const AppSettings german = defaults();
  EXPECT_EQ(german.optionen.Hotkeys, "ZLPSRQFNTCAXMVO");
  EXPECT_EQ(defaults(Language::French).optionen.Hotkeys, "ZLPSRQFNTCAXMVO");
  EXPECT_EQ(defaults(Language::English).optionen.Hotkeys, "ZTPSRQFNLCAXMVO");
  EXPECT_EQ(german.ordner.Makro, (folders_.settings / "Makros").string());
  EXPECT_EQ(german.ordner.PLT_Last, folders_.documents.string());
  EXPECT_EQ(german.ordner.Layout, "");
  EXPECT_EQ(readBack(), german) << "a missing file gives every default";
}

TEST_F(SettingsTest, AFullWriteOnAFreshFileFollowsTheShutDownOrder) {
  AppSettings s = defaults();
  s.recentFiles = {"/b/new.pvb6", "/a/old.pvb6"};
  SettingsStore store(file_);
  writeShutdownSettings(store, s, true);
  const std::string file = testing::fileBytes(file_);
  // clang-format off
  const std::vector<std::string> expected = {
      "Window: WindowX WindowY WindowW WindowH WindowMax",
      "Optionen: AutoUpdate Bauteil BezSichtbarDefault WertSichtbarDefault"
      " Makro DRC Eigenschaften Bauteile Selector MakroBreite MakroHoehe BauteileBreite"
      " AutoSave AutoSaveTime RasterMarkierung Punktraster RasterSichtbar"
      " Farbschema PlatinenZoom Undo MIL RotWinkel UserRotWinkel Imax_CU Imax_DT"
      " FK_Diagonal FK_TextBox FK_TextBig FK_Transparent FK_TextBlack"
      " BohrlochFarbe BlinkTest TestLuftlinien SchrifthoeheBegrenzen BezWertFlip TracksOptimieren"
      " NullpunktOben StrgZumFangen AutoMasseDunkel AlleAutoMassen CAM_Nullpunkt Transparent Fang"
      " Gummiband ExportBitmapDPI ExportBitmapFarbe Hotkeys",
      "Settings: Track Circle1 Circle2 SMDX SMDY",
      "Ordner: Layout Gerber Bitmap Vorlage PLT Layout_Last Gerber_Last Bitmap_Last Vorlage_Last"
      " PLT_Last EqualDir Makro MakroOrdner",
      "MRU: MRU0 MRU1",
      "RasterHotkeys: 1 2 3 4 5 6 7 8 9",
      "BT_Export: R0 R1 R2 R3 R4 R5 Delimiter LayerTop LayerBottom Unit NK ZeroDel RPrefix",
      "BTList: W0 W1 W2 W3 W4 W5 W6",
      "Selector: TYP LAYER SORT ZOOM",
      "DRC: Kupfer WKupfer Bohrungen WBohrungen BohrMin WBohrMin BohrMax WBohrMax TrackMin"
      " WTrackMin RingMin WRingMin BestMin WBestMin SilkOnPad HoleOnSMD PadOhneLS LSFremd",
      "Excellon: MM32 MM33 Zoll Zero Komma M71 G90 Kommentare",
      "Fraesen: Vorschub Skalierung Jobliste GetrennteDateien Breite CI_Breite BohrenArt"
      " Passbohrung1 Passbohrung2 Passbohrung3 Passbohrung4 Passbohrung5 Passbohrung6"
      " Passbohrung7 Passbohrung8 PassbohrungenAbstand",
      "Gerber: LS_Offset_LA LS_Offset_SMD LS_Offset_Sonstige SMD_Maske_Offset",
      "RealAnsicht: Best XRay LS_Color PL_Color",
      "AutoRouter: Raster Abstand Width",
      "L_POPUP: T0 T1 T2 T3 T4 T5 T6 T7 T8",
      "LA_POPUP: S0 S1 S2 S3 S4 S5 S6 S7 S8 S9",
      "SMD_POPUP: S0 S1 S2 S3 S4 S5 S6 S7 S8",
  };
  // clang-format on
  EXPECT_EQ(sectionsAndKeys(file), expected);
  for (const char* line :
       {"\r\nWindowMax=1\r\n", "\r\nAutoSaveTime=300000\r\n", "\r\nHotkeys=ZLPSRQFNTCAXMVO\r\n",
        "\r\nMRU0=/b/new.pvb6\r\n", "\r\n9=10000105\r\n", "\r\nS0=%%%8000x4000\r\n"}) {
    EXPECT_NE(file.find(line), std::string::npos) << line;
  }

  // Writing again with other recent files leaves every section where it was.
  s.recentFiles = {"/c.pvb6"};
  writeShutdownSettings(store, s, true);
  std::vector<std::string> again = expected;
  again[4] = "MRU: MRU0";
  EXPECT_EQ(sectionsAndKeys(testing::fileBytes(file_)), again);
}

TEST_F(SettingsTest, EveryGroupReadsBackWhatWasWritten) {
  AppSettings s = defaults();
  s.window = {20, 30, 800, 640, false};
  s.optionen.AutoSave = true;
  s.optionen.AutoSaveTime = 120000;
  s.optionen.Undo = 9;
  s.optionen.NullpunktOben = true;
  s.optionen.RotWinkel = 150;
  s.optionen.Hotkeys = "ZLPSRQFNTCAXMV_";
  s.sizes.SMDY = 12345;
  s.ordner.Layout = "/home/jörg/Platinen mit Blank";
  s.ordner.EqualDir = false;
  s.recentFiles = {"/d.pvb6", "/c.pvb6", "/b.pvb6", "/a.pvb6"};
  s.rasterHotkeys[8] = 10002545;
  s.componentExport.columns = {8, 1};
  s.componentExport.LayerTop = "Oben";
  s.componentListWidths[6] = -70;
  s.selector.ZOOM = 0;
  s.drc.LSFremd = false;
  s.drc.WBohrMax = 60000;
  s.excellon.Zoll = false;
  s.excellon.MM33 = true;
  s.milling.Passbohrung8 = true;
  s.milling.Breite = 2000;
  s.gerber.SMD_Maske_Offset = -150;
  s.gerber.K1 = ".top";
  s.photoView.PL_Color = 2;
  s.autorouter.Raster = false;
  s.print.I2 = 123;
  s.favourites.trackWidths = {7000};
  s.favourites.grids = {10001275, 10000105};
  s.favourites.padSizes = {"%%%1x2"};
  s.favourites.smdPadSizes.clear();

  SettingsStore store(file_);
  writeShutdownSettings(store, s, true);
  writeGerberExtensions(store, s.gerber);
  writePrintSettings(store, s.print);
  AppSettings back = readBack();
  // An empty favourites list leaves no section, so its defaults come back.
  EXPECT_EQ(back.favourites.smdPadSizes, defaults().favourites.smdPadSizes);
  back.favourites.smdPadSizes.clear();
  EXPECT_EQ(back, s);
}

TEST_F(SettingsTest, PrintGerberExtensionAndImageExportKeysAreWrittenByTheirDialogs) {
  AppSettings s = defaults();
  s.print.Gitter = false;
  s.gerber.U = ".gko";
  s.photoView.XRay = false;
  s.optionen.ExportBitmapDPI = 3;
  SettingsStore store(file_);
  writeShutdownSettings(store, s, true);
  EXPECT_FALSE(store.hasSection("Drucken"));
  EXPECT_FALSE(store.hasKey("Gerber", "U"));

  writePrintSettings(store, s.print);
  writeGerberExtensions(store, s.gerber);
  AppSettings dialogValues = defaults();
  dialogValues.optionen.ExportBitmapDPI = 11;
  dialogValues.photoView.XRay = true;
  writeImageExportSettings(store, dialogValues.optionen);
  writePhotoViewSettings(store, dialogValues.photoView);
  const AppSettings back = readBack();
  EXPECT_FALSE(back.print.Gitter);
  EXPECT_EQ(back.gerber.U, ".gko");
  EXPECT_EQ(back.optionen.ExportBitmapDPI, 11);
  EXPECT_TRUE(back.photoView.XRay);
}

TEST_F(SettingsTest, WindowGeometryIsWrittenOnlyInTheNormalState) {
  AppSettings s = defaults();
  s.window = {1, 2, 3, 4, true};
  SettingsStore store(file_);
  writeShutdownSettings(store, s, false);
  EXPECT_EQ(sectionsAndKeys(testing::fileBytes(file_)).front(), "Window: WindowMax");
  EXPECT_EQ(readBack().window, (WindowSettings{10, 10, 600, 400, true}));
}

TEST_F(SettingsTest, OutOfRangeValuesAreBroughtBackIntoRange) {
  writeFile(
      "[Optionen]\r\nUndo=500\r\nAutoSaveTime=0\r\nImax_CU=-3\r\nFarbschema=9\r\n"
      "BohrlochFarbe=-1\r\nGummiband=3\r\nExportBitmapDPI=1000\r\nRasterMarkierung=3\r\n"
      "Hotkeys=ZL\r\nRotWinkel=-900\r\n"
      "[RealAnsicht]\r\nPL_Color=3\r\nLS_Color=-1\r\n");
  const AppSettings back = readBack();
  const OptionenSettings& o = back.optionen;
  EXPECT_EQ(o.Undo, 50);
  EXPECT_EQ(o.AutoSaveTime, 60000);
  EXPECT_EQ(o.Imax_CU, 1);
  EXPECT_EQ(o.Farbschema, 3);
  EXPECT_EQ(o.BohrlochFarbe, 0);
  EXPECT_EQ(o.Gummiband, 2);
  EXPECT_EQ(o.ExportBitmapDPI, 12);
  EXPECT_EQ(o.RasterMarkierung, 4);
  EXPECT_EQ(o.Hotkeys, "ZLPSRQFNTCAXMVO");
  EXPECT_EQ(o.RotWinkel, -900);
  EXPECT_EQ(back.photoView.PL_Color, 2);
  EXPECT_EQ(back.photoView.LS_Color, 0);
}

TEST_F(SettingsTest, ListsReadUpToTheirFirstGapAndDropRemovedEntries) {
  writeFile(
      "[L_POPUP]\r\nT0=1000\r\nT1=abc\r\nT3=3000\r\n"
      "[LA_POPUP]\r\nS0=%%%1x2\r\nS1=\r\nS2=%%%3x4\r\n"
      "[BT_Export]\r\nDelimiter=59\r\n"
      "[MRU]\r\nMRU3=/a.pvb6\r\nMRU2=/c.pvb6\r\nMRU0=/a.pvb6\r\n");
  AppSettings s = readBack();
  EXPECT_EQ(s.favourites.trackWidths, (std::vector<int>{1000, 0}));
  EXPECT_EQ(s.favourites.padSizes, (std::vector<std::string>{"%%%1x2"}));
  EXPECT_EQ(s.favourites.smdPadSizes, defaults().favourites.smdPadSizes);
  EXPECT_TRUE(s.componentExport.columns.empty());
  EXPECT_EQ(s.componentExport.Delimiter, 59);
  EXPECT_EQ(s.recentFiles, (std::vector<std::string>{"/a.pvb6", "/c.pvb6"}));

  s.favourites.trackWidths = {500};
  SettingsStore store(file_);
  writeShutdownSettings(store, s, true);
  EXPECT_FALSE(store.hasKey("L_POPUP", "T3"));
  EXPECT_EQ(readBack().favourites.trackWidths, (std::vector<int>{500}));
}

TEST(RecentFiles, NewestFirstWithoutDuplicatesAtMostFour) {
  std::vector<std::string> list;
  for (const char* file : {"/1", "/2", "/3", "/4"}) addRecentFile(list, file);
  EXPECT_EQ(list, (std::vector<std::string>{"/4", "/3", "/2", "/1"}));
  addRecentFile(list, "/5");
  EXPECT_EQ(list, (std::vector<std::string>{"/5", "/4", "/3", "/2"}));
  addRecentFile(list, "/3");
  EXPECT_EQ(list, (std::vector<std::string>{"/3", "/5", "/4", "/2"}));
}

}  // namespace
}  // namespace pravelo
