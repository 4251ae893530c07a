#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

#include "base/text.h"

namespace pravelo {

// Damaged input: what was wrong, in which field, at which byte offset of the file.
class FileFormatError : public std::runtime_error {
 public:
  FileFormatError(const Text& problem, const Text& field, std::size_t offset);

  const Text& problem() const { return *problem_; }
  const Text& field() const { return *field_; }
  std::size_t offset() const { return offset_; }

  // The full report in `language`, e.g. "The file is damaged: the count is negative
  // (object count) at byte 539."
  std::string report(Language language) const;

 private:
  const Text* problem_;
  const Text* field_;
  std::size_t offset_;
};

}  // namespace pravelo
