#include "manufacturing/gerber_layers.h"

#include <algorithm>

#include "base/units.h"
#include "geometry/layer_presence.h"
#include "geometry/point.h"
#include "manufacturing/gerber_file.h"
#include "manufacturing/gerber_surface.h"
#include "view/ground_plane_painter.h"
#include "view/object_painter.h"

namespace pravelo {

// clang-format off
const std::array<GerberOutput, 11> kGerberOutputs = {{
    {"C1", "COPPER_TOP", kLayerC1, GerberContent::Copper, &GerberSettings::K1, "Copper,L1,Top"},
    {"C2", "COPPER_BOTTOM", kLayerC2, GerberContent::Copper, &GerberSettings::K2, "Copper,L2,Bot"},
    {"S1", "SILK_TOP", kLayerS1, GerberContent::Plain, &GerberSettings::B1, "Legend,Top"},
    {"S2", "SILK_BOTTOM", kLayerS2, GerberContent::Plain, &GerberSettings::B2, "Legend,Bot"},
    {"I1", "COPPER_INNER1", kLayerI1, GerberContent::Copper, &GerberSettings::I1, "Copper,L2,Inr"},
    {"I2", "COPPER_INNER2", kLayerI2, GerberContent::Copper, &GerberSettings::I2, "Copper,L3,Inr"},
    {"O", "OUTLINE", kLayerO, GerberContent::Plain, &GerberSettings::U, "Profile,NP"},
    {"LS1", "SOLDERMASK_TOP", kLayerC1, GerberContent::SolderMask, &GerberSettings::LS1, "Soldermask,Top"},
    {"LS2", "SOLDERMASK_BOTTOM", kLayerC2, GerberContent::SolderMask, &GerberSettings::LS2, "Soldermask,Bot"},
    {"SMD1", "SMDMASK_TOP", kLayerC1, GerberContent::SmdMask, &GerberSettings::SMD1, "Paste,Top"},
    {"SMD2", "SMDMASK_BOTTOM", kLayerC2, GerberContent::SmdMask, &GerberSettings::SMD2, "Paste,Bot"},
}};
// clang-format on

namespace {

// Everything one file is written with.
struct Emission {
  const Board& board;
  const GerberOptions& options;
  int layer;
  bool multilayer;
  GerberFile& file;
  GerberSurface& surface;
  ObjectPainter painter;

  bool onLayer(const TObjekt& o) const { return isPresentOnLayer(o, layer, multilayer); }

  std::vector<DPoint> frame() const {
    const double w = board.header.width;
    const double h = board.header.height;
    return {{0, 0}, {w, 0}, {w, -h}, {0, -h}};
  }

  void emit(const TObjekt& o, int growth) const {
    // A zone needs three distinct corners to enclose anything.
    if (o.kind == kZone) {
      std::vector<FPoint> distinct;
      for (const FPoint& p : o.points) {
        if (std::find(distinct.begin(), distinct.end(), p) == distinct.end()) distinct.push_back(p);
        if (distinct.size() >= 3) break;
      }
      if (distinct.size() < 3) return;
    }
    painter.draw(o, growth);
  }
};

bool copperObject(const TObjekt& o) { return !o.cutout && !isMaskOnlyZone(o); }

void emitCopper(Emission& e) {
  const BoardHeader& header = e.board.header;
  if (header.groundPlane[e.layer - 1]) paintPlaneBase(e.surface, e.board, e.layer);
  for (const auto& o : e.board.objects) {
    if (e.onLayer(*o) && copperObject(*o)) e.emit(*o, 0);
  }
  if (!e.options.punchHoles) return;
  // Small clear dots in the pads guide the drill of a hand-made board.
  e.file.statement("%LNAUGENFREISTANZEN*%");
  e.surface.setPolarity(Polarity::Clear);
  for (const auto& o : e.board.objects) {
    if (o->kind != kPad || !e.onLayer(*o)) continue;
    const double width = e.options.centrePunch ? 3000 : 2.0 * o->dim.y;
    if (!(width > 0)) continue;
    e.file.move({o->pos.x, o->pos.y});
    e.file.setPenWidth(width);
    e.file.flash();
  }
}

void emitPlain(Emission& e) {
  for (const auto& o : e.board.objects) {
    if (o->layer == e.layer && copperObject(*o)) e.emit(*o, 0);
  }
}

// An inverted mask is a dark film with the openings cleared.
void beginMask(Emission& e, bool inverted) {
  if (!inverted) return;
  e.surface.fillPolygon(e.frame());
  e.surface.setPolarity(Polarity::Clear);
}

void emitSolderMask(Emission& e) {
  const GerberOptions& opt = e.options;
  beginMask(e, opt.maskInverted);
  for (const auto& o : e.board.objects) {
    if (!o->solderMask || !e.onLayer(*o) || !copperObject(*o)) continue;
    if (o->kind == kPad) {
      if (opt.maskPads) e.emit(*o, opt.maskPadOffset);
    } else if (o->kind == kSmdPad) {
      if (opt.maskSmdPads) e.emit(*o, opt.maskSmdOffset);
    } else if (opt.maskOthers) {
      e.emit(*o, opt.maskOthersOffset);
    }
  }
  for (const auto& o : e.board.objects) {
    if (isMaskOnlyZone(*o) && o->layer == e.layer) e.surface.fillPolygon(worldPoints(o->points));
  }
}

// A negative offset never closes the opening below 0.05 mm.
std::int32_t limitedSmdGrowth(const TObjekt& pad, std::int32_t growth) {
  constexpr double kNarrowest = 500;
  const auto& c = pad.points;
  for (const double side : {distance(c[0], c[1]), distance(c[1], c[2])}) {
    if (side + 2.0 * growth <= kNarrowest) {
      growth = -static_cast<std::int32_t>(roundHalfEven((side - kNarrowest) / 2));
    }
  }
  return growth;
}

void emitSmdMask(Emission& e) {
  beginMask(e, e.options.smdMaskInverted);
  for (const auto& o : e.board.objects) {
    if (o->kind != kSmdPad || o->layer != e.layer || o->cutout || o->points.size() != 4) continue;
    e.emit(*o, limitedSmdGrowth(*o, e.options.smdMaskOffset));
  }
}

GerberPlacement placement(const BoardHeader& header, const GerberOptions& options) {
  GerberPlacement p;
  if (options.camOrigin) {
    p.shiftX = -static_cast<double>(header.originX);
    p.shiftY = -static_cast<double>(header.originY);
  } else {
    p.shiftY = header.height;
  }
  p.mirror = options.mirror;
  p.axis = options.camOrigin ? 0 : header.width;
  return p;
}

std::string fileFunction(const Board& board, const GerberOutput& output) {
  // The bottom copper is the last of two or four layers.
  if (output.layer == kLayerC2 && output.content == GerberContent::Copper) {
    return board.header.multilayer ? "Copper,L4,Bot" : "Copper,L2,Bot";
  }
  return output.fileFunction;
}

}  // namespace

bool gerberOutputAvailable(const Board& board, const GerberOutput& output) {
  const bool multilayer = board.header.multilayer != 0;
  if ((output.layer == kLayerI1 || output.layer == kLayerI2) && !multilayer) return false;
  return std::any_of(board.objects.begin(), board.objects.end(), [&](const auto& o) {
    switch (output.content) {
      case GerberContent::Copper:
        return isPresentOnLayer(*o, output.layer, multilayer);
      case GerberContent::Plain:
        return o->layer == output.layer;
      case GerberContent::SolderMask:
        return o->solderMask != 0 && isPresentOnLayer(*o, output.layer, multilayer);
      case GerberContent::SmdMask:
        return o->kind == kSmdPad && o->layer == output.layer;
    }
    return false;
  });
}

GerberLayerFile gerberLayerFile(const Board& board, const GerberOutput& output,
                                const GerberOptions& options) {
  GerberFile file(placement(board.header, options));
  file.begin(output.layerName, options.x2Attributes ? fileFunction(board, output) : "");
  GerberSurface surface(file);
  Emission e{board, options, output.layer,          board.header.multilayer != 0,
             file,  surface, ObjectPainter(surface)};
  if (options.frame) {
    surface.strokePolyline(e.frame(), 20, EndCap::Round, EndCap::Round, true);
  }
  switch (output.content) {
    case GerberContent::Copper:
      emitCopper(e);
      break;
    case GerberContent::Plain:
      emitPlain(e);
      break;
    case GerberContent::SolderMask:
      emitSolderMask(e);
      break;
    case GerberContent::SmdMask:
      emitSmdMask(e);
      break;
  }
  GerberLayerFile result;
  result.text = file.finish();
  result.outOfRange = file.outOfRange();
  result.firstOutOfRange = file.firstOutOfRange();
  return result;
}

}  // namespace pravelo
