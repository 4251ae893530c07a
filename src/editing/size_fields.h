#pragma once

#include <array>
#include <cstddef>

#include "document/document.h"
#include "settings/settings.h"

namespace pravelo {

// The six length fields of the size column, in the order they are shown.
enum class SizeField {
  Breite,          // track width, also of new zone outlines and circle rings
  Aussen,          // pad diameter
  Innen,           // drill diameter
  SMDPad_X,        // SMD pad size in x
  SMDPad_Y,        // SMD pad size in y
  FreistanzOffset  // clearance towards the ground plane
};
inline constexpr std::size_t kSizeFieldCount = 6;
inline constexpr std::array<SizeField, kSizeFieldCount> kSizeFields = {
    SizeField::Breite,   SizeField::Aussen,   SizeField::Innen,
    SizeField::SMDPad_X, SizeField::SMDPad_Y, SizeField::FreistanzOffset};

struct SizeFieldLimits {
  double minMm;
  double maxMm;
  int decimals;
};
SizeFieldLimits sizeFieldLimits(SizeField field);
// The value brought into the field's limits, in units.
int clampToField(SizeField field, int units);

// Arrow keys change the size of the tool's next object by this much, Ctrl+arrow by ten times.
inline constexpr int kArrowSizeStep = 100;
inline constexpr int kCtrlArrowSizeStep = 1000;

// How a field shows whether the selection holds objects of its kind.
enum class SizeHighlight {
  None,      // yellow on black: the field holds the size for new objects
  Selected,  // white on red: the field shows the selected objects' common value
  Mixed      // silver on red: the selected objects differ
};

// The values of the size column, in units. `shown` is what the fields show; `remembered` the
// sizes for new objects, which the fields return to when nothing of their kind is selected.
struct SizeFields {
  std::array<int, kSizeFieldCount> shown{};
  std::array<int, kSizeFieldCount> remembered{};
  std::array<SizeHighlight, kSizeFieldCount> highlight{};
  int padShape = kPadCircular;       // shape of new pads
  int shownPadShape = kPadCircular;  // the pad button's picture; 0 when selected pads differ
  bool throughPad = false;           // new pads on a copper layer get `via` = 1
  bool shownThroughPad = false;

  int& operator[](SizeField f) { return shown[static_cast<std::size_t>(f)]; }
  int operator[](SizeField f) const { return shown[static_cast<std::size_t>(f)]; }
};

// The size a drawing tool gives a new object.
inline int newObjectSize(const SizeFields& fields, SizeField f) {
  return fields.remembered[static_cast<std::size_t>(f)];
}

inline constexpr int kDefaultClearance = 4000;

// The fields at start-up: the sizes from section "Settings", clearance 0.4 mm, a circular pad.
SizeFields initialSizeFields(const SizeSettings& sizes);
// The remembered sizes, as section "Settings" stores them.
SizeSettings sizeSettings(const SizeFields& fields);

// Brings the fields in line with the selection of `objects`: a common value is shown, differing
// values leave the field as it was, and a field without selected objects of its kind shows its
// remembered size. The shown common values become the remembered sizes only while Ctrl is held
// or when the option "StrgZumFangen" is off.
void fieldsFollowSelection(SizeFields& fields, const ObjectList& objects, bool ctrlHeld,
                           bool strgZumFangen);

// True when selected objects of the field's kind exist, so that a change will alter them and
// an undo step is due first.
bool selectionHasKind(const ObjectList& objects, SizeField field);

// The apply functions put a new value into the fields and onto the selected objects of its
// kind. They return true when an object changed; the caller records the undo step and redraws.
// A value with no selected objects of its kind becomes the size for new objects.
bool changeSizeField(SizeFields& fields, SizeField field, int units, ObjectList& objects);
// Exchanges the two SMD sizes and applies both.
bool flipSmd(SizeFields& fields, ObjectList& objects);
// The shape becomes the current one and every selected pad is rebuilt with it.
bool changePadShape(SizeFields& fields, int shape, ObjectList& objects);
// Selected pads on a copper layer get `via` = `on`; pads on other layers 0.
bool changeThroughPad(SizeFields& fields, bool on, ObjectList& objects);

}  // namespace pravelo
