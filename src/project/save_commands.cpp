#include "project/save_commands.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "base/atomic_file.h"
#include "document/document_texts.h"
#include "document/layout_file.h"
#include "project/boards.h"
#include "project/save_problem.h"
#include "settings/recent_files.h"

namespace pravelo {
namespace {

namespace fs = std::filesystem;

const std::string kLayoutExtension = ".pvb6";

bool sameIgnoringCase(const std::string& a, const std::string& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

// "Do you want to keep the older original file?" when the extension changes and a file of the
// old name exists; true when the user wants it deleted.
bool userDropsOldFile(Host& host, const std::string& oldName, const std::string& newName) {
  std::error_code error;
  if (oldName == newName || !fs::exists(oldName, error)) return false;
  const std::string question = fillIn(texts::newExtension, {quoted(kLayoutExtension)}) + "\n\n" +
                               tr(texts::keepOriginalQuestion);
  return host.ask(question, tr(texts::productName), Buttons::YesNo, MessageIcon::Question) ==
         Answer::No;
}

bool saveUnder(Document& doc, Host& host, std::vector<std::string>& recentFiles,
               const std::string& name) {
  const std::string target = withLayoutExtension(name);
  const bool dropOld = userDropsOldFile(host, name, target);
  std::error_code writeError;
  if (!writeDocumentFile(doc, target, &writeError)) {
    host.showMessage(fillIn(texts::couldNotSave, {quoted(target), tr(saveProblem(writeError))}),
                     tr(texts::productName), MessageIcon::Error);
    return false;
  }
  std::error_code error;
  if (dropOld && !fs::remove(name, error)) {
    host.showMessage(fillIn(texts::couldNotDelete, {quoted(name)}), tr(texts::productName),
                     MessageIcon::Warning);
  }
  addRecentFile(recentFiles, target);
  doc.fileName = target;
  doc.lastFolder = fs::path(target).parent_path().string();
  doc.modified = false;
  return true;
}

}  // namespace

std::string withLayoutExtension(const std::string& path) {
  fs::path p(path);
  if (sameIgnoringCase(p.extension().string(), kLayoutExtension)) return path;
  return p.replace_extension(kLayoutExtension).string();
}

std::optional<std::string> backupFileName(const std::string& fileName) {
  if (fileName.empty() || sameIgnoringCase(fs::path(fileName).extension().string(), ".bak")) {
    return std::nullopt;
  }
  return fs::path(fileName).replace_extension(kLayoutExtension).string() + ".bak";
}

bool writeDocumentFile(Document& doc, const std::string& path, std::error_code* error) {
  storeActiveBoardState(doc);
  return writeFileAtomically(path, writeLayout(doc), error);
}

bool saveDocument(Document& doc, Host& host, std::vector<std::string>& recentFiles,
                  const ChooseSaveName& choose) {
  if (doc.fileName.empty()) return saveDocumentAs(doc, host, recentFiles, choose);
  return saveUnder(doc, host, recentFiles, doc.fileName);
}

bool saveDocumentAs(Document& doc, Host& host, std::vector<std::string>& recentFiles,
                    const ChooseSaveName& choose) {
  const std::optional<std::string> name = choose(fs::path(doc.fileName).filename().string());
  if (!name) return false;
  return saveUnder(doc, host, recentFiles, *name);
}

bool saveBackup(Document& doc) {
  const std::optional<std::string> name = backupFileName(doc.fileName);
  return name && writeDocumentFile(doc, *name);
}

}  // namespace pravelo
