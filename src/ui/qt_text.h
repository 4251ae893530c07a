#pragma once

#include <QString>
#include <string>

#include "base/text.h"
#include "base/windows1252.h"

namespace pravelo {

// A catalogue text in the run's language.
inline QString qtr(const Text& text) { return QString::fromUtf8(tr(text)); }

// Board names and project texts are kept as Windows-1252 bytes.
inline QString fromStored(const std::string& bytes) {
  return QString::fromStdString(windows1252ToUtf8(bytes));
}
inline std::string toStored(const QString& text) { return utf8ToWindows1252(text.toStdString()); }

}  // namespace pravelo
