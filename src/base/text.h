#pragma once

#include <string>

namespace pravelo {

// The language of every user text; fixed for a run by the language file.
enum class Language { German = 0, English = 1, French = 2 };

// One user text in the three languages, UTF-8.
struct Text {
  const char* de;
  const char* en;
  const char* fr;
};

void setLanguage(Language language);
Language currentLanguage();

const char* tr(const Text& text, Language language);
// The text in the language of this run.
const char* tr(const Text& text);

// A name as messages show it: in double quotes.
inline std::string quoted(const std::string& s) { return "\"" + s + "\""; }

}  // namespace pravelo

// Catalogue headers list their texts with an X-macro of this shape, so that an entry without
// all three languages does not compile:  X(identifier, "German", "English", "French")
#define PRAVELO_DECLARE_TEXT(id, de, en, fr) inline constexpr ::pravelo::Text id{de, en, fr};
