#include "cli/component_answer.h"

#include "base/windows1252.h"
#include "cli/answer_values.h"
#include "cli/edit_texts.h"
#include "cli/text_answer.h"

namespace pravelo {

namespace {

using Edit = std::function<void(ComponentFields&)>;

int layer(const std::string& name, const std::string& value) {
  static const std::pair<const char*, int> kLayers[] = {
      {"C1", kLayerC1}, {"S1", kLayerS1}, {"C2", kLayerC2}, {"S2", kLayerS2}, {"O", kLayerO}};
  for (const auto& [n, l] : kLayers) {
    if (value == n) return l;
  }
  throw BadTextAnswer(fillIn(texts::answerLabelLayer, {name, value}));
}

// The field a `name=value` word changes and how.
std::pair<ComponentField, Edit> editFor(const std::string& name, const std::string& value) {
  using F = ComponentField;
  if (name == "id" || name == "value" || name == "package" || name == "comment") {
    const std::string text = utf8ToWindows1252(value);
    if (name == "id") return {F::Id, [text](ComponentFields& f) { f.id = text; }};
    if (name == "value") return {F::Value, [text](ComponentFields& f) { f.value = text; }};
    if (name == "package") return {F::Package, [text](ComponentFields& f) { f.package = text; }};
    return {F::Comment, [text](ComponentFields& f) { f.comment = text; }};
  }
  if (name == "idlayer") {
    const int l = layer(name, value);
    return {F::IdLayer, [l](ComponentFields& f) { f.idLayer = l; }};
  }
  if (name == "valuelayer") {
    const int l = layer(name, value);
    return {F::ValueLayer, [l](ComponentFields& f) { f.valueLayer = l; }};
  }
  if (name == "idvisible") {
    const bool on = answerFlag(name, value);
    return {F::IdVisible, [on](ComponentFields& f) { f.idVisible = on; }};
  }
  if (name == "valuevisible") {
    const bool on = answerFlag(name, value);
    return {F::ValueVisible, [on](ComponentFields& f) { f.valueVisible = on; }};
  }
  if (name == "height") {
    const double mm = answerNumber(name, value, kMinTextHeightMm, kMaxTextHeightMm);
    return {F::Height, [mm](ComponentFields& f) { f.heightMm = mm; }};
  }
  if (name == "style") {
    const int s = answerChoice(name, value, {"narrow", "normal", "wide"});
    return {F::Style, [s](ComponentFields& f) { f.style = s; }};
  }
  if (name == "thickness") {
    const int t = answerChoice(name, value, {"thin", "normal", "bold"});
    return {F::Thickness, [t](ComponentFields& f) { f.thickness = t; }};
  }
  if (name == "pickplace") {
    const bool on = answerFlag(name, value);
    return {F::UsePickPlace, [on](ComponentFields& f) { f.usePickPlace = on; }};
  }
  if (name == "rotation") {
    const double r = answerNumber(name, value, 0, kMaxPlaceRotation);
    return {F::Rotation, [r](ComponentFields& f) { f.rotation = r; }};
  }
  if (name == "offsetx" || name == "offsety") {
    const double mm = answerNumber(name, value, -kMaxPlaceOffsetMm, kMaxPlaceOffsetMm);
    if (name == "offsetx") return {F::OffsetX, [mm](ComponentFields& f) { f.offsetXMm = mm; }};
    return {F::OffsetY, [mm](ComponentFields& f) { f.offsetYMm = mm; }};
  }
  if (name == "centre") {
    const int c = answerChoice(name, value, {"copper", "silkscreen", "both"});
    return {F::CentreMode, [c](ComponentFields& f) { f.centreMode = c; }};
  }
  throw BadTextAnswer(fillIn(texts::answerUnknownComponentField, {name}));
}

}  // namespace

ComponentDialogEnd ComponentAnswer::run(ComponentSession& session) const {
  for (const auto& step : steps) step(session);
  // Without its button, or when the user thinks better of it, a break-up cancels.
  if (end == ComponentDialogEnd::BreakUp &&
      (!session.breakUpAllowed() || !session.confirmBreakUp())) {
    return ComponentDialogEnd::Cancel;
  }
  return end;
}

ComponentAnswer parseComponentAnswer(const std::vector<std::string>& words) {
  ComponentAnswer answer;
  for (std::size_t i = 2; i < words.size(); ++i) {
    const std::string& word = words[i];
    const bool last = i + 1 == words.size();
    if (word == "align") {
      answer.steps.push_back([](ComponentSession& s) { s.alignLabels(); });
      continue;
    }
    if (last && (word == "ok" || word == "cancel" || word == "disintegrate")) {
      answer.end = word == "ok"       ? ComponentDialogEnd::Ok
                   : word == "cancel" ? ComponentDialogEnd::Cancel
                                      : ComponentDialogEnd::BreakUp;
      continue;
    }
    const std::size_t eq = word.find('=');
    if (eq == std::string::npos) throw BadTextAnswer(fillIn(texts::answerNotNameValue, {word}));
    const std::string name = word.substr(0, eq);
    std::string value = word.substr(eq + 1);
    if (!value.empty() && value.front() == '"') {
      while (value.size() < 2 || value.back() != '"') {
        if (++i == words.size()) throw BadTextAnswer(fillIn(texts::answerNoClosingQuote, {name}));
        value += " " + words[i];
      }
      value = value.substr(1, value.size() - 2);
    }
    auto [field, edit] = editFor(name, value);
    answer.steps.push_back([field, edit](ComponentSession& s) {
      ComponentFields f = s.fields();
      edit(f);
      s.change(field, f);
    });
  }
  return answer;
}

}  // namespace pravelo
