#include "manufacturing/print_layout.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>

#include "base/windows1252.h"
#include "manufacturing/vector_surface.h"
#include "view/background_template.h"
#include "view/colour_scheme.h"
#include "view/ground_plane_painter.h"
#include "view/layer_order.h"
#include "view/object_painter.h"

namespace pravelo {
namespace {

constexpr double kPrintUnitsPerMm = 10000;
constexpr double kPrintMarkerReach = 3000;  // the drill plan's X: +-0.3 mm
constexpr double kPrintTargetArm = 100000;  // target crosses: +-10 mm
constexpr double kPrintPenWidth = 1000;     // 0.1 mm
constexpr double kPrintHairline = 0;        // the thinnest line the device draws
constexpr int kPrintMask1Slot = 7;
constexpr int kPrintMask2Slot = 8;
constexpr int kPrintDrillPlanSlot = 9;
constexpr Rgb kPrintWhite{255, 255, 255};
constexpr Rgb kPrintBlack{0, 0, 0};

// The layers of one image, lowest first; only checked ones.
std::vector<int> printLayerList(const PrintOptions& o, const BoardHeader& header, int image) {
  std::vector<int> order;
  switch (o.arrangement) {
    case PrintArrangement::Top:
      order = {kLayerC2, kLayerI2, kLayerI1, kLayerC1, kLayerS2, kLayerS1, kLayerO};
      break;
    case PrintArrangement::Bottom:
      order = {kLayerC1, kLayerI1, kLayerI2, kLayerC2, kLayerS1, kLayerS2, kLayerO};
      break;
    default:
      order = image == 1 ? std::vector<int>{kLayerI1, kLayerC1, kLayerS1, kLayerO}
                         : std::vector<int>{kLayerI2, kLayerC2, kLayerS2, kLayerO};
      break;
  }
  std::erase_if(order, [&](int layer) {
    const bool inner = layer == kLayerI1 || layer == kLayerI2;
    return !o.layers[layer - 1] || (inner && !header.multilayer);
  });
  return order;
}

bool isDualArrangement(PrintArrangement a) {
  return a == PrintArrangement::BelowEachOther || a == PrintArrangement::SideBySide;
}

std::string printDiameterText(double diameterUnits, bool mil) {
  char buffer[32];
  const double value = mil ? diameterUnits * 39.37 / 10000 : diameterUnits / kPrintUnitsPerMm;
  const auto end =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, mil ? 1 : 2);
  return std::string(buffer, end.ptr);
}

// A text of the drill plan in world units: centred on `centre`, its base line at `baseY`.
struct PrintLabel {
  double centreX;
  double baseY;
  std::string text;
};

// One image of the board in world units: the steps of the print rule in order.
class PrintImage {
 public:
  PrintImage(const Board& board, const PrintOptions& o, int image)
      : board_(board),
        header_(board.header),
        o_(o),
        list_(printLayerList(o, board.header, image)),
        image_(image),
        surface_(shapes),
        painter_(surface_) {}

  std::vector<VectorShape> shapes;
  std::vector<PrintLabel> labels;
  // The scanned copy goes before shapes[templateAt]: side 1 or 2, 0 for none.
  int templateSide = 0;
  std::size_t templateAt = 0;

  void compose() {
    negativeFill();
    groundPlane();
    plainTemplate();
    objects();
    holes();
    solderMasks();
    drillPlan();
  }

 private:
  Rgb layerColour(int layer) const {
    if (o_.blackWhite) return kPrintBlack;
    return o_.colours[layer - 1];
  }
  Rgb objectColour(int layer) const {
    if (o_.negative && isCopperLayer(layer)) return kPrintWhite;
    return layerColour(layer);
  }
  Rgb slotColour(int slot) const { return o_.blackWhite ? kPrintBlack : o_.colours[slot]; }
  bool listed(int layer) const { return std::ranges::find(list_, layer) != list_.end(); }

  void fillBoard(Rgb colour) {
    surface_.setColours(colour, colour);
    surface_.setPolarity(Polarity::Dark);
    const double w = header_.width;
    const double h = header_.height;
    surface_.fillPolygon({{0, 0}, {w, 0}, {w, -h}, {0, -h}});
  }

  // The topmost copper layer of the list, the one whose plane or negative is printed.
  int topCopper(bool withPlane) const {
    for (auto it = list_.rbegin(); it != list_.rend(); ++it) {
      if (!isCopperLayer(*it)) continue;
      if (!withPlane || header_.groundPlane[*it - 1]) return *it;
    }
    return 0;
  }

  // A negative fills the board first, so that a ground plane drawn next shows its copper white
  // and its gaps in the colour, like every other object.
  void negativeFill() {
    if (!o_.negative) return;
    if (const int copper = topCopper(false)) {
      fillBoard(layerColour(copper));
      markTemplate(copper);
    } else if (o_.solderMask1 || o_.solderMask2) {
      fillBoard(slotColour(o_.solderMask1 ? kPrintMask1Slot : kPrintMask2Slot));
    }
  }

  void groundPlane() {
    const int layer = topCopper(true);
    if (!layer) return;
    const Rgb copper = o_.negative ? kPrintWhite : layerColour(layer);
    const Rgb gap = o_.negative ? layerColour(layer) : kPrintWhite;
    fillBoard(copper);
    markTemplate(layer);
    surface_.setColours(copper, gap);
    paintPlaneCuts(surface_, board_, layer);
  }

  // The scanned copy of a copper layer's side lies on what filled the board for that layer; an
  // inner layer has none.
  void markTemplate(int layer) {
    if (!o_.scannedCopy) return;
    templateSide = layer == kLayerC1 ? 1 : layer == kLayerC2 ? 2 : 0;
    templateAt = shapes.size();
  }

  // Without a fill, the copy of the side of the topmost outer copper layer lies under everything.
  void plainTemplate() {
    if (o_.negative || topCopper(true)) return;
    for (auto it = list_.rbegin(); it != list_.rend(); ++it) {
      if (*it == kLayerC1 || *it == kLayerC2) {
        markTemplate(*it);
        return;
      }
    }
  }

  void drawLayer(int layer) {
    const Rgb colour = objectColour(layer);
    surface_.setColours(colour, colour);
    surface_.setPolarity(Polarity::Dark);
    for (bool pads : {false, true}) {
      for (const auto& o : board_.objects) {
        if (o->layer != layer || (o->kind == kPad) != pads || !o->drawable || o->cutout ||
            isMaskOnlyZone(*o) || isHiddenLabel(*o)) {
          continue;
        }
        painter_.draw(*o);
      }
    }
  }

  void objects() {
    for (int layer : list_) {
      if (isCopperLayer(layer)) drawLayer(layer);
    }
    for (int layer : list_) {
      if (layer == kLayerS1 || layer == kLayerS2) drawLayer(layer);
    }
    if (listed(kLayerO)) drawLayer(kLayerO);
  }

  void holes() {
    for (int layer : list_) {
      if (!isCopperLayer(layer)) continue;
      for (const auto& o : board_.objects) {
        if (o->kind != kPad || o->layer != layer || !o->drawable || !(o->dim.y > 0)) continue;
        const DPoint c{o->pos.x, o->pos.y};
        const double r = o->dim.y;
        if (!isPureHole(*o)) {
          shapes.push_back({o_.negative ? layerColour(layer) : kPrintWhite, vectorDisc(c, r)});
          continue;
        }
        // A bare hole: its rim and a cross.
        const Rgb colour = layerColour(layer);
        shapes.push_back({colour, vectorDisc(c, r), kPrintHairline, true, true});
        const double d = r / std::numbers::sqrt2;
        shapes.push_back({colour, {{c.x - d, c.y - d}, {c.x + d, c.y + d}}, kPrintHairline});
        shapes.push_back({colour, {{c.x - d, c.y + d}, {c.x + d, c.y - d}}, kPrintHairline});
      }
    }
  }

  // Mask openings of copper layer `layer`, grown by their offsets.
  void solderMask(int layer, int slot) {
    const Rgb colour = o_.negative ? kPrintWhite : slotColour(slot);
    surface_.setColours(colour, colour);
    surface_.setPolarity(Polarity::Dark);
    for (const auto& o : board_.objects) {
      if (o->layer != layer || !o->drawable || (!o->solderMask && !isMaskOnlyZone(*o))) continue;
      if (o->kind == kPad ? !o_.maskPads : o->kind == kSmdPad ? !o_.maskSmdPads : !o_.maskOthers) {
        continue;
      }
      const int grow = o->kind == kPad      ? o_.maskOffsetPads
                       : o->kind == kSmdPad ? o_.maskOffsetSmdPads
                                            : o_.maskOffsetOthers;
      painter_.draw(*o, grow);
    }
  }

  // A single image carries both masks; of the two images, each carries its own side's.
  void solderMasks() {
    const bool dual = isDualArrangement(o_.arrangement);
    if (o_.solderMask1 && (!dual || image_ == 1)) solderMask(kLayerC1, kPrintMask1Slot);
    if (o_.solderMask2 && (!dual || image_ == 2)) solderMask(kLayerC2, kPrintMask2Slot);
  }

  void drillPlan() {
    if (!o_.drillPlan) return;
    const Rgb colour = slotColour(kPrintDrillPlanSlot);
    for (const auto& o : board_.objects) {
      if (o->kind != kPad || !o->drawable || !(o->dim.y > 0) ||
          !(isCopperLayer(o->layer) || o->layer == kLayerO)) {
        continue;
      }
      const DPoint c{o->pos.x, o->pos.y};
      const double d = kPrintMarkerReach;
      shapes.push_back({colour, {{c.x - d, c.y - d}, {c.x + d, c.y + d}}, kPrintHairline});
      shapes.push_back({colour, {{c.x - d, c.y + d}, {c.x + d, c.y - d}}, kPrintHairline});
      // The document's own diameter: a copy scaled to print units would give a tenth of it.
      labels.push_back(
          {c.x, c.y + kPrintMarkerReach, printDiameterText(2.0 * o->dim.y, o_.drillTextInMil)});
    }
  }

  const Board& board_;
  const BoardHeader& header_;
  const PrintOptions& o_;
  std::vector<int> list_;
  int image_;
  VectorSurface surface_;
  ObjectPainter painter_;
};

// Maps world units of one image to the sheet.
struct PrintPlacement {
  const PrintOptions& o;
  double boardWidth;
  double shiftX;  // units, to the right
  double shiftY;  // units, downwards
  bool mirrored;

  double k() const { return o.scale / kPrintUnitsPerMm; }
  DPoint page(DPoint p) const {
    const double x = mirrored ? boardWidth - p.x : p.x;
    return {o.offsetXMm + (shiftX + x) * k() * o.factorX,
            o.offsetYMm + (shiftY - p.y) * k() * o.factorY};
  }
  double width(double units) const { return units * k() * (o.factorX + o.factorY) / 2; }
  VectorShape shape(VectorShape s) const {
    for (DPoint& p : s.points) p = page(p);
    s.width = width(s.width);
    return s;
  }
};

// The scanned copy at its real size: each pixel 25.4 / dpi mm, its top-left corner at the
// header's offsets in tenths of a millimetre right of and below the board's top-left corner.
PrintItem printTemplateItem(const BoardHeader& header, const PrintOptions& o,
                            const PrintPlacement& at, int side,
                            std::shared_ptr<const ScanPicture> picture) {
  const int i = side - 1;
  const double pixel = 25.4 * kPrintUnitsPerMm / std::max(1, header.templateDpi[i]);
  const DPoint topLeft{header.templateOffsetX[i] * 1000.0, -header.templateOffsetY[i] * 1000.0};
  const DPoint topRight{topLeft.x + picture->width * pixel, topLeft.y};
  const DPoint bottomLeft{topLeft.x, topLeft.y - picture->height * pixel};
  PrintItem item;
  item.kind = PrintItem::Kind::Picture;
  item.shape.colour = o.blackWhite ? kPrintBlack : fromWindowsColour(header.templateTint[i]);
  item.shape.points = {at.page(topLeft), at.page(topRight), at.page(bottomLeft)};
  item.picture = std::move(picture);
  return item;
}

void addPrintImage(const Board& board, const PrintOptions& o, const PrintTemplates& templates,
                   const PrintPlacement& at, int image, PrintPage& page) {
  PrintImage composer(board, o, image);
  composer.compose();
  const double w = board.header.width;
  const double h = board.header.height;
  PrintItem clip;
  clip.kind = PrintItem::Kind::ClipBegin;
  clip.shape.points = {at.page({0, 0}), at.page({w, 0}), at.page({w, -h}), at.page({0, -h})};
  page.items.push_back(clip);
  const std::shared_ptr<const ScanPicture> picture =
      composer.templateSide ? templates[composer.templateSide - 1] : nullptr;
  for (std::size_t i = 0; i <= composer.shapes.size(); ++i) {
    if (picture && picture->width > 0 && picture->height > 0 && i == composer.templateAt) {
      page.items.push_back(printTemplateItem(board.header, o, at, composer.templateSide, picture));
    }
    if (i < composer.shapes.size()) {
      page.items.push_back({PrintItem::Kind::Shape, at.shape(std::move(composer.shapes[i]))});
    }
  }
  const double height = o.drillTextHeight * at.k() * o.factorY;
  for (const PrintLabel& label : composer.labels) {
    PrintItem text;
    text.kind = PrintItem::Kind::Text;
    text.shape.colour = o.blackWhite ? kPrintBlack : o.colours[kPrintDrillPlanSlot];
    text.text = label.text;
    text.height = height;
    const DPoint centre = at.page({label.centreX, label.baseY});
    text.at = {centre.x - printTextWidthEm(label.text) * height / 2, centre.y};
    page.items.push_back(text);
  }
  page.items.push_back({PrintItem::Kind::ClipEnd});
  const Rgb frame = kPrintBlack;
  if (o.targets) {
    for (DPoint c : {DPoint{0, 0}, DPoint{w, 0}, DPoint{w, -h}, DPoint{0, -h}}) {
      const double a = kPrintTargetArm;
      page.items.push_back({PrintItem::Kind::Shape,
                            at.shape({frame, {{c.x - a, c.y}, {c.x + a, c.y}}, kPrintPenWidth})});
      page.items.push_back({PrintItem::Kind::Shape,
                            at.shape({frame, {{c.x, c.y - a}, {c.x, c.y + a}}, kPrintPenWidth})});
    }
  }
  if (o.outline) {
    VectorShape rim{frame, {{0, 0}, {w, 0}, {w, -h}, {0, -h}}, kPrintHairline, false, true};
    page.items.push_back({PrintItem::Kind::Shape, at.shape(rim)});
  }
}

}  // namespace

void applyPrintSettings(const PrintSettings& s, PrintOptions& o) {
  const int values[] = {s.K1, s.B1, s.K2, s.B2, s.I1, s.I2, s.U, s.LS1, s.LS2, s.BP};
  for (std::size_t i = 0; i < o.colours.size(); ++i) o.colours[i] = fromWindowsColour(values[i]);
  o.maskOffsetPads = s.LS_LA;
  o.maskOffsetSmdPads = s.LS_SMD;
  o.maskOffsetOthers = s.LS_Sonstige;
  o.drillTextHeight = s.BP_Height;
}

void storePrintSettings(const PrintOptions& o, PrintSettings& s) {
  int* const values[] = {&s.K1, &s.B1, &s.K2, &s.B2, &s.I1, &s.I2, &s.U, &s.LS1, &s.LS2, &s.BP};
  for (std::size_t i = 0; i < o.colours.size(); ++i) {
    *values[i] = static_cast<int>(toWindowsColour(o.colours[i]));
  }
  s.LS_LA = o.maskOffsetPads;
  s.LS_SMD = o.maskOffsetSmdPads;
  s.LS_Sonstige = o.maskOffsetOthers;
  s.BP_Height = o.drillTextHeight;
}

std::array<bool, 10> printableLayers(const Board& board) {
  std::array<bool, 10> present{};
  for (const auto& o : board.objects) {
    if (o->layer < kLayerC1 || o->layer > kLayerO) continue;
    const bool inner = o->layer == kLayerI1 || o->layer == kLayerI2;
    if (!inner || board.header.multilayer) present[o->layer - 1] = true;
    if (o->solderMask && o->layer == kLayerC1) present[kPrintMask1Slot] = true;
    if (o->solderMask && o->layer == kLayerC2) present[kPrintMask2Slot] = true;
    if (o->kind == kPad && o->dim.y > 0 && (isCopperLayer(o->layer) || o->layer == kLayerO)) {
      present[kPrintDrillPlanSlot] = true;
    }
  }
  return present;
}

double printTextWidthEm(const std::string& text) {
  double width = 0;
  // Figures 556/1000 em; the point, the colon and the blank 278; other characters as figures.
  for (char c : text) width += (c == '.' || c == ':' || c == ' ') ? 0.278 : 0.556;
  return width;
}

PrintTemplates loadPrintTemplates(const BoardHeader& header, const std::string& layoutFile,
                                  std::vector<std::string>& messages) {
  PrintTemplates templates;
  for (std::size_t i = 0; i < templates.size(); ++i) {
    if (header.templateFile[i].empty()) continue;
    TemplateLoad load =
        loadBackgroundTemplate(windows1252ToUtf8(header.templateFile[i]), layoutFile);
    if (load.loaded) {
      templates[i] = std::make_shared<const ScanPicture>(std::move(load.loaded->picture));
    } else {
      messages.push_back(std::move(load.message));
    }
  }
  return templates;
}

PrintPage composePrintPage(const Board& board, const PrintOptions& o,
                           const PrintTemplates& templates) {
  PrintPage page;
  page.widthMm = o.pageWidthMm;
  page.heightMm = o.pageHeightMm;
  const double w = board.header.width;
  const double h = board.header.height;
  const bool below = o.arrangement == PrintArrangement::BelowEachOther;
  const bool beside = o.arrangement == PrintArrangement::SideBySide;
  for (int r = 0; r < o.tilesY; ++r) {
    for (int c = 0; c < o.tilesX; ++c) {
      const double x = (w + o.tileSpacing) * c + (beside ? c * (w + o.imageGap) : 0);
      const double y = (h + o.tileSpacing) * r + (below ? r * (h + o.imageGap) : 0);
      addPrintImage(board, o, templates, {o, w, x, y, o.mirror}, 1, page);
      const bool mirror2 = o.mirror != o.mirrorSide2;
      if (below) {
        addPrintImage(board, o, templates, {o, w, x, y + h + o.imageGap, mirror2}, 2, page);
      } else if (beside) {
        addPrintImage(board, o, templates, {o, w, x + w + o.imageGap, y, mirror2}, 2, page);
      }
    }
  }
  return page;
}

DPoint centredPrintOffset(const Board& board, const PrintOptions& options) {
  PrintOptions at = options;
  at.offsetXMm = 0;
  at.offsetYMm = 0;
  const bool whole = options.outline || options.targets || isDualArrangement(options.arrangement);
  double left = 1e300, top = 1e300, right = -1e300, bottom = -1e300;
  for (const PrintItem& item : composePrintPage(board, at).items) {
    const bool counts =
        whole ? item.kind == PrintItem::Kind::ClipBegin : item.kind == PrintItem::Kind::Shape;
    if (!counts) continue;
    const double grow = item.shape.width / 2;
    for (const DPoint& p : item.shape.points) {
      left = std::min(left, p.x - grow);
      right = std::max(right, p.x + grow);
      top = std::min(top, p.y - grow);
      bottom = std::max(bottom, p.y + grow);
    }
  }
  if (left > right) return {options.offsetXMm, options.offsetYMm};
  return {(options.pageWidthMm - (right - left)) / 2 - left,
          (options.pageHeightMm - (bottom - top)) / 2 - top};
}

void addPrintInfoLine(PrintPage& page, const std::string& title, double scale,
                      const std::string& dateTime) {
  const double height = page.heightMm / 60;
  const double top = page.heightMm - height;
  const double pen = height * 0.05;
  const double w = page.widthMm;
  const double inset = pen / 2;
  page.items.push_back({PrintItem::Kind::Shape,
                        {kPrintBlack,
                         {{inset, top + inset},
                          {w - inset, top + inset},
                          {w - inset, page.heightMm - inset},
                          {inset, page.heightMm - inset}},
                         pen,
                         false,
                         true}});
  const double textHeight = height * 0.8;
  const double base = page.heightMm - (height - textHeight * 0.75) / 2;
  PrintItem left;
  left.kind = PrintItem::Kind::Text;
  left.shape.colour = kPrintBlack;
  left.text = title + " - " + std::to_string(static_cast<int>(std::lround(100 * scale))) + " %";
  left.at = {height / 2, base};
  left.height = textHeight;
  page.items.push_back(left);
  PrintItem right = left;
  right.text = dateTime;
  right.at = {w - height / 2 - printTextWidthEm(dateTime) * textHeight, base};
  page.items.push_back(right);
}

}  // namespace pravelo
