#include "settings/ini_text.h"

#include <gtest/gtest.h>

#include <string>

namespace pravelo {
namespace {

using namespace std::string_literals;

// Texts the writer produces itself come back byte for byte, whatever they hold.
TEST(IniText, WritesBackWhatItRead) {
  // clang-format off
  const std::string texts[] = {
      "",
      "[Window]\r\nWindowMax=1\r\n",
      "; written by hand\r\n\r\n[A]\r\nx=1\r\n; about y\r\ny=\r\n\r\n[B]\r\nz=a=b\r\n",
      "[Unknown]\r\nKey With Blanks = value with blanks \r\nno equals sign\r\n=no key\r\n",
      "[A]\r\nx=1\r\n\r\n[A]\r\nx=2\r\n",                        // duplicate section
      "[Bin]\r\nk=\x01\x02\xFF\r\n\x00\x7F\r\n"s,
      "[Ordner]\r\nLayout_Last=/home/jörg/Platinen\r\n",
  };
  // clang-format on
  for (const std::string& text : texts) EXPECT_EQ(formatIni(parseIni(text)), text) << text;
}

TEST(IniText, AcceptsLineFeedsAndWritesCrLf) {
  const IniText ini = parseIni("\xEF\xBB\xBF[A]\nx=1\n\n\n[B]\ny = 2");
  ASSERT_NE(findIniValue(ini, "a", "X"), nullptr);
  EXPECT_EQ(*findIniValue(ini, "a", "X"), "1");
  EXPECT_EQ(*findIniValue(ini, "B", "y"), " 2");
  EXPECT_EQ(formatIni(ini), "[A]\r\nx=1\r\n\r\n[B]\r\ny = 2\r\n");
}

TEST(IniText, DamagedLinesAreKeptButHoldNoKeys) {
  const std::string bytes = "x=0\n[Broken\n[A]\nnot a key\n;k=1\n=2\n\0=3\nk=4\n"s;
  const IniText ini = parseIni(bytes);
  EXPECT_FALSE(hasIniSection(ini, "Broken"));
  EXPECT_EQ(findIniValue(ini, "A", ";k"), nullptr);
  EXPECT_EQ(*findIniValue(ini, "A", "k"), "4");
  EXPECT_EQ(*findIniValue(ini, "A", "\0"s), "3");
  IniText rewritten = ini;
  setIniValue(rewritten, "A", "k", "5");
  EXPECT_EQ(formatIni(rewritten),
            "x=0\r\n[Broken\r\n[A]\r\nnot a key\r\n;k=1\r\n=2\r\n\0=3\r\nk=5\r\n"s);
}

TEST(IniText, WritesKeepSpellingAndPlaceOfKeys) {
  IniText ini = parseIni("[Optionen]\r\nAutoSave=1\r\n; end of options\r\n\r\n[Other]\r\nk=1\r\n");
  setIniValue(ini, "OPTIONEN", "autosave", "0");
  setIniValue(ini, "Optionen", "LS_Offset_LA", "30");
  setIniValue(ini, "New", "MRU0", "/a b/c.pvb6");
  EXPECT_EQ(formatIni(ini),
            "[Optionen]\r\nAutoSave=0\r\nLS_Offset_LA=30\r\n; end of options\r\n\r\n"
            "[Other]\r\nk=1\r\n\r\n[New]\r\nMRU0=/a b/c.pvb6\r\n");
}

TEST(IniText, AValueIsOneLine) {
  IniText ini;
  setIniValue(ini, "A", "k", "one\r\ntwo\nthree");
  EXPECT_EQ(formatIni(ini), "[A]\r\nk=one  two three\r\n");
}

TEST(IniText, AnErasedSectionWrittenAgainKeepsItsPlace) {
  IniText ini = parseIni("[A]\r\na=1\r\n\r\n[MRU]\r\nMRU0=x\r\nMRU1=y\r\n\r\n[B]\r\nb=1\r\n");
  eraseIniSection(ini, "mru");
  EXPECT_FALSE(hasIniSection(ini, "MRU"));
  EXPECT_EQ(findIniValue(ini, "MRU", "MRU1"), nullptr);
  EXPECT_EQ(formatIni(ini), "[A]\r\na=1\r\n\r\n[B]\r\nb=1\r\n");
  setIniValue(ini, "MRU", "MRU0", "z");
  EXPECT_EQ(formatIni(ini), "[A]\r\na=1\r\n\r\n[MRU]\r\nMRU0=z\r\n\r\n[B]\r\nb=1\r\n");
}

}  // namespace
}  // namespace pravelo
