#include "cli/text_answer.h"

#include <cmath>
#include <locale>
#include <sstream>

#include "base/windows1252.h"
#include "cli/edit_texts.h"

namespace pravelo {

namespace {

using TextFieldSetter = std::function<void(TextDialogValues&)>;

double number(const std::string& name, const std::string& value) {
  std::istringstream in(value);
  in.imbue(std::locale::classic());
  double v = 0;
  if (!(in >> v) || !in.eof() || !std::isfinite(v)) {
    throw BadTextAnswer(fillIn(texts::answerNotANumber, {name, value}));
  }
  return v;
}

int wholeIn(const std::string& name, const std::string& value, int low, int high) {
  const double v = number(name, value);
  if (v != std::trunc(v) || v < low || v > high) {
    throw BadTextAnswer(fillIn(texts::answerWholeNumberRange,
                               {name, std::to_string(low), std::to_string(high), value}));
  }
  return static_cast<int>(v);
}

// One of three words, or its number 0 to 2.
int choice(const std::string& name, const std::string& value, const char* const (&words)[3]) {
  for (int i = 0; i < 3; ++i) {
    if (value == words[i] || value == std::to_string(i)) return i;
  }
  throw BadTextAnswer(fillIn(texts::answerOneOfThree, {name, words[0], words[1], words[2], value}));
}

bool flag(const std::string& name, const std::string& value) {
  if (value == "1" || value == "yes") return true;
  if (value == "0" || value == "no") return false;
  throw BadTextAnswer(fillIn(texts::answerFlag, {name, value}));
}

TextFieldSetter textFieldSetter(const std::string& name, const std::string& value) {
  if (name == "text") {
    return [text = utf8ToWindows1252(value)](TextDialogValues& v) { v.text = text; };
  }
  if (name == "height") {
    const double mm = number(name, value);
    if (mm < kMinTextHeightMm || mm > kMaxTextHeightMm) {
      throw BadTextAnswer(fillIn(texts::answerHeightRange, {value}));
    }
    return [mm](TextDialogValues& v) { v.heightMm = mm; };
  }
  if (name == "thickness") {
    const int t = choice(name, value, {"thin", "normal", "bold"});
    return [t](TextDialogValues& v) { v.thickness = t; };
  }
  if (name == "style") {
    const int s = choice(name, value, {"narrow", "normal", "wide"});
    return [s](TextDialogValues& v) { v.style = s; };
  }
  if (name == "rotation") {
    const int r = wholeIn(name, value, 0, 359);
    return [r](TextDialogValues& v) { v.rotation = r; };
  }
  if (name == "mirror") {
    if (value != "none" && value != "h" && value != "v" && value != "hv" && value != "vh") {
      throw BadTextAnswer(fillIn(texts::answerMirror, {value}));
    }
    const bool h = value.find('h') != std::string::npos;
    const bool vertical = value.find('v') != std::string::npos;
    return [h, vertical](TextDialogValues& v) {
      v.mirrorHorizontal = h;
      v.mirrorVertical = vertical;
    };
  }
  if (name == "addnumber") {
    const bool on = flag(name, value);
    return [on](TextDialogValues& v) { v.addNumber = on; };
  }
  if (name == "start") {
    const int s = wholeIn(name, value, 0, kMaxStartNumber);
    return [s](TextDialogValues& v) { v.startNumber = s; };
  }
  throw BadTextAnswer(fillIn(texts::answerUnknownField, {name}));
}

}  // namespace

bool isTextAnswer(const std::vector<std::string>& words) {
  return words.size() > 1 && words[1].find('=') != std::string::npos;
}

TextAnswer parseTextAnswer(const std::vector<std::string>& words) {
  TextAnswer answer;
  for (std::size_t i = 1; i < words.size(); ++i) {
    const std::size_t eq = words[i].find('=');
    if (eq == std::string::npos) throw BadTextAnswer(fillIn(texts::answerNotNameValue, {words[i]}));
    const std::string name = words[i].substr(0, eq);
    std::string value = words[i].substr(eq + 1);
    if (!value.empty() && value.front() == '"') {
      while (value.size() < 2 || value.back() != '"') {
        if (++i == words.size()) throw BadTextAnswer(fillIn(texts::answerNoClosingQuote, {name}));
        value += " " + words[i];
      }
      value = value.substr(1, value.size() - 2);
    }
    answer.fields.push_back(textFieldSetter(name, value));
  }
  return answer;
}

}  // namespace pravelo
