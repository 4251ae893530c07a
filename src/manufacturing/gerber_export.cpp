#include "manufacturing/gerber_export.h"

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "base/atomic_file.h"
#include "document/document_texts.h"
#include "manufacturing/gerber_file.h"
#include "manufacturing/gerber_texts.h"

namespace pravelo {
namespace {

std::string now() {
  const std::time_t t = std::time(nullptr);
  std::tm local{};
  localtime_r(&t, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
  return text;
}

struct PendingFile {
  std::string path;
  std::string text;
};

}  // namespace

std::string gerberPath(const std::string& folder, const std::string& prefix,
                       const GerberSettings& names, const GerberOutput& output) {
  std::string path = folder;
  if (!path.empty() && path.back() != '/') path += '/';
  return path + prefix + names.*output.extension;
}

int exportGerber(const Board& board, const GerberSettings& names, const GerberJob& job, Host& host,
                 std::vector<std::string>& log) {
  const std::string title = tr(texts::productName);
  std::error_code error;
  if (!std::filesystem::is_directory(job.folder, error)) {
    host.showMessage(fillIn(texts::gerberFolderMissing, {quoted(job.folder)}), title,
                     MessageIcon::Information);
    return 0;
  }
  std::vector<int> outputs = job.outputs;
  std::sort(outputs.begin(), outputs.end());
  outputs.erase(std::unique(outputs.begin(), outputs.end()), outputs.end());
  // Every file is made before any is written, so that a board that does not fit the number
  // format leaves the folder as it was.
  std::vector<PendingFile> files;
  for (int index : outputs) {
    const GerberOutput& output = kGerberOutputs.at(index);
    GerberLayerFile made = gerberLayerFile(board, output, job.options);
    if (made.outOfRange) {
      host.showMessage(fillIn(texts::gerberOutOfRange,
                              {gerberMillimetres(made.firstOutOfRange), output.layerName}),
                       title, MessageIcon::Error);
      return 0;
    }
    files.push_back({gerberPath(job.folder, job.prefix, names, output), std::move(made.text)});
  }
  log.push_back("");
  log.push_back(now());
  log.push_back(std::string(48, '-'));
  int created = 0;
  for (const PendingFile& file : files) {
    if (std::filesystem::exists(file.path, error) &&
        host.ask(fillIn(texts::gerberOverwrite, {quoted(file.path)}), title, Buttons::OkCancel,
                 MessageIcon::Question) != Answer::Ok) {
      continue;
    }
    std::error_code writeError;
    if (!writeFileAtomically(file.path, file.text, &writeError)) {
      host.showMessage(fillIn(texts::gerberNotWritten, {quoted(file.path), writeError.message()}),
                       title, MessageIcon::Error);
      continue;
    }
    log.push_back("-> " + file.path);
    ++created;
  }
  log.push_back(fillIn(texts::gerberFilesCreated, {std::to_string(created)}));
  return created;
}

}  // namespace pravelo
