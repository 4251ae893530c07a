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
  std::deque<NodeCommand> menuAnswers;        // the entries chosen in the next node menus
  std::vector<std::string> messages;          // messages and questions
  std::vector<TextDialogValues> textDialogs;  // what each opened text dialog showed
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
  void repaintAll() override {}
  void repaintWorld(const TRect&) override {}
  void viewChanged() override {}
  void overlayChanged() override {}
  void setCursor(Cursor) override {}
};

}  // namespace pravelo
