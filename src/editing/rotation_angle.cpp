#include "editing/rotation_angle.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "base/units.h"

namespace pravelo {

namespace {

constexpr double kMaxUserAngle = 360;

}  // namespace

std::string rotationAngleCaption(double degrees) {
  char buffer[32];
  const double value = roundToDecimals(degrees, 3);
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value == 0 ? 0.0 : value,
                                          std::chars_format::fixed, 3);
  std::string text(buffer, error == std::errc{} ? end : buffer);
  while (!text.empty() && text.back() == '0') text.pop_back();
  if (!text.empty() && text.back() == '.') text.pop_back();
  return text + "°";
}

std::string userRotationAngleCaption(double degrees) {
  return rotationAngleCaption(degrees) + " ...";
}

std::optional<double> parseUserRotationAngle(const std::string& typed) {
  std::string text = typed;
  std::replace(text.begin(), text.end(), ',', '.');
  const auto first = text.find_first_not_of(' ');
  const auto last = text.find_last_not_of(' ');
  if (first == std::string::npos) return std::nullopt;
  const char* begin = text.data() + first;
  const char* end = text.data() + last + 1;
  if (*begin == '+') ++begin;
  double value = 0;
  const auto [stop, error] = std::from_chars(begin, end, value);
  if (error != std::errc{} || stop != end || !std::isfinite(value)) return std::nullopt;
  if (value < -kMaxUserAngle || value > kMaxUserAngle) return std::nullopt;
  return roundToDecimals(value, 3);
}

}  // namespace pravelo
