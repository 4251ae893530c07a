#include "cli/generator_fields.h"

#include <cmath>
#include <locale>
#include <sstream>

#include "cli/answer_values.h"
#include "cli/edit_texts.h"
#include "cli/generator_texts.h"
#include "cli/text_answer.h"

namespace pravelo {

namespace {

// The position of `value` among `choices`.
int generatorChoice(const std::string& name, const std::string& value,
                    const std::vector<std::string>& choices) {
  for (std::size_t i = 0; i < choices.size(); ++i) {
    if (choices[i] == value) return static_cast<int>(i);
  }
  std::string list;
  for (const std::string& c : choices) list += (list.empty() ? "" : "|") + c;
  throw BadTextAnswer(fillIn(texts::answerChoice, {name, list, value}));
}

// Calls `apply` with each `name=value` word, and `button` with each word that names a button.
template <typename Apply, typename Button>
void forEachGeneratorField(const std::vector<std::string>& words, std::size_t first, Apply apply,
                           Button button) {
  for (std::size_t i = first; i < words.size(); ++i) {
    const std::size_t eq = words[i].find('=');
    if (eq == std::string::npos) {
      if (!button(words[i])) throw BadTextAnswer(fillIn(texts::answerNotNameValue, {words[i]}));
      continue;
    }
    const std::string name = words[i].substr(0, eq);
    if (!apply(name, words[i].substr(eq + 1))) {
      throw BadTextAnswer(fillIn(texts::answerUnknownGeneratorField, {name}));
    }
  }
}

bool applyPolygonField(const std::string& name, const std::string& value, PolygonValues& v) {
  if (name == "corners") {
    v.corners = answerWhole(name, value, 3, 99);
  } else if (name == "radius") {
    v.radiusMm = answerNumber(name, value, 1, 249.9);
  } else if (name == "width") {
    v.lineWidthMm = answerNumber(name, value, 0, 99.99);
  } else if (name == "offset") {
    v.angleOffset = answerNumber(name, value, -180, 180);
  } else if (name == "filled") {
    v.filled = answerFlag(name, value);
  } else if (name == "rays") {
    v.rays = answerFlag(name, value);
  } else {
    return false;
  }
  return true;
}

bool applySpiralField(const std::string& name, const std::string& value, SpiralValues& v) {
  if (name == "start") {
    v.startRadiusMm = answerNumber(name, value, 0.1, 149.9);
  } else if (name == "gap") {
    v.gapMm = answerNumber(name, value, 0.1, 99.9);
  } else if (name == "width") {
    v.widthMm = answerNumber(name, value, 0, 99.99);
  } else if (name == "turns") {
    v.turns = roundSpiralTurns(answerNumber(name, value, 1, 100));
  } else if (name == "form") {
    v.form = generatorChoice(name, value, {"round", "square"}) == 0 ? SpiralForm::Round
                                                                    : SpiralForm::Square;
  } else {
    return false;
  }
  return true;
}

bool applyFrameField(const std::string& name, const std::string& value, FrameValues& v) {
  if (name == "columns") {
    v.columns = answerWhole(name, value, -kMaxFrameCount, kMaxFrameCount);
  } else if (name == "rows") {
    v.rows = answerWhole(name, value, -kMaxFrameCount, kMaxFrameCount);
  } else if (name == "column-bands") {
    v.columnBands =
        static_cast<FrameBands>(generatorChoice(name, value, {"none", "top", "bottom", "both"}));
  } else if (name == "row-bands") {
    v.rowBands =
        static_cast<FrameBands>(generatorChoice(name, value, {"none", "left", "right", "both"}));
  } else if (name == "column-labels") {
    v.columnLabels = static_cast<FrameLabels>(generatorChoice(name, value, {"letters", "numbers"}));
  } else if (name == "row-labels") {
    v.rowLabels = static_cast<FrameLabels>(generatorChoice(name, value, {"letters", "numbers"}));
  } else if (name == "width") {
    v.widthMm = answerNumber(name, value, kMinFrameSizeMm, kMaxFrameSizeMm);
  } else if (name == "height") {
    v.heightMm = answerNumber(name, value, kMinFrameSizeMm, kMaxFrameSizeMm);
  } else {
    return false;
  }
  return true;
}

}  // namespace

FootprintType footprintTypeNamed(const std::string& name) {
  const char* names[] = {"sip", "dip", "quad", "circular", "dual-circular"};
  for (int i = 0; i < kFootprintTypeCount; ++i) {
    if (name == names[i]) return static_cast<FootprintType>(i);
  }
  throw BadTextAnswer(fillIn(texts::answerUnknownFootprintType, {name}));
}

void applyFootprintFields(const std::vector<std::string>& words, std::size_t first,
                          FootprintValues& values) {
  const auto apply = [&values](const std::string& name, const std::string& value) {
    if (name == "pads") {
      values.pads = generatorChoice(name, value, {"round", "smd"}) == 0 ? FootprintPads::Round
                                                                        : FootprintPads::Smd;
    } else if (name == "pad" || name == "drill" || name == "smdx" || name == "smdy") {
      const double mm = answerNumber(name, value, 0, kMaxFootprintPadMm);
      if (name == "pad") values.padMm = mm;
      if (name == "drill") values.drillMm = mm;
      if (name == "smdx") values.smdXMm = mm;
      if (name == "smdy") values.smdYMm = mm;
    } else if (name == "d") {
      values.dMm = answerNumber(name, value, 0, kMaxFootprintPitchMm);
    } else if (name == "x" || name == "y") {
      const double mm = answerNumber(name, value, 0, kMaxFootprintDistanceMm);
      (name == "x" ? values.xMm : values.yMm) = mm;
    } else if (name == "n" || name == "m") {
      const int n = answerWhole(name, value, 1, kMaxFootprintCount);
      (name == "n" ? values.horizontal : values.vertical) = n;
    } else {
      return false;
    }
    return true;
  };
  const auto button = [&values](const std::string& word) {
    if (word != "default") return false;
    setFootprintDefaults(values);
    return true;
  };
  forEachGeneratorField(words, first, apply, button);
}

ShapeKind shapeKindNamed(const std::string& name) {
  if (name == "polygon") return ShapeKind::Polygon;
  if (name == "spiral") return ShapeKind::Spiral;
  if (name == "frame") return ShapeKind::Frame;
  throw BadTextAnswer(fillIn(texts::answerUnknownShapeType, {name}));
}

void applyShapeFields(const std::vector<std::string>& words, std::size_t first, ShapeValues& values,
                      const BoardHeader* board) {
  const auto apply = [&values](const std::string& name, const std::string& value) {
    switch (values.kind) {
      case ShapeKind::Polygon:
        return applyPolygonField(name, value, values.polygon);
      case ShapeKind::Spiral:
        return applySpiralField(name, value, values.spiral);
      case ShapeKind::Frame:
        return applyFrameField(name, value, values.frame);
    }
    return false;
  };
  const auto button = [&values, board](const std::string& word) {
    if (word != "autosize" || values.kind != ShapeKind::Frame || board == nullptr) return false;
    fitFrameToBoard(values.frame, *board);
    return true;
  };
  forEachGeneratorField(words, first, apply, button);
}

}  // namespace pravelo
