#pragma once

#include <string>

namespace pravelo {

enum class MessageIcon { None, Information, Warning, Error, Question };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

// What the core asks of the user interface: message boxes and questions. The Qt main window
// implements it; tests script the answers. Texts are UTF-8.
class Host {
 public:
  virtual ~Host() = default;

  virtual void showMessage(const std::string& text, const std::string& title, MessageIcon icon) = 0;
  virtual Answer ask(const std::string& text, const std::string& title, Buttons buttons,
                     MessageIcon icon) = 0;
};

}  // namespace pravelo
