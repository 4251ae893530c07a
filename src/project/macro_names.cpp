#include "project/macro_names.h"

#include <cctype>

#include "project/macro_texts.h"

namespace pravelo {
namespace {

bool isNameDigit(char c) { return c >= '0' && c <= '9'; }
char lowerNameChar(char c) {
  return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

// The digit run starting at `i` without its leading zeros; `i` moves past the run.
std::string_view digitRun(std::string_view s, std::size_t& i) {
  while (i < s.size() && s[i] == '0') ++i;
  const std::size_t start = i;
  while (i < s.size() && isNameDigit(s[i])) ++i;
  return s.substr(start, i - start);
}

}  // namespace

int naturalCompare(std::string_view a, std::string_view b) {
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < a.size() && j < b.size()) {
    if (isNameDigit(a[i]) && isNameDigit(b[j])) {
      // A longer run without leading zeros is the larger number, whatever its length.
      const std::string_view x = digitRun(a, i);
      const std::string_view y = digitRun(b, j);
      if (x.size() != y.size()) return x.size() < y.size() ? -1 : 1;
      if (const int c = x.compare(y); c != 0) return c < 0 ? -1 : 1;
      continue;
    }
    const auto x = static_cast<unsigned char>(lowerNameChar(a[i]));
    const auto y = static_cast<unsigned char>(lowerNameChar(b[j]));
    if (x != y) return x < y ? -1 : 1;
    ++i;
    ++j;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

std::optional<std::string> macroRenameProblem(const std::string& name, Language language) {
  const bool leavesFolder = name.find('/') != std::string::npos ||
                            name.find('\\') != std::string::npos ||
                            name.find("..") != std::string::npos;
  if (name.empty() || leavesFolder) return fillIn(texts::macroBadName, language, {quoted(name)});
  return std::nullopt;
}

}  // namespace pravelo
