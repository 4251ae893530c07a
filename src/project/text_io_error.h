#pragma once

#include <stdexcept>
#include <string>

#include "base/text.h"

namespace pravelo {

// A Text-IO record that cannot be read: what is wrong (a text with %1 for the parameter), with
// which parameter, in which record and on which line the record starts.
class TextIoError : public std::runtime_error {
 public:
  TextIoError(const Text& problem, std::string parameter, std::string keyword, int line);

  const Text& problem() const { return *problem_; }
  const std::string& parameter() const { return parameter_; }
  const std::string& keyword() const { return keyword_; }
  int line() const { return line_; }

  // "Text-IO file, line 3, record PAD: the value of LAYER is out of range."
  std::string report(Language language) const;

 private:
  const Text* problem_;
  std::string parameter_;
  std::string keyword_;
  int line_;
};

}  // namespace pravelo
