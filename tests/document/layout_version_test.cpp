#include "document/layout_version.h"

#include <gtest/gtest.h>

namespace pravelo {
namespace {

TEST(LayoutVersion, VerdictAndMessageFromTheFirstFourBytes) {
  struct Case {
    std::string start;
    VersionVerdict verdict;
    const char* message;
  };
  // clang-format off
  const Case cases[] = {
    {std::string("\x06\x33\xAA\xFF", 4), VersionVerdict::Current, ""},
    {std::string("\x06\x33\xAA\xFF\x01\x00", 6), VersionVerdict::Current, ""},
    {std::string("\x07\x33\xAA\xFF", 4), VersionVerdict::Newer,
     "\"b.pvb6\" was created with a newer version of Pravelo-Board (Version 7).\n"
     "Your version of Pravelo-Board is not able to open this file."},
    {std::string("\x0B\x33\xAA\xFF", 4), VersionVerdict::Newer,
     "\"b.pvb6\" was created with a newer version of Pravelo-Board (Version 11).\n"
     "Your version of Pravelo-Board is not able to open this file."},
    {std::string("\x0C\x33\xAA\xFF", 4), VersionVerdict::Foreign, "\"b.pvb6\" is not a Pravelo-Board file."},
    {std::string("\xFF\x32\xAA\xFF", 4), VersionVerdict::Foreign, "\"b.pvb6\" is not a Pravelo-Board file."},
    {std::string("\x06\x33\xAA", 3), VersionVerdict::Foreign, "\"b.pvb6\" is not a Pravelo-Board file."},
    {"", VersionVerdict::Foreign, "\"b.pvb6\" is not a Pravelo-Board file."},
    {std::string("\x00\x33\xAA\xFF", 4), VersionVerdict::Older, ""},
    {std::string("\x05\x33\xAA\xFF", 4), VersionVerdict::Older, ""},
  };
  // clang-format on
  for (const Case& c : cases) {
    const VersionCheck check =
        checkLayoutVersion("/some/folder/b.pvb6", c.start, Language::English);
    EXPECT_EQ(check.verdict, c.verdict) << c.message;
    EXPECT_EQ(check.message, c.message);
    EXPECT_EQ(check.readable(),
              c.verdict == VersionVerdict::Current || c.verdict == VersionVerdict::Older);
  }
}

TEST(LayoutVersion, MessagesInTheRunsLanguage) {
  const std::string newer("\x08\x33\xAA\xFF", 4);
  EXPECT_EQ(checkLayoutVersion("x.pvb6", newer, Language::German).message,
            "\"x.pvb6\" wurde mit einer neueren Version von Pravelo-Board erstellt (Version 8).\n"
            "Ihre Version von Pravelo-Board kann diese Datei nicht öffnen.");
  EXPECT_EQ(checkLayoutVersion("x.pvb6", "abcd", Language::French).message,
            "\"x.pvb6\" n'est pas un fichier Pravelo-Board.");
}

}  // namespace
}  // namespace pravelo
