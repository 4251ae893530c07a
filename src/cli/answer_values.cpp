#include "cli/answer_values.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <locale>
#include <sstream>

#include "base/text.h"
#include "cli/edit_texts.h"
#include "cli/text_answer.h"

namespace pravelo {

namespace {

std::string numberText(double v) {
  std::ostringstream out;
  out.imbue(std::locale::classic());
  out << v;
  return out.str();
}

}  // namespace

double answerNumber(const std::string& name, const std::string& value, double low, double high) {
  std::istringstream in(value);
  in.imbue(std::locale::classic());
  double v = 0;
  if (!(in >> v) || !in.eof() || !std::isfinite(v)) {
    throw BadTextAnswer(fillIn(texts::answerNotANumber, {name, value}));
  }
  if (v < low || v > high) {
    throw BadTextAnswer(
        fillIn(texts::answerNumberRange, {name, numberText(low), numberText(high), value}));
  }
  return v;
}

int answerWhole(const std::string& name, const std::string& value, int low, int high) {
  const double v = answerNumber(name, value, -1e9, 1e9);
  if (v != std::trunc(v) || v < low || v > high) {
    throw BadTextAnswer(fillIn(texts::answerWholeNumberRange,
                               {name, std::to_string(low), std::to_string(high), value}));
  }
  return static_cast<int>(v);
}

bool answerFlag(const std::string& name, const std::string& value) {
  if (value == "1" || value == "yes") return true;
  if (value == "0" || value == "no") return false;
  throw BadTextAnswer(fillIn(texts::answerFlag, {name, value}));
}

int answerChoice(const std::string& name, const std::string& value, const char* const (&words)[3]) {
  for (int i = 0; i < 3; ++i) {
    if (value == words[i] || value == std::to_string(i)) return i;
  }
  throw BadTextAnswer(fillIn(texts::answerOneOfThree, {name, words[0], words[1], words[2], value}));
}

std::optional<Rgb> hexColour(const std::string& word) {
  const bool hex = word.size() == 6 && std::ranges::all_of(word, [](char c) {
                     return std::isxdigit(static_cast<unsigned char>(c)) != 0;
                   });
  if (!hex) return std::nullopt;
  const unsigned long rgb = std::stoul(word, nullptr, 16);
  return Rgb{static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>((rgb >> 8) & 0xFF),
             static_cast<std::uint8_t>(rgb & 0xFF)};
}

}  // namespace pravelo
