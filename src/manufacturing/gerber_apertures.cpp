#include "manufacturing/gerber_apertures.h"

#include <string_view>

#include "manufacturing/gerber_format.h"
#include "manufacturing/gerber_import_texts.h"
#include "manufacturing/import_error.h"
#include "settings/ini_text.h"

namespace pravelo {
namespace {

constexpr int kLowestApertureCode = 10;
constexpr int kHighestApertureCode = 9999;

// The statement between "%XX" and its closing "*%" (or "%").
std::string_view statementBody(std::string_view block, std::size_t prefix) {
  std::string_view body = block.substr(prefix);
  if (!body.empty() && body.back() == '%') body.remove_suffix(1);
  return body;
}

std::vector<std::string_view> splitAt(std::string_view s, char separator) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= s.size(); ++i) {
    if (i == s.size() || s[i] == separator) {
      parts.push_back(s.substr(start, i - start));
      start = i + 1;
    }
  }
  return parts;
}

bool readWholeNumber(std::string_view s, int highest, int& value) {
  if (s.empty()) return false;
  value = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
    if (value > highest) return false;
  }
  return true;
}

MacroExpression compiled(std::string_view text, int line) {
  std::optional<MacroExpression> e = MacroExpression::compile(trimmed(text));
  if (!e) throw ImportError(texts::importBadExpression, line);
  return std::move(*e);
}

// "$4=$1x0.5", "21,1,$1,$2,0,0,45" or "0 a comment"; nothing for a comment or an empty piece.
std::optional<MacroStatement> macroStatement(std::string_view piece, int line) {
  piece = trimmed(piece);
  if (piece.empty()) return std::nullopt;
  MacroStatement statement;
  if (piece.front() == '$') {
    const std::size_t equals = piece.find('=');
    if (equals == std::string_view::npos ||
        !readWholeNumber(trimmed(piece.substr(1, equals - 1)), 9999, statement.assigns) ||
        statement.assigns == 0) {
      throw ImportError(texts::importBadExpression, line);
    }
    statement.parameters.push_back(compiled(piece.substr(equals + 1), line));
    return statement;
  }
  const std::vector<std::string_view> parts = splitAt(piece, ',');
  const std::string_view code = trimmed(parts.front());
  // Primitive 0 is a comment, whatever text follows it.
  if (code.rfind('0', 0) == 0 && (code.size() == 1 || code[1] == ' ')) return std::nullopt;
  if (!readWholeNumber(code, 99, statement.code)) {
    throw ImportError(texts::importBadExpression, line);
  }
  if (statement.code == 0) return std::nullopt;
  for (std::size_t i = 1; i < parts.size(); ++i) {
    statement.parameters.push_back(compiled(parts[i], line));
  }
  return statement;
}

// How many parameters an aperture of this type reads; more are ignored.
std::size_t parameterLimit(char type) {
  switch (type) {
    case 'C':
      return 3;
    case 'R':
    case 'O':
      return 4;
    case 'P':
      return 5;
    default:
      return 32;
  }
}

std::vector<MacroPrimitive> evaluatedMacro(const std::vector<MacroStatement>& macro,
                                           const std::vector<double>& parameters,
                                           long long& steps) {
  MacroVariables variables;
  for (std::size_t i = 0; i < parameters.size(); ++i) {
    variables[static_cast<int>(i) + 1] = parameters[i];
  }
  std::vector<MacroPrimitive> primitives;
  for (const MacroStatement& statement : macro) {
    ++steps;
    if (statement.assigns > 0) {
      variables[statement.assigns] = statement.parameters.front().evaluate(variables, steps);
      continue;
    }
    MacroPrimitive p{statement.code, {}};
    p.values.reserve(statement.parameters.size());
    for (const MacroExpression& e : statement.parameters) {
      p.values.push_back(e.evaluate(variables, steps));
    }
    primitives.push_back(std::move(p));
  }
  return primitives;
}

}  // namespace

GerberMacros gerberMacros(const std::vector<GerberBlock>& blocks) {
  GerberMacros macros;
  for (const GerberBlock& block : blocks) {
    if (block.text.rfind("%AM", 0) != 0) continue;
    const std::vector<std::string_view> pieces = splitAt(statementBody(block.text, 3), '*');
    std::vector<MacroStatement> statements;
    for (std::size_t i = 1; i < pieces.size(); ++i) {
      if (std::optional<MacroStatement> s = macroStatement(pieces[i], block.line)) {
        statements.push_back(std::move(*s));
      }
    }
    macros[std::string(trimmed(pieces.front()))] = std::move(statements);
  }
  return macros;
}

GerberApertures gerberApertures(const std::vector<GerberBlock>& blocks, const GerberMacros& macros,
                                long long& steps, long long budget) {
  GerberApertures apertures;
  for (const GerberBlock& block : blocks) {
    if (block.text.rfind("%ADD", 0) != 0) continue;
    std::string_view body = statementBody(block.text, 4);
    body = body.substr(0, body.find('*'));
    std::size_t digits = 0;
    while (digits < body.size() && body[digits] >= '0' && body[digits] <= '9') ++digits;
    int code = 0;
    if (!readWholeNumber(body.substr(0, digits), kHighestApertureCode, code) ||
        code < kLowestApertureCode) {
      continue;
    }
    body.remove_prefix(digits);
    const std::size_t comma = body.find(',');
    const std::string_view name = trimmed(body.substr(0, comma));
    GerberAperture aperture;
    const bool standard =
        name.size() == 1 && std::string_view("CROP").find(name[0]) != std::string_view::npos;
    aperture.type = standard ? name[0] : 'M';
    const auto macro = standard ? macros.end() : macros.find(std::string(name));
    if (!standard && macro == macros.end()) continue;
    bool numeric = true;
    if (comma != std::string_view::npos) {
      for (std::string_view part : splitAt(body.substr(comma + 1), 'X')) {
        double value = 0;
        if (!parseGerberDecimal(trimmed(part), value)) numeric = false;
        if (aperture.parameters.size() < parameterLimit(aperture.type)) {
          aperture.parameters.push_back(value);
        }
      }
    }
    if (!numeric) continue;
    if (!standard) {
      aperture.primitives = evaluatedMacro(macro->second, aperture.parameters, steps);
      if (steps > budget) throw ImportError(texts::importTooMuchWork, block.line);
    }
    apertures[code] = std::move(aperture);
  }
  return apertures;
}

}  // namespace pravelo
