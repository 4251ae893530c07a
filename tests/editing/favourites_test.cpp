#include "editing/favourites.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace pravelo {
namespace {

using Kind = FavouriteKind;

TEST(Favourites, PairTextsReadAsTheirSizes) {
  struct Case {
    const char* text;
    std::optional<Favourite> pair;
  };
  // clang-format off
  for (const Case& c : {Case{"%%%8000x4000", Favourite{8000, 4000}},
                        Case{"%%%0x0",       Favourite{0, 0}},
                        Case{"8000x4000",    Favourite{0, 0}},   // no "%%%"
                        Case{"%%%8000",      Favourite{0, 0}},   // no "x"
                        Case{"%%%abcx5",     std::nullopt},
                        Case{"%%%12x",       std::nullopt},
                        Case{"%%%1.5x2",     std::nullopt},
                        Case{"%%%-5x3",      Favourite{-5, 3}}}) {
    // clang-format on
    EXPECT_EQ(parseFavouritePair(c.text), c.pair) << c.text;
  }
  EXPECT_EQ(favouritePairText({14000, 10000}), "%%%14000x10000");
}

TEST(Favourites, DefaultListsReadSorted) {
  const Favourites lists = readFavourites(FavouriteLists{});
  ASSERT_EQ(lists.tracks.size(), 9u);
  EXPECT_EQ(lists.tracks.front(), (Favourite{1500, 0}));
  ASSERT_EQ(lists.pads.size(), 10u);
  EXPECT_EQ(lists.pads[3], (Favourite{14000, 10000}));
  ASSERT_EQ(lists.smdPads.size(), 9u);
  EXPECT_EQ(lists.smdPads.back(), (Favourite{12000, 32000}));
}

TEST(Favourites, UnreadableNegativeAndOversizedEntriesAreDroppedWhenRead) {
  FavouriteLists stored;
  stored.trackWidths = {6000, -1, 1000000, 1500, 999900};
  stored.padSizes = {"%%%8000x4000",    "junk",        "%%%abcx5", "%%%-5x3",
                     "%%%2000000x1000", "%%%3000x2000"};
  stored.smdPadSizes = {"%%%5000x1000000", "%%%5000x6000"};
  const Favourites lists = readFavourites(stored);
  EXPECT_EQ(lists.tracks, (std::vector<Favourite>{{1500, 0}, {6000, 0}, {999900, 0}}));
  // "junk" reads as 0 x 0, which is a size the fields can hold.
  EXPECT_EQ(lists.pads, (std::vector<Favourite>{{0, 0}, {3000, 2000}, {8000, 4000}}));
  EXPECT_EQ(lists.smdPads, (std::vector<Favourite>{{5000, 6000}}));
}

TEST(Favourites, CaptionsInMmAndMil) {
  struct Case {
    Kind kind;
    Favourite entry;
    LengthUnit unit;
    const char* caption;
  };
  // clang-format off
  for (const Case& c : {Case{Kind::Tracks,  {1500, 0},       LengthUnit::Mm,  "  0.15   mm"},
                        Case{Kind::Tracks,  {140000, 0},     LengthUnit::Mm,  "14.00   mm"},
                        Case{Kind::Pads,    {8000, 4000},    LengthUnit::Mm,  "  0.80  x  0.40   mm"},
                        Case{Kind::SmdPads, {120000, 32000}, LengthUnit::Mm,  "12.00  x  3.20   mm"},
                        Case{Kind::Tracks,  {1500, 0},       LengthUnit::Mil, "      5.9   mil"},
                        Case{Kind::Pads,    {8000, 4000},    LengthUnit::Mil, "    31.5  x  15.7     mil"},
                        Case{Kind::SmdPads, {400000, 1000},  LengthUnit::Mil, "1574.8  x  3.9       mil"}}) {
    // clang-format on
    EXPECT_EQ(favouriteCaption(c.kind, c.entry, c.unit), c.caption);
  }
}

TEST(Favourites, EntryEqualToTheFieldsIsCheckedAndDisablesAdd) {
  const std::vector<Favourite> list = {{1500, 0}, {2000, 0}};
  struct Case {
    int current;
    LengthUnit unit;
    int checkedIndex;  // -1: none
  };
  // clang-format off
  for (const Case c : {Case{1500, LengthUnit::Mm,  0},
                       Case{1549, LengthUnit::Mm,  0},    // 0.15 mm, as the field shows it
                       Case{1551, LengthUnit::Mm,  -1},
                       Case{1976, LengthUnit::Mil, 1},    // within 24 units
                       Case{1975, LengthUnit::Mil, -1},
                       Case{3000, LengthUnit::Mm,  -1}}) {
    // clang-format on
    const FavouriteMenu menu = favouriteMenu(Kind::Tracks, list, {c.current, 0}, c.unit);
    ASSERT_EQ(menu.entries.size(), 2u);
    for (int i = 0; i < 2; ++i) {
      EXPECT_EQ(menu.entries[i].checked, i == c.checkedIndex) << c.current << " entry " << i;
    }
    EXPECT_EQ(menu.addEnabled, c.checkedIndex < 0) << c.current;
  }
  const FavouriteMenu menu = favouriteMenu(Kind::Tracks, list, {1500, 0}, LengthUnit::Mm);
  EXPECT_EQ(menu.entries[0].caption, "  0.15   mm");
  EXPECT_EQ(menu.addCaption, "  0.15   mm");
}

TEST(Favourites, EntryWithThePreviousCaptionIsHidden) {
  const std::vector<Favourite> list = {{8000, 4000}, {8010, 4000}, {8000, 5000}};
  const FavouriteMenu menu = favouriteMenu(Kind::Pads, list, {1, 1}, LengthUnit::Mm);
  EXPECT_FALSE(menu.entries[0].hidden);
  EXPECT_TRUE(menu.entries[1].hidden);
  EXPECT_FALSE(menu.entries[2].hidden);
}

TEST(Favourites, AddInsertsSortedAndRemoveDeletes) {
  std::vector<Favourite> list = {{8000, 4000}, {14000, 8000}};
  addFavourite(list, {10000, 6000});
  addFavourite(list, {8000, 3000});
  EXPECT_EQ(list,
            (std::vector<Favourite>{{8000, 3000}, {8000, 4000}, {10000, 6000}, {14000, 8000}}));
  removeFavourite(list, 1);
  removeFavourite(list, 9);
  EXPECT_EQ(list, (std::vector<Favourite>{{8000, 3000}, {10000, 6000}, {14000, 8000}}));
}

TEST(Favourites, ChoosingAnEntryFillsItsFieldsAndTheSelection) {
  SizeFields fields = initialSizeFields(SizeSettings{});
  ObjectList objects;
  objects.push_back(std::make_unique<TObjekt>(newObject()));
  TObjekt& smd = *objects.back();
  initSmdPad(smd, {0, 0}, 9000, kLayerC1, 18000);
  smd.selected = 1;
  EXPECT_TRUE(chooseFavourite(Kind::SmdPads, {5000, 6000}, fields, objects));
  EXPECT_EQ(currentFavourite(Kind::SmdPads, fields), (Favourite{5000, 6000}));
  EXPECT_EQ(smd.dim, (FPoint{5000, 6000}));
  EXPECT_EQ(currentFavourite(Kind::Tracks, fields), (Favourite{8000, 0}));
  EXPECT_FALSE(chooseFavourite(Kind::Pads, {30000, 14000}, fields, objects));
  EXPECT_EQ(currentFavourite(Kind::Pads, fields), (Favourite{30000, 14000}));
}

class FavouritesFileTest : public ::testing::Test {
 protected:
  AppSettings readBack() const {
    AppSettings s;
    readSettings(SettingsStore(file_), s);
    return s;
  }

  testing::TempFolder folder_;
  std::string file_ = folder_.file("PRAVEL60.INI");
};

TEST_F(FavouritesFileTest, EmptiedListLeavesNoKeysAndTheDefaultsReturn) {
  AppSettings s;
  Favourites lists = readFavourites(s.favourites);
  while (!lists.pads.empty()) removeFavourite(lists.pads, 0);
  lists.tracks.clear();
  storeFavourites(lists, s.favourites);
  SettingsStore store(file_);
  writeShutdownSettings(store, s, true);
  EXPECT_FALSE(store.hasKey("LA_POPUP", "S0"));
  EXPECT_FALSE(store.hasKey("L_POPUP", "T0"));
  EXPECT_EQ(readFavourites(readBack().favourites).pads, readFavourites(FavouriteLists{}).pads);
}

TEST_F(FavouritesFileTest, AddedPadEntryIsWrittenAtOnce) {
  AppSettings s;
  Favourites lists = readFavourites(s.favourites);
  addFavourite(lists.pads, {9000, 3000});
  addFavourite(lists.smdPads, {1000, 2000});
  storeFavourites(lists, s.favourites);
  SettingsStore store(file_);
  writePadFavourites(store, s.favourites);
  EXPECT_EQ(store.readString("LA_POPUP", "S0", ""), "%%%8000x4000");
  EXPECT_EQ(store.readString("LA_POPUP", "S1", ""), "%%%9000x3000");
  EXPECT_EQ(store.readString("SMD_POPUP", "S0", ""), "%%%1000x2000");
  EXPECT_FALSE(store.hasSection("L_POPUP"));
  EXPECT_EQ(readFavourites(readBack().favourites), lists);
}

}  // namespace
}  // namespace pravelo
