#include "geometry/length_text.h"

#include <charconv>
#include <cmath>

#include "base/units.h"

namespace pravelo {
namespace {

constexpr std::string_view kMicro = "\xC2\xB5";  // the micro sign in UTF-8

double roundToSignificant(double value, int digits) {
  if (value == 0 || !std::isfinite(value)) return value;
  char buffer[64];
  const auto text = std::to_chars(buffer, buffer + sizeof buffer, value,
                                  std::chars_format::scientific, digits - 1);
  double rounded = value;
  std::from_chars(buffer, text.ptr, rounded);
  return rounded;
}

int integerDigits(double value) {
  double whole = std::floor(std::fabs(value));
  int digits = 1;
  while (whole >= 10) {
    whole /= 10;
    ++digits;
  }
  return digits;
}

std::string_view trimBlanks(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

bool removeSuffix(std::string_view& s, std::string_view suffix) {
  if (s.size() < suffix.size() || s.substr(s.size() - suffix.size()) != suffix) return false;
  s.remove_suffix(suffix.size());
  return true;
}

}  // namespace

const char* unitCaption(LengthUnit unit) { return unit == LengthUnit::Mil ? "mil" : "mm"; }

std::string formatFixed(double value, int decimals) {
  char buffer[400];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed,
                                 std::max(decimals, 0));
  std::string text(buffer, end.ptr);
  // No "-0.000" for a small negative value that rounds to zero.
  if (text.front() == '-' && text.find_first_not_of("0.", 1) == std::string::npos) text.erase(0, 1);
  return text;
}

std::string formatLength(double units, LengthUnit unit, int decimals) {
  const bool mil = unit == LengthUnit::Mil;
  if (decimals < 0) decimals = mil ? 1 : 3;
  const double value = mil ? unitsToMil(units) : unitsToMm(units);
  return formatFixed(roundToSignificant(value, 6), decimals) + (mil ? " mil" : " mm");
}

std::string formatFixedTrimmed(double value, int decimals) {
  std::string text = formatFixed(value, decimals);
  if (text.find('.') != std::string::npos) {
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
  }
  return text;
}

std::string formatTrimmed(double value) {
  return formatFixedTrimmed(value, std::max(6 - integerDigits(value), 0));
}

std::string formatCaptionLength(double mm, LengthUnit unit) {
  if (unit == LengthUnit::Mil)
    return formatTrimmed(roundToDecimals(mmToCaptionMil(mm), 5)) + " mil";
  const double value = roundToDecimals(mm, 10);
  const std::string text = formatTrimmed(value);
  const auto point = text.find('.');
  const bool manyDecimals = point != std::string::npos && text.size() - point - 1 > 4;
  if (std::fabs(value) < 1 && manyDecimals) {
    return formatTrimmed(value * 1000) + " " + std::string(kMicro) + "m";
  }
  return text + " mm";
}

std::optional<double> parseDecimal(std::string_view text) {
  std::string s(trimBlanks(text));
  for (char& c : s) {
    if (c == ',') c = '.';
  }
  if (s.empty()) return std::nullopt;
  double value = 0;
  const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (error != std::errc{} || end != s.data() + s.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

std::optional<double> parseLengthUnits(std::string_view text, LengthUnit unit) {
  std::string_view s = trimBlanks(text);
  double unitsPerValue = unit == LengthUnit::Mil ? kUnitsPerMil : kUnitsPerMm;
  if (removeSuffix(s, "mil")) {
    unitsPerValue = kUnitsPerMil;
  } else if (removeSuffix(s, std::string(kMicro) + "m")) {
    unitsPerValue = kUnitsPerMm / 1000.0;
  } else if (removeSuffix(s, "mm")) {
    unitsPerValue = kUnitsPerMm;
  }
  const auto value = parseDecimal(s);
  if (!value) return std::nullopt;
  return *value * unitsPerValue;
}

}  // namespace pravelo
