#include "settings/ini_text.h"

#include <algorithm>

namespace pravelo {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool sameName(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) { return asciiLower(x) == asciiLower(y); });
}

IniLine parseLine(std::string_view text) {
  IniLine line{std::string(text), {}, {}};
  const std::string_view body = trimmed(text);
  if (body.empty() || body.front() == ';') return line;
  const std::size_t eq = text.find('=');
  if (eq == std::string_view::npos) return line;
  line.key = std::string(trimmed(text.substr(0, eq)));
  if (!line.key.empty()) line.value = std::string(text.substr(eq + 1));
  return line;
}

// "[name]" with anything after the closing bracket ignored.
bool isSectionHeader(std::string_view text, std::string& name) {
  const std::string_view body = trimmed(text);
  if (body.empty() || body.front() != '[') return false;
  const std::size_t close = body.find(']');
  if (close == std::string_view::npos) return false;
  name = std::string(trimmed(body.substr(1, close - 1)));
  return true;
}

// Blank lines at the end of a section are the separator the writer puts back.
void dropTrailingBlankLines(std::vector<IniLine>& lines) {
  while (!lines.empty() && trimmed(lines.back().text).empty()) lines.pop_back();
}

// The first section of that name that is erased or not, as asked.
template <class Ini>
auto* findSection(Ini& ini, std::string_view name, bool erased) {
  decltype(&ini.sections.front()) found = nullptr;
  for (auto& s : ini.sections) {
    if (s.erased == erased && sameName(s.name, name)) return &s;
  }
  return found;
}

std::string oneLine(std::string_view value) {
  std::string s(value);
  std::ranges::replace(s, '\r', ' ');
  std::ranges::replace(s, '\n', ' ');
  return s;
}

}  // namespace

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

IniText parseIni(std::string_view bytes) {
  // A byte-order mark, as some editors write one, would hide the first section header.
  while (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  IniText ini;
  std::vector<IniLine>* lines = &ini.leading;
  while (!bytes.empty()) {
    const std::size_t end = bytes.find('\n');
    std::string_view text = bytes.substr(0, end);
    bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    if (text.ends_with('\r')) text.remove_suffix(1);
    std::string name;
    if (isSectionHeader(text, name)) {
      ini.sections.push_back({std::string(text), std::move(name), {}, false});
      lines = &ini.sections.back().lines;
    } else {
      lines->push_back(parseLine(text));
    }
  }
  for (IniSection& s : ini.sections) dropTrailingBlankLines(s.lines);
  return ini;
}

std::string formatIni(const IniText& ini) {
  std::string out;
  const auto put = [&out](const std::string& text) { out.append(text).append("\r\n"); };
  for (const IniLine& line : ini.leading) put(line.text);
  bool first = true;
  for (const IniSection& s : ini.sections) {
    if (s.erased) continue;
    if (!first) out.append("\r\n");
    first = false;
    put(s.header);
    for (const IniLine& line : s.lines) put(line.text);
  }
  return out;
}

bool hasIniSection(const IniText& ini, std::string_view section) {
  return findSection(ini, section, false) != nullptr;
}

const std::string* findIniValue(const IniText& ini, std::string_view section,
                                std::string_view key) {
  const IniSection* s = findSection(ini, section, false);
  if (!s) return nullptr;
  for (const IniLine& line : s->lines) {
    if (!line.key.empty() && sameName(line.key, key)) return &line.value;
  }
  return nullptr;
}

void setIniValue(IniText& ini, std::string_view section, std::string_view key,
                 std::string_view value) {
  IniSection* s = findSection(ini, section, false);
  if (!s) {
    s = findSection(ini, section, true);
    if (s) {
      s->erased = false;
    } else {
      ini.sections.push_back({"[" + std::string(section) + "]", std::string(section), {}, false});
      s = &ini.sections.back();
    }
  }
  std::vector<IniLine>& lines = s->lines;
  for (IniLine& line : lines) {
    if (!line.key.empty() && sameName(line.key, key)) {
      line.value = oneLine(value);
      line.text = line.key + "=" + line.value;
      return;
    }
  }
  auto lastKey = std::find_if(lines.rbegin(), lines.rend(),
                              [](const IniLine& line) { return !line.key.empty(); });
  IniLine line{std::string(key) + "=" + oneLine(value), std::string(key), oneLine(value)};
  lines.insert(lastKey.base(), std::move(line));
}

void eraseIniSection(IniText& ini, std::string_view section) {
  for (IniSection& s : ini.sections) {
    if (!s.erased && sameName(s.name, section)) {
      s.erased = true;
      s.lines.clear();
    }
  }
}

}  // namespace pravelo
