#include "editing/macro_drop.h"

#include <set>

#include "document/document_texts.h"
#include "editing/component_command.h"
#include "editing/component_texts.h"
#include "project/components.h"

namespace pravelo {
namespace {

// The one component the selection forms with both of its labels, or 0.
int droppedComponent(const ObjectList& objects) {
  std::set<int> numbers;
  for (const auto& o : objects) {
    if (o->selected) numbers.insert(o->componentId);
  }
  if (numbers.size() != 1 || *numbers.begin() == 0) return 0;
  const std::vector<TObjekt*> members = componentMembers(objects, *numbers.begin());
  const bool labelled = componentLabel(members, kComponentIdText) != nullptr &&
                        componentLabel(members, kComponentValueText) != nullptr;
  return labelled ? *numbers.begin() : 0;
}

}  // namespace

int dropMacro(Editor& editor, const ObjectList& macro, DPoint at, const MacroDrop& drop) {
  editor.beginChange();
  ObjectList& objects = editor.board().objects;
  const int dropped = placeMacro(objects, macro, at, drop);
  if (dropped == 0) {
    editor.revertGesture();
    return 0;
  }
  if (drop.asComponent) {
    int component = droppedComponent(objects);
    if (component == 0) {
      const ComponentFields& kept = editor.componentFields;
      const OptionenSettings& options = editor.settings.optionen;
      component =
          makeComponent(objects, newComponentLabel(kept, kept.idLayer, options.BezSichtbarDefault),
                        newComponentLabel(kept, kept.valueLayer, options.WertSichtbarDefault));
    }
    if (component == 0) {
      editor.host.showMessage(tr(texts::noComponentNumberLeft), tr(texts::productName),
                              MessageIcon::Warning);
    } else {
      editComponentInGesture(editor, component);
    }
  }
  editor.commitGesture();
  editor.repaint.repaintAll();
  return dropped;
}

}  // namespace pravelo
