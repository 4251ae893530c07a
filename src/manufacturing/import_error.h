#pragma once

#include <stdexcept>
#include <string>

#include "base/text.h"

namespace pravelo {

// A Gerber or drill file that cannot be read: what is wrong and on which line of the file (1 for
// the first; 0 when the whole file is meant).
class ImportError : public std::runtime_error {
 public:
  ImportError(const Text& problem, int line);

  const Text& problem() const { return *problem_; }
  int line() const { return line_; }

  // "board.gbr, line 12: The number does not fit in 32 bits."
  std::string report(const std::string& fileName, Language language) const;

 private:
  const Text* problem_;
  int line_;
};

}  // namespace pravelo
