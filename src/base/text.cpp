#include "base/text.h"

namespace pravelo {
namespace {
Language runLanguage = Language::German;
}

void setLanguage(Language language) { runLanguage = language; }

Language currentLanguage() { return runLanguage; }

const char* tr(const Text& text, Language language) {
  switch (language) {
    case Language::German:
      return text.de;
    case Language::French:
      return text.fr;
    case Language::English:
      break;
  }
  return text.en;
}

const char* tr(const Text& text) { return tr(text, runLanguage); }

}  // namespace pravelo
