#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "editing/editor_host.h"
#include "editing/repaint_sink.h"

namespace pravelo {

// A window without a screen, for edit scripts, tests and benchmarks: questions and the text
// dialog are answered from queues (an empty queue cancels, as closing the box would), messages
// are kept in order, repaints are ignored.
class ScriptedWindow : public EditorHost, public RepaintSink {
 public:
  // Fills in the text dialog as it is shown, or nothing for Cancel.
  using TextDialogAnswer =
      std::function<std::optional<TextDialogValues>(const TextDialogValues& shown)>;

  std::deque<Answer> answers;
  std::deque<TextDialogAnswer> textAnswers;
  std::deque<NodeCommand> menuAnswers;    // the entries chosen in the next node menus
  std::deque<std::string> valueAnswers;   // what is entered in the next value prompts
  std::vector<std::string> valuePrompts;  // what each value prompt proposed
  // Fill in the next tile dialogs as they are shown, or answer nothing for Cancel.
  std::deque<std::function<std::optional<TileValues>(const TileDialog&)>> tileAnswers;
  std::vector<TileValues> tileDialogs;  // what each opened tile dialog showed
  // Work the next footprint wizards and special shapes dialogs: change the shown values and
  // tell whether OK was pressed. None left cancels (after the wizard refreshed once, as showing
  // it does).
  std::deque<std::function<bool(FootprintDialog&)>> footprintAnswers;
  std::deque<std::function<bool(ShapeDialog&)>> shapeAnswers;
  // Work the next component dialogs as they are shown; none left cancels.
  std::deque<std::function<ComponentDialogEnd(ComponentSession&)>> componentAnswers;
  std::vector<ComponentFields> componentDialogs;  // what each opened component dialog showed
  std::vector<std::string> messages;              // messages and questions
  std::vector<TextDialogValues> textDialogs;      // what each opened text dialog showed
  int contextMenus = 0;
  std::vector<NodeMenuState> nodeMenus;  // what each opened node menu enabled

  // Queues OK with exactly these values.
  void answerTextDialog(const TextDialogValues& values) {
    textAnswers.push_back([values](const TextDialogValues&) { return values; });
  }

  void showMessage(const std::string& text, const std::string&, MessageIcon) override {
    messages.push_back(text);
  }
  Answer ask(const std::string& text, const std::string&, Buttons, MessageIcon) override {
    messages.push_back(text);
    if (answers.empty()) return Answer::Cancel;
    const Answer a = answers.front();
    answers.pop_front();
    return a;
  }
  void showContextMenu(DPoint) override { ++contextMenus; }
  std::optional<NodeCommand> showNodeMenu(DPoint, const NodeMenuState& state) override {
    nodeMenus.push_back(state);
    if (menuAnswers.empty()) return std::nullopt;
    const NodeCommand chosen = menuAnswers.front();
    menuAnswers.pop_front();
    return chosen;
  }
  std::optional<TextDialogValues> showTextDialog(const TextDialogValues& shown) override {
    textDialogs.push_back(shown);
    if (textAnswers.empty()) return std::nullopt;
    const TextDialogAnswer answer = std::move(textAnswers.front());
    textAnswers.pop_front();
    return answer(shown);
  }
  std::optional<std::string> askValue(const std::string&, const std::string& proposal) override {
    valuePrompts.push_back(proposal);
    if (valueAnswers.empty()) return std::nullopt;
    std::string entered = std::move(valueAnswers.front());
    valueAnswers.pop_front();
    return entered;
  }
  std::optional<TileValues> showTileDialog(const TileDialog& dialog) override {
    tileDialogs.push_back(dialog.values);
    if (tileAnswers.empty()) return std::nullopt;
    const auto answer = std::move(tileAnswers.front());
    tileAnswers.pop_front();
    return answer(dialog);
  }
  bool showFootprintDialog(FootprintDialog& dialog) override {
    dialog.refresh(dialog.values);
    if (footprintAnswers.empty()) return false;
    const auto answer = std::move(footprintAnswers.front());
    footprintAnswers.pop_front();
    return answer(dialog);
  }
  bool showShapeDialog(ShapeDialog& dialog) override {
    if (shapeAnswers.empty()) return false;
    const auto answer = std::move(shapeAnswers.front());
    shapeAnswers.pop_front();
    return answer(dialog);
  }
  ComponentDialogEnd showComponentDialog(ComponentSession& session) override {
    componentDialogs.push_back(session.fields());
    if (componentAnswers.empty()) return ComponentDialogEnd::Cancel;
    const auto answer = std::move(componentAnswers.front());
    componentAnswers.pop_front();
    return answer(session);
  }
  void repaintAll() override {}
  void repaintWorld(const TRect&) override {}
  void viewChanged() override {}
  void overlayChanged() override {}
  void setCursor(Cursor) override {}
};

}  // namespace pravelo
