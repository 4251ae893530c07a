#include "view/colour_scheme.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>

namespace pravelo {
namespace {

namespace fs = std::filesystem;

void writeRaw(const fs::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary) << bytes;
}

std::string slots(std::initializer_list<std::uint32_t> values) {
  std::string bytes;
  for (std::uint32_t v : values) bytes.append(reinterpret_cast<const char*>(&v), 4);
  return bytes;
}

TEST(ColourScheme, HighlightFollowsTheBackground) {
  EXPECT_EQ(highlightColour({0, 0, 0}), (Rgb{255, 170, 255}));
  EXPECT_EQ(highlightColour({255, 255, 255}), (Rgb{255, 0, 255}));
  EXPECT_TRUE(isDark({127, 127, 128}));   // 382
  EXPECT_FALSE(isDark({127, 128, 128}));  // 383
  EXPECT_EQ(inverted({0, 10, 255}), (Rgb{255, 245, 0}));
}

TEST(ColourScheme, DarkGroundPlaneIsFortyPercentTowardsBlack) {
  const ColourScheme s = standardScheme();
  EXPECT_EQ(groundPlaneColour(s, 3, false), (Rgb{0, 186, 0}));
  EXPECT_EQ(groundPlaneColour(s, 1, true), (Rgb{18, 63, 149}));
}

TEST(ColourScheme, FilesRoundTripAndBadFilesGiveTheStandardScheme) {
  const fs::path dir = fs::path(::testing::TempDir()) / "schemes";
  fs::create_directories(dir);
  ColourScheme custom = standardScheme();
  custom.colours[kSlotBackground] = {255, 255, 255};
  custom.colours[kSlotDotGrid] = {1, 2, 3};
  ASSERT_TRUE(writeSchemeFile(userSchemeFile(dir, 2), custom));
  EXPECT_EQ(loadScheme(dir, 2).colours, custom.colours);
  EXPECT_EQ(userSchemeFile(dir, 2).filename(), "C_USER2.DAT");

  EXPECT_EQ(loadScheme(dir, 1).colours, standardScheme().colours) << "missing file";
  EXPECT_EQ(loadScheme(dir, 0).colours, standardScheme().colours) << "scheme Standard";
  writeRaw(userSchemeFile(dir, 3), std::string(47, '\x11'));
  EXPECT_EQ(loadScheme(dir, 3).colours, standardScheme().colours) << "short file";
}

TEST(ColourScheme, SlotsAreMaskedToTwentyFourBitsAndNegativesMeanBlack) {
  const fs::path file = fs::path(::testing::TempDir()) / "C_USER1.DAT";
  writeRaw(file, slots({0xFFFFFFFF, 0x02123456, 0, 0, 0, 0, 0, 0, 0, 0, 0x80FF0000, 0}));
  const ColourScheme s = readSchemeFile(file);
  EXPECT_EQ(s.colours[0], (Rgb{0, 0, 0})) << "negative background is black";
  EXPECT_EQ(s.colours[1], (Rgb{0x56, 0x34, 0x12})) << "palette byte dropped";
  EXPECT_EQ(s.colours[10], (Rgb{0, 0, 0xFF})) << "negative grid colour keeps its low 24 bits";
}

}  // namespace
}  // namespace pravelo
