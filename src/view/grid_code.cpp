#include "view/grid_code.h"

#include <algorithm>
#include <cmath>

#include "base/text.h"
#include "base/units.h"
#include "geometry/length_text.h"
#include "view/view_texts.h"

namespace pravelo {
namespace {

constexpr int kCodeDigits = 6;

// The grid dialog's limits as shown in each unit; the check uses the shown values, so that the
// limit named in the message is itself accepted.
struct GridLimits {
  double min;
  double max;
  const char* minText;
  const char* maxText;
};

GridLimits gridLimits(GridUnit unit) {
  switch (unit) {
    case GridUnit::Um:
      return {1, 10000, "1 \xC2\xB5m", "10000 \xC2\xB5m"};
    case GridUnit::Mil:
      return {0.03937, 393.7, "0.03937 mil", "393.7 mil"};
    case GridUnit::Mm:
      break;
  }
  return {0.001, 10, "0.001 mm", "10 mm"};
}

GridCodeResult refused(const Text& message) { return {0, tr(message)}; }

std::int32_t makeCode(GridUnit unit, std::string_view digits, int separator) {
  std::int32_t d = 0;
  for (char c : digits) d = d * 10 + (c - '0');
  return static_cast<std::int32_t>(unit) * 10000000 + d * 10 + separator;
}

}  // namespace

double gridValueToMm(double value, GridUnit unit) {
  switch (unit) {
    case GridUnit::Um:
      return umToMm(value);
    case GridUnit::Mil:
      return gridMilToMm(value);
    case GridUnit::Mm:
      break;
  }
  return value;
}

std::optional<double> decodeGridCode(std::int32_t code) {
  const std::int32_t unit = code / 10000000;
  if (code < 0 || unit < 1 || unit > 3) return std::nullopt;
  const std::int32_t digits = code / 10 % 1000000;
  const std::int32_t separator = code % 10;
  if (separator > kCodeDigits) return std::nullopt;
  // The separator before the P-th of six digits leaves 7 - P decimals.
  const double value = separator == 0 ? digits : digits / std::pow(10.0, 7 - separator);
  if (value <= 0) return std::nullopt;
  return gridValueToMm(value, static_cast<GridUnit>(unit));
}

GridCodeResult encodeGridValue(std::string_view typed, GridUnit unit) {
  std::string text;
  for (char c : typed) {
    if (c == ' ') continue;
    text += c == ',' ? '.' : c;
  }
  const auto point = text.find('.');
  if (text.find_first_not_of("0123456789.") != std::string::npos ||
      std::count(text.begin(), text.end(), '.') > 1 ||
      text.find_first_of("0123456789") == std::string::npos) {
    return refused(texts::gridNotANumber);
  }
  std::string whole = text.substr(0, point);
  std::string fraction = point == std::string::npos ? "" : text.substr(point + 1);
  // Leading zeros of the whole part and, when space is short, trailing zeros of the fraction
  // carry no value; dropping them never changes a code that fits.
  whole.erase(0, whole.find_first_not_of('0'));
  while (whole.size() + fraction.size() > kCodeDigits && !fraction.empty() &&
         fraction.back() == '0') {
    fraction.pop_back();
  }
  if (fraction.empty()) {
    // Without a separator the digits stay as they are: "10" mm is 10 mm, not 0.010 mm.
    if (whole.empty()) whole.push_back('0');
    if (whole.size() > kCodeDigits) return refused(texts::gridTooManyDigits);
    return {makeCode(unit, whole, 0), {}};
  }
  const std::string digits = whole + fraction;
  if (digits.size() > kCodeDigits) return refused(texts::gridTooManyDigits);
  const int padding = kCodeDigits - static_cast<int>(digits.size());
  const int separator = static_cast<int>(whole.size()) + 1 + padding;
  return {makeCode(unit, digits, separator), {}};
}

GridCodeResult gridDialogValue(std::string_view typed, GridUnit unit) {
  const auto value = parseDecimal(typed);
  if (!value) return refused(texts::gridNotANumber);
  const GridLimits limits = gridLimits(unit);
  if (*value < limits.min) {
    return {0, fillIn(texts::gridAtLeast, {limits.minText})};
  }
  if (*value > limits.max) {
    return {0, fillIn(texts::gridAtMost, {limits.maxText})};
  }
  return encodeGridValue(typed, unit);
}

std::optional<char> gridDialogKey(std::string_view remaining, char key) {
  const bool hasSeparator = remaining.find('.') != std::string_view::npos;
  if (key == ',' || key == '.') {
    if (hasSeparator) return std::nullopt;
    return '.';
  }
  if (key < '0' || key > '9') return std::nullopt;
  if (remaining.size() > (hasSeparator ? 6u : 5u)) return std::nullopt;
  return key;
}

}  // namespace pravelo
