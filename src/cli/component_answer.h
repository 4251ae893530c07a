#pragma once

#include <functional>
#include <string>
#include <vector>

#include "editing/component_dialog.h"

namespace pravelo {

// What an edit script's `answer component name=value … [align] [ok|cancel|disintegrate]` line
// does to the next component dialog: each named field is changed in turn as if typed there, so
// the labels follow at once; `align` presses "Align text automatically"; the last word closes
// the dialog (OK when there is none), `disintegrate` asking its question first.
struct ComponentAnswer {
  std::vector<std::function<void(ComponentSession&)>> steps;
  ComponentDialogEnd end = ComponentDialogEnd::Ok;

  ComponentDialogEnd run(ComponentSession& session) const;
};

// Reads the words after `answer component`; throws BadTextAnswer on a bad field. A value in
// double quotes may hold blanks (comment="top side").
ComponentAnswer parseComponentAnswer(const std::vector<std::string>& words);

}  // namespace pravelo
