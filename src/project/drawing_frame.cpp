#include "project/drawing_frame.h"

#include <cstdlib>

#include "base/units.h"
#include "geometry/bounding_box.h"
#include "geometry/text_strokes.h"
#include "geometry/translate.h"

namespace pravelo {

namespace {

constexpr double kFrameBandDepth = 38100;
constexpr std::int32_t kFrameOutlineWidth = 4000;
constexpr std::int32_t kFrameLineWidth = 2000;
constexpr double kFrameTextInset = 2000;   // label cell from the frame's outer edge
constexpr double kFrameTextMargin = 1000;  // label cell from the band's inner line
constexpr double kFrameBorderMm = 5.08;

bool frameFirstBand(FrameBands b) { return b == FrameBands::First || b == FrameBands::Both; }
bool frameSecondBand(FrameBands b) { return b == FrameBands::Second || b == FrameBands::Both; }

struct FrameBuilder {
  std::uint8_t layer;
  ObjectList& out;

  void line(std::int32_t width, std::initializer_list<FPoint> points) {
    auto track = std::make_unique<TObjekt>(newObject());
    initTrack(*track, width, layer);
    track->points = points;
    out.push_back(std::move(track));
  }
  void line(double x1, double y1, double x2, double y2) {
    line(kFrameLineWidth, {{static_cast<float>(x1), static_cast<float>(y1)},
                           {static_cast<float>(x2), static_cast<float>(y2)}});
  }
  // A label centred in the cell from (left, bottom) to (right, top).
  void label(const std::string& text, double left, double bottom, double right, double top) {
    auto t = std::make_unique<TObjekt>(newObject());
    initText(*t, {0, 0}, text, 0, 0, layer, 1, 1, roundToInt32(kFrameBandDepth * 0.6), 0);
    buildTextStrokes(*t, false);
    const TRect box = objectBounds(*t);
    const double stroke = t->children.empty() ? 0 : t->children.front().width;
    const double dx = left + (right - left) / 2 - rectWidth(box) / 2.0 + stroke / 2;
    const double dy = bottom + (top - bottom) / 2 - rectHeight(box) / 2.0 + stroke / 2;
    translateObject(*t, dx, dy);
    out.push_back(std::move(t));
  }
};

int frameLabelNumber(int count, int i) { return count < 0 ? std::abs(count) - i + 1 : i; }

}  // namespace

FrameValues initialFrameValues(Language language) {
  FrameValues values;
  if (language != Language::German) {
    values.columnBands = FrameBands::First;
    values.rowBands = FrameBands::First;
  }
  return values;
}

std::string frameLabel(FrameLabels labels, int number) {
  if (labels == FrameLabels::Numbers) return std::to_string(number);
  return std::string(1, static_cast<char>('A' + (number - 1) % 26));
}

void fitFrameToBoard(FrameValues& values, const BoardHeader& board) {
  values.widthMm = unitsToMm(board.width) - kFrameBorderMm;
  values.heightMm = unitsToMm(board.height) - kFrameBorderMm;
}

void generateFrame(const FrameValues& values, int layer, ObjectList& out) {
  FrameBuilder build{static_cast<std::uint8_t>(layer), out};
  const double w = static_cast<double>(roundHalfEven(values.widthMm * kUnitsPerMm));
  const double h = static_cast<double>(roundHalfEven(values.heightMm * kUnitsPerMm));
  const double band = kFrameBandDepth;
  const auto fw = static_cast<float>(w);
  const auto fh = static_cast<float>(h);
  build.line(kFrameOutlineWidth, {{0, 0}, {fw, 0}, {fw, -fh}, {0, -fh}, {0, 0}});

  const bool top = frameFirstBand(values.columnBands);
  const bool bottom = frameSecondBand(values.columnBands);
  const bool left = frameFirstBand(values.rowBands);
  const bool right = frameSecondBand(values.rowBands);

  if (top || bottom) {
    const double x0 = left ? band : 0;
    const double x1 = right ? w - band : w;
    if (top) build.line(x0, -band, x1, -band);
    if (bottom) build.line(x0, -h + band, x1, -h + band);
    const int n = std::abs(values.columns);
    const double l = n == 0 ? 0 : (x1 - x0) / n;
    for (int i = 1; i <= n; ++i) {
      const double m = x0 + i * l;
      const std::string text = frameLabel(values.columnLabels, frameLabelNumber(values.columns, i));
      if (i != n) {
        if (top) build.line(m, 0, m, -band);
        if (bottom) build.line(m, -h + band, m, -h);
      }
      if (top) build.label(text, m - l, -band + kFrameTextMargin, m, -kFrameTextInset);
      if (bottom) build.label(text, m - l, -h + kFrameTextInset, m, -h + band - kFrameTextMargin);
    }
  }

  if (left || right) {
    const double y0 = top ? -band : 0;
    const double y1 = bottom ? -h + band : -h;
    if (left) build.line(band, y0, band, y1);
    if (right) build.line(w - band, y0, w - band, y1);
    const int n = std::abs(values.rows);
    const double l = n == 0 ? 0 : std::abs(y1 - y0) / n;
    for (int i = 1; i <= n; ++i) {
      const double m = y0 - i * l;
      const std::string text = frameLabel(values.rowLabels, frameLabelNumber(values.rows, i));
      if (i != n) {
        if (left) build.line(0, m, band, m);
        if (right) build.line(w - band, m, w, m);
      }
      if (left) build.label(text, kFrameTextInset, m, band - kFrameTextMargin, m + l);
      if (right) build.label(text, w - band + kFrameTextMargin, m, w - kFrameTextInset, m + l);
    }
  }
}

}  // namespace pravelo
