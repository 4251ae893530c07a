#include "editing/component_dialog.h"

#include <algorithm>

#include "base/units.h"
#include "document/document_texts.h"
#include "editing/component_texts.h"
#include "editing/text_dialog_values.h"
#include "geometry/bounding_box.h"
#include "geometry/component_side.h"
#include "geometry/label_placement.h"
#include "geometry/text_strokes.h"
#include "project/components.h"

namespace pravelo {

namespace {

bool isLabelField(ComponentField f) {
  switch (f) {
    case ComponentField::Id:
    case ComponentField::IdLayer:
    case ComponentField::IdVisible:
    case ComponentField::Value:
    case ComponentField::ValueLayer:
    case ComponentField::ValueVisible:
    case ComponentField::Height:
    case ComponentField::Style:
    case ComponentField::Thickness:
      return true;
    default:
      return false;
  }
}

std::int32_t heightUnits(double mm) { return static_cast<std::int32_t>(mmToUnits(mm)); }

void setLayer(TObjekt& label, int layer) {
  label.layer = static_cast<std::uint8_t>(layer);
  label.optB = mirroredOnLayer(layer) ? 1 : 0;
}

std::string limited(std::string text) {
  if (text.size() > kMaxComponentTextBytes) text.resize(kMaxComponentTextBytes);
  return text;
}

}  // namespace

int labelLayerOfEntry(int entry) {
  if (entry < 0 || entry >= static_cast<int>(std::size(kLabelLayerEntries))) return kLayerS1;
  return kLabelLayerEntries[entry];
}

int labelLayerEntry(int layer) {
  const auto* at = std::ranges::find(kLabelLayerEntries, layer);
  return at == std::end(kLabelLayerEntries) ? 1 : static_cast<int>(at - kLabelLayerEntries);
}

ComponentFields normaliseComponentFields(ComponentFields f) {
  f.id = limited(std::move(f.id));
  f.value = limited(std::move(f.value));
  f.package = limited(std::move(f.package));
  f.comment = limited(std::move(f.comment));
  f.idLayer = labelLayerOfEntry(labelLayerEntry(f.idLayer));
  f.valueLayer = labelLayerOfEntry(labelLayerEntry(f.valueLayer));
  if (f.heightMm) f.heightMm = std::clamp(*f.heightMm, kMinTextHeightMm, kMaxTextHeightMm);
  if (f.style) f.style = std::clamp(*f.style, 0, 2);
  if (f.thickness) f.thickness = std::clamp(*f.thickness, 0, 2);
  f.rotation = std::clamp(roundToDecimals(f.rotation, 1), 0.0, kMaxPlaceRotation);
  f.offsetXMm = std::clamp(roundToDecimals(f.offsetXMm, 1), -kMaxPlaceOffsetMm, kMaxPlaceOffsetMm);
  f.offsetYMm = std::clamp(roundToDecimals(f.offsetYMm, 1), -kMaxPlaceOffsetMm, kMaxPlaceOffsetMm);
  f.centreMode = std::clamp(f.centreMode, 0, 2);
  return f;
}

ComponentSession::ComponentSession(ObjectList& objects, int component, const ComponentFields& kept,
                                   Host& host, RepaintSink& repaint)
    : objects_(objects), component_(component), host_(host), repaint_(repaint) {
  std::set<int> selectedComponents;
  for (const auto& o : objects_) {
    if (o->selected && o->componentId != 0) selectedComponents.insert(o->componentId);
  }
  several_ = selectedComponents.size() >= 2;
  const std::vector<TObjekt*> members = componentMembers(objects_, component_);
  const std::vector<const TObjekt*> constMembers(members.begin(), members.end());
  box_ = componentBox(constMembers);

  const TObjekt* id = label(kComponentIdText);
  const TObjekt* value = label(kComponentValueText);
  const int side = componentOnTopSide(constMembers) ? kLayerS1 : kLayerS2;
  fields_ = kept;
  fields_.id = id ? id->text : "";
  fields_.value = value ? value->text : "";
  fields_.idLayer = id ? id->layer : side;
  fields_.valueLayer = value ? value->layer : side;
  fields_.idVisible = id && id->optA != 0;
  fields_.valueVisible = value && value->optA != 0;
  // Height, style and thickness: what the field held, then the value label's, then the ID
  // label's; nothing shown when the two labels differ (heights compared in whole units).
  fields_.heightMm = kept.heightMm.value_or(kDefaultLabelHeightMm);
  fields_.style = kept.style.value_or(1);
  fields_.thickness = kept.thickness.value_or(1);
  for (const TObjekt* t : {value, id}) {
    if (!t) continue;
    fields_.heightMm = unitsToMm(t->dim.x);
    fields_.style = t->width;
    fields_.thickness = static_cast<int>(t->dim.y);
  }
  if (id && value) {
    if (roundHalfEven(id->dim.x) != roundHalfEven(value->dim.x)) fields_.heightMm.reset();
    if (id->width != value->width) fields_.style.reset();
    if (id->dim.y != value->dim.y) fields_.thickness.reset();
  }

  const ComponentData data = id ? id->component : ComponentData{};
  fields_.usePickPlace = data.usePickPlace != 0;
  fields_.rotation = data.placeRotation;
  fields_.offsetXMm = unitsToMm(data.placeOffset.x);
  fields_.offsetYMm = unitsToMm(data.placeOffset.y);
  fields_.centreMode = data.centreMode;
  fields_.package = data.package;
  fields_.comment = data.comment;
}

TObjekt* ComponentSession::label(TextRole role) const {
  for (const auto& o : objects_) {
    if (o->componentId == component_ && o->kind == kText && o->variant == role) return o.get();
  }
  return nullptr;
}

void ComponentSession::change(ComponentField field, const ComponentFields& now) {
  fields_ = normaliseComponentFields(now);
  if (several_) tinted_.insert(field);
  if (isLabelField(field)) applyLabels();
}

void ComponentSession::applyLabels() {
  TObjekt* id = label(kComponentIdText);
  TObjekt* value = label(kComponentValueText);
  const bool wasAligned = id && value && box_ && labelsAtAutomaticPositions(*id, *value, *box_);
  std::optional<TRect> area;
  const auto cover = [&area](const TObjekt& o) {
    area = area ? unite(*area, objectBounds(o)) : objectBounds(o);
  };
  bool created = false;
  const auto apply = [&](TObjekt* existing, TextRole role) {
    const bool isId = role == kComponentIdText;
    const std::string& text = isId ? fields_.id : fields_.value;
    const int layer = isId ? fields_.idLayer : fields_.valueLayer;
    const bool visible = isId ? fields_.idVisible : fields_.valueVisible;
    if (existing) {
      cover(*existing);
      existing->text = text;
      setLayer(*existing, layer);
      if (fields_.heightMm) existing->dim.x = static_cast<float>(heightUnits(*fields_.heightMm));
      if (fields_.style) existing->width = *fields_.style;
      if (fields_.thickness) existing->dim.y = static_cast<float>(*fields_.thickness);
      existing->optA = visible ? 1 : 0;
    } else {
      TObjekt t = newObject();
      initText(t, {0, 0}, text, 0, mirroredOnLayer(layer) ? 1 : 0, static_cast<std::uint8_t>(layer),
               fields_.style.value_or(1), fields_.thickness.value_or(1),
               heightUnits(fields_.heightMm.value_or(kDefaultLabelHeightMm)), 0);
      t.selected = 1;
      t.variant = role;
      t.componentId = static_cast<std::int16_t>(component_);
      t.optA = visible ? 1 : 0;
      objects_.push_back(std::make_unique<TObjekt>(std::move(t)));
      existing = objects_.back().get();
      created = true;
    }
    buildTextStrokes(*existing, false);
    return existing;
  };
  id = apply(id, kComponentIdText);
  value = apply(value, kComponentValueText);
  // Aligned labels stay aligned when their height or layer changes.
  // A component of labels alone has nothing to place them beside: they stay where they are.
  if ((created || wasAligned) && box_) placeLabelsAutomatically(*id, *value, *box_);
  cover(*id);
  cover(*value);
  repaint_.repaintWorld(*area);
}

void ComponentSession::alignLabels() {
  if (several_) tinted_.insert(ComponentField::Align);
  TObjekt* id = label(kComponentIdText);
  TObjekt* value = label(kComponentValueText);
  if (!id || !value || !box_) return;
  const TRect before = unite(objectBounds(*id), objectBounds(*value));
  placeLabelsAutomatically(*id, *value, *box_);
  repaint_.repaintWorld(unite(before, unite(objectBounds(*id), objectBounds(*value))));
}

bool ComponentSession::confirmBreakUp() {
  return host_.ask(tr(texts::breakUpQuestion), tr(texts::productName), Buttons::OkCancel,
                   MessageIcon::Question) == Answer::Ok;
}

void ComponentSession::finish(ComponentDialogEnd end) {
  if (end == ComponentDialogEnd::Cancel) return;
  if (end == ComponentDialogEnd::Ok) {
    if (TObjekt* id = label(kComponentIdText)) {
      ComponentData& data = id->component;
      data.placeRotation = fields_.rotation;
      data.placeOffset = {static_cast<float>(mmToUnits(fields_.offsetXMm)),
                          static_cast<float>(mmToUnits(fields_.offsetYMm))};
      data.centreMode = static_cast<std::uint8_t>(fields_.centreMode);
      data.package = fields_.package;
      data.comment = fields_.comment;
      data.usePickPlace = fields_.usePickPlace ? 1 : 0;
    }
  } else {
    breakUpComponent(objects_, component_);
  }
  if (several_ && host_.ask(tr(texts::applyToSelectedComponents), tr(texts::productName),
                            Buttons::YesNo, MessageIcon::Question) == Answer::Yes) {
    for (const int other : otherSelectedComponents()) {
      if (end == ComponentDialogEnd::Ok) {
        copyTintedFields(other);
      } else {
        breakUpComponent(objects_, other);
      }
    }
  }
  repaint_.repaintAll();
}

// The other components that are selected as a whole (hidden labels cannot be), which the
// changes apply to.
std::vector<int> ComponentSession::otherSelectedComponents() const {
  std::set<int> seen;
  std::vector<int> result;
  for (const auto& o : objects_) {
    const int k = o->componentId;
    if (k == 0 || k == component_ || !seen.insert(k).second) continue;
    const std::vector<TObjekt*> members = componentMembers(objects_, k);
    const bool whole = std::ranges::all_of(
        members, [](const TObjekt* m) { return m->selected != 0 || isHiddenLabel(*m); });
    if (whole) result.push_back(k);
  }
  return result;
}

void ComponentSession::copyTintedFields(int component) {
  const std::vector<TObjekt*> members = componentMembers(objects_, component);
  TObjekt* idLabel = componentLabel(members, kComponentIdText);
  TObjekt* valueLabel = componentLabel(members, kComponentValueText);
  if (!idLabel || !valueLabel) return;
  TObjekt& id = *idLabel;
  TObjekt& value = *valueLabel;
  const auto tint = [this](ComponentField f) { return tinted(f); };
  for (TObjekt* t : {&id, &value}) {
    if (tint(ComponentField::Height) && fields_.heightMm) {
      t->dim.x = static_cast<float>(heightUnits(*fields_.heightMm));
    }
    if (tint(ComponentField::Style) && fields_.style) t->width = *fields_.style;
    if (tint(ComponentField::Thickness) && fields_.thickness) {
      t->dim.y = static_cast<float>(*fields_.thickness);
    }
  }
  if (tint(ComponentField::Id)) id.text = fields_.id;
  if (tint(ComponentField::Value)) value.text = fields_.value;
  if (tint(ComponentField::IdLayer)) setLayer(id, fields_.idLayer);
  if (tint(ComponentField::ValueLayer)) setLayer(value, fields_.valueLayer);
  if (tint(ComponentField::IdVisible)) id.optA = fields_.idVisible ? 1 : 0;
  if (tint(ComponentField::ValueVisible)) value.optA = fields_.valueVisible ? 1 : 0;
  ComponentData& data = id.component;
  if (tint(ComponentField::Rotation)) data.placeRotation = fields_.rotation;
  if (tint(ComponentField::OffsetX)) {
    data.placeOffset.x = static_cast<float>(mmToUnits(fields_.offsetXMm));
  }
  if (tint(ComponentField::OffsetY)) {
    data.placeOffset.y = static_cast<float>(mmToUnits(fields_.offsetYMm));
  }
  if (tint(ComponentField::CentreMode)) {
    data.centreMode = static_cast<std::uint8_t>(fields_.centreMode);
  }
  if (tint(ComponentField::UsePickPlace)) data.usePickPlace = fields_.usePickPlace ? 1 : 0;
  if (tint(ComponentField::Package)) data.package = fields_.package;
  if (tint(ComponentField::Comment)) data.comment = fields_.comment;
  buildTextStrokes(id, false);
  buildTextStrokes(value, false);
  if (tint(ComponentField::Align)) {
    const std::vector<const TObjekt*> box(members.begin(), members.end());
    if (const auto around = componentBox(box)) placeLabelsAutomatically(id, value, *around);
  }
}

}  // namespace pravelo
