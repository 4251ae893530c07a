#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "geometry/pad_geometry.h"
#include "geometry/point.h"
#include "project/text_io_commands.h"
#include "project/text_io_error.h"
#include "project/text_io_read.h"
#include "project/text_io_texts.h"
#include "project/text_io_write.h"
#include "support/scripted_host.h"
#include "support/temp_folder.h"

namespace pravelo {
namespace {

using testing::ScriptedHost;
using testing::TempFolder;

ObjectList read(const std::string& text, const TextIoDefaults& defaults = {}) {
  return readTextIo(text, defaults);
}

std::string write(const TObjekt& o) { return writeTextIo({&o}); }

TObjekt pad(FPoint centre, int shape, float drillRadius, float outerRadius) {
  TObjekt o = newObject();
  initPad(o, centre, kLayerC1, static_cast<std::uint8_t>(shape), drillRadius, outerRadius);
  o.clearance = 4000;
  return o;
}

TObjekt track(std::int32_t width, std::vector<FPoint> points) {
  TObjekt o = newObject();
  initTrack(o, width, kLayerC1);
  o.clearance = 4000;
  o.points = std::move(points);
  return o;
}

TEST(TextIoWrite, RecordsFollowTheFixedParameterOrder) {
  TObjekt round = pad({50000, -30000}, kPadCircular, 4000, 8000);

  TObjekt turned = pad({0, 0}, kPadSquare, 4000, 8000);
  rotatePoints(turned.points, turned.pos, -45);
  turned.via = 1;
  turned.solderMask = 0;
  turned.clearance = 2500;
  turned.optB = 1;

  TObjekt smd = newObject();
  initSmdPad(smd, {10000, -20000}, 15000, kLayerC2, 8000);
  smd.clearance = 4000;

  TObjekt zone = newObject();
  initZone(zone, 2000, kLayerC1);
  zone.clearance = 4000;
  zone.optB = 1;
  zone.optC = 0;
  zone.paramB = 300;
  zone.points = {{0, 0}, {10000, 0}, {10000, -10000}};

  TObjekt circle = newObject();
  initCircle(circle, {1000, -1000}, 12001, kLayerS1, 8000);
  circle.clearance = 0;
  circle.paramA = 90000;
  circle.optA = 1;

  TObjekt flat = track(2000, {{0, 0}, {1001, 0}, {1001, -999}});
  flat.variant = 3;  // the last segment is too short for a flat end
  flat.cutout = 1;

  TObjekt text = newObject();
  initText(text, {100, -200}, "Ab c", 0, 1, kLayerS2, 2, 0, 20000, 90);
  text.clearance = 4000;

  const std::vector<std::pair<const TObjekt*, std::string>> cases = {
      {&round, "PAD,LAYER=1,POS=50000/30000,FORM=1,SIZE=16000,DRILL=8000;\r\n"},
      {&turned,
       "PAD,LAYER=1,CLEAR=2500,SOLDERMASK=false,POS=0/0,FORM=3,SIZE=16000,DRILL=8000,VIA=true,"
       "ROTATION=4500,THERMAL=true,THERMAL_TRACKS_INDIVIDUAL=false,THERMAL_TRACKS=1431655765,"
       "THERMAL_TRACKS_WIDTH=100;\r\n"},
      {&smd, "SMDPAD,LAYER=3,POS=10000/20000,SIZE_X=15000,SIZE_Y=8000;\r\n"},
      {&zone,
       "ZONE,LAYER=1,WIDTH=2000,HATCH=true,HATCH_AUTO=false,HATCH_WIDTH=300,P0=0/0,P1=10000/0,"
       "P2=10000/10000;\r\n"},
      // Radius 12001 - 4001/2 = 10000.5 and width 4001: half to even.
      {&circle,
       "CIRCLE,LAYER=2,CLEAR=0,CENTER=1000/1000,RADIUS=10000,WIDTH=4001,START=90000,"
       "FILL=true;\r\n"},
      {&flat,
       "TRACK,LAYER=1,CUTOUT=true,WIDTH=2000,FLATSTART=true,P0=0/0,P1=1001/0,"
       "P2=1001/999;\r\n"},
      {&text,
       "TEXT,LAYER=4,POS=100/200,HEIGHT=20000,THICKNESS=0,STYLE=2,MIRROR_HORZ=true,"
       "ROTATION=90,TEXT=|Ab c|;\r\n"},
  };
  for (const auto& [object, expected] : cases) EXPECT_EQ(write(*object), expected);
}

TEST(TextIoWrite, LegacyObjectsGiveNoRecordAndTheSelectionLimitsTheExport) {
  ObjectList objects;
  for (int kind : {kLegacyLine, kTrack, kLegacyText, kTrack}) {
    TObjekt o = track(1000, {{0, 0}, {1000, 0}});
    o.kind = static_cast<std::uint8_t>(kind);
    objects.push_back(std::make_unique<TObjekt>(std::move(o)));
  }
  EXPECT_EQ(textIoExportObjects(objects).size(), 4u);
  EXPECT_EQ(writeTextIo(textIoExportObjects(objects)),
            "TRACK,LAYER=1,WIDTH=1000,P0=0/0,P1=1000/0;\r\n"
            "TRACK,LAYER=1,WIDTH=1000,P0=0/0,P1=1000/0;\r\n");
  objects[3]->selected = 1;
  EXPECT_EQ(textIoExportObjects(objects), std::vector<const TObjekt*>{objects[3].get()});
}

TEST(TextIoWrite, ATextWithABarOrALineBreakIsRefusedAndNothingIsWritten) {
  TempFolder folder;
  const std::string path = folder.file("out.txt");
  for (const char* content : {"a|b", "a\r\nb"}) {
    ObjectList objects;
    TObjekt text = newObject();
    initText(text, {0, 0}, content, 0, 0, kLayerS1, 1, 1, 20000, 0);
    objects.push_back(std::make_unique<TObjekt>(std::move(text)));
    ScriptedHost host;
    EXPECT_FALSE(exportTextIo(objects, host, path));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, fillIn(texts::textIoUnwritableText, {quoted(content)}));
    EXPECT_FALSE(std::filesystem::exists(path));
  }
}

TEST(TextIoRead, LowerCaseAndBlanksAroundCommasAndEqualsSigns) {
  const ObjectList objects = read("track , layer = 3 , width=2500 , p0=0/0, p1 = 10000/0 ;");
  ASSERT_EQ(objects.size(), 1u);
  const TObjekt& t = *objects[0];
  EXPECT_EQ(t.kind, kTrack);
  EXPECT_EQ(t.layer, kLayerC2);
  EXPECT_EQ(t.width, 2500);
  EXPECT_EQ(t.points, (std::vector<FPoint>{{0, 0}, {10000, 0}}));
}

TEST(TextIoRead, ARecordOverThreeLinesReadsLikeOneLine) {
  const std::string oneLine = "PAD,LAYER=3,POS=50000/30000,FORM=2,SIZE=16000,DRILL=8000;";
  const ObjectList joined = read(oneLine);
  const ObjectList split = read("PAD,LAYER=3,PO\r\nS=50000/30000,FORM=2,\nSIZE=16000,DRILL=8000;");
  ASSERT_EQ(split.size(), 1u);
  EXPECT_EQ(split[0]->points, joined[0]->points);
  EXPECT_EQ(split[0]->layer, kLayerC2);
  EXPECT_EQ(split[0]->pos, (FPoint{50000, -30000}));
}

TEST(TextIoRead, ZonesDefaultToTheEditorsClearanceAndTracksTo4000) {
  const TextIoDefaults defaults{.trackWidth = 1234, .layer = kLayerS1, .clearance = 7000};
  const ObjectList objects =
      read("ZONE,P0=0/0,P1=100/0,P2=100/100;TRACK,P0=0/0,P1=100/0;", defaults);
  ASSERT_EQ(objects.size(), 2u);
  EXPECT_EQ(objects[0]->clearance, 7000);
  EXPECT_EQ(objects[1]->clearance, 4000);
  for (const auto& o : objects) {
    EXPECT_EQ(o->width, 1234);
    EXPECT_EQ(o->layer, kLayerS1);
  }
}

TEST(TextIoRead, EveryKindComesBackAsWritten) {
  ObjectList source;
  TObjekt turned = pad({12000, -34000}, kPadRectangleH, 3000, 9000);
  rotatePoints(turned.points, turned.pos, -45);
  turned.optB = 1;
  turned.optA = 1;
  turned.paramA = 0x01020304;
  turned.paramB = 70;
  source.push_back(std::make_unique<TObjekt>(turned));
  TObjekt smd = newObject();
  initSmdPad(smd, {5000, -6000}, 15000, kLayerC2, 8000);
  rotatePoints(smd.points, smd.pos, -30);
  smd.clearance = 0;
  smd.solderMask = 0;
  source.push_back(std::make_unique<TObjekt>(smd));
  TObjekt circle = newObject();
  initCircle(circle, {1000, -1000}, 12000, kLayerS1, 8000);
  circle.clearance = 4000;
  circle.paramA = 350000;
  circle.width = 10000;
  source.push_back(std::make_unique<TObjekt>(circle));
  TObjekt text = newObject();
  initText(text, {100, -200}, "  Mixed Case; ok  ", 1, 1, kLayerS2, 0, 2, 25000, 270);
  text.clearance = 4000;
  text.solderMask = 1;
  source.push_back(std::make_unique<TObjekt>(text));

  std::vector<const TObjekt*> all;
  for (const auto& o : source) all.push_back(o.get());
  const ObjectList back = read(writeTextIo(all));
  ASSERT_EQ(back.size(), source.size());

  EXPECT_DOUBLE_EQ(padRotation(*back[0]), 45.0);
  EXPECT_EQ(back[0]->variant, kPadRectangleH);
  EXPECT_EQ(back[0]->dim, turned.dim);
  for (std::size_t i = 0; i < turned.points.size(); ++i) {
    EXPECT_NEAR(back[0]->points[i].x, turned.points[i].x, 0.01);
    EXPECT_NEAR(back[0]->points[i].y, turned.points[i].y, 0.01);
  }
  EXPECT_EQ(back[0]->paramA, turned.paramA);
  EXPECT_EQ(back[0]->paramB, 70);
  EXPECT_EQ(back[0]->optA, 1);
  EXPECT_EQ(back[0]->optB, 1);

  EXPECT_NEAR(cornerRotation(back[1]->points), 30.0, 0.01);
  EXPECT_EQ(back[1]->layer, kLayerC2);
  EXPECT_EQ(back[1]->clearance, 0);
  EXPECT_EQ(back[1]->solderMask, 0);

  EXPECT_EQ(back[2]->dim, circle.dim);
  EXPECT_EQ(back[2]->paramA, 350000);
  EXPECT_EQ(back[2]->width, 10000);

  EXPECT_EQ(back[3]->text, "  Mixed Case; ok  ");
  EXPECT_EQ(back[3]->dim, text.dim);
  EXPECT_EQ(back[3]->width, 0);
  EXPECT_EQ(back[3]->paramB, 270);
  EXPECT_EQ(back[3]->optB, 1);
  EXPECT_EQ(back[3]->optC, 1);
  EXPECT_EQ(back[3]->solderMask, 1);
  EXPECT_FALSE(back[3]->children.empty());
}

TEST(TextIoRead, UnknownKeywordsAndRecordsWithoutCommaAreSkipped) {
  EXPECT_TRUE(read("HELLO;LINE,P0=0/0,P1=1/1;\r\n  ;").empty());
  EXPECT_TRUE(read("").empty());
  EXPECT_TRUE(read("garbage at the end without semicolon").empty());
}

TEST(TextIoRead, TheFirstParameterOfANameCounts) {
  const ObjectList objects = read("TRACK,LAYER=2,LAYER=3,P0=0/0,P1=1/1,P0=5/5;");
  ASSERT_EQ(objects.size(), 1u);
  EXPECT_EQ(objects[0]->layer, kLayerS1);
  EXPECT_EQ(objects[0]->points[0], (FPoint{0, 0}));
}

TEST(TextIoRead, IntegersEndAtTheFirstNonDigitAndFlagsAreTrueFromT) {
  const ObjectList objects =
      read("TRACK,WIDTH=+25x,CUTOUT=tRuthy,SOLDERMASK=yes,P0=-3/4mm,P1=1/1;");
  ASSERT_EQ(objects.size(), 1u);
  EXPECT_EQ(objects[0]->width, 25);
  EXPECT_EQ(objects[0]->cutout, 1);
  EXPECT_EQ(objects[0]->solderMask, 0);
  EXPECT_EQ(objects[0]->points[0], (FPoint{-3, -4}));
}

// A name is only matched as a whole parameter name: "WIDTH" must not find "HATCH_WIDTH".
TEST(TextIoRead, ANameIsNotFoundInsideALongerName) {
  const ObjectList objects =
      read("ZONE,HATCH=true,HATCH_AUTO=false,HATCH_WIDTH=300,WIDTH=2000,P0=0/0,P1=1/0,P2=1/1;");
  ASSERT_EQ(objects.size(), 1u);
  EXPECT_EQ(objects[0]->width, 2000);
  EXPECT_EQ(objects[0]->paramB, 300);
}

// The content of a text is cut out before parameters are looked up.
TEST(TextIoRead, ParametersInsideATextAreNotRead) {
  const ObjectList objects =
      read("TEXT,TEXT=|LAYER=5,HEIGHT=1;x|,LAYER=2,POS=0/0,HEIGHT=20000;PAD,SIZE=100,DRILL=0;");
  ASSERT_EQ(objects.size(), 2u);
  EXPECT_EQ(objects[0]->text, "LAYER=5,HEIGHT=1;x");
  EXPECT_EQ(objects[0]->layer, kLayerS1);
  EXPECT_EQ(objects[0]->dim.x, 20000);
  EXPECT_EQ(objects[1]->kind, kPad);
}

// A record ends at its ";" whatever follows on the line.
TEST(TextIoRead, TrailingBlanksEndARecordAndOneLineMayHoldSeveral) {
  const ObjectList trailing = read(
      "TRACK,LAYER=2,P0=0/0,P1=1/0; \t\r\n"
      "TRACK,LAYER=3,P0=0/0,P1=1/0;\r\r\n"
      "TRACK,LAYER=4,P0=0/0,P1=1/0;TRACK,LAYER=7,P0=0/0,P1=1/0;\r\n");
  ASSERT_EQ(trailing.size(), 4u);
  EXPECT_EQ(trailing[0]->layer, 2);
  EXPECT_EQ(trailing[1]->layer, 3);
  EXPECT_EQ(trailing[2]->layer, 4);
  EXPECT_EQ(trailing[3]->layer, 7);
}

// Damaged records stop the whole import with a report naming the record and its first line.
TEST(TextIoRead, DamagedRecordsAreRefused) {
  struct Case {
    const char* record;
    const Text* problem;
    const char* parameter;
  };
  const Case cases[] = {
      {"TRACK,LAYER=x,P0=0/0,P1=1/1;", &texts::textIoNotInteger, "LAYER"},
      {"TRACK,LAYER=,P0=0/0,P1=1/1;", &texts::textIoNotInteger, "LAYER"},
      {"TRACK,LAYER=-,P0=0/0,P1=1/1;", &texts::textIoNotInteger, "LAYER"},
      {"TRACK,LAYER=0,P0=0/0,P1=1/1;", &texts::textIoOutOfRange, "LAYER"},
      {"TRACK,LAYER=8,P0=0/0,P1=1/1;", &texts::textIoOutOfRange, "LAYER"},
      {"TRACK,WIDTH=-1,P0=0/0,P1=1/1;", &texts::textIoOutOfRange, "WIDTH"},
      {"TRACK,CLEAR=-5,P0=0/0,P1=1/1;", &texts::textIoOutOfRange, "CLEAR"},
      {"TRACK,P0=0/0;", &texts::textIoTooFewVertices, "TRACK"},
      {"TRACK,P0=0/0,P2=5/5;", &texts::textIoTooFewVertices, "TRACK"},
      {"TRACK,P0=0/0,P1=2147483648/0;", &texts::textIoTooLarge, "P1"},
      {"TRACK,P0=0/0,P1=1/-2147483649;", &texts::textIoTooLarge, "P1"},
      {"TRACK,WIDTH=99999999999999999999999,P0=0/0,P1=1/1;", &texts::textIoTooLarge, "WIDTH"},
      {"TRACK,P0=0/0,P1=100;", &texts::textIoNoSlash, "P1"},
      {"TRACK,P0=0/0,P1=100-5;", &texts::textIoNoSlash, "P1"},
      {"TRACK,P0=0/0,P1=100/;", &texts::textIoNotInteger, "P1"},
      {"ZONE,P0=0/0,P1=1/1;", &texts::textIoTooFewVertices, "ZONE"},
      {"ZONE,HATCH_WIDTH=-1,P0=0/0,P1=1/0,P2=1/1;", &texts::textIoOutOfRange, "HATCH_WIDTH"},
      {"PAD,SIZE=100;", &texts::textIoMissing, "DRILL"},
      {"PAD,DRILL=100;", &texts::textIoMissing, "SIZE"},
      {"PAD,SIZE=0,DRILL=0;", &texts::textIoOutOfRange, "SIZE"},
      {"PAD,SIZE=10,DRILL=-2;", &texts::textIoOutOfRange, "DRILL"},
      {"PAD,SIZE=10,DRILL=2,FORM=0;", &texts::textIoOutOfRange, "FORM"},
      {"PAD,SIZE=10,DRILL=2,FORM=10;", &texts::textIoOutOfRange, "FORM"},
      {"PAD,SIZE=10,DRILL=2,POS=1/2,ROTATION=1.5e3;", nullptr, nullptr},
      {"SMDPAD,SIZE_X=10,SIZE_Y=0;", &texts::textIoOutOfRange, "SIZE_Y"},
      {"SMDPAD,SIZE_X=10;", &texts::textIoMissing, "SIZE_Y"},
      {"TEXT,HEIGHT=-3,TEXT=|a|;", &texts::textIoOutOfRange, "HEIGHT"},
      {"TEXT,HEIGHT=3,STYLE=3,TEXT=|a|;", &texts::textIoOutOfRange, "STYLE"},
      {"TEXT,HEIGHT=3,THICKNESS=-1,TEXT=|a|;", &texts::textIoOutOfRange, "THICKNESS"},
      {"TEXT,TEXT=|a|;", &texts::textIoMissing, "HEIGHT"},
      {"TEXT,HEIGHT=3,TEXT=|a;", &texts::textIoUnclosedText, ""},
      {"CIRCLE,RADIUS=0,WIDTH=1;", &texts::textIoOutOfRange, "RADIUS"},
      {"CIRCLE,RADIUS=10,WIDTH=-1;", &texts::textIoOutOfRange, "WIDTH"},
      {"CIRCLE,RADIUS=10;", &texts::textIoMissing, "WIDTH"},
      {"CIRCLE,RADIUS=10,WIDTH=2", &texts::textIoNoSemicolon, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.record);
    const std::string file = std::string("TRACK,P0=0/0,P1=1/1;\r\n\r\n") + c.record + "\r\n";
    if (c.problem == nullptr) {
      EXPECT_EQ(read(file).size(), 2u);
      continue;
    }
    try {
      read(file);
      ADD_FAILURE() << "accepted";
    } catch (const TextIoError& e) {
      EXPECT_EQ(&e.problem(), c.problem);
      EXPECT_EQ(e.parameter(), c.parameter);
      EXPECT_EQ(e.line(), 3);
    }
  }
}

TEST(TextIoRead, TheReportNamesTheRecordAndItsLineInEveryLanguage) {
  try {
    read("PAD,SIZE=10,DRILL=2;\n\n  PAD,SIZE=10,DRILL=2,\nLAYER=9;");
    FAIL() << "accepted";
  } catch (const TextIoError& e) {
    EXPECT_EQ(e.report(Language::English),
              "Text-IO file, line 3, record PAD: the value of LAYER is out of range.");
    EXPECT_EQ(e.report(Language::German),
              "Text-IO-Datei, Zeile 3, Datensatz PAD: der Wert von LAYER liegt außerhalb des "
              "erlaubten Bereichs.");
    EXPECT_EQ(e.report(Language::French),
              "Fichier Text-IO, ligne 3, enregistrement PAD : la valeur de LAYER est hors de la "
              "plage permise.");
  }
}

TEST(TextIoImport, AFailedImportLeavesTheClipboardAsItWas) {
  TempFolder folder;
  const std::string path = folder.file("in.txt");
  ObjectList clipboard;
  clipboard.push_back(std::make_unique<TObjekt>(track(1000, {{0, 0}, {5, 5}})));
  const TObjekt* before = clipboard[0].get();
  for (const char* content : {"TRACK,LAYER=9,P0=0/0,P1=1/1;", "nothing here;"}) {
    testing::writeBytes(path, content);
    ScriptedHost host;
    EXPECT_FALSE(importTextIo(clipboard, host, path, {}));
    ASSERT_EQ(host.messages.size(), 1u);
    ASSERT_EQ(clipboard.size(), 1u);
    EXPECT_EQ(clipboard[0].get(), before);
  }
  ScriptedHost host;
  EXPECT_FALSE(importTextIo(clipboard, host, folder.file("missing.txt"), {}));
  EXPECT_EQ(clipboard.size(), 1u);

  testing::writeBytes(path, "TRACK,P0=0/0,P1=1/1;TRACK,P0=0/0,P1=1/1;");
  EXPECT_TRUE(importTextIo(clipboard, host, path, {}));
  EXPECT_EQ(clipboard.size(), 2u);
}

TEST(TextIoImport, AFileWithoutObjectsSaysNoValidDataFound) {
  TempFolder folder;
  const std::string path = folder.file("in.txt");
  testing::writeBytes(path, "HELLO,WORLD;");
  const TextIoImport result = readTextIoFile(path, {}, Language::French);
  EXPECT_TRUE(result.objects.empty());
  EXPECT_EQ(result.problem, "Pas de données valides trouvé.");
}

}  // namespace
}  // namespace pravelo
