#include "cli/gerber_command.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "cli/cli.h"
#include "document/layout_file.h"
#include "geometry/point.h"
#include "project/layout_load.h"
#include "support/file_bytes.h"
#include "support/gerber_boards.h"
#include "support/temp_folder.h"

namespace pravelo {
namespace {

constexpr int kDpi = 1000;
constexpr double kUnitsPerPixel = 254000.0 / kDpi;

// Which pixels are covered, read from a PNG: covered where the colour reaches 30 % of the
// brightest of the picture. Both pictures are read alike, and the darker ground-plane colour of
// the editor still counts where it is mostly covered.
struct Coverage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> covered;
  bool at(int x, int y) const { return covered[static_cast<std::size_t>(y) * width + x] != 0; }
};

Coverage readCoverage(const std::string& file) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  Coverage c;
  if (!png_image_begin_read_from_file(&image, file.c_str())) return c;
  image.format = PNG_FORMAT_RGB;
  std::vector<std::uint8_t> rgb(PNG_IMAGE_SIZE(image));
  png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr);
  c.width = static_cast<int>(image.width);
  c.height = static_cast<int>(image.height);
  // The strongest component: each layer colour has one near full strength.
  std::vector<int> strength;
  for (std::size_t i = 0; i < rgb.size(); i += 3) {
    strength.push_back(std::max({rgb[i], rgb[i + 1], rgb[i + 2]}));
  }
  const int brightest = *std::max_element(strength.begin(), strength.end());
  for (int s : strength) c.covered.push_back(10 * s > 3 * brightest);
  return c;
}

std::string run(const std::vector<std::string>& args, std::string* errors = nullptr) {
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(runCli(args, out, err), kExitOk) << err.str();
  if (errors) *errors = err.str();
  return out.str();
}

// Each Gerber file of a board against the editor's own picture of the same layer, both at
// 1000 dpi: gerbv (an independent reader) must see the copper we draw, to within the one pixel
// that anti-aliasing can move an edge. Drill holes, which the editor draws and a copper file
// does not carry, are left out of the comparison.
class GerberAgainstGerbv : public ::testing::Test {
 protected:
  void save(testing::GerberBoard b) {
    board = b.board.header;
    for (const auto& o : b.board.objects) {
      if (o->kind == kPad) holes.push_back({o->pos.x, o->pos.y, std::max(o->dim.x, o->dim.y)});
    }
    Document doc;
    doc.boards.push_back(std::make_unique<Board>(std::move(b.board)));
    doc.activeBoard = 0;
    testing::writeBytes(layout, writeLayout(doc));
  }

  // Renders the layer both ways and returns the number of pixels that differ by more than one
  // pixel of anti-aliasing; `mirrored` compares the file with the editor's picture turned over.
  // `corner` is where the board's lower left corner lies in the file.
  int mismatches(const std::string& layer, const std::vector<std::string>& options,
                 bool mirrored = false, DPoint corner = {0, 0}) {
    std::vector<std::string> args = {"gerber",   layout, "-o", folder.path().string(),
                                     "--layers", layer};
    args.insert(args.end(), options.begin(), options.end());
    run(args);
    const std::string ours = folder.file("ours.png");
    run({"render", rendered.empty() ? layout : rendered, "-o", ours, "--dpi", std::to_string(kDpi),
         "--layers", layer, "--active-layer", layer});
    const Coverage mine = readCoverage(ours);
    // The window in inches; half a pixel more keeps gerbv from rounding one pixel short.
    char window[64];
    std::snprintf(window, sizeof window, "%.6fx%.6f", (mine.width + 0.5) / kDpi,
                  (mine.height + 0.5) / kDpi);
    char lowerLeft[64];
    std::snprintf(lowerLeft, sizeof lowerLeft, "%.6fx%.6f", corner.x / 254000.0,
                  corner.y / 254000.0);
    const std::string theirs = folder.file("gerbv.png");
    const std::string log = folder.file("gerbv.log");
    const std::string command = "gerbv -x png -a -D " + std::to_string(kDpi) + " -B 0 -O " +
                                lowerLeft + " -W " + window + " -o '" + theirs + "' '" +
                                gerberFile(layer) + "' 2>'" + log + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    const std::string complaints = testing::fileBytes(log);
    for (const char* word : {"rror", "arning", "CRITICAL"}) {
      EXPECT_EQ(complaints.find(word), std::string::npos) << complaints;
    }
    const Coverage other = readCoverage(theirs);
    EXPECT_EQ(other.width, mine.width);
    EXPECT_EQ(other.height, mine.height);
    if (other.width != mine.width || other.height != mine.height) return -1;
    int bad = 0;
    int covered = 0;
    for (int y = 0; y < mine.height; ++y) {
      for (int x = 0; x < mine.width; ++x) {
        if (nearHole(x, y)) continue;
        const bool a = mine.at(x, y);
        covered += a;
        const int tx = mirrored ? mine.width - 1 - x : x;
        if (a == other.at(tx, y)) continue;
        // Another pixel of the other picture within one pixel that agrees is anti-aliasing.
        bool near = false;
        for (int dy = -1; dy <= 1 && !near; ++dy) {
          for (int dx = -1; dx <= 1 && !near; ++dx) {
            const int ox = tx + dx;
            const int oy = y + dy;
            near =
                ox >= 0 && oy >= 0 && ox < mine.width && oy < mine.height && other.at(ox, oy) == a;
          }
        }
        if (!near && ++bad <= 5) ADD_FAILURE() << "pixel " << x << ", " << y << " differs";
      }
    }
    // A comparison of two empty pictures would prove nothing.
    EXPECT_GT(covered, 1000);
    return bad;
  }

  std::string gerberFile(const std::string& layer) const {
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
      const std::string name = entry.path().filename().string();
      if (name.ends_with(layer == "C1" ? "_copper_top.gbr" : "_silkscreen_top.gbr")) {
        return entry.path().string();
      }
    }
    return {};
  }

  bool nearHole(int x, int y) const {
    for (const auto& [hx, hy, r] : holes) {
      const double dx = (x + 0.5) * kUnitsPerPixel - hx;
      const double dy = -(y + 0.5) * kUnitsPerPixel - hy;
      if (std::hypot(dx, dy) <= r + 3 * kUnitsPerPixel) return true;
    }
    return false;
  }

  testing::TempFolder folder;
  std::string layout = folder.file("board.pvb6");
  std::string rendered;  // the layout drawn for the comparison, when not `layout`
  BoardHeader board;
  std::vector<std::tuple<double, double, double>> holes;
};

TEST_F(GerberAgainstGerbv, EveryKindAndShapeOfCopper) {
  save(testing::everyKindBoard());
  EXPECT_EQ(mismatches("C1", {"--cam-origin", "off"}), 0);
}

// The file read back by the import and drawn by the editor is what gerbv sees in the file.
TEST_F(GerberAgainstGerbv, ImportedCopperIsWhatGerbvSeesInTheFile) {
  save(testing::everyKindBoard());
  run({"gerber", layout, "-o", folder.path().string(), "--layers", "C1", "--cam-origin", "off"});
  rendered = folder.file("imported.pvb6");
  run({"import-gerber", "-o", rendered, "C1=" + gerberFile("C1")});
  Document imported;
  installLayout(imported, readLayout(testing::fileBytes(rendered)));
  const Board& back = *imported.boards.at(0);
  // The first round pad of the source, (20000, -25000), lies at y + height in the file.
  const DPoint inFile{20000, -25000.0 + board.height};
  DPoint moved{};
  for (const auto& o : back.objects) {
    if (o->kind == kPad && o->variant == kPadCircular) {
      moved = {o->pos.x - inFile.x, o->pos.y - inFile.y};
      break;
    }
  }
  // The imported board has no drill holes, and neither has the file.
  holes.clear();
  EXPECT_EQ(mismatches("C1", {"--cam-origin", "off"}, false,
                       {-moved.x, -double(back.header.height) - moved.y}),
            0);
}

TEST_F(GerberAgainstGerbv, MirroredCopperIsTheEditorsPictureTurnedOver) {
  save(testing::everyKindBoard());
  EXPECT_EQ(mismatches("C1", {"--cam-origin", "off", "--mirror"}, true), 0);
}

TEST_F(GerberAgainstGerbv, CoordinatesFromTheUserOrigin) {
  testing::GerberBoard b = testing::everyKindBoard();
  // Whole pixels, so that both pictures share one grid.
  b.board.header.originX = 25400;
  b.board.header.originY = -50800;
  save(std::move(b));
  EXPECT_EQ(mismatches("C1", {"--cam-origin", "on"}, false, {-25400, -200000 + 50800}), 0);
}

TEST_F(GerberAgainstGerbv, GroundPlaneWithClearancesSpokesAndCutOut) {
  save(testing::groundPlaneBoard());
  EXPECT_EQ(mismatches("C1", {"--cam-origin", "off"}), 0);
}

TEST_F(GerberAgainstGerbv, SilkscreenText) {
  testing::GerberBoard b;
  b.text({20000, -150000}, "Gerber 0123 ABC xyz", 40000, kLayerS1);
  save(std::move(b));
  EXPECT_EQ(mismatches("S1", {"--cam-origin", "off"}), 0);
}

TEST(GerberCommand, WritesWhatTheBoardHasAndPrintsTheLog) {
  testing::TempFolder folder;
  const std::string layout = folder.file("demo.pvb6");
  Document doc;
  doc.boards.push_back(std::make_unique<Board>(testing::everyKindBoard().board));
  doc.activeBoard = 0;
  testing::writeBytes(layout, writeLayout(doc));
  const std::string settings = folder.file("PRAVEL60.INI");
  testing::writeBytes(settings, "[Gerber]\r\nK1=.GTL\r\n");
  const std::filesystem::path out = folder.path() / "out";
  std::filesystem::create_directory(out);
  const std::string log = run({"gerber", layout, "-o", out.string(), "--settings", settings});
  EXPECT_TRUE(log.ends_with("\n7 files created.\n")) << log;
  for (const char* name :
       {"demo.GTL", "demo_silkscreen_top.gbr", "demo_outline.gbr", "demo_copper_bottom.gbr"}) {
    EXPECT_NE(log.find("-> " + (out / name).string() + "\n"), std::string::npos) << name;
    EXPECT_TRUE(std::filesystem::exists(out / name)) << name;
  }
}

TEST(GerberCommand, UnknownOrEmptyOutputsAreRefused) {
  testing::TempFolder folder;
  const std::string layout = folder.file("demo.pvb6");
  Document doc;
  doc.boards.push_back(std::make_unique<Board>(testing::everyKindBoard().board));
  doc.activeBoard = 0;
  testing::writeBytes(layout, writeLayout(doc));
  for (const char* layers : {"C1,X9", "S2", "I1"}) {
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(
        runCli({"gerber", layout, "-o", folder.path().string(), "--layers", layers}, out, err),
        kExitUsage)
        << layers;
    EXPECT_FALSE(err.str().empty());
  }
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(runCli({"gerber", layout, "-o", folder.file("missing")}, out, err), kExitBadInput);
  EXPECT_NE(err.str().find("does not exist"), std::string::npos);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                          std::filesystem::directory_iterator()),
            1);
}

}  // namespace
}  // namespace pravelo
