#pragma once

#include <map>
#include <string>
#include <vector>

#include "manufacturing/gerber_blocks.h"
#include "manufacturing/macro_expression.h"

namespace pravelo {

// One statement of an aperture macro: a primitive with its parameter expressions (exposure
// first, where the primitive has one), or the assignment of variable `assigns`.
struct MacroStatement {
  int code = 0;
  int assigns = 0;  // > 0: "$n=expression"
  std::vector<MacroExpression> parameters;
};
using GerberMacros = std::map<std::string, std::vector<MacroStatement>>;

// A macro primitive of an aperture, its parameters evaluated, in file units and degrees.
struct MacroPrimitive {
  int code = 0;
  std::vector<double> values;
};

// An aperture: its type letter ('C', 'R', 'O', 'P', or 'M' for a macro), its parameters in file
// units and, for a macro, the evaluated primitives.
struct GerberAperture {
  char type = 0;
  std::vector<double> parameters;
  std::vector<MacroPrimitive> primitives;
  // The first, second, ... parameter; 0 when the definition has fewer.
  double parameter(std::size_t index) const {
    return index < parameters.size() ? parameters[index] : 0.0;
  }
};
// D-code to aperture.
using GerberApertures = std::map<int, GerberAperture>;

// Every "%AM" statement. A malformed expression throws ImportError for its line; comments
// (primitive 0) are left out.
GerberMacros gerberMacros(const std::vector<GerberBlock>& blocks);

// Every "%ADD" statement with a D-code of 10 to 9999 and numeric parameters; others are
// ignored, as are parameters beyond what the type uses and apertures naming an unknown macro.
// Macro apertures are evaluated with their parameters as $1, $2, ...; `steps` counts the work
// and `budget` bounds it (ImportError when exceeded).
GerberApertures gerberApertures(const std::vector<GerberBlock>& blocks, const GerberMacros& macros,
                                long long& steps, long long budget);

}  // namespace pravelo
