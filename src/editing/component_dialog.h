#pragma once

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "base/host.h"
#include "document/document.h"
#include "editing/repaint_sink.h"
#include "geometry/rect.h"

namespace pravelo {

// The fields of the component dialog. The dialog lives for the whole run: the text settings
// and layers stay from one use to the next. Texts are Windows-1252, as the objects keep them.
struct ComponentFields {
  std::string id;
  std::string value;
  int idLayer = kLayerS1;
  int valueLayer = kLayerS1;
  bool idVisible = true;
  bool valueVisible = true;
  // Empty while the two labels differ in it.
  std::optional<double> heightMm = 1.3;
  std::optional<int> style = 1;      // 0 narrow, 1 normal, 2 wide
  std::optional<int> thickness = 1;  // 0 thin, 1 normal, 2 bold
  // Pick and place, kept on the ID label.
  bool usePickPlace = false;
  double rotation = 0;  // degrees
  double offsetXMm = 0;
  double offsetYMm = 0;
  int centreMode = 0;  // 0 copper, 1 silkscreen, 2 both
  std::string package;
  std::string comment;
  friend bool operator==(const ComponentFields&, const ComponentFields&) = default;
};

enum class ComponentField {
  Id,
  IdLayer,
  IdVisible,
  Value,
  ValueLayer,
  ValueVisible,
  Height,
  Style,
  Thickness,
  Align,
  UsePickPlace,
  Rotation,
  OffsetX,
  OffsetY,
  CentreMode,
  Package,
  Comment,
};

inline constexpr double kDefaultLabelHeightMm = 1.3;
inline constexpr double kMaxPlaceRotation = 359.9;
inline constexpr double kMaxPlaceOffsetMm = 99.9;
inline constexpr std::size_t kMaxComponentTextBytes = 255;

// The layer boxes list C1, S1, C2, S2 and O; any other entry counts as S1.
inline constexpr int kLabelLayerEntries[] = {kLayerC1, kLayerS1, kLayerC2, kLayerS2, kLayerO};
int labelLayerOfEntry(int entry);
int labelLayerEntry(int layer);

// Brings every field into the range its control allows.
ComponentFields normaliseComponentFields(ComponentFields f);

enum class ComponentDialogEnd { Ok, Cancel, BreakUp };

// The component dialog while it is open on a board's object list: its fields, the edited
// component's labels and box, and whether the selection held several components. Label fields
// are applied to the objects as they change. Cancel is the caller's undo step, taken before the
// session opens and dropped again.
class ComponentSession {
 public:
  // Opens on `component`'s objects; `kept` holds what the fields showed at the end of the last
  // use.
  ComponentSession(ObjectList& objects, int component, const ComponentFields& kept, Host& host,
                   RepaintSink& repaint);

  const ComponentFields& fields() const { return fields_; }
  bool severalComponents() const { return several_; }
  // A macro's component is edited without the break-up button.
  void withoutBreakUp() { breakUpAllowed_ = false; }
  bool breakUpAllowed() const { return breakUpAllowed_; }
  // Whether the user changed the field while several components are selected; such fields are
  // tinted and carried over to the others on OK.
  bool tinted(ComponentField field) const { return tinted_.contains(field); }

  // A field of the dialog changed to `now`: label fields apply to the objects at once.
  void change(ComponentField field, const ComponentFields& now);
  // "Align text automatically".
  void alignLabels();
  // Asks whether to break the component up; true on OK.
  bool confirmBreakUp();
  // OK stores the pick-and-place fields and may carry the changes over to the other selected
  // components; BreakUp breaks the component (and, if wished, the others) up.
  void finish(ComponentDialogEnd end);

 private:
  void applyLabels();
  TObjekt* label(TextRole role) const;
  std::vector<int> otherSelectedComponents() const;
  // Copies the tinted fields into `component` when it has both labels.
  void copyTintedFields(int component);

  ObjectList& objects_;
  int component_;
  Host& host_;
  RepaintSink& repaint_;
  ComponentFields fields_;
  TRect box_;  // the members other than the labels
  bool several_ = false;
  bool breakUpAllowed_ = true;
  std::set<ComponentField> tinted_;
};

}  // namespace pravelo
