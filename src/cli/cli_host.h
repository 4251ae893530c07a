#pragma once

#include <ostream>
#include <string>

#include "base/host.h"

namespace pravelo {

// Messages go to the error stream and count as a failure; files are replaced without asking,
// as every command does.
class CliHost final : public Host {
 public:
  explicit CliHost(std::ostream& err) : err_(err) {}
  void showMessage(const std::string& text, const std::string&, MessageIcon) override {
    err_ << text << "\n";
    failed = true;
  }
  Answer ask(const std::string&, const std::string&, Buttons, MessageIcon) override {
    return Answer::Ok;
  }
  bool failed = false;

 private:
  std::ostream& err_;
};

}  // namespace pravelo
