#include "cli/info_summary.h"

#include <gtest/gtest.h>

#include "support/sample_layout.h"

namespace pravelo {
namespace {

TEST(InfoSummary, BoardsSizesAndCountsPerKindAndLayer) {
  const Document doc = testing::sampleDocument();
  const std::string s = infoSummary(doc, "x.pvb6", Language::English);
  EXPECT_EQ(s,
            "File: x.pvb6\n"
            "Title: Title\n"
            "Author: Author é\n"
            "Company: Company\n"
            "Boards: 2 (active: 2)\n"
            "\n"
            "Board 1 \"Main\": 80.000 mm x 50.000 mm, 11 objects, multilayer\n"
            "                      C1    S1    C2    S2    I1    I2     O   total\n"
            "  Old line             0     1     0     0     0     0     0       1\n"
            "  Pad                  1     0     1     0     0     0     0       2\n"
            "  Zone                 1     0     1     0     0     0     0       2\n"
            "  Circle               0     0     0     0     0     0     1       1\n"
            "  Track                1     0     0     0     1     0     0       2\n"
            "  Text                 0     1     1     0     0     0     0       2\n"
            "  SMD pad              1     0     0     0     0     0     0       1\n"
            "\n"
            "Board 2 \"Second Ä\": 160.000 mm x 100.000 mm, 1 object\n"
            "                      C1    S1    C2    S2    I1    I2     O   total\n"
            "  Track                1     0     0     0     0     0     0       1\n");
  const std::string german = infoSummary(doc, "x.pvb6", Language::German);
  EXPECT_NE(german.find("  Fläche               1     0     1"), std::string::npos) << german;
  EXPECT_NE(german.find("K1    B1    K2    B2    I1    I2     U"), std::string::npos);
}

TEST(InfoSummary, ObjectCountsTakeSingularOrPluralByLanguage) {
  struct Case {
    Language language;
    std::size_t count;
    const char* expected;
  };
  // clang-format off
  const Case cases[] = {
    {Language::German, 0, " 0 Objekte\n"}, {Language::German, 1, " 1 Objekt\n"}, {Language::German, 2, " 2 Objekte\n"},
    {Language::English, 0, " 0 objects\n"}, {Language::English, 1, " 1 object\n"}, {Language::English, 2, " 2 objects\n"},
    {Language::French, 0, " 0 objet\n"}, {Language::French, 1, " 1 objet\n"}, {Language::French, 2, " 2 objets\n"},
  };
  // clang-format on
  for (const Case& c : cases) {
    Document doc = testing::sampleDocument();
    doc.boards[1]->objects.resize(c.count);
    if (c.count == 2) doc.boards[1]->objects[1] = std::make_unique<TObjekt>(newObject());
    const std::string s = infoSummary(doc, "x.pvb6", c.language);
    EXPECT_NE(s.find(c.expected), std::string::npos) << s;
  }
}

}  // namespace
}  // namespace pravelo
