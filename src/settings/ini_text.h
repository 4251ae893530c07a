#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pravelo {

// `s` without the blanks and tabs around it.
std::string_view trimmed(std::string_view s);

// One line of an INI text. A line "key=value" has a key; comments, blank lines and lines the
// reader does not understand have none and are written back unchanged.
struct IniLine {
  std::string text;   // the line without its line end
  std::string key;    // trimmed text before the first '='; empty when the line holds no key
  std::string value;  // the text after the first '=', as it stands
};

struct IniSection {
  std::string header;  // the "[name]" line as it stands
  std::string name;
  std::vector<IniLine> lines;
  // An erased section keeps its place, so that writing it again puts it where it was.
  bool erased = false;
};

// The whole settings text: lines before the first section, then the sections in file order.
// Section and key names compare without regard to ASCII case; their spelling is kept.
struct IniText {
  std::vector<IniLine> leading;
  std::vector<IniSection> sections;
};

// Never fails: whatever the bytes hold, every line ends up somewhere and is written back.
IniText parseIni(std::string_view bytes);
// Lines end with CR LF; one blank line separates sections.
std::string formatIni(const IniText& ini);

bool hasIniSection(const IniText& ini, std::string_view section);
// The value of the first matching key of the first matching section, or null.
const std::string* findIniValue(const IniText& ini, std::string_view section, std::string_view key);
// Replaces the value of an existing key, keeping the key's spelling, or appends the key behind
// the section's last key; a missing section is added at the end. A value is one line, so line
// breaks in it become blanks.
void setIniValue(IniText& ini, std::string_view section, std::string_view key,
                 std::string_view value);
void eraseIniSection(IniText& ini, std::string_view section);

}  // namespace pravelo
