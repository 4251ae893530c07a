#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

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

// The text in the language of this run with its placeholders %1, %2, ... replaced by `values`
// in order, so that each language puts them where its sentence needs them.
std::string fillIn(const Text& text, std::initializer_list<std::string_view> values);
std::string fillIn(const Text& text, Language language,
                   std::initializer_list<std::string_view> values);

// A name as messages show it: in double quotes.
inline std::string quoted(const std::string& s) { return "\"" + s + "\""; }

}  // namespace pravelo

// Catalogue headers list their texts with an X-macro of this shape, so that an entry without
// all three languages does not compile:  X(identifier, "German", "English", "French")
#define PRAVELO_DECLARE_TEXT(id, de, en, fr) inline constexpr ::pravelo::Text id{de, en, fr};
