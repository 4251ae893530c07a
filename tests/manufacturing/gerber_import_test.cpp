#include "manufacturing/gerber_import.h"

#include <gtest/gtest.h>

#include <string>

#include "document/object_list.h"
#include "document/undo_history.h"
#include "geometry/translate.h"
#include "manufacturing/excellon_file.h"
#include "manufacturing/gerber_import_run.h"
#include "manufacturing/gerber_layers.h"
#include "manufacturing/gerber_read.h"
#include "project/boards.h"
#include "support/gerber_boards.h"
#include "support/scripted_host.h"
#include "support/temp_folder.h"
#include "view/colour_scheme.h"
#include "view/renderer.h"

namespace pravelo {
namespace {

const GerberOutput& outputFor(int layer) {
  for (const GerberOutput& o : kGerberOutputs) {
    if (o.layer == layer && o.content != GerberContent::SolderMask &&
        o.content != GerberContent::SmdMask) {
      return o;
    }
  }
  return kGerberOutputs.front();
}

std::string exportedLayer(const Board& board, int layer) {
  GerberOptions options;
  options.camOrigin = false;
  return gerberLayerFile(board, outputFor(layer), options).text;
}

// Copper of one layer at 1000 dpi: every drawn pixel, holes counted as copper so that a pad
// read back without its drill compares equal.
std::vector<bool> layerPixels(const Board& board, int layer) {
  Board shown;
  shown.header = board.header;
  shown.header.layerVisible.fill(0);
  shown.header.layerVisible[layer - 1] = 1;
  shown.header.activeLayer = layer;
  shown.header.groundPlane.fill(0);
  // A pure hole has no copper, so the export leaves it out.
  for (const auto& o : board.objects) {
    if (!isPureHole(*o)) copyObjectList({o.get()}, shown.objects);
  }
  RenderOptions options;
  options.allWhite = true;
  options.antiAliased = false;
  options.showGrid = false;
  options.showOrigin = false;
  options.clipToView = false;
  options.drillHoleColour = DrillHoleColour::White;
  const double zoom = 1000 / 254000.0;
  const int width = static_cast<int>(board.header.width * zoom);
  const int height = static_cast<int>(board.header.height * zoom);
  const Frame frame =
      renderBoard(shown, ViewTransform{zoom, 0, 0}, standardScheme(), options, width, height);
  std::vector<bool> copper;
  copper.reserve(static_cast<std::size_t>(width) * height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const Rgb c = frame.at(x, y);
      copper.push_back(c.r > 200 && c.g > 200 && c.b > 200);
    }
  }
  return copper;
}

double intersectionOverUnion(const std::vector<bool>& a, const std::vector<bool>& b) {
  std::size_t both = 0;
  std::size_t either = 0;
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
    both += a[i] && b[i];
    either += a[i] || b[i];
  }
  return either == 0 ? 1.0 : double(both) / double(either);
}

int count(const ObjectList& objects, int kind, int shape = -1) {
  int n = 0;
  for (const auto& o : objects) n += o->kind == kind && (shape < 0 || o->variant == shape);
  return n;
}

TEST(GerberImport, OurOwnExportReadsBackIntoTheSameKindsAndRendersAlike) {
  const testing::GerberBoard original = testing::everyKindBoard();
  int comparedLayers = 0;
  for (int layer : {kLayerC1, kLayerS1, kLayerO}) {
    SCOPED_TRACE(layer);
    ObjectList read = readGerber(exportedLayer(original.board, layer), uint8_t(layer), {});
    Board back;
    back.header = original.board.header;
    // The file puts the board's lower left corner at 0,0.
    for (auto& o : read) translateObject(*o, 0, -double(original.board.header.height));
    back.objects = std::move(read);
    if (layer == kLayerC1) {
      EXPECT_EQ(count(back.objects, kPad, kPadCircular), 2);  // round pad and via; no pure hole
      EXPECT_EQ(count(back.objects, kPad, kPadOctagon), 1);
      EXPECT_EQ(count(back.objects, kSmdPad), 2);  // at 0 and 90 degrees; 30 degrees is a zone
      EXPECT_GE(count(back.objects, kCircle), 3);
      for (const auto& o : back.objects) {
        if (o->kind == kPad && o->variant == kPadCircular) {
          EXPECT_FLOAT_EQ(o->dim.y, 0);
        }
      }
    }
    const double iou =
        intersectionOverUnion(layerPixels(original.board, layer), layerPixels(back, layer));
    EXPECT_GE(iou, 0.99);
    ++comparedLayers;
  }
  EXPECT_EQ(comparedLayers, 3);
}

TEST(GerberImport, DrillFileGivesHolesAndViasAndThePlacementFramesTheData) {
  testing::GerberBoard b(300000, 200000);
  b.pad({100000, -100000}, kPadCircular, 8000, 4000);
  b.pad({100000, -100000}, kPadCircular, 8000, 4000, kLayerC2);
  b.pad({150000, -60000}, kPadCircular, 8000, 5000);
  b.track({{100000, -100000}, {150000, -60000}}, 5000);
  testing::TempFolder folder;
  GerberImportRequest request;
  request.gerberFiles[kLayerC1] = folder.file("top.gbr");
  request.gerberFiles[kLayerC2] = folder.file("bottom.gbr");
  request.drillFile = folder.file("holes.drl");
  testing::writeBytes(request.gerberFiles[kLayerC1], exportedLayer(b.board, kLayerC1));
  testing::writeBytes(request.gerberFiles[kLayerC2], exportedLayer(b.board, kLayerC2));
  ExcellonOptions drill;
  drill.camOrigin = false;
  testing::writeBytes(request.drillFile, drillFileText(b.board, drill, "today"));

  Document doc;
  ASSERT_FALSE(importToDocument(request, "XGerber", doc, Language::English));
  ASSERT_EQ(doc.boards.size(), 1u);
  const Board& board = activeBoard(doc);
  EXPECT_EQ(board.name, "XGerber");
  ASSERT_EQ(count(board.objects, kPad), 2);  // the via keeps one pad of the pair
  for (const auto& o : board.objects) {
    if (o->kind != kPad) continue;
    EXPECT_EQ(o->layer, kLayerC1);
    // The inch tool table keeps a tenth of a mil.
    EXPECT_NEAR(o->dim.y, o->via ? 4000 : 5000, 5);
  }
  // Data from x 92000 to 158000 and y -108000 to -52000 (pads of radius 8000): 5 mm around.
  EXPECT_EQ(board.header.width, 66000 + 100000);
  EXPECT_EQ(board.header.height, 56000 + 100000);
  EXPECT_EQ(board.header.originX, 50000);
  EXPECT_EQ(board.header.originY, 50000 - board.header.height);
  for (const auto& o : board.objects) {
    if (o->kind == kPad && o->via) {
      EXPECT_NEAR(o->pos.x, 50000 + 8000, 1);
      EXPECT_NEAR(o->pos.y, board.header.originY + 8000, 1);
    }
  }
}

TEST(GerberImport, AnUnreadableFileStopsTheImportWithItsNameAndLine) {
  testing::TempFolder folder;
  GerberImportRequest request;
  request.gerberFiles[kLayerC1] = folder.file("good.gbr");
  request.gerberFiles[kLayerC2] = folder.file("bad.gbr");
  testing::writeBytes(request.gerberFiles[kLayerC1],
                      "%FSLAX34Y34*%\n%ADD10C,1*%\nD10*\nX0Y0D03*\n");
  testing::writeBytes(request.gerberFiles[kLayerC2],
                      "%FSLAX34Y34*%\n%ADD10C,1*%\nD10*\nX1Y99999999999D03*\n");
  ImportedData data;
  const auto failed = readImport(request, data, Language::English);
  ASSERT_TRUE(failed.has_value());
  EXPECT_EQ(failed->message, "bad.gbr, line 4: The number does not fit in 32 bits.");
  EXPECT_TRUE(data.objects.empty());

  request.gerberFiles[kLayerC2] = folder.file("missing.gbr");
  const auto missing = readImport(request, data, Language::English);
  ASSERT_TRUE(missing.has_value());
  EXPECT_NE(missing->message.find("This file does not exist."), std::string::npos);
}

TEST(GerberImport, InnerLayerDataSwitchesTheMultilayerOn) {
  testing::TempFolder folder;
  GerberImportRequest request;
  request.gerberFiles[kLayerI2] = folder.file("inner.gbr");
  testing::writeBytes(request.gerberFiles[kLayerI2],
                      "%FSLAX34Y34*%\n%MOMM*%\n%ADD10C,1*%\nD10*\nX0Y0D03*\n");
  Document doc;
  ASSERT_FALSE(importToDocument(request, "XGerber", doc, Language::English));
  const Board& board = activeBoard(doc);
  EXPECT_EQ(board.header.multilayer, 1);
  ASSERT_EQ(board.objects.size(), 1u);
  EXPECT_EQ(board.objects[0]->layer, kLayerI2);
  EXPECT_EQ(board.header.width, 110000);
}

// The dialog's "Import...": the checks, the questions and the one undo step.
class ImportRun : public ::testing::Test {
 protected:
  ImportRun() {
    setLanguage(Language::English);
    addDefaultBoard(doc, false);
    request.gerberFiles[kLayerC1] = folder.file("top.gbr");
    testing::writeBytes(request.gerberFiles[kLayerC1],
                        "%FSLAX34Y34*%\n%MOMM*%\n%ADD10C,1*%\nD10*\nX0Y0D03*\n");
    testing::GerberBoard existing;
    existing.track({{0, 0}, {10000, 0}}, 2000);
    activeBoard(doc).objects = std::move(existing.board.objects);
  }
  ~ImportRun() override { setLanguage(languageBefore); }
  Language languageBefore = currentLanguage();
  testing::TempFolder folder;
  GerberImportRequest request;
  Document doc;
  testing::ScriptedHost host;
};

TEST_F(ImportRun, NewBoardTabLeavesTheOthersAlone) {
  EXPECT_EQ(runGerberImport(doc, request, true, host, 10), ImportOutcome::Imported);
  ASSERT_EQ(doc.boards.size(), 2u);
  EXPECT_EQ(doc.activeBoard, 1);
  EXPECT_EQ(activeBoard(doc).name, "XGerber");
  EXPECT_EQ(activeBoard(doc).objects.size(), 1u);
  EXPECT_EQ(doc.boards[0]->objects.size(), 1u);
  EXPECT_TRUE(doc.modified);
  EXPECT_TRUE(host.questions.empty());
}

TEST_F(ImportRun, CurrentBoardIsReplacedAsOneUndoStepAfterAsking) {
  host.answers = {Answer::Cancel, Answer::Ok};
  EXPECT_EQ(runGerberImport(doc, request, false, host, 10), ImportOutcome::Stopped);
  EXPECT_EQ(activeBoard(doc).objects[0]->kind, kTrack);
  EXPECT_EQ(runGerberImport(doc, request, false, host, 10), ImportOutcome::Imported);
  ASSERT_EQ(doc.boards.size(), 1u);
  ASSERT_EQ(activeBoard(doc).objects.size(), 1u);
  EXPECT_EQ(activeBoard(doc).objects[0]->kind, kPad);
  EXPECT_EQ(activeBoard(doc).header.width, 110000);
  ASSERT_TRUE(undo(doc));
  ASSERT_EQ(activeBoard(doc).objects.size(), 1u);
  EXPECT_EQ(activeBoard(doc).objects[0]->kind, kTrack);
  EXPECT_FALSE(undo(doc));
}

TEST_F(ImportRun, MissingDoubtfulAndUnreadableFiles) {
  request.gerberFiles[kLayerC2] = folder.file("missing.gbr");
  EXPECT_EQ(runGerberImport(doc, request, true, host, 10), ImportOutcome::KeepDialogOpen);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "This file does not exist.");
  EXPECT_EQ(host.messages[0].title, "Gerber-Import");

  // Without a format statement the user decides; the defaults then read the file.
  testing::writeBytes(request.gerberFiles[kLayerC2], "%ADD10C,1*%\nD10*\nX1Y1D03*\n");
  host.answers = {Answer::No};
  EXPECT_EQ(runGerberImport(doc, request, true, host, 10), ImportOutcome::KeepDialogOpen);
  ASSERT_EQ(host.questions.size(), 1u);
  EXPECT_NE(host.questions[0].text.find("This file seems not to be a valid XGerber-file."),
            std::string::npos);

  request.drillFile = folder.file("holes.drl");
  testing::writeBytes(request.drillFile, "M48\nINCH\n%\nT1\nX1Y1\n");
  host.answers = {Answer::Yes, Answer::No};
  EXPECT_EQ(runGerberImport(doc, request, true, host, 10), ImportOutcome::KeepDialogOpen);
  EXPECT_NE(host.questions.back().text.find("valid Excellon-file"), std::string::npos);

  // Read to its end, the drill file has a hit before any tool: it stops there, and a damaged
  // Gerber file leaves the document as it was.
  testing::writeBytes(request.gerberFiles[kLayerC2], "%FSLAX34Y34*%\nX+-Y0D02*\n");
  host.answers = {Answer::Yes};
  EXPECT_EQ(runGerberImport(doc, request, true, host, 10), ImportOutcome::KeepDialogOpen);
  EXPECT_EQ(doc.boards.size(), 1u);
  EXPECT_EQ(host.messages.back().text, "missing.gbr, line 2: A number is expected here.");
}

}  // namespace
}  // namespace pravelo
