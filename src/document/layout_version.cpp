#include "document/layout_version.h"

#include <cstring>
#include <filesystem>

#include "document/document_texts.h"

namespace pravelo {

VersionCheck checkLayoutVersion(const std::string& path, std::string_view fileStart,
                                Language language) {
  const std::string quotedName = quoted(std::filesystem::path(path).filename().string());
  VersionCheck check;
  if (fileStart.size() >= 4) {
    std::uint32_t word;
    std::memcpy(&word, fileStart.data(), 4);
    check.version = static_cast<std::int64_t>(word) - kLayoutVersionBase;
  }
  const std::int64_t d = check.version;
  if (d == kLayoutVersion) {
    check.verdict = VersionVerdict::Current;
  } else if (d >= 0 && d < kLayoutVersion) {
    check.verdict = VersionVerdict::Older;
  } else if (d > kLayoutVersion && d < 12) {
    check.verdict = VersionVerdict::Newer;
    check.message = fillIn(texts::newerVersion, language, {quotedName, std::to_string(d)}) + "\n" +
                    tr(texts::newerVersionCannotOpen, language);
  } else {
    check.verdict = VersionVerdict::Foreign;
    check.message = quotedName + tr(texts::notALayoutFile, language);
  }
  return check;
}

}  // namespace pravelo
