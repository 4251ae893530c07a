#include "manufacturing/import_error.h"

#include "manufacturing/gerber_import_texts.h"

namespace pravelo {

ImportError::ImportError(const Text& problem, int line)
    : std::runtime_error(problem.en), problem_(&problem), line_(line) {}

std::string ImportError::report(const std::string& fileName, Language language) const {
  if (line_ <= 0) {
    return fillIn(texts::importFileReport, language, {fileName, tr(*problem_, language)});
  }
  return fillIn(texts::importLineReport, language,
                {fileName, std::to_string(line_), tr(*problem_, language)});
}

}  // namespace pravelo
