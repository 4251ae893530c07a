#pragma once

#include <map>
#include <optional>
#include <string_view>
#include <vector>

namespace pravelo {

// The variables $1, $2, ... of one aperture macro instance; an undefined one reads as 0.
using MacroVariables = std::map<int, double>;

// An arithmetic expression of an aperture macro, compiled to postfix order so that evaluating it
// needs no recursion. The usual precedence holds: "x" and "X" (multiplication) and "/" bind
// tighter than "+" and "-", brackets group, and a sign may stand before any operand.
class MacroExpression {
 public:
  // Nothing when `text` is not a well-formed expression or nests brackets too deeply.
  static std::optional<MacroExpression> compile(std::string_view text);

  // Division by 0 gives 0. `steps` grows by the work done, for the reader's budget.
  double evaluate(const MacroVariables& variables, long long& steps) const;

  std::size_t size() const { return ops_.size(); }

 private:
  enum class Op : unsigned char { Number, Variable, Negate, Add, Subtract, Multiply, Divide };
  struct Step {
    Op op;
    double number;  // Number
    int variable;   // Variable
  };
  friend class MacroExpressionParser;
  std::vector<Step> ops_;
};

}  // namespace pravelo
