#include "project/save_commands.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "base/text.h"
#include "document/layout_file.h"
#include "project/boards.h"
#include "project/save_problem.h"
#include "support/sample_layout.h"
#include "support/scripted_host.h"
#include "support/temp_folder.h"

namespace pravelo {
namespace {

using testing::fileBytes;
using testing::ScriptedHost;

TEST(SaveFileNames, LayoutExtensionAndBackupName) {
  EXPECT_EQ(withLayoutExtension("/x/board.pvb"), "/x/board.pvb6");
  EXPECT_EQ(withLayoutExtension("/x/board.PVB6"), "/x/board.PVB6");
  EXPECT_EQ(withLayoutExtension("/x/board"), "/x/board.pvb6");
  EXPECT_EQ(withLayoutExtension("/x.y/board.old.txt"), "/x.y/board.old.pvb6");
  EXPECT_EQ(backupFileName("/x/board.pvb6"), "/x/board.pvb6.bak");
  EXPECT_EQ(backupFileName("/x/board.pvb"), "/x/board.pvb6.bak");
  EXPECT_EQ(backupFileName("/x/board.pvb6.BAK"), std::nullopt);
  EXPECT_EQ(backupFileName(""), std::nullopt);
}

class SaveCommands : public ::testing::Test {
 protected:
  // Other tests expect the program's start language.
  void TearDown() override { setLanguage(Language::German); }
  void SetUp() override {
    setLanguage(Language::English);
    doc = testing::sampleDocument();
    doc.modified = true;
  }

  ChooseSaveName chooser(std::optional<std::string> answer) {
    return [this, answer](const std::string& preset) {
      presets.push_back(preset);
      return answer;
    };
  }

  testing::TempFolder folder;
  Document doc;
  ScriptedHost host;
  std::vector<std::string> recent;
  std::vector<std::string> presets;
};

TEST_F(SaveCommands, SaveWithoutANameRunsSaveAs) {
  const std::string path = folder.file("new.pvb6");
  ASSERT_TRUE(saveDocument(doc, host, recent, chooser(path)));
  EXPECT_EQ(presets, std::vector<std::string>{""});
  EXPECT_EQ(fileBytes(path), writeLayout(doc));
  EXPECT_EQ(doc.fileName, path);
  EXPECT_FALSE(doc.modified);
  EXPECT_EQ(recent, std::vector<std::string>{path});
  EXPECT_TRUE(host.questions.empty());

  doc.modified = true;
  EXPECT_FALSE(saveDocumentAs(doc, host, recent, chooser(std::nullopt)));
  EXPECT_EQ(presets.back(), "new.pvb6");
  EXPECT_TRUE(doc.modified);
}

TEST_F(SaveCommands, SavingALoadedFileTwiceGivesIdenticalBytes) {
  doc.fileName = folder.file("twice.pvb6");
  ASSERT_TRUE(saveDocument(doc, host, recent, chooser(std::nullopt)));
  const std::string first = fileBytes(doc.fileName);
  ASSERT_TRUE(saveDocument(doc, host, recent, chooser(std::nullopt)));
  EXPECT_EQ(fileBytes(doc.fileName), first);
  EXPECT_TRUE(presets.empty());
}

TEST_F(SaveCommands, ExtensionRuleAsksAndDeletesTheOldFileOnlyAfterWriting) {
  for (Answer answer : {Answer::Yes, Answer::No}) {
    const std::string old = folder.file("board.pvb");
    testing::writeBytes(old, "older format");
    doc.fileName = old;
    host.answers = {answer};
    host.questions.clear();
    ASSERT_TRUE(saveDocument(doc, host, recent, chooser(std::nullopt)));
    ASSERT_EQ(host.questions.size(), 1u);
    EXPECT_EQ(host.questions[0].text,
              "The file will be saved with the new file extension \".pvb6\".\n\n"
              "Do you want to keep the older original file?");
    EXPECT_EQ(std::filesystem::exists(old), answer == Answer::Yes);
    EXPECT_EQ(doc.fileName, folder.file("board.pvb6"));
    EXPECT_EQ(fileBytes(doc.fileName), writeLayout(doc));
    EXPECT_EQ(recent.front(), doc.fileName);
  }
}

TEST_F(SaveCommands, AFailedSaveKeepsThePreviousFileAndTheDocumentUnsaved) {
  const std::string old = folder.file("board.pvb");
  testing::writeBytes(old, "older format");
  // The target name is taken by a folder, so the new file cannot take its place.
  std::filesystem::create_directories(folder.file("board.pvb6/inside"));
  doc.fileName = old;
  host.answers = {Answer::No};
  EXPECT_FALSE(saveDocument(doc, host, recent, chooser(std::nullopt)));
  EXPECT_EQ(fileBytes(old), "older format") << "the old file is deleted only after a good write";
  EXPECT_EQ(doc.fileName, old);
  EXPECT_TRUE(doc.modified);
  EXPECT_TRUE(recent.empty());
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "The file \"" + folder.file("board.pvb6") +
                                       "\" could not be saved: a folder has this name.");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 2)
      << "no temporary file is left behind";
}

TEST_F(SaveCommands, SavingThroughALinkKeepsTheLinkAndItsName) {
  const std::string real = folder.file("real.pvb6");
  testing::writeBytes(real, "stale");
  const std::string link = folder.file("link.pvb6");
  std::filesystem::create_symlink("real.pvb6", link);
  doc.fileName = link;
  ASSERT_TRUE(saveDocument(doc, host, recent, chooser(std::nullopt)));
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(fileBytes(real), writeLayout(doc));
  EXPECT_EQ(doc.fileName, link);
  EXPECT_EQ(recent, std::vector<std::string>{link});
}

TEST_F(SaveCommands, AFailedSaveSaysWhyInTheUsersLanguage) {
  struct Case {
    Language language;
    std::string before, after;
  };
  const Case cases[] = {
      {Language::German, "Die Datei \"",
       "\" konnte nicht gespeichert werden: der Ordner existiert nicht."},
      {Language::English, "The file \"", "\" could not be saved: the folder does not exist."},
      {Language::French, "Le fichier \"",
       "\" n'a pas pu être enregistré : le dossier n'existe pas."},
  };
  doc.fileName = folder.file("missing/board.pvb6");
  for (const Case& c : cases) {
    setLanguage(c.language);
    EXPECT_FALSE(saveDocument(doc, host, recent, chooser(std::nullopt)));
    ASSERT_FALSE(host.messages.empty());
    EXPECT_EQ(host.messages.back().text, c.before + doc.fileName + c.after);
  }
}

TEST_F(SaveCommands, AReadOnlyFolderIsReportedAsMissingPermission) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  const std::filesystem::path locked = folder.path() / "locked";
  std::filesystem::create_directories(locked);
  std::filesystem::permissions(
      locked, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  doc.fileName = (locked / "board.pvb6").string();
  EXPECT_FALSE(saveDocument(doc, host, recent, chooser(std::nullopt)));
  std::filesystem::permissions(locked, std::filesystem::perms::owner_all);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text,
            "The file \"" + doc.fileName + "\" could not be saved: no permission to write.");
}

TEST(SaveProblem, CommonSystemReasonsHaveTextsOfTheirOwn) {
  setLanguage(Language::English);
  const std::pair<std::errc, std::string> cases[] = {
      {std::errc::permission_denied, "no permission to write"},
      {std::errc::operation_not_permitted, "no permission to write"},
      {std::errc::read_only_file_system, "the drive is read-only"},
      {std::errc::no_space_on_device, "the disk is full"},
      {std::errc::no_such_file_or_directory, "the folder does not exist"},
      {std::errc::not_a_directory, "the folder does not exist"},
      {std::errc::is_a_directory, "a folder has this name"},
      {std::errc::filename_too_long, "the name is too long"},
      {std::errc::too_many_symbolic_link_levels, "the symbolic links form a loop"},
      {std::errc::device_or_resource_busy, "the file is in use"},
      {std::errc::io_error, "the drive reports an input/output error"},
      {std::errc::cross_device_link, "writing failed"},
  };
  for (const auto& [code, text] : cases) {
    EXPECT_EQ(tr(saveProblem(std::make_error_code(code))), text);
  }
  // The same reason as the system reports it.
  EXPECT_STREQ(tr(saveProblem(std::error_code(ENOSPC, std::system_category()))),
               "the disk is full");
  EXPECT_STREQ(tr(saveProblem(std::error_code(EDQUOT, std::generic_category()))),
               "the disk is full");
  setLanguage(Language::German);
}

TEST_F(SaveCommands, BackupKeepsTheFileNameAndTheModifiedFlag) {
  doc.fileName = folder.file("board.pvb6");
  ASSERT_TRUE(saveBackup(doc));
  EXPECT_EQ(fileBytes(folder.file("board.pvb6.bak")), writeLayout(doc));
  EXPECT_FALSE(std::filesystem::exists(doc.fileName));
  EXPECT_EQ(doc.fileName, folder.file("board.pvb6"));
  EXPECT_TRUE(doc.modified);

  doc.fileName.clear();
  EXPECT_FALSE(saveBackup(doc));
}

}  // namespace
}  // namespace pravelo
