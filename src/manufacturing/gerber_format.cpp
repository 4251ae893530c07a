#include "manufacturing/gerber_format.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "manufacturing/gerber_import_texts.h"
#include "manufacturing/import_error.h"

namespace pravelo {
namespace {

// Coordinates of more digits than this cannot be meant; 32-bit values have at most ten.
constexpr int kGerberMaxDigitsPerPlace = 7;

bool gerberIsDigit(char c) { return c >= '0' && c <= '9'; }

bool contains(std::string_view s, std::string_view what) {
  return s.find(what) != std::string_view::npos;
}

bool isCommentBlock(std::string_view block) { return block.rfind("G04", 0) == 0; }

// "X34" in a format statement: integer and decimal digits of one axis.
void readAxisDigits(std::string_view statement, char axis, int& integer, int& decimal, int line) {
  const std::size_t at = statement.find(axis);
  if (at == std::string_view::npos || at + 2 >= statement.size() ||
      !gerberIsDigit(statement[at + 1]) || !gerberIsDigit(statement[at + 2])) {
    throw ImportError(texts::importBadFormat, line);
  }
  integer = statement[at + 1] - '0';
  decimal = statement[at + 2] - '0';
  if (integer + decimal == 0 || integer > kGerberMaxDigitsPerPlace ||
      decimal > kGerberMaxDigitsPerPlace) {
    throw ImportError(texts::importBadFormat, line);
  }
}

void readFormatStatement(const GerberBlock& block, GerberFormat& format) {
  const std::string_view s = block.text;
  std::string_view rest = s.substr(s.find("%FS") + 3);
  // Zero omission and notation come before the first axis, in either order.
  for (char c : rest.substr(0, rest.find_first_of("XY"))) {
    if (c == 'T') format.leadingZerosOmitted = false;
    if (c == 'L') format.leadingZerosOmitted = true;
    if (c == 'I') throw ImportError(texts::importIncremental, block.line);
  }
  readAxisDigits(rest, 'X', format.integerX, format.decimalX, block.line);
  readAxisDigits(rest, 'Y', format.integerY, format.decimalY, block.line);
}

}  // namespace

GerberFormat gerberFormat(const std::vector<GerberBlock>& blocks, const GerberDefaults& defaults) {
  GerberFormat format;
  format.integerX = format.integerY = defaults.integerDigits;
  format.decimalX = format.decimalY = defaults.decimalDigits;
  format.inch = defaults.inch;
  bool formatSeen = false;
  bool unitSeen = false;
  bool g71 = false;
  bool g70 = false;
  for (const GerberBlock& block : blocks) {
    if (isCommentBlock(block.text)) continue;
    if (!formatSeen && contains(block.text, "%FS")) {
      readFormatStatement(block, format);
      formatSeen = true;
    }
    // Older files put several statements into one extended block: "%FSLAX24Y24*MOIN*%".
    if (!unitSeen && block.text.front() == '%' &&
        (contains(block.text, "MOMM") || contains(block.text, "MOIN"))) {
      format.inch = contains(block.text, "MOIN");
      unitSeen = true;
    }
    if (block.text.front() != '%') {
      g71 = g71 || contains(block.text, "G71");
      g70 = g70 || contains(block.text, "G70");
      if (contains(block.text, "G91")) throw ImportError(texts::importIncremental, block.line);
    }
  }
  if (!unitSeen && g71) format.inch = false;
  if (!unitSeen && !g71 && g70) format.inch = true;
  return format;
}

bool hasGerberFormatStatement(std::string_view bytes) { return contains(bytes, "%FS"); }

std::vector<GerberWord> gerberWords(std::string_view block) {
  std::vector<GerberWord> words;
  std::size_t i = 0;
  while (i < block.size()) {
    const char c = block[i++];
    if (c < 'A' || c > 'Z') continue;
    const std::size_t start = i;
    while (i < block.size() &&
           (gerberIsDigit(block[i]) || block[i] == '+' || block[i] == '-' || block[i] == '.')) {
      ++i;
    }
    words.push_back({c, block.substr(start, i - start)});
  }
  return words;
}

bool parseGerberDecimal(std::string_view text, double& value) {
  std::size_t i = 0;
  bool negative = false;
  while (i < text.size() && (text[i] == '+' || text[i] == '-')) negative ^= text[i++] == '-';
  double whole = 0;
  double scale = 1;
  bool digits = false;
  bool point = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '.' && !point) {
      point = true;
    } else if (gerberIsDigit(c)) {
      digits = true;
      if (point) {
        scale /= 10;
        whole += (c - '0') * scale;
      } else {
        whole = whole * 10 + (c - '0');
      }
    } else {
      return false;
    }
  }
  if (!digits || !std::isfinite(whole)) return false;
  value = negative ? -whole : whole;
  return true;
}

double gerberNumber(std::string_view value, int integerDigits, int decimalDigits,
                    bool leadingZerosOmitted, int line) {
  if (value.find('.') != std::string_view::npos) {
    double v = 0;
    if (!parseGerberDecimal(value, v)) throw ImportError(texts::importNumberExpected, line);
    if (std::abs(v) * std::pow(10.0, decimalDigits) > std::numeric_limits<std::int32_t>::max()) {
      throw ImportError(texts::importNumberTooLarge, line);
    }
    return v;
  }
  bool negative = false;
  std::size_t i = 0;
  while (i < value.size() && (value[i] == '+' || value[i] == '-')) negative ^= value[i++] == '-';
  const std::string_view digits = value.substr(i);
  if (digits.empty()) throw ImportError(texts::importNumberExpected, line);
  std::int64_t n = 0;
  for (char c : digits) {
    if (!gerberIsDigit(c)) throw ImportError(texts::importNumberExpected, line);
    n = n * 10 + (c - '0');
    if (n > std::numeric_limits<std::int32_t>::max()) {
      throw ImportError(texts::importNumberTooLarge, line);
    }
  }
  const int count = static_cast<int>(digits.size());
  double magnitude = 0;
  if (leadingZerosOmitted) {
    magnitude = static_cast<double>(n) / std::pow(10.0, decimalDigits);
  } else {
    // The digits fill the places from the left: the point follows the integer places, and the
    // missing places are trailing zeros.
    const int missing = integerDigits + decimalDigits - count;
    if (missing > 0 && static_cast<double>(n) * std::pow(10.0, missing) >
                           std::numeric_limits<std::int32_t>::max()) {
      throw ImportError(texts::importNumberTooLarge, line);
    }
    magnitude = static_cast<double>(n) * std::pow(10.0, integerDigits - count);
  }
  return negative ? -magnitude : magnitude;
}

}  // namespace pravelo
