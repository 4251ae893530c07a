#include "project/text_io_error.h"

#include "project/text_io_texts.h"

namespace pravelo {

TextIoError::TextIoError(const Text& problem, std::string parameter, std::string keyword, int line)
    : std::runtime_error(
          fillIn(texts::textIoError, Language::English,
                 {std::to_string(line), keyword, fillIn(problem, Language::English, {parameter})})),
      problem_(&problem),
      parameter_(std::move(parameter)),
      keyword_(std::move(keyword)),
      line_(line) {}

std::string TextIoError::report(Language language) const {
  return fillIn(texts::textIoError, language,
                {std::to_string(line_), keyword_, fillIn(*problem_, language, {parameter_})});
}

}  // namespace pravelo
