#include "settings/settings_store.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "support/file_bytes.h"

namespace pravelo {
namespace {

namespace fs = std::filesystem;

void writeAll(const fs::path& p, const std::string& bytes) {
  std::ofstream(p, std::ios::binary) << bytes;
}

class SettingsStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ =
        fs::path(::testing::TempDir()) /
        ("store_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  fs::path file() const { return dir_ / "PRAVEL60.INI"; }

  fs::path dir_;
};

TEST_F(SettingsStoreTest, AMissingFileGivesEveryDefault) {
  const SettingsStore store(file());
  EXPECT_EQ(store.readString("Ordner", "Layout", "dflt"), "dflt");
  EXPECT_EQ(store.readInteger("Optionen", "Undo", 50), 50);
  EXPECT_TRUE(store.readBool("Window", "WindowMax", true));
  EXPECT_EQ(store.readFloat("A", "f", 2.5), 2.5);
  EXPECT_FALSE(store.hasSection("Window"));
  EXPECT_FALSE(fs::exists(file()));
}

TEST_F(SettingsStoreTest, WritesReachTheFileAtOnceAsTheProgramWritesThem) {
  SettingsStore store(file());
  ASSERT_TRUE(store.writeBool("Window", "WindowMax", true));
  ASSERT_TRUE(store.writeBool("Optionen", "AutoSave", false));
  ASSERT_TRUE(store.writeInteger("Optionen", "AutoSaveTime", 300000));
  ASSERT_TRUE(store.writeInteger("Gerber", "SMD_Maske_Offset", -15));
  ASSERT_TRUE(store.writeFloat("A", "Winkel", 22.5));
  ASSERT_TRUE(store.writeString("Ordner", "Layout_Last", "/home/jörg/meine Platinen"));
  EXPECT_EQ(testing::fileBytes(file()),
            "[Window]\r\nWindowMax=1\r\n\r\n"
            "[Optionen]\r\nAutoSave=0\r\nAutoSaveTime=300000\r\n\r\n"
            "[Gerber]\r\nSMD_Maske_Offset=-15\r\n\r\n"
            "[A]\r\nWinkel=22.5\r\n\r\n"
            "[Ordner]\r\nLayout_Last=/home/jörg/meine Platinen\r\n");

  const SettingsStore again(file());
  EXPECT_TRUE(again.readBool("Window", "WindowMax", false));
  EXPECT_FALSE(again.readBool("Optionen", "AutoSave", true));
  EXPECT_EQ(again.readInteger("Optionen", "AutoSaveTime", 0), 300000);
  EXPECT_EQ(again.readInteger("gerber", "smd_maske_offset", 0), -15);
  EXPECT_EQ(again.readFloat("A", "Winkel", 0), 22.5);
  EXPECT_EQ(again.readString("Ordner", "Layout_Last", ""), "/home/jörg/meine Platinen");
  EXPECT_TRUE(again.hasSection("OPTIONEN"));
  EXPECT_TRUE(again.hasKey("Optionen", "AutoSave"));
  EXPECT_FALSE(again.hasKey("Optionen", "Undo"));
}

TEST_F(SettingsStoreTest, NumbersAreReadStrictlyAndInTheCLocale) {
  struct Case {
    const char* text;
    int integer;  // with default -1
    double real;  // with default -1
  };
  // clang-format off
  const Case cases[] = {
      {"0", 0, 0},              {"12", 12, 12},           {" -7 ", -7, -7},        {"2147483647", 2147483647, 2147483647},
      {"2147483648", -1, 2147483648.0},                  {"12abc", -1, -1},
      {"", -1, -1},             {"0x10", -1, -1},         {"1,5", -1, -1},
      {"1.5", -1, 1.5},         {"1e3", -1, 1000},        {"nan", -1, -1},
      {"inf", -1, -1},
  };
  // clang-format on
  std::string text = "[N]\r\n";
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    text += "k" + std::to_string(i) + "=" + cases[i].text + "\r\n";
  }
  writeAll(file(), text);
  const SettingsStore store(file());
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const std::string key = "k" + std::to_string(i);
    EXPECT_EQ(store.readInteger("N", key, -1), cases[i].integer) << cases[i].text;
    EXPECT_EQ(store.readFloat("N", key, -1), cases[i].real) << cases[i].text;
    // A boolean is an integer other than 0; no integer keeps the default.
    EXPECT_EQ(store.readBool("N", key, true), cases[i].integer != 0) << cases[i].text;
  }
}

TEST_F(SettingsStoreTest, UnknownSectionsKeysAndCommentsSurviveARewrite) {
  writeAll(file(),
           "; my notes\n[Window]\nWindowMax=0\nFutureKey=abc\n\n[Plugin]\nanything = goes\n");
  SettingsStore store(file());
  ASSERT_TRUE(store.writeBool("Window", "WindowMax", true));
  ASSERT_TRUE(store.writeInteger("Window", "WindowX", 10));
  EXPECT_EQ(testing::fileBytes(file()),
            "; my notes\r\n[Window]\r\nWindowMax=1\r\nFutureKey=abc\r\nWindowX=10\r\n\r\n"
            "[Plugin]\r\nanything = goes\r\n");
}

TEST_F(SettingsStoreTest, ErasedSectionsLeaveTheFile) {
  SettingsStore store(file());
  store.writeString("MRU", "MRU0", "/a.pvb6");
  store.writeInteger("Selector", "ZOOM", 5);
  ASSERT_TRUE(store.eraseSection("MRU"));
  EXPECT_FALSE(store.hasSection("MRU"));
  EXPECT_EQ(testing::fileBytes(file()), "[Selector]\r\nZOOM=5\r\n");
}

TEST_F(SettingsStoreTest, DamagedFilesGiveDefaultsAndAreReplacedOnWrite) {
  std::string garbage;
  for (int i = 0; i < 4096; ++i) garbage += static_cast<char>((i * 7919) & 0xFF);
  const std::string oversized(3 << 20, '[');
  for (const std::string& bytes : {garbage, oversized, std::string("\0\0\0", 3)}) {
    writeAll(file(), bytes);
    SettingsStore store(file());
    EXPECT_EQ(store.readInteger("Optionen", "Undo", 50), 50);
    EXPECT_TRUE(store.readBool("Window", "WindowMax", true));
    ASSERT_TRUE(store.writeInteger("Optionen", "Undo", 10));
    EXPECT_EQ(SettingsStore(file()).readInteger("Optionen", "Undo", 50), 10);
  }
}

TEST_F(SettingsStoreTest, AFolderInPlaceOfTheFileGivesDefaultsAndStays) {
  fs::create_directories(file() / "child");
  SettingsStore store(file());
  EXPECT_EQ(store.readInteger("Optionen", "Undo", 50), 50);
  EXPECT_FALSE(store.writeInteger("Optionen", "Undo", 10));
  EXPECT_TRUE(fs::is_directory(file() / "child"));
}

TEST_F(SettingsStoreTest, AFileWithoutReadPermissionIsNeverOverwritten) {
  if (::geteuid() == 0) GTEST_SKIP() << "root reads files without read permission";
  const fs::path locked = dir_ / "locked.ini";
  writeAll(locked, "[Optionen]\r\nUndo=7\r\n");
  fs::permissions(locked, fs::perms::none);
  SettingsStore lockedStore(locked);
  EXPECT_EQ(lockedStore.readInteger("Optionen", "Undo", 50), 50);
  EXPECT_FALSE(lockedStore.writeInteger("Optionen", "Undo", 10));
  fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(testing::fileBytes(locked), "[Optionen]\r\nUndo=7\r\n");
}

TEST_F(SettingsStoreTest, DeferredWritesReachTheFileOnceAtTheEnd) {
  SettingsStore store(file());
  {
    DeferredWrites outer(store);
    store.writeInteger("A", "a", 1);
    {
      DeferredWrites inner(store);
      store.writeInteger("A", "b", 2);
    }
    store.eraseSection("B");
    EXPECT_FALSE(fs::exists(file()));
    EXPECT_EQ(store.readInteger("A", "b", 0), 2);
  }
  EXPECT_EQ(testing::fileBytes(file()), "[A]\r\na=1\r\nb=2\r\n");
}

}  // namespace
}  // namespace pravelo
