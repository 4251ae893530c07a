#pragma once

#include "base/host.h"

class QWidget;

namespace pravelo {

// Message boxes and questions as Qt message boxes over the main window.
class QtHost : public Host {
 public:
  explicit QtHost(QWidget* parent) : parent_(parent) {}

  void showMessage(const std::string& text, const std::string& title, MessageIcon icon) override;
  Answer ask(const std::string& text, const std::string& title, Buttons buttons,
             MessageIcon icon) override;

 private:
  QWidget* parent_;
};

}  // namespace pravelo
