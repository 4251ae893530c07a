#include "cli/generator_commands.h"

#include <gtest/gtest.h>

#include <sstream>

#include "base/file_io.h"
#include "cli/cli.h"
#include "project/macro_file.h"
#include "support/temp_folder.h"

namespace pravelo {
namespace {

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

CliRun runGeneratorCli(std::vector<std::string> args) {
  std::ostringstream out, err;
  const int status = runCli(args, out, err);
  return {status, out.str(), err.str()};
}

// The objects of a macro file, read back through the macro reader.
ObjectList macroObjects(const std::string& macro) { return parseMacro(macro).objects; }

TEST(GeneratorCommands, FootprintWritesTheWizardsPadsAsAMacro) {
  testing::TempFolder folder;
  const std::string file = folder.file("dip.pvm");
  const CliRun run = runGeneratorCli({"footprint", "dip", "n=4", "y=7.62", "pads=smd", "-o", file});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  EXPECT_EQ(run.out, "8 objects written to " + file + "\n");
  const std::optional<std::string> bytes = readWholeFile(file);
  ASSERT_TRUE(bytes);
  EXPECT_EQ(bytes->substr(0, 4), std::string("\x06\x33\xAA\xFF", 4));
  EXPECT_EQ(bytes->substr(bytes->size() - 102), std::string(102, '\0'));
  const ObjectList objects = macroObjects(*bytes);
  ASSERT_EQ(objects.size(), 8U);
  EXPECT_EQ(objects[1]->kind, kSmdPad);
  EXPECT_EQ(objects[1]->layer, kLayerC1);
  EXPECT_NEAR(objects[1]->pos.y, 76200, 0.01);
  EXPECT_NEAR(objects[6]->pos.x, 76200, 0.01);
}

TEST(GeneratorCommands, ShapeTakesItsPageFieldsLayerAndClearance) {
  testing::TempFolder folder;
  const std::string file = folder.file("spiral.pvm");
  const CliRun run = runGeneratorCli({"shape", "spiral", "form=square", "turns=2.1", "--layer", "2",
                                      "--clearance", "0.3", "-o", file});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  const ObjectList objects = macroObjects(*readWholeFile(file));
  ASSERT_EQ(objects.size(), 1U);
  EXPECT_EQ(objects[0]->points.size(), 9U);  // 2.1 turns are taken as 2
  EXPECT_EQ(objects[0]->layer, kLayerS1);
  EXPECT_EQ(objects[0]->clearance, 3000);
}

TEST(GeneratorCommands, BadTypesAndFieldsAreRefused) {
  testing::TempFolder folder;
  const std::string file = folder.file("x.pvm");
  const std::vector<std::vector<std::string>> cases = {
      {"footprint", "hexagon", "-o", file},
      {"footprint", "sip", "n=0", "-o", file},
      {"footprint", "sip", "turns=3", "-o", file},
      {"shape", "polygon", "corners=2", "-o", file},
      {"shape", "spiral", "corners=5", "-o", file},
      {"shape", "frame", "column-bands=left", "-o", file},
      {"shape", "frame", "rows", "-o", file},
  };
  for (const auto& args : cases) {
    const CliRun run = runGeneratorCli(args);
    EXPECT_EQ(run.status, kExitUsage) << args[1] << " " << args[2];
    EXPECT_FALSE(run.err.empty());
  }
  EXPECT_FALSE(std::filesystem::exists(file));
}

}  // namespace
}  // namespace pravelo
