#include "editing/size_fields.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "geometry/pad_geometry.h"
#include "geometry/point.h"

namespace pravelo {

namespace {

std::size_t index(SizeField f) { return static_cast<std::size_t>(f); }

// Hidden objects (a dragged preview, the macro panel's labels) are left alone.
bool isTarget(const TObjekt& o) { return o.selected != 0 && o.drawable != 0; }

bool isSmdCorners(const TObjekt& o) { return o.kind == kSmdPad && o.points.size() >= 3; }

// The value a field shows for an object, or nothing when the object is not of its kind.
std::optional<int> objectValue(const TObjekt& o, SizeField f) {
  switch (f) {
    case SizeField::Breite:
      if (o.kind == kTrack || o.kind == kZone) return o.width;
      if (o.kind == kCircle) return roundToInt32(double{o.dim.x} - o.dim.y);
      return std::nullopt;
    case SizeField::Aussen:
      if (o.kind == kPad) return roundToInt32(2.0 * o.dim.x);
      return std::nullopt;
    case SizeField::Innen:
      if (o.kind == kPad) return roundToInt32(2.0 * o.dim.y);
      return std::nullopt;
    case SizeField::SMDPad_X:
      if (isSmdCorners(o)) return roundToInt32(distance(o.points[0], o.points[1]));
      return std::nullopt;
    case SizeField::SMDPad_Y:
      if (isSmdCorners(o)) return roundToInt32(distance(o.points[1], o.points[2]));
      return std::nullopt;
    case SizeField::FreistanzOffset:
      return o.clearance;
  }
  return std::nullopt;
}

// What the selected objects have in common for one property.
struct Common {
  bool present = false;
  bool mixed = false;
  int value = 0;

  void add(int v) {
    if (!present) {
      present = true;
      value = v;
    } else if (v != value) {
      mixed = true;
    }
  }
};

template <class ValueOf>
Common commonValue(const ObjectList& objects, ValueOf valueOf) {
  Common common;
  for (const auto& o : objects) {
    if (!isTarget(*o)) continue;
    if (const std::optional<int> v = valueOf(*o)) common.add(*v);
  }
  return common;
}

std::optional<int> shownPadShapeOf(const TObjekt& o) {
  if (o.kind != kPad) return std::nullopt;
  return shapeForRotation(o.variant, padRotation(o));
}

std::optional<int> viaOf(const TObjekt& o) {
  if (o.kind != kPad) return std::nullopt;
  return o.via;
}

// Sets a field's shown value; without selected objects of its kind it is also the size for
// new objects.
void setField(SizeFields& fields, SizeField f, int units, const ObjectList& objects) {
  fields[f] = units;
  if (!selectionHasKind(objects, f)) fields.remembered[index(f)] = units;
}

bool setWidth(TObjekt& o, int width) {
  if (o.kind == kTrack || o.kind == kZone) {
    if (o.width == width) return false;
    o.width = width;
    return true;
  }
  if (o.kind != kCircle || objectValue(o, SizeField::Breite) == width) return false;
  // The ring grows and shrinks about its centre line; a ring too wide for that fills the
  // circle from the centre instead of getting a negative inner radius.
  const double mid = (double{o.dim.x} + o.dim.y) / 2;
  const double inner = mid - width / 2.0;
  o.dim = inner < 0 ? FPoint{static_cast<float>(width), 0}
                    : FPoint{static_cast<float>(inner + width), static_cast<float>(inner)};
  return true;
}

// The drill never exceeds the pad: whichever radius was set wins and drags the other along.
bool setPadRadius(TObjekt& o, SizeField f, float radius) {
  if (o.kind != kPad) return false;
  const FPoint before = o.dim;
  if (f == SizeField::Aussen) {
    o.dim.x = radius;
    o.dim.y = std::min(o.dim.y, radius);
  } else {
    o.dim.y = radius;
    o.dim.x = std::max(o.dim.x, radius);
  }
  if (o.dim == before) return false;
  regeneratePadOutline(o, std::nullopt, 0);
  return true;
}

bool setSmdSize(TObjekt& o, SizeField f, int units) {
  if (objectValue(o, f).value_or(units) == units) return false;
  if (f == SizeField::SMDPad_X) {
    resizeSmdPad(o, units, -1);
  } else {
    resizeSmdPad(o, -1, units);
  }
  return true;
}

bool setClearance(TObjekt& o, int clearance) {
  if (o.clearance == clearance) return false;
  o.clearance = clearance;
  return true;
}

bool applyToObject(TObjekt& o, SizeField f, int units) {
  switch (f) {
    case SizeField::Breite:
      return setWidth(o, units);
    case SizeField::Aussen:
    case SizeField::Innen:
      return setPadRadius(o, f, static_cast<float>(units / 2.0));
    case SizeField::SMDPad_X:
    case SizeField::SMDPad_Y:
      return setSmdSize(o, f, units);
    case SizeField::FreistanzOffset:
      return setClearance(o, units);
  }
  return false;
}

bool applyToSelection(SizeField f, int units, ObjectList& objects) {
  bool changed = false;
  for (auto& o : objects) {
    if (isTarget(*o) && objectValue(*o, f)) changed |= applyToObject(*o, f, units);
  }
  return changed;
}

}  // namespace

SizeFieldLimits sizeFieldLimits(SizeField field) {
  switch (field) {
    case SizeField::Aussen:
    case SizeField::SMDPad_X:
    case SizeField::SMDPad_Y:
      return {0.05, 99.99, 2};
    case SizeField::FreistanzOffset:
      return {0, 10, 1};
    case SizeField::Breite:
    case SizeField::Innen:
      break;
  }
  return {0, 99.99, 2};
}

int clampToField(SizeField field, int units) {
  const SizeFieldLimits limits = sizeFieldLimits(field);
  return std::clamp(units, static_cast<int>(mmToUnits(limits.minMm)),
                    static_cast<int>(mmToUnits(limits.maxMm)));
}

SizeFields initialSizeFields(const SizeSettings& sizes) {
  SizeFields fields;
  fields.remembered = {sizes.Track, sizes.Circle1, sizes.Circle2,
                       sizes.SMDX,  sizes.SMDY,    kDefaultClearance};
  for (SizeField f : kSizeFields) {
    int& units = fields.remembered[index(f)];
    units = clampToField(f, units);
  }
  fields.shown = fields.remembered;
  return fields;
}

SizeSettings sizeSettings(const SizeFields& fields) {
  const auto& r = fields.remembered;
  return {r[index(SizeField::Breite)], r[index(SizeField::Aussen)], r[index(SizeField::Innen)],
          r[index(SizeField::SMDPad_X)], r[index(SizeField::SMDPad_Y)]};
}

void fieldsFollowSelection(SizeFields& fields, const ObjectList& objects, bool ctrlHeld,
                           bool strgZumFangen) {
  const bool capture = ctrlHeld || !strgZumFangen;
  for (SizeField f : kSizeFields) {
    const Common common = commonValue(objects, [f](const TObjekt& o) { return objectValue(o, f); });
    SizeHighlight& highlight = fields.highlight[index(f)];
    if (!common.present) {
      fields[f] = fields.remembered[index(f)];
      highlight = SizeHighlight::None;
    } else if (common.mixed) {
      highlight = SizeHighlight::Mixed;
    } else {
      fields[f] = common.value;
      highlight = SizeHighlight::Selected;
      if (capture) fields.remembered[index(f)] = common.value;
    }
  }

  const Common shape = commonValue(objects, shownPadShapeOf);
  if (!shape.present) {
    fields.shownPadShape = fields.padShape;
  } else if (shape.mixed) {
    fields.shownPadShape = 0;
  } else {
    fields.shownPadShape = shape.value;
    if (capture) fields.padShape = shape.value;
  }

  const Common via = commonValue(objects, viaOf);
  if (!via.present) {
    fields.shownThroughPad = fields.throughPad;
  } else if (!via.mixed) {
    fields.shownThroughPad = via.value != 0;
    if (capture) fields.throughPad = via.value != 0;
  }
}

bool selectionHasKind(const ObjectList& objects, SizeField field) {
  return std::ranges::any_of(objects, [field](const auto& o) {
    return isTarget(*o) && objectValue(*o, field).has_value();
  });
}

bool changeSizeField(SizeFields& fields, SizeField field, int units, ObjectList& objects) {
  units = clampToField(field, units);
  setField(fields, field, units, objects);
  // A drill typed larger than the pad raises the pad; a pad typed smaller lowers the drill.
  if (field == SizeField::Innen && units > fields[SizeField::Aussen]) {
    setField(fields, SizeField::Aussen, units, objects);
  }
  if (field == SizeField::Aussen && units < fields[SizeField::Innen]) {
    setField(fields, SizeField::Innen, units, objects);
  }
  return applyToSelection(field, units, objects);
}

bool flipSmd(SizeFields& fields, ObjectList& objects) {
  const int x = fields[SizeField::SMDPad_X];
  const int y = fields[SizeField::SMDPad_Y];
  const bool changedX = changeSizeField(fields, SizeField::SMDPad_X, y, objects);
  const bool changedY = changeSizeField(fields, SizeField::SMDPad_Y, x, objects);
  return changedX || changedY;
}

bool changePadShape(SizeFields& fields, int shape, ObjectList& objects) {
  if (shape < kPadCircular || shape > kPadRectangleV) return false;
  fields.padShape = shape;
  fields.shownPadShape = shape;
  bool changed = false;
  for (auto& o : objects) {
    if (!isTarget(*o) || o->kind != kPad) continue;
    const std::uint8_t variant = o->variant;
    const std::vector<FPoint> points = o->points;
    regeneratePadOutline(*o, shape, 0);
    changed |= o->variant != variant || o->points != points;
  }
  return changed;
}

bool changeThroughPad(SizeFields& fields, bool on, ObjectList& objects) {
  fields.throughPad = on;
  fields.shownThroughPad = on;
  bool changed = false;
  for (auto& o : objects) {
    if (!isTarget(*o) || o->kind != kPad) continue;
    const std::uint8_t via = on && isCopperLayer(o->layer) ? 1 : 0;
    changed |= o->via != via;
    o->via = via;
  }
  return changed;
}

}  // namespace pravelo
