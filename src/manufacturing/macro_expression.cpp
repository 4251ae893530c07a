#include "manufacturing/macro_expression.h"

#include <cmath>

#include "manufacturing/gerber_format.h"

namespace pravelo {

// Brackets deeper than this are refused, so that hostile input cannot exhaust the stack.
constexpr int kMacroBracketDepth = 64;
// Variable numbers beyond this are refused rather than kept.
constexpr int kMacroHighestVariable = 9999;

// Recursive descent over the grammar
//   sum := product { ("+" | "-") product }
//   product := factor { ("x" | "X" | "/") factor }
//   factor := ("+" | "-") factor | "(" sum ")" | number | "$" digits
class MacroExpressionParser {
 public:
  explicit MacroExpressionParser(std::string_view text) : text_(text) {}

  bool parse(MacroExpression& out) {
    out_ = &out;
    if (!sum(0)) return false;
    skipBlanks();
    return at_ == text_.size() && !out.ops_.empty();
  }

 private:
  using Op = MacroExpression::Op;

  void skipBlanks() {
    while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t')) ++at_;
  }
  char peek() {
    skipBlanks();
    return at_ < text_.size() ? text_[at_] : '\0';
  }
  void emit(Op op, double number = 0, int variable = 0) {
    out_->ops_.push_back({op, number, variable});
  }

  bool sum(int depth) {
    if (!product(depth)) return false;
    for (char c = peek(); c == '+' || c == '-'; c = peek()) {
      ++at_;
      if (!product(depth)) return false;
      emit(c == '+' ? Op::Add : Op::Subtract);
    }
    return true;
  }

  bool product(int depth) {
    if (!factor(depth)) return false;
    for (char c = peek(); c == 'x' || c == 'X' || c == '/'; c = peek()) {
      ++at_;
      if (!factor(depth)) return false;
      emit(c == '/' ? Op::Divide : Op::Multiply);
    }
    return true;
  }

  bool factor(int depth) {
    if (depth > kMacroBracketDepth) return false;
    const char c = peek();
    if (c == '+' || c == '-') {
      ++at_;
      if (!factor(depth + 1)) return false;
      if (c == '-') emit(Op::Negate);
      return true;
    }
    if (c == '(') {
      ++at_;
      if (!sum(depth + 1) || peek() != ')') return false;
      ++at_;
      return true;
    }
    if (c == '$') {
      ++at_;
      int n = 0;
      const std::size_t start = at_;
      while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9') {
        n = n * 10 + (text_[at_++] - '0');
        if (n > kMacroHighestVariable) return false;
      }
      if (at_ == start) return false;
      emit(Op::Variable, 0, n);
      return true;
    }
    const std::size_t start = at_;
    while (at_ < text_.size() && ((text_[at_] >= '0' && text_[at_] <= '9') || text_[at_] == '.')) {
      ++at_;
    }
    double value = 0;
    if (!parseGerberDecimal(text_.substr(start, at_ - start), value)) return false;
    emit(Op::Number, value);
    return true;
  }

  std::string_view text_;
  std::size_t at_ = 0;
  MacroExpression* out_ = nullptr;
};

std::optional<MacroExpression> MacroExpression::compile(std::string_view text) {
  MacroExpression e;
  MacroExpressionParser parser(text);
  if (!parser.parse(e)) return std::nullopt;
  return e;
}

double MacroExpression::evaluate(const MacroVariables& variables, long long& steps) const {
  std::vector<double> stack;
  stack.reserve(ops_.size());
  steps += static_cast<long long>(ops_.size());
  for (const Step& s : ops_) {
    switch (s.op) {
      case Op::Number:
        stack.push_back(s.number);
        continue;
      case Op::Variable: {
        const auto found = variables.find(s.variable);
        stack.push_back(found == variables.end() ? 0.0 : found->second);
        continue;
      }
      case Op::Negate:
        stack.back() = -stack.back();
        continue;
      default:
        break;
    }
    const double right = stack.back();
    stack.pop_back();
    double& left = stack.back();
    if (s.op == Op::Add) left += right;
    if (s.op == Op::Subtract) left -= right;
    if (s.op == Op::Multiply) left *= right;
    if (s.op == Op::Divide) left = right == 0 ? 0 : left / right;
  }
  // Overflowing arithmetic gives 0 rather than an infinite size.
  return std::isfinite(stack.back()) ? stack.back() : 0.0;
}

}  // namespace pravelo
