#include "project/save_problem.h"

#include <cerrno>

#include "document/document_texts.h"

namespace pravelo {

const Text& saveProblem(std::error_code error) {
  const std::error_condition reason = error.default_error_condition();
  if (reason.category() != std::generic_category()) return texts::saveProblemWrite;
  switch (reason.value()) {
    case EACCES:
    case EPERM:
      return texts::saveProblemPermission;
    case EROFS:
      return texts::saveProblemReadOnly;
    case ENOSPC:
    case EDQUOT:
      return texts::saveProblemDiskFull;
    case ENOENT:
    case ENOTDIR:
      return texts::saveProblemNoFolder;
    case EISDIR:
      return texts::saveProblemFolderName;
    case ENAMETOOLONG:
      return texts::saveProblemNameTooLong;
    case ELOOP:
      return texts::saveProblemLinkLoop;
    case EBUSY:
    case ETXTBSY:
      return texts::saveProblemBusy;
    case EIO:
      return texts::saveProblemDevice;
    default:
      return texts::saveProblemWrite;
  }
}

std::string couldNotSaveMessage(const std::string& path, std::error_code error, Language language) {
  return fillIn(texts::couldNotSave, language, {quoted(path), tr(saveProblem(error), language)});
}

}  // namespace pravelo
