#include "project/text_io_commands.h"

#include <system_error>

#include "base/atomic_file.h"
#include "base/file_io.h"
#include "base/windows1252.h"
#include "document/document_texts.h"
#include "project/save_problem.h"
#include "project/text_io_error.h"
#include "project/text_io_texts.h"
#include "project/text_io_write.h"

namespace pravelo {

std::optional<std::string> writeTextIoFile(const ObjectList& objects, const std::string& path,
                                           Language language) {
  const std::vector<const TObjekt*> chosen = textIoExportObjects(objects);
  if (const TObjekt* text = unwritableText(chosen)) {
    return fillIn(texts::textIoUnwritableText, language, {quoted(windows1252ToUtf8(text->text))});
  }
  std::error_code error;
  if (!writeFileAtomically(path, writeTextIo(chosen), &error)) {
    return couldNotSaveMessage(path, error, language);
  }
  return std::nullopt;
}

TextIoImport readTextIoFile(const std::string& path, const TextIoDefaults& defaults,
                            Language language) {
  TextIoImport result;
  const std::optional<std::string> bytes = readWholeFile(path);
  if (!bytes) {
    result.problem = fillIn(texts::couldNotRead, language, {quoted(path)});
    return result;
  }
  try {
    result.objects = readTextIo(*bytes, defaults);
  } catch (const TextIoError& e) {
    result.problem = e.report(language);
    return result;
  }
  if (result.objects.empty()) result.problem = tr(texts::textIoNoValidData, language);
  return result;
}

bool exportTextIo(const ObjectList& objects, Host& host, const std::string& path) {
  const std::optional<std::string> problem = writeTextIoFile(objects, path, currentLanguage());
  if (!problem) return true;
  host.showMessage(*problem, tr(texts::productName), MessageIcon::Error);
  return false;
}

bool importTextIo(ObjectList& clipboard, Host& host, const std::string& path,
                  const TextIoDefaults& defaults) {
  TextIoImport imported = readTextIoFile(path, defaults, currentLanguage());
  if (!imported.problem.empty()) {
    host.showMessage(imported.problem, tr(texts::productName), MessageIcon::Error);
    return false;
  }
  clipboard = std::move(imported.objects);
  return true;
}

}  // namespace pravelo
