#include "editing/macro_commands.h"

#include <algorithm>
#include <set>
#include <system_error>

#include "document/document_texts.h"
#include "editing/component_command.h"
#include "editing/component_dialog.h"
#include "editing/macro_drop.h"
#include "editing/pointer_point.h"
#include "project/clipboard.h"
#include "project/components.h"
#include "project/macro_anchor.h"
#include "project/macro_file.h"
#include "project/macro_texts.h"
#include "project/macro_tree.h"

namespace pravelo {

int dropPanelMacro(Editor& editor, const MacroPanel& panel, DPoint world, bool ctrl) {
  if (panel.macro.empty()) return 0;
  Modifiers modifiers;
  modifiers.ctrl = ctrl;
  const PointerEvent e{worldToScreen(editor.view(), world), MouseButton::Left, modifiers};
  return dropMacro(editor, panel.macro, drawingPoint(editor, e),
                   {.asComponent = panel.asComponent, .throughPads = panel.throughPads});
}

bool confirmMacroSave(Editor& editor) {
  const Board& board = editor.board();
  const std::string title = tr(texts::productName);
  if (board.objects.empty()) {
    editor.host.showMessage(tr(texts::macroNoElements), title, MessageIcon::Information);
    return false;
  }
  const bool anySelected =
      std::ranges::any_of(board.objects, [](const auto& o) { return o->selected != 0; });
  return anySelected || editor.host.ask(tr(texts::macroSaveWholeAsk), title, Buttons::YesNo,
                                        MessageIcon::Question) == Answer::Yes;
}

bool saveSelectionAsMacro(Editor& editor, MacroPanel& panel, const std::filesystem::path& path) {
  const Board& board = editor.board();
  if (board.objects.empty()) return false;
  writeBackMacro(panel);
  const ObjectList macro = macroFromBoard(board.objects, board.header.grid);
  if (!saveMacro(path, macro, "", "")) {
    editor.host.showMessage(tr(texts::macroCannotSave), tr(texts::productName),
                            MessageIcon::Warning);
    return false;
  }
  selectMacroFile(panel, path, currentLanguage());
  return true;
}

bool deletePanelMacro(Editor& editor, MacroPanel& panel) {
  std::error_code error;
  if (panel.file.empty() || !std::filesystem::exists(panel.file, error)) return false;
  const std::string question =
      fillIn(texts::macroDeleteAsk, {quoted(panel.file.filename().string())});
  if (editor.host.ask(question, tr(texts::productName), Buttons::OkCancel, MessageIcon::Question) !=
      Answer::Ok) {
    return false;
  }
  if (!std::filesystem::remove(panel.file, error)) return false;
  panel = MacroPanel{
      .top = panel.top, .throughPads = panel.throughPads, .asComponent = panel.asComponent};
  return true;
}

bool renameMacroNode(Editor& editor, MacroPanel& panel, const std::filesystem::path& path,
                     const std::string& newName) {
  if (const auto problem = renameMacroEntry(path, newName, currentLanguage())) {
    editor.host.showMessage(*problem, tr(texts::productName), MessageIcon::Warning);
    return false;
  }
  if (panel.file == path) panel.file = path.parent_path() / (newName + path.extension().string());
  return true;
}

bool editMacroComponent(Editor& editor, MacroPanel& panel) {
  if (panel.macro.empty()) return false;
  std::set<int> components;
  for (const auto& o : panel.macro) {
    if (o->componentId != 0) components.insert(o->componentId);
  }
  const std::string title = tr(texts::productName);
  if (components.size() > 1) {
    editor.host.showMessage(tr(texts::macroSeveralComponents), title, MessageIcon::Information);
    return false;
  }
  setMacroAsComponent(panel, true);
  for (auto& o : panel.macro) o->selected = 1;
  ObjectList before;
  copySelection(panel.macro, before);
  int component = components.empty() ? 0 : *components.begin();
  if (component == 0) {
    const ComponentFields& kept = editor.componentFields;
    component = makeComponent(panel.macro, newComponentLabel(kept, kept.idLayer, true),
                              newComponentLabel(kept, kept.valueLayer, true));
  }
  for (auto& o : panel.macro) o->selected = 0;
  ComponentSession session(panel.macro, component, editor.componentFields, editor.host,
                           editor.repaint);
  session.withoutBreakUp();
  // Applying the fields once makes the labels the component still lacks.
  session.change(ComponentField::Id, session.fields());
  const ComponentDialogEnd end = editor.host.showComponentDialog(session);
  editor.componentFields = session.fields();
  if (end != ComponentDialogEnd::Ok) {
    panel.macro = std::move(before);
    return false;
  }
  session.finish(end);
  panel.modified = true;
  if (!writeBackMacro(panel)) {
    editor.host.showMessage(tr(texts::macroCannotSave), title, MessageIcon::Warning);
    return false;
  }
  return true;
}

}  // namespace pravelo
