#include "manufacturing/milling_export.h"

#include <filesystem>

#include "base/atomic_file.h"
#include "document/document_texts.h"
#include "manufacturing/hpgl_milling.h"
#include "manufacturing/milling_texts.h"

namespace pravelo {
namespace {

std::string withoutExtension(const std::string& chosen) {
  return std::filesystem::path(chosen).replace_extension().string();
}

}  // namespace

bool millingIgnoresGroundPlane(const Board& board, const MillingOptions& options) {
  const auto& plane = board.header.groundPlane;
  return (options.millC1 && plane[kLayerC1 - 1] != 0) ||
         (options.millC2 && plane[kLayerC2 - 1] != 0);
}

std::string penFilePath(const std::string& chosen, int pen) {
  return withoutExtension(chosen) + "_Pen" + std::to_string(pen) + ".plt";
}

std::string jobListPath(const std::string& chosen) {
  return withoutExtension(chosen) + "_joblist.txt";
}

bool saveMillingText(const std::string& path, const std::string& text, Host& host,
                     Language language) {
  std::error_code error;
  if (writeFileAtomically(path, text, &error)) return true;
  host.showMessage(fillIn(texts::millNotWritten, language, {path, error.message()}),
                   tr(texts::productName, language), MessageIcon::Error);
  return false;
}

bool mayReplaceMillingFile(const std::string& path, Host& host, Language language) {
  std::error_code error;
  if (!std::filesystem::exists(path, error)) return true;
  return host.ask(fillIn(texts::millOverwrite, language, {path}), tr(texts::productName, language),
                  Buttons::OkCancel, MessageIcon::Question) == Answer::Ok;
}

MillingRun writeSeparateMillingFiles(const Board& board, const MillingOptions& options,
                                     const std::vector<MillingJob>& jobs, const std::string& chosen,
                                     Host& host, LengthUnit unit, Language language,
                                     const MillingProgress& progress) {
  MillingRun run;
  for (const MillingJob& job : jobs) {
    MillingCommands commands = millingJobFile(board, options, job.pen, progress);
    for (Contour& path : commands.paths) run.paths.push_back(std::move(path));
    const std::string path = penFilePath(chosen, job.pen);
    if (!mayReplaceMillingFile(path, host, language)) continue;
    if (saveMillingText(path, commands.text, host, language)) {
      run.written.push_back(path);
    } else {
      run.failed = true;
    }
  }
  if (options.jobList) {
    const std::string path = jobListPath(chosen);
    if (mayReplaceMillingFile(path, host, language)) {
      if (saveMillingText(path, jobListText(jobs, options, unit, language), host, language)) {
        run.written.push_back(path);
      } else {
        run.failed = true;
      }
    }
  }
  return run;
}

}  // namespace pravelo
