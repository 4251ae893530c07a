#include "cli/text_answer.h"

#include "base/windows1252.h"
#include "cli/answer_values.h"
#include "cli/edit_texts.h"

namespace pravelo {

namespace {

using TextFieldSetter = std::function<void(TextDialogValues&)>;

TextFieldSetter textFieldSetter(const std::string& name, const std::string& value) {
  if (name == "text") {
    return [text = utf8ToWindows1252(value)](TextDialogValues& v) { v.text = text; };
  }
  if (name == "height") {
    const double mm = answerNumber(name, value);
    if (mm < kMinTextHeightMm || mm > kMaxTextHeightMm) {
      throw BadTextAnswer(fillIn(texts::answerHeightRange, {value}));
    }
    return [mm](TextDialogValues& v) { v.heightMm = mm; };
  }
  if (name == "thickness") {
    const int t = answerChoice(name, value, {"thin", "normal", "bold"});
    return [t](TextDialogValues& v) { v.thickness = t; };
  }
  if (name == "style") {
    const int s = answerChoice(name, value, {"narrow", "normal", "wide"});
    return [s](TextDialogValues& v) { v.style = s; };
  }
  if (name == "rotation") {
    const int r = answerWhole(name, value, 0, 359);
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
    const bool on = answerFlag(name, value);
    return [on](TextDialogValues& v) { v.addNumber = on; };
  }
  if (name == "start") {
    const int s = answerWhole(name, value, 0, kMaxStartNumber);
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
