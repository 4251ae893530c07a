#include "document/file_format_error.h"

#include "document/document_texts.h"

namespace pravelo {

FileFormatError::FileFormatError(const Text& problem, const Text& field, std::size_t offset)
    : std::runtime_error(std::string(problem.en) + " (" + field.en + ") at byte " +
                         std::to_string(offset)),
      problem_(&problem),
      field_(&field),
      offset_(offset) {}

std::string FileFormatError::report(Language language) const {
  return std::string(tr(texts::fileDamaged, language)) + tr(*problem_, language) + " (" +
         tr(*field_, language) + ")" + tr(texts::atByte, language) + std::to_string(offset_) + ".";
}

}  // namespace pravelo
