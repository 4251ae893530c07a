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

std::string fillIn(const Text& text, Language language,
                   std::initializer_list<std::string_view> values) {
  const std::string_view pattern = tr(text, language);
  std::string result;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
    const std::size_t index = static_cast<std::size_t>(next - '1');
    if (pattern[i] == '%' && next >= '1' && next <= '9' && index < values.size()) {
      result += *(values.begin() + index);
      ++i;
    } else {
      result += pattern[i];
    }
  }
  return result;
}

std::string fillIn(const Text& text, std::initializer_list<std::string_view> values) {
  return fillIn(text, currentLanguage(), values);
}

}  // namespace pravelo
