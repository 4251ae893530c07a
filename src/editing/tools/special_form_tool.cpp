#include "editing/tools/special_form_tool.h"

#include "editing/generator_commands.h"

namespace pravelo {

void SpecialFormTool::start(Editor& editor, DPoint pointer) {
  cancelled_ = !specialShapeCommand(editor);
  if (!cancelled_) placing_.start(editor, pointer);
}

}  // namespace pravelo
