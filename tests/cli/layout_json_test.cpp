#include "cli/layout_json.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <random>

#include "project/boards.h"
#include "support/sample_layout.h"

namespace pravelo {
namespace {

TEST(LayoutJson, HasExactlyTheDocumentedShape) {
  Document doc;
  addBoard(doc, "Board 1", 1600000, 1000000);
  TObjekt pad = newObject();
  initPad(pad, {1000.5f, -2000}, kLayerC1, kPadCircular, 200, 500);
  pushGroup(pad, 3);
  testing::add(activeBoard(doc), std::move(pad));
  const std::string expected =
      R"({"version":6,"activeBoard":0,"project":{"title":"","author":"","company":"","comment":""},)"
      R"("boards":[{"name":"Board 1","header":{"width":1600000,"height":1000000,)"
      R"("groundPlane":[0,0,0,0,0,0,0],"grid":12700.0,"zoom":0.001,"scrollX":0,"scrollY":0,)"
      R"("activeLayer":3,"layerVisible":[1,1,1,1,0,0,1],"templateShown":[0,0],)"
      R"("templateFile":["",""],"templateDpi":[600,600],"templateOffsetX":[0,0],)"
      R"("templateOffsetY":[0,0],"templateTint":[65280,65280],"originX":0,"originY":-1000000,)"
      R"("multilayer":0},"objects":[{"kind":2,"pos":[1000.5,-2000.0],"dim":[500.0,200.0],)"
      R"("width":0,"layer":1,"variant":1,"componentId":0,"paramA":1431655765,"optA":0,)"
      R"("clearance":0,"autorouted":0,"optB":0,"optC":0,"cutout":0,"paramB":100,"via":0,)"
      R"("solderMask":1,"thermalStamp":123456789,"maskOnly":0,"text":"","name":"","groups":[3],)"
      R"("points":[[500.5,-2000.0],[1500.5,-2000.0]],"connections":[]}]}]})";
  EXPECT_EQ(layoutJson(doc).dump(), expected);
}

TEST(LayoutJson, KindSpecificPartsAndTexts) {
  const Document doc = testing::sampleDocument();
  const nlohmann::ordered_json j = layoutJson(doc);
  const auto& objects = j["boards"][0]["objects"];
  EXPECT_EQ(objects[0]["connections"], nlohmann::json::parse("[1,2]"));
  EXPECT_EQ(objects[3]["routeEnds"], nlohmann::json::parse("[0,2]"));
  EXPECT_EQ(objects[4]["routeEnds"], nlohmann::json::parse("[-1,-1]"));
  EXPECT_FALSE(objects[7].contains("points")) << "circles have no point list";
  const auto& id = objects[8];
  EXPECT_EQ(id["children"].size(), 1u);
  EXPECT_FALSE(id["children"][0].contains("text"));
  EXPECT_EQ(id["children"][0]["points"].size(), 2u);
  EXPECT_EQ(id["component"].dump(),
            R"({"placeOffset":[1.5,-2.5],"centreMode":2,"placeRotation":90.25,)"
            R"("package":"0805","comment":"µ-size","usePickPlace":1})");
  EXPECT_FALSE(objects[9].contains("component")) << "only ID texts carry component data";
  EXPECT_EQ(j["boards"][1]["name"], "Second Ä");
  EXPECT_EQ(j["project"]["author"], "Author é");
  EXPECT_EQ(j["boards"][0]["header"]["templateFile"][0], "/tmp/top é.bmp");
}

TEST(LayoutJson, FloatsPrintShortAndReadBackExactly) {
  EXPECT_EQ(nlohmann::json(jsonFloat(0.1f)).dump(), "0.1");
  EXPECT_EQ(nlohmann::json(jsonFloat(1600000.0f)).dump(), "1600000.0");
  EXPECT_EQ(nlohmann::json(jsonFloat(-3.4028235e38f)).dump(), "-3.4028235e+38");
  std::mt19937 random(12345);
  int checked = 0;
  for (int i = 0; i < 200000; ++i) {
    const std::uint32_t bits = random();
    float f;
    std::memcpy(&f, &bits, 4);
    if (!std::isfinite(f)) continue;
    const std::string printed = nlohmann::json(jsonFloat(f)).dump();
    const float back = std::strtof(printed.c_str(), nullptr);
    ASSERT_EQ(std::memcmp(&back, &f, 4), 0) << printed;
    ++checked;
  }
  EXPECT_GT(checked, 100000);
  for (double d : {12700.0, 0.001, 0.0123456789, 1e-300, 90.25}) {
    EXPECT_EQ(std::strtod(nlohmann::json(d).dump().c_str(), nullptr), d);
  }
}

}  // namespace
}  // namespace pravelo
