#include "manufacturing/macro_expression.h"

#include <gtest/gtest.h>

#include <string>

namespace pravelo {
namespace {

struct ExpressionCase {
  const char* text;
  double expected;
};

// $1 = 2, $2 = 3, $3 undefined.
// clang-format off
const ExpressionCase kExpressionCases[] = {
  {"1.5", 1.5},
  {"$1", 2},
  {"$3", 0},                 // undefined variables read as 0
  {"1+2x3", 7},              // multiplication before addition
  {"1+2X3", 7},              // either letter multiplies
  {"$1x$2-1", 5},
  {"10-2x3", 4},
  {"(1+2)x3", 9},
  {"-$1+5", 3},              // unary minus
  {"$2x-2", -6},
  {"8/2/2", 2},              // division from left to right
  {"1/0", 0},                // division by zero gives 0
  {"((($1)))", 2},
  {"$1/4x2", 1},
  {"2-3-4", -5},
};
// clang-format on

TEST(MacroExpression, UsualPrecedenceBracketsAndSigns) {
  const MacroVariables variables = {{1, 2.0}, {2, 3.0}};
  for (const ExpressionCase& c : kExpressionCases) {
    SCOPED_TRACE(c.text);
    const auto e = MacroExpression::compile(c.text);
    ASSERT_TRUE(e.has_value());
    long long steps = 0;
    EXPECT_DOUBLE_EQ(e->evaluate(variables, steps), c.expected);
    EXPECT_GT(steps, 0);
  }
}

TEST(MacroExpression, MalformedTextIsRefused) {
  for (const char* text : {"", "1+", "(1", "1)", "$", "$x", "1..2", "abc", "1 2", "$99999"}) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(MacroExpression::compile(text).has_value());
  }
}

TEST(MacroExpression, DeepBracketsAreRefusedWithoutExhaustingTheStack) {
  const std::string deep = std::string(100000, '(') + "1" + std::string(100000, ')');
  EXPECT_FALSE(MacroExpression::compile(deep).has_value());
  const std::string signs = std::string(100000, '-') + "1";
  EXPECT_FALSE(MacroExpression::compile(signs).has_value());
  const std::string fine = std::string(20, '(') + "1" + std::string(20, ')');
  EXPECT_TRUE(MacroExpression::compile(fine).has_value());
}

}  // namespace
}  // namespace pravelo
