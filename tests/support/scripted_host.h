#pragma once

#include <deque>
#include <string>
#include <vector>

#include "base/host.h"

namespace pravelo::testing {

// A host that records every message and question and answers questions from a script.
class ScriptedHost : public Host {
 public:
  struct Shown {
    std::string text;
    std::string title;
    MessageIcon icon;
  };

  std::deque<Answer> answers;  // consumed in order; an empty script answers Cancel
  std::vector<Shown> messages;
  std::vector<Shown> questions;

  void showMessage(const std::string& text, const std::string& title, MessageIcon icon) override {
    messages.push_back({text, title, icon});
  }

  Answer ask(const std::string& text, const std::string& title, Buttons,
             MessageIcon icon) override {
    questions.push_back({text, title, icon});
    if (answers.empty()) return Answer::Cancel;
    const Answer a = answers.front();
    answers.pop_front();
    return a;
  }
};

}  // namespace pravelo::testing
