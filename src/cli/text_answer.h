#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "editing/text_dialog_values.h"

namespace pravelo {

// What an edit script's `answer text=… height=… …` line does to the next text dialog: each
// named field is set, the others keep what the dialog shows.
struct TextAnswer {
  std::vector<std::function<void(TextDialogValues&)>> fields;

  TextDialogValues applyTo(TextDialogValues shown) const {
    for (const auto& set : fields) set(shown);
    return shown;
  }
};

// A line that is not a text answer: an unknown field or a value its field cannot take.
struct BadTextAnswer : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Whether the words after `answer` answer the text dialog (they are `name=value` pairs).
bool isTextAnswer(const std::vector<std::string>& words);

// Reads the `name=value` words after `answer`. A value in double quotes may hold blanks
// (text="R 1"); the script's words are joined with one blank.
TextAnswer parseTextAnswer(const std::vector<std::string>& words);

}  // namespace pravelo
