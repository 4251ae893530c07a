#include "cli/edit_command.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <fstream>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <sstream>
#include <utility>

#include "app/editor_commands.h"
#include "base/units.h"
#include "base/windows1252.h"
#include "cli/answer_values.h"
#include "cli/cli.h"
#include "cli/cli_texts.h"
#include "cli/command_io.h"
#include "cli/component_answer.h"
#include "cli/edit_texts.h"
#include "cli/generator_fields.h"
#include "cli/gerber_import_request.h"
#include "cli/text_answer.h"
#include "cli/tile_answer.h"
#include "document/document_texts.h"
#include "editing/component_command.h"
#include "editing/component_list_commands.h"
#include "editing/crosshair_overlay.h"
#include "editing/generator_commands.h"
#include "editing/ground_plane_controls.h"
#include "editing/macro_commands.h"
#include "editing/node_commands.h"
#include "editing/photo_view_commands.h"
#include "editing/properties.h"
#include "editing/scripted_window.h"
#include "editing/size_fields.h"
#include "editing/tool_machine.h"
#include "editing/tools/test_tool.h"
#include "manufacturing/gerber_import_run.h"
#include "project/boards.h"
#include "project/macro_texts.h"
#include "settings/settings.h"
#include "view/template_commands.h"
#include "view/user_origin.h"

namespace pravelo {

namespace {

struct BadLine {
  std::string why;
};

std::vector<std::string> wordsOf(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

double number(const std::string& word) {
  std::istringstream in(word);
  in.imbue(std::locale::classic());
  double v = 0;
  if (!(in >> v) || !in.eof() || !std::isfinite(v))
    throw BadLine{fillIn(texts::scriptNotANumber, {word})};
  return v;
}

int whole(const std::string& word) {
  const double v = number(word);
  if (v != std::trunc(v) || std::abs(v) > 1e9)
    throw BadLine{fillIn(texts::scriptNotAWholeNumber, {word})};
  return static_cast<int>(v);
}

// The trailing words of a pointer or key command: button, modifiers, repeat, steps.
struct Options {
  MouseButton button = MouseButton::Left;
  Modifiers modifiers;
  bool repeat = false;
  int steps = 4;
};

Options optionsOf(const std::vector<std::string>& words, std::size_t from) {
  Options o;
  for (std::size_t i = from; i < words.size(); ++i) {
    const std::string& w = words[i];
    if (w == "left")
      o.button = MouseButton::Left;
    else if (w == "right")
      o.button = MouseButton::Right;
    else if (w == "middle")
      o.button = MouseButton::Middle;
    else if (w == "shift")
      o.modifiers.shift = true;
    else if (w == "ctrl")
      o.modifiers.ctrl = true;
    else if (w == "alt")
      o.modifiers.alt = true;
    else if (w == "repeat")
      o.repeat = true;
    else if (w == "steps" && i + 1 < words.size())
      o.steps = std::max(1, whole(words[++i]));
    else
      throw BadLine{fillIn(texts::scriptUnknownWord, {w})};
  }
  return o;
}

std::optional<Key> keyNamed(const std::string& name) {
  static const std::pair<const char*, Key> kKeys[] = {
      {"esc", Key::Escape}, {"escape", Key::Escape}, {"delete", Key::Delete}, {"space", Key::Space},
      {"left", Key::Left},  {"right", Key::Right},   {"up", Key::Up},         {"down", Key::Down},
      {"f9", Key::F9},      {"f11", Key::F11},       {"f12", Key::F12}};
  for (const auto& [n, k] : kKeys) {
    if (name == n) return k;
  }
  return std::nullopt;
}

std::optional<SizeField> sizeFieldNamed(const std::string& name) {
  static const std::pair<const char*, SizeField> kFields[] = {
      {"track", SizeField::Breite},  {"diameter", SizeField::Aussen},
      {"drill", SizeField::Innen},   {"smdx", SizeField::SMDPad_X},
      {"smdy", SizeField::SMDPad_Y}, {"clearance", SizeField::FreistanzOffset}};
  for (const auto& [n, f] : kFields) {
    if (name == n) return f;
  }
  return std::nullopt;
}

// The words from `from` on, joined with one blank.
std::string wordsFrom(const std::vector<std::string>& words, std::size_t from) {
  std::string text;
  for (std::size_t i = from; i < words.size(); ++i) text += (i > from ? " " : "") + words[i];
  return text;
}

// The entry of an `answer value …` line: the words after `value` joined with one blank; double
// quotes around them keep blanks at the ends.
std::string valueOf(const std::vector<std::string>& words) {
  std::string value = wordsFrom(words, 2);
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
    value = value.substr(1, value.size() - 2);
  }
  return value;
}

class ScriptRun {
 public:
  ScriptRun(Document& doc, AppSettings& settings)
      : editor_(doc, settings, host_, host_), machine_(editor_) {
    macros_.asComponent = settings.optionen.Bauteil;
  }

  void run(const std::vector<std::string>& words);
  nlohmann::json trace(int line) const;
  // As the window does when it closes.
  void finish() { writeBackMacro(macros_); }
  // What the last line reported without stopping the script: the window would show it in a
  // message box.
  std::vector<std::string> takeNotes() { return std::exchange(notes_, {}); }

 private:
  DPoint screenOf(const std::string& x, const std::string& y) const {
    return worldToScreen(editor_.view(), DPoint{number(x), number(y)});
  }
  void pointer(const std::string& verb, const std::vector<std::string>& words);
  void drag(const std::vector<std::string>& words);
  void key(const std::vector<std::string>& words);
  void size(const std::vector<std::string>& words);
  void property(const std::vector<std::string>& words);
  void command(const std::vector<std::string>& words);
  void macro(const std::vector<std::string>& words);
  void generatorAnswer(const std::vector<std::string>& words);
  void componentList(const std::vector<std::string>& words);
  void backgroundTemplate(const std::vector<std::string>& words);
  void importGerber(const std::vector<std::string>& words);

  ScriptedWindow host_;
  MacroPanel macros_;
  bool macroUsed_ = false;
  std::string macroMessage_;  // what the last macro line reported
  Editor editor_;
  ToolMachine machine_;
  TemplatePictures templates_;  // the scanned copies of board `templatesBoard_`
  int templatesBoard_ = -1;
  std::vector<std::string> notes_;
};

void need(const std::vector<std::string>& words, std::size_t count) {
  if (words.size() < count) throw BadLine{fillIn(texts::scriptTooFewWords, {words[0]})};
}

void ScriptRun::run(const std::vector<std::string>& w) {
  const std::string& verb = w[0];
  Board& board = editor_.board();
  if (verb == "viewport") {
    need(w, 3);
    editor_.viewport = {std::max(1, whole(w[1])), std::max(1, whole(w[2]))};
  } else if (verb == "zoom") {
    need(w, 2);
    board.header.zoom = number(w[1]);
    if (!(board.header.zoom > 0)) throw BadLine{tr(texts::scriptZoomPositive)};
  } else if (verb == "scroll") {
    need(w, 3);
    board.header.scrollX = whole(w[1]);
    board.header.scrollY = whole(w[2]);
  } else if (verb == "board") {
    // As a click on the board's tab: the clipboard stays, so a copy can be pasted there.
    need(w, 2);
    const int index = whole(w[1]);
    if (index < 0 || index >= static_cast<int>(editor_.doc.boards.size())) {
      throw BadLine{fillIn(texts::scriptNoSuchBoard, {w[1]})};
    }
    machine_.chooseTool(ToolId::Edit);
    activateBoard(editor_.doc, index);
  } else if (verb == "tool") {
    need(w, 2);
    const auto id = toolByScriptName(w[1]);
    if (!id) throw BadLine{fillIn(texts::scriptUnknownTool, {w[1]})};
    machine_.chooseTool(*id);
  } else if (verb == "key") {
    key(w);
  } else if (verb == "type") {
    need(w, 2);
    for (std::size_t i = 1; i < w.size(); ++i) {
      for (const char c : w[i]) {
        machine_.keyDown({Key::Character, static_cast<unsigned char>(c), {}, false});
      }
    }
  } else if (verb == "press" || verb == "move" || verb == "release" || verb == "click" ||
             verb == "dblclick") {
    pointer(verb, w);
  } else if (verb == "drag") {
    drag(w);
  } else if (verb == "wheel") {
    need(w, 4);
    machine_.wheel(screenOf(w[1], w[2]), whole(w[3]));
  } else if (verb == "size") {
    size(w);
  } else if (verb == "property") {
    property(w);
  } else if (verb == "undo") {
    machine_.undo();
  } else if (verb == "redo") {
    machine_.redo();
  } else if (verb == "command") {
    command(w);
  } else if (verb == "answer" && w.size() > 1 && w[1] == "menu") {
    need(w, 3);
    const auto chosen = nodeCommandByScriptName(w[2]);
    if (!chosen) throw BadLine{fillIn(texts::scriptUnknownAnswer, {w[2]})};
    host_.menuAnswers.push_back(*chosen);
  } else if (verb == "answer" && w.size() > 1 && w[1] == "tile") {
    try {
      host_.tileAnswers.push_back([answer = parseTileAnswer(w)](const TileDialog& shown) {
        return std::optional<TileValues>(answer.applyTo(shown));
      });
    } catch (const BadTextAnswer& bad) {
      throw BadLine{bad.what()};
    }
  } else if (verb == "answer" && w.size() > 1 && (w[1] == "footprint" || w[1] == "shape")) {
    need(w, 3);
    generatorAnswer(w);
  } else if (verb == "answer" && w.size() > 1 && w[1] == "component") {
    try {
      host_.componentAnswers.push_back(
          [answer = parseComponentAnswer(w)](ComponentSession& s) { return answer.run(s); });
    } catch (const BadTextAnswer& bad) {
      throw BadLine{bad.what()};
    }
  } else if (verb == "answer" && w.size() > 1 && w[1] == "value") {
    host_.valueAnswers.push_back(valueOf(w));
  } else if (verb == "macro") {
    macro(w);
  } else if (verb == "parts") {
    componentList(w);
  } else if (verb == "template") {
    backgroundTemplate(w);
  } else if (verb == "import-gerber") {
    importGerber(w);
  } else if (verb == "rectangle") {
    need(w, 2);
    if (w[1] != "track" && w[1] != "zone") throw BadLine{fillIn(texts::scriptUnknownWord, {w[1]})};
    editor_.drawing.rectangleZone = w[1] == "zone";
  } else if (verb == "photo") {
    // The side of the photo view, the option that changes where clicks zoom; the others change
    // only the picture.
    need(w, 3);
    if (w[1] != "side") throw BadLine{fillIn(texts::scriptUnknownWord, {w[1]})};
    if (w[2] != "top" && w[2] != "bottom") throw BadLine{fillIn(texts::scriptUnknownWord, {w[2]})};
    PhotoOptions options = editor_.photo;
    options.side = w[2] == "top" ? PhotoSide::Top : PhotoSide::Bottom;
    setPhotoOptions(editor_, options);
  } else if (verb == "cutout") {
    need(w, 3);
    if (w[1] != "zone" && w[1] != "rect") throw BadLine{fillIn(texts::scriptUnknownWord, {w[1]})};
    if (!setCutoutMode(editor_, machine_, w[1] == "zone", whole(w[2]) != 0)) {
      throw BadLine{fillIn(texts::scriptCommandNotAvailable, {w[0] + " " + w[1]})};
    }
  } else if (verb == "answer" && isTextAnswer(w)) {
    try {
      host_.textAnswers.push_back([answer = parseTextAnswer(w)](const TextDialogValues& shown) {
        return std::optional<TextDialogValues>(answer.applyTo(shown));
      });
    } catch (const BadTextAnswer& bad) {
      throw BadLine{bad.what()};
    }
  } else if (verb == "answer") {
    need(w, 2);
    static const std::pair<const char*, Answer> kAnswers[] = {
        {"yes", Answer::Yes}, {"no", Answer::No}, {"cancel", Answer::Cancel}, {"ok", Answer::Ok}};
    bool known = false;
    for (const auto& [n, a] : kAnswers) {
      if (w[1] == n) {
        host_.answers.push_back(a);
        known = true;
      }
    }
    if (!known) throw BadLine{fillIn(texts::scriptUnknownAnswer, {w[1]})};
  } else {
    throw BadLine{fillIn(texts::scriptUnknownCommand, {verb})};
  }
}

void ScriptRun::pointer(const std::string& verb, const std::vector<std::string>& w) {
  need(w, 3);
  const Options o = optionsOf(w, 3);
  const PointerEvent e{screenOf(w[1], w[2]), o.button, o.modifiers};
  if (verb == "press" || verb == "click" || verb == "dblclick") machine_.press(e);
  if (verb == "move") machine_.move(e);
  if (verb == "release" || verb == "click" || verb == "dblclick") machine_.release(e);
  if (verb == "dblclick") {
    machine_.doubleClick(e);
    machine_.release(e);
  }
}

void ScriptRun::drag(const std::vector<std::string>& w) {
  need(w, 5);
  const Options o = optionsOf(w, 5);
  const DPoint from{number(w[1]), number(w[2])};
  const DPoint to{number(w[3]), number(w[4])};
  const auto at = [&](double t) {
    return worldToScreen(editor_.view(),
                         DPoint{from.x + (to.x - from.x) * t, from.y + (to.y - from.y) * t});
  };
  machine_.press({at(0), o.button, o.modifiers});
  for (int i = 1; i <= o.steps; ++i) {
    machine_.move({at(static_cast<double>(i) / o.steps), o.button, o.modifiers});
  }
  machine_.release({at(1), o.button, o.modifiers});
}

void ScriptRun::key(const std::vector<std::string>& w) {
  need(w, 2);
  const Options o = optionsOf(w, 2);
  KeyEvent e{Key::Character, 0, o.modifiers, o.repeat};
  if (const auto k = keyNamed(w[1])) {
    e.key = *k;
  } else if (w[1].size() == 1) {
    e.character = static_cast<unsigned char>(w[1][0]);
  } else {
    throw BadLine{fillIn(texts::scriptUnknownKey, {w[1]})};
  }
  machine_.keyDown(e);
  machine_.keyUp(e);
}

void ScriptRun::size(const std::vector<std::string>& w) {
  need(w, 3);
  ObjectList& objects = editor_.board().objects;
  SizeFields& sizes = editor_.sizes;
  editor_.beginChange();
  bool changed = false;
  if (w[1] == "shape") {
    const int shape = whole(w[2]);
    if (shape < kPadCircular || shape > kPadRectangleV) throw BadLine{tr(texts::scriptPadShape)};
    changed = changePadShape(sizes, shape, objects);
  } else if (w[1] == "through") {
    changed = changeThroughPad(sizes, whole(w[2]) != 0, objects);
  } else if (const auto field = sizeFieldNamed(w[1])) {
    changed = changeSizeField(sizes, *field, static_cast<int>(mmToUnits(number(w[2]))), objects);
  } else {
    editor_.revertGesture();
    throw BadLine{fillIn(texts::scriptUnknownSizeField, {w[1]})};
  }
  if (changed) {
    editor_.commitGesture();
  } else {
    editor_.revertGesture();
  }
}

// One field of the properties panel, as if typed there: one undo step when it changes anything.
// A text field takes the rest of the line.
void ScriptRun::property(const std::vector<std::string>& w) {
  need(w, 3);
  const auto field = propertyByScriptName(w[1]);
  if (!field) throw BadLine{fillIn(texts::scriptUnknownProperty, {w[1]})};
  PropertyInput input;
  if (propertyInfo(*field).isText) {
    input.text = w[2];
    for (std::size_t i = 3; i < w.size(); ++i) input.text += " " + w[i];
  } else {
    input.number = number(w[2]);
  }
  applyProperty(editor_, *field, input);
  editor_.commitGesture();
}

// A tool button chooses its tool; any other control runs its catalogue command as the window
// does, with the modifier keys given after the name.
// `answer footprint TYPE field=value …` and `answer shape TYPE field=value …`: the next wizard or
// special shapes dialog shows that type or page, takes the fields in order and is left with OK.
// The words are checked now and applied to what the dialog shows.
void ScriptRun::generatorAnswer(const std::vector<std::string>& w) {
  try {
    if (w[1] == "footprint") {
      const FootprintType type = footprintTypeNamed(w[2]);
      FootprintValues check;
      applyFootprintFields(w, 3, check);
      host_.footprintAnswers.push_back([w, type](FootprintDialog& dialog) {
        dialog.values.type = type;
        applyFootprintFields(w, 3, dialog.values);
        dialog.refresh(dialog.values);
        return true;
      });
      return;
    }
    ShapeValues check;
    check.kind = shapeKindNamed(w[2]);
    const BoardHeader anyBoard;
    applyShapeFields(w, 3, check, &anyBoard);
    host_.shapeAnswers.push_back([this, w, kind = check.kind](ShapeDialog& dialog) {
      dialog.values.kind = kind;
      applyShapeFields(w, 3, dialog.values, dialog.board);
      return shapeAccepted(dialog, host_);
    });
  } catch (const BadTextAnswer& bad) {
    throw BadLine{bad.what()};
  }
}

void ScriptRun::command(const std::vector<std::string>& w) {
  need(w, 2);
  const std::string& name = w[1];
  for (const ToolInfo& t : toolTable()) {
    if (name == t.button) {
      machine_.chooseTool(t.id);
      return;
    }
  }
  const auto control = controlNamed(name);
  if (!control) throw BadLine{fillIn(texts::scriptUnknownControl, {name})};
  const CommandId id = controlInfo(*control).command;
  if (!isBuilt(id)) throw BadLine{fillIn(texts::scriptCommandNotBuilt, {name})};
  if (!runEditorCommand(editor_, machine_, id, optionsOf(w, 2).modifiers)) {
    throw BadLine{fillIn(texts::scriptCommandNotAvailable, {name})};
  }
}

// The macro panel: `macro select FILE`, `side top|bottom`, `rotate`, `component 1|0`,
// `vias 1|0`, `line 1|2 TEXT`, `drop X Y [ctrl]`, `save FILE`, `delete`, `rename PATH NAME`,
// `edit` (the component dialog on the macro, answered by `answer component`).
void ScriptRun::macro(const std::vector<std::string>& w) {
  need(w, 2);
  macroUsed_ = true;
  const std::size_t shown = host_.messages.size();
  const std::string& what = w[1];
  if (what == "select") {
    need(w, 3);
    if (const auto problem = selectMacroFile(macros_, wordsFrom(w, 2), currentLanguage())) {
      host_.showMessage(*problem, "", MessageIcon::Warning);
    }
  } else if (what == "side") {
    need(w, 3);
    if (w[2] != "top" && w[2] != "bottom") throw BadLine{fillIn(texts::scriptUnknownWord, {w[2]})};
    setMacroSide(macros_, w[2] == "top");
  } else if (what == "rotate") {
    rotatePanelMacro(macros_, editor_.settings.optionen.BezWertFlip);
  } else if (what == "component") {
    need(w, 3);
    setMacroAsComponent(macros_, whole(w[2]) != 0);
    editor_.settings.optionen.Bauteil = macros_.asComponent;
  } else if (what == "vias") {
    need(w, 3);
    macros_.throughPads = whole(w[2]) != 0;
  } else if (what == "line") {
    need(w, 3);
    setMacroLine(macros_, whole(w[2]) == 2 ? 2 : 1, utf8ToWindows1252(wordsFrom(w, 3)));
  } else if (what == "drop") {
    need(w, 4);
    dropPanelMacro(editor_, macros_, {number(w[2]), number(w[3])}, optionsOf(w, 4).modifiers.ctrl);
  } else if (what == "save") {
    need(w, 3);
    if (confirmMacroSave(editor_)) saveSelectionAsMacro(editor_, macros_, wordsFrom(w, 2));
  } else if (what == "delete") {
    deletePanelMacro(editor_, macros_);
  } else if (what == "edit") {
    editMacroComponent(editor_, macros_);
  } else if (what == "rename") {
    need(w, 4);
    renameMacroNode(editor_, macros_, w[2], wordsFrom(w, 3));
  } else {
    throw BadLine{fillIn(texts::scriptUnknownWord, {what})};
  }
  macroMessage_ = host_.messages.size() > shown ? host_.messages.back() : "";
}

// The component list panel, rows counted from 1 as it shows them: `parts select ROW`,
// `parts name ROW TEXT`, `parts value ROW TEXT` (in-place edits), `parts open ROW` (a double
// click: the component dialog, answered by `answer component` lines).
void ScriptRun::componentList(const std::vector<std::string>& w) {
  need(w, 3);
  const std::vector<ComponentListEntry> list = pravelo::componentList(editor_.board().objects);
  const int row = whole(w[2]);
  if (row < 1 || row > static_cast<int>(list.size())) {
    throw BadLine{fillIn(texts::scriptNoSuchListRow, {w[2]})};
  }
  const int component = list[static_cast<std::size_t>(row - 1)].component;
  if (w[1] == "select") {
    selectListedComponent(editor_, component);
  } else if (w[1] == "name" || w[1] == "value") {
    const auto cell = w[1] == "name" ? ComponentListCell::Name : ComponentListCell::Value;
    editComponentListCell(editor_, component, cell, utf8ToWindows1252(wordsFrom(w, 3)));
  } else if (w[1] == "open") {
    editComponentCommand(editor_, component);
  } else {
    throw BadLine{fillIn(texts::scriptUnknownWord, {w[1]})};
  }
}

// A colour written RRGGBB, as the header keeps it: 0x00BBGGRR.
std::int32_t tintOf(const std::string& word) {
  const std::optional<Rgb> c = hexColour(word);
  if (!c) throw BadLine{fillIn(texts::scriptTemplateTint, {word})};
  return c->r | (c->g << 8) | (c->b << 16);
}

// The scanned-copy dialog: `template load 1|2 FILE`, `template remove 1|2`, `template show 1|2
// 1|0`, `template dpi 1|2 N`, `template offset 1|2 X Y` (tenths of a millimetre) and `template
// tint 1|2 RRGGBB`. The active board's scans are read when a line first needs them, as
// activating the board in the window does. A refused value stops the script.
void ScriptRun::backgroundTemplate(const std::vector<std::string>& w) {
  need(w, 3);
  const int side = whole(w[2]);
  if (side != 1 && side != 2) throw BadLine{fillIn(texts::scriptTemplateSide, {w[2]})};
  Document& doc = editor_.doc;
  BoardHeader& header = editor_.board().header;
  if (templatesBoard_ != doc.activeBoard) {
    const std::size_t before = host_.messages.size();
    reloadTemplates(header, templates_, doc.fileName, host_);
    notes_.insert(notes_.end(), host_.messages.begin() + static_cast<std::ptrdiff_t>(before),
                  host_.messages.end());
    templatesBoard_ = doc.activeBoard;
  }
  const std::string& what = w[1];
  BoardHeader changed = header;
  auto set = [&](TemplateSetting setting, std::int32_t value) {
    return setTemplateSetting(changed, templates_, side, setting, value, host_);
  };
  const std::size_t before = host_.messages.size();
  bool done = true;
  if (what == "load") {
    need(w, 4);
    done = loadTemplate(changed, templates_, side, wordsFrom(w, 3), doc.fileName, host_);
  } else if (what == "remove") {
    removeTemplate(changed, templates_, side);
  } else if (what == "show") {
    need(w, 4);
    done = set(TemplateSetting::Shown, whole(w[3]) != 0);
  } else if (what == "dpi") {
    need(w, 4);
    done = set(TemplateSetting::Dpi, whole(w[3]));
  } else if (what == "offset") {
    need(w, 5);
    done = set(TemplateSetting::OffsetX, whole(w[3])) && set(TemplateSetting::OffsetY, whole(w[4]));
  } else if (what == "tint") {
    need(w, 4);
    done = set(TemplateSetting::Tint, tintOf(w[3]));
  } else {
    throw BadLine{fillIn(texts::scriptUnknownWord, {what})};
  }
  if (!done) throw BadLine{host_.messages.size() > before ? host_.messages.back() : what};
  header = changed;
  doc.modified = true;
}

// The Gerber import dialog: `import-gerber new|current LAYER=FILE ... [--drill FILE]
// [--format I:D] [--inch|--mm] [--zeros none|leading|trailing|decimal] [--no-vias]
// [--no-optimize]` with "Create new board" or "Use current board" (which asks before emptying a
// board with objects: queue `answer ok`). A file that cannot be read fails the line with the
// dialog's message, and the document stays as it was.
void ScriptRun::importGerber(const std::vector<std::string>& w) {
  need(w, 3);
  if (w[1] != "new" && w[1] != "current") throw BadLine{fillIn(texts::scriptUnknownWord, {w[1]})};
  ImportGerberRequest words;
  for (std::size_t i = 2; i < w.size(); ++i) {
    const std::string& word = w[i];
    const auto value = [&] {
      if (i + 1 >= w.size()) throw BadLine{fillIn(texts::scriptTooFewWords, {word})};
      return w[++i];
    };
    if (word == "--drill") {
      words.drill = value();
    } else if (word == "--format") {
      words.format = value();
    } else if (word == "--zeros") {
      words.zeros = value();
      if (words.zeros != "none" && words.zeros != "leading" && words.zeros != "trailing" &&
          words.zeros != "decimal") {
        throw BadLine{fillIn(texts::scriptUnknownWord, {words.zeros})};
      }
    } else if (word == "--inch") {
      words.mm = false;
    } else if (word == "--mm") {
      words.mm = true;
    } else if (word == "--no-vias") {
      words.noVias = true;
    } else if (word == "--no-optimize") {
      words.noOptimize = true;
    } else if (word.starts_with("--")) {
      throw BadLine{fillIn(texts::scriptUnknownWord, {word})};
    } else {
      words.slots.push_back(word);
    }
  }
  GerberImportRequest request;
  std::ostringstream notes;
  if (const auto problem = gerberImportRequest(words, request, notes, currentLanguage())) {
    throw BadLine{*problem};
  }
  if (!notes.str().empty()) host_.showMessage(notes.str(), "", MessageIcon::Information);
  machine_.chooseTool(ToolId::Edit);
  const std::size_t shown = host_.messages.size();
  if (runGerberImport(editor_.doc, request, w[1] == "new", host_, editor_.undoDepth()) ==
      ImportOutcome::KeepDialogOpen) {
    throw BadLine{host_.messages.size() > shown ? host_.messages.back() : std::string()};
  }
}

nlohmann::json ScriptRun::trace(int line) const {
  const Board& board = editor_.board();
  nlohmann::json selected = nlohmann::json::array();
  for (std::size_t i = 0; i < board.objects.size(); ++i) {
    if (board.objects[i]->selected) selected.push_back(i);
  }
  const Text* help = machine_.help();
  nlohmann::json result = {{"line", line},
                           {"tool", toolInfo(machine_.tool()).scriptName},
                           {"help", help ? tr(*help) : ""},
                           {"selected", selected},
                           {"undo", board.undoStack.size()},
                           {"redo", board.redoStack.size()},
                           {"modified", editor_.doc.modified},
                           {"objects", board.objects.size()}};
  // The objects of the last test click while the Test tool shows them.
  if (const auto* test = dynamic_cast<const TestTool*>(&machine_.currentTool())) {
    std::vector<int> tested = test->tested();
    std::sort(tested.begin(), tested.end());
    result["tested"] = tested;
  }
  // The rows of the box while a measurement is shown.
  const CrosshairOverlay& overlay = editor_.crosshair;
  if (overlay.shown && overlay.mode == OverlayMode::Measuring) {
    nlohmann::json rows = nlohmann::json::array();
    for (const BoxRowText& row : boxRowTexts(overlay, userOrigin(board.header), editor_.unit())) {
      rows.push_back(row.label + " " + row.value);
    }
    result["measure"] = rows;
  }
  if (macroUsed_) {
    result["macro"] = {{"file", macros_.file.filename().string()},
                       {"objects", macros_.macro.size()},
                       {"side", macros_.top ? "TOP" : "BOT"},
                       {"component", macros_.asComponent},
                       {"vias", macros_.throughPads},
                       {"modified", macros_.modified},
                       {"line1", windows1252ToUtf8(macros_.line1)},
                       {"line2", windows1252ToUtf8(macros_.line2)},
                       {"message", macroMessage_}};
  }
  return result;
}

AppSettings scriptSettings(const std::string& file, Language language) {
  AppSettings settings = defaultSettings(AppFolders{}, language);
  if (!file.empty()) readSettings(SettingsStore(file), settings);
  return settings;
}

}  // namespace

CLI::App* addEditCommand(CLI::App& app, EditRequest& request, Language language) {
  CLI::App* edit = app.add_subcommand("edit", tr(texts::cliEditHelp, language));
  edit->fallthrough();
  edit->add_option("IN", request.input, tr(texts::cliInputHelp, language))->required();
  edit->add_option("OUT", request.output, tr(texts::cliOutputHelp, language))->required();
  edit->add_option("--script", request.script, tr(texts::cliScriptHelp, language))->required();
  edit->add_option("--board", request.board, tr(texts::cliEditBoardHelp, language));
  edit->add_option("--settings", request.settingsFile, tr(texts::cliSettingsHelp, language));
  edit->add_flag("--trace", request.trace, tr(texts::cliTraceHelp, language));
  return edit;
}

int runEdit(Document& doc, const EditRequest& request, std::ostream& out, std::ostream& err,
            Language language) {
  if (request.board >= 0) {
    if (request.board >= static_cast<int>(doc.boards.size())) {
      err << tr(texts::cliEditNoSuchBoard, language) << request.board << "\n";
      return kExitUsage;
    }
    doc.activeBoard = request.board;
  }
  std::ifstream script(request.script, std::ios::binary);
  if (!script) {
    err << request.script << ": " << tr(texts::cliScriptUnreadable, language) << "\n";
    return kExitBadInput;
  }
  // The tools' texts (help lines, questions) come in the language of the run, for this command
  // only.
  struct RunLanguage {
    Language before = currentLanguage();
    explicit RunLanguage(Language language) { setLanguage(language); }
    ~RunLanguage() { setLanguage(before); }
  } runLanguage(language);
  AppSettings settings = scriptSettings(request.settingsFile, language);
  ScriptRun run(doc, settings);
  std::string line;
  for (int number = 1; std::getline(script, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (const auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
    const std::vector<std::string> words = wordsOf(line);
    if (words.empty()) continue;
    const auto report = [&](const std::string& why) {
      err << request.script << ":" << number << ": " << why << "\n";
    };
    try {
      run.run(words);
    } catch (const BadLine& bad) {
      for (const std::string& note : run.takeNotes()) report(note);
      report(bad.why);
      return kExitUsage;
    }
    for (const std::string& note : run.takeNotes()) report(note);
    if (request.trace) out << run.trace(number).dump() << "\n";
  }
  run.finish();
  return writeLayoutOutput(doc, request.output, err, language);
}

}  // namespace pravelo
