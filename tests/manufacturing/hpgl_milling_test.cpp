#include "manufacturing/hpgl_milling.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "document/layout_file.h"
#include "hpgl_reader.h"
#include "manufacturing/milling_export.h"
#include "manufacturing/milling_jobs.h"
#include "support/file_bytes.h"
#include "support/gerber_boards.h"
#include "support/scripted_host.h"
#include "support/temp_folder.h"

namespace pravelo {
namespace {

using testing::GerberBoard;
using testing::readHpgl;

// A 100 mm x 100 mm board; coordinates relative to its lower left corner unless a test asks
// for the origin.
GerberBoard millBoard() {
  GerberBoard b(1000000, 1000000);
  return b;
}

MillingOptions drillingOptions() {
  MillingOptions o;
  o.drill = MillSide::Top;
  o.mirrorC1 = MillMirror::None;
  o.camOrigin = false;
  return o;
}

std::vector<std::string> hpglLinesOf(const std::string& text) { return readHpgl(text).lines; }

TEST(HpglMillingTest, HoleCoordinatesFollowUnitOriginAndFeed) {
  struct Case {
    const char* name;
    HpglUnit unit;
    bool camOrigin;
    bool feed;
    std::vector<std::string> hole;
  };
  // clang-format off
  const Case cases[] = {
      {"fortieth", HpglUnit::Fortieth, false, false, {"PA40,40;", "PD;", "PU;"}},
      {"mil", HpglUnit::Mil, false, false, {"PA39,39;", "PD;", "PU;"}},
      {"feed", HpglUnit::Fortieth, false, true, {"PA40,40;", "PD;", "PA41,40;", "PU;"}},
      {"origin", HpglUnit::Fortieth, true, false, {"PA-40,4;", "PD;", "PU;"}},
  };
  // clang-format on
  for (const Case& c : cases) {
    GerberBoard b = millBoard();
    b.board.header.originX = 20000;
    b.board.header.originY = -991000;
    b.pad({10000, -990000}, kPadCircular, 8000, 4000);
    MillingOptions o = drillingOptions();
    o.unit = c.unit;
    o.camOrigin = c.camOrigin;
    o.minimumFeed = c.feed;
    const std::vector<std::string> lines = hpglLinesOf(millingFile(b.board, o, {kPenDrillings}).text);
    std::vector<std::string> expected{"IN;", "PT0;", "PU;", "SP4;"};
    expected.insert(expected.end(), c.hole.begin(), c.hole.end());
    EXPECT_EQ(lines, expected) << c.name;
  }
}

TEST(HpglMillingTest, CircleHolesSkipHolesNoLargerThanTheCutter) {
  GerberBoard b = millBoard();
  b.pad({10000, -990000}, kPadCircular, 9000, 5000);   // 1.0 mm hole
  b.pad({50000, -990000}, kPadCircular, 9000, 4000);   // 0.8 mm hole
  b.pad({90000, -990000}, kPadCircular, 12000, 6000);  // 1.2 mm hole
  MillingOptions o = drillingOptions();
  o.holes = HoleMethod::Circles;
  o.circleWidth = 10000;
  const std::vector<std::string> lines = hpglLinesOf(millingFile(b.board, o, {kPenDrillings}).text);
  // Radius 0.6 mm less half the cutter leaves 0.1 mm = 4 plotter units; no pen commands.
  EXPECT_EQ(lines, (std::vector<std::string>{"IN;", "PT0;", "PU;", "SP4;", "PA360,40;", "CI4;"}));
}

TEST(HpglMillingTest, EachDiameterIsADrillOfItsOwn) {
  GerberBoard b = millBoard();
  b.pad({10000, -990000}, kPadCircular, 9000, 4000);
  b.pad({50000, -990000}, kPadCircular, 9000, 6000);
  b.pad({90000, -990000}, kPadCircular, 9000, 4020);  // 0.804 mm joins the 0.8 mm drill
  MillingOptions o = drillingOptions();
  o.holes = HoleMethod::DrillPerDiameter;
  const std::vector<MillingJob> jobs = millingJobs(b.board, o, LengthUnit::Mm, Language::English);
  ASSERT_EQ(jobs.size(), 2u);
  EXPECT_EQ(jobRowText(jobs[0]), "# 6;Drillings 0.800 mm (2);Top");
  EXPECT_EQ(jobRowText(jobs[1]), "# 7;Drillings 1.200 mm (1);Top");
  const auto program = readHpgl(millingFile(b.board, o, {6, 7}).text);
  ASSERT_EQ(program.cuts.size(), 3u);
  EXPECT_EQ(program.cuts[0].pen, 6);
  EXPECT_EQ(program.cuts[2].pen, 7);
  EXPECT_EQ(program.cuts[2].points.front(), (testing::HpglPoint{200, 40}));
}

TEST(HpglMillingTest, OutlineCircleHasPointsByItsRadius) {
  GerberBoard b = millBoard();
  b.circle({500000, -500000}, 201000, 199000, 0, 0, false, kLayerO);
  b.circle({500000, -500000}, 51000, 49000, 0, 90000, false, kLayerO);
  MillingOptions o = drillingOptions();
  o.drill = MillSide::None;
  o.outline = MillSide::Top;
  const auto program = readHpgl(millingFile(b.board, o, {kPenOutline}).text);
  ASSERT_EQ(program.cuts.size(), 2u);
  // 20 mm centre-line radius: 200000 / 10000 + 30 = 50 segments; a full circle ends at its start.
  EXPECT_EQ(program.cuts[0].points.size(), 51u);
  EXPECT_EQ(program.cuts[0].points.front(), (testing::HpglPoint{2800, 2000}));
  EXPECT_EQ(program.cuts[0].points.back(), program.cuts[0].points.front());
  // A quarter arc of 5 mm: 35 segments from 0 to 90 degrees.
  EXPECT_EQ(program.cuts[1].points.size(), 36u);
  EXPECT_EQ(program.cuts[1].points.back(), (testing::HpglPoint{2000, 2200}));
}

TEST(HpglMillingTest, MirroringFollowsTheSideAndTheExtent) {
  struct Case {
    MillSide side;
    MillMirror c1;
    MillMirror c2;
    testing::HpglPoint hole;
  };
  // The extent is symmetric about the middle of the two pads (40000, -40000); the first hole
  // drilled is the one at (55000, -55000), nearest to the lower left corner.
  // clang-format off
  const Case cases[] = {
      {MillSide::Top, MillMirror::None, MillMirror::Horizontal, {220, 3780}},
      {MillSide::Bottom, MillMirror::None, MillMirror::Horizontal, {100, 3780}},
      {MillSide::Bottom, MillMirror::None, MillMirror::Vertical, {220, 3900}},
      {MillSide::Top, MillMirror::Vertical, MillMirror::None, {220, 3900}},
  };
  // clang-format on
  for (const Case& c : cases) {
    GerberBoard b = millBoard();
    b.pad({25000, -25000}, kPadCircular, 8000, 4000);
    b.pad({55000, -55000}, kPadCircular, 8000, 4000);
    MillingOptions o = drillingOptions();
    o.drill = c.side;
    o.mirrorC1 = c.c1;
    o.mirrorC2 = c.c2;
    const auto program = readHpgl(millingFile(b.board, o, {kPenDrillings}).text);
    ASSERT_EQ(program.cuts.size(), 2u);
    EXPECT_EQ(program.cuts[0].points.front(), c.hole)
        << static_cast<int>(c.side) << " " << static_cast<int>(c.c1) << static_cast<int>(c.c2);
  }
}

TEST(HpglMillingTest, ReferenceHolesSitAroundTheExtentAndAreNeverMirrored) {
  const TRect extent{100000, -300000, 500000, -100000};
  MillingOptions o;
  o.referenceHoles.fill(true);
  o.referenceDistance = 20000;
  const std::vector<DPoint> places = referenceHolePositions(extent, o);
  const std::vector<DPoint> expected{{80000, -80000},   {300000, -80000},  {520000, -80000},
                                     {520000, -200000}, {520000, -320000}, {300000, -320000},
                                     {80000, -320000},  {80000, -200000}};
  EXPECT_EQ(places, expected);

  GerberBoard b = millBoard();
  b.track({{100000, -100000}, {500000, -300000}}, 0, 0, kLayerO);
  o.referenceHoles = {true, false, false, false, true, false, false, false};
  o.mirrorC1 = o.mirrorC2 = MillMirror::None;
  const std::string plain = millingFile(b.board, o, {kPenReferenceHoles}).text;
  for (const MillMirror m : {MillMirror::Horizontal, MillMirror::Vertical}) {
    o.mirrorC1 = o.mirrorC2 = m;
    EXPECT_EQ(millingFile(b.board, o, {kPenReferenceHoles}).text, plain);
  }
}

TEST(HpglMillingTest, AnEmptyBoardTakesItsRectangleAsTheExtent) {
  GerberBoard b = millBoard();
  MillingOptions o;
  o.referenceHoles = {true, false, false, false, true, false, false, false};
  o.referenceDistance = 50000;
  o.camOrigin = false;
  const auto program = readHpgl(millingFile(b.board, o, {kPenReferenceHoles}).text);
  ASSERT_EQ(program.cuts.size(), 2u);
  EXPECT_EQ(program.cuts[0].points.front(), (testing::HpglPoint{-200, 4200}));
  EXPECT_EQ(program.cuts[1].points.front(), (testing::HpglPoint{4200, -200}));
}

TEST(HpglMillingTest, IsolationLoopsAreClosedAndFollowedByStrokesAndPunches) {
  GerberBoard b = millBoard();
  b.track({{100000, -100000}, {300000, -100000}}, 10000);
  b.pad({500000, -100000}, kPadCircular, 16000, 4000);
  TObjekt& text = b.text({100000, -500000}, "L", 50000);
  MillingOptions o;
  o.millC1 = true;
  o.width = 2000;
  o.punchC1 = true;
  o.singleLineTexts = true;
  const auto program = readHpgl(millingFile(b.board, o, {kPenIsolationC1}).text);
  ASSERT_GE(program.cuts.size(), 4u);
  EXPECT_EQ(program.lines[3], "SP2;");
  // Two loops (track and pad), closed; then the text's strokes open; then one punch.
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(program.cuts[i].points.front(), program.cuts[i].points.back());
    EXPECT_GT(program.cuts[i].points.size(), 4u);
  }
  const std::size_t strokes = program.cuts.size() - 3;
  EXPECT_EQ(strokes, text.children.size());
  EXPECT_EQ(program.cuts.back().points, (std::vector<testing::HpglPoint>{{2000, 3600}}));
  EXPECT_EQ(program.lines.back(), "PU;");
  EXPECT_TRUE(program.crlf);
}

TEST(HpglMillingTest, AJobWithoutObjectsWritesOnlyItsPen) {
  GerberBoard b = millBoard();
  MillingOptions o;
  o.millC2 = true;
  o.width = 2000;
  EXPECT_EQ(hpglLinesOf(millingFile(b.board, o, {kPenIsolationC2}).text),
            (std::vector<std::string>{"IN;", "PT0;", "PU;", "SP3;"}));
}

TEST(HpglMillingTest, TheBoardIsByteIdenticalAfterTheOutput) {
  Document doc;
  GerberBoard b = testing::everyKindBoard();
  b.board.header.originX = 12345;
  b.board.header.originY = -54321;
  doc.boards.push_back(std::make_unique<Board>(std::move(b.board)));
  doc.activeBoard = 0;
  const std::string before = writeLayout(doc);
  MillingOptions o;
  o.millC1 = true;
  o.width = 2000;
  o.passes = 2;
  o.drill = MillSide::Bottom;
  o.outline = MillSide::Bottom;
  o.punchC1 = true;
  o.referenceHoles[2] = true;
  const MillingCommands commands = millingFile(*doc.boards[0], o, {1, 2, 4, 5});
  EXPECT_FALSE(commands.paths.empty());
  EXPECT_EQ(writeLayout(doc), before);
}

TEST(HpglMillingTest, SeparateFilesHaveHeadersAndNoPenSelection) {
  testing::TempFolder folder;
  GerberBoard b = millBoard();
  b.track({{100000, -100000}, {300000, -100000}}, 10000);
  b.pad({500000, -100000}, kPadCircular, 16000, 4000);
  MillingOptions o;
  o.millC1 = true;
  o.width = 2000;
  o.drill = MillSide::Top;
  o.jobList = true;
  const auto jobs = millingJobs(b.board, o, LengthUnit::Mm, Language::English);
  ASSERT_EQ(jobs.size(), 2u);
  testing::ScriptedHost host;
  const std::string chosen = folder.file("board.plt");
  const MillingRun run =
      writeSeparateMillingFiles(b.board, o, jobs, chosen, host, LengthUnit::Mm, Language::English);
  EXPECT_EQ(run.written,
            (std::vector<std::string>{folder.file("board_Pen2.plt"), folder.file("board_Pen4.plt"),
                                      folder.file("board_joblist.txt")}));
  for (const char* name : {"board_Pen2.plt", "board_Pen4.plt"}) {
    const auto lines = hpglLinesOf(testing::fileBytes(folder.file(name)));
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 3),
              (std::vector<std::string>{"IN;", "PT0;", "PU;"}));
    EXPECT_FALSE(std::ranges::any_of(lines, [](const auto& l) { return l.rfind("SP", 0) == 0; }));
  }
  EXPECT_FALSE(run.paths.empty());
  EXPECT_TRUE(host.questions.empty());
}

TEST(HpglMillingTest, ARefusedOverwriteSkipsOnlyThatFile) {
  testing::TempFolder folder;
  GerberBoard b = millBoard();
  b.pad({500000, -100000}, kPadCircular, 16000, 4000);
  MillingOptions o;
  o.drill = MillSide::Top;
  o.outline = MillSide::None;
  o.referenceHoles[0] = true;
  const auto jobs = millingJobs(b.board, o, LengthUnit::Mm, Language::English);
  ASSERT_EQ(jobs.size(), 2u);
  std::filesystem::path old = folder.file("b_Pen1.plt");
  { std::ofstream(old) << "old"; }
  testing::ScriptedHost host;
  host.answers = {Answer::Cancel};
  const MillingRun run = writeSeparateMillingFiles(b.board, o, jobs, folder.file("b.plt"), host,
                                                   LengthUnit::Mm, Language::English);
  ASSERT_EQ(host.questions.size(), 1u);
  EXPECT_EQ(host.questions[0].text,
            "The file \"" + old.string() + "\" already exists.\n\nOverwrite?");
  EXPECT_EQ(testing::fileBytes(old.string()), "old");
  EXPECT_EQ(run.written, std::vector<std::string>{folder.file("b_Pen4.plt")});
}

TEST(HpglMillingTest, JobListIsUtf8WithCutterWidths) {
  GerberBoard b = millBoard();
  b.track({{100000, -100000}, {300000, -100000}}, 10000, 0, kLayerC2);
  b.pad({500000, -100000}, kPadCircular, 16000, 6000);
  MillingOptions o;
  o.millC2 = true;
  o.width = 2000;
  o.drill = MillSide::Bottom;
  o.holes = HoleMethod::Circles;
  o.circleWidth = 8000;
  const auto jobs = millingJobs(b.board, o, LengthUnit::Mm, Language::German);
  EXPECT_EQ(jobListText(jobs, o, LengthUnit::Mm, Language::German),
            "Pen 3\tUnten\tIsolationsfräsen (Fräserbreite: 0.20 mm)\r\n"
            "Pen 4\tUnten\tBohrungen mit Fräser (1) (Fräserbreite: 0.80 mm)\r\n");
  const auto french = millingJobs(b.board, o, LengthUnit::Mil, Language::French);
  EXPECT_EQ(jobListText(french, o, LengthUnit::Mil, Language::French).substr(0, 62),
            "Pen 3\tDessous\tIsolation fraisage (Largeur fraisage: 7.9 mil)\r\n");
}

}  // namespace
}  // namespace pravelo
