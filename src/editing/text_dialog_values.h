#pragma once

#include <cstdint>
#include <string>

#include "document/object.h"

namespace pravelo {

// The fields of the text dialog. The dialog lives for the whole run and keeps them between uses.
struct TextDialogValues {
  std::string text;  // Windows-1252, as the object keeps it
  double heightMm = 2.0;
  int thickness = 1;  // 0 thin, 1 normal, 2 bold
  int style = 1;      // 0 narrow, 1 normal, 2 wide
  int rotation = 0;   // whole degrees, clockwise
  bool mirrorHorizontal = false;
  bool mirrorVertical = false;
  bool addNumber = false;
  int startNumber = 1;
  // Not a field but the "SchrifthoeheBegrenzen" preference, which the dialog applies when the
  // height field is left.
  bool limitHeight = false;
};

inline constexpr double kMinTextHeightMm = 0.1;
inline constexpr double kMaxTextHeightMm = 50;
inline constexpr int kMaxStartNumber = 9999;

// The least height whose strokes are still about 0.15 mm wide: 2.5 mm thin, 1.5 mm normal,
// 1 mm bold. Heights above it are kept.
double limitedTextHeight(double heightMm, int thickness);

// Brings every value into the range its field allows, and applies the height limit when
// `limitHeight`, so that values from any source (the window, a script) are safe to build.
TextDialogValues normaliseTextDialogValues(TextDialogValues v, bool limitHeight);

// A new text is mirrored horizontally when it goes on a bottom layer, so that it reads right
// from below.
bool mirroredOnLayer(int layer);

// The dialog's values of an existing stroke text ("Add number" off).
TextDialogValues textDialogValuesOf(const TObjekt& text);

// A new stroke text at `anchor` on `layer` with the values and `content`; strokes not built.
TObjekt newTextObject(const TextDialogValues& v, const std::string& content, FPoint anchor,
                      int layer);

// Stores the values in an existing stroke text; the strokes are left to the caller.
void storeTextDialogValues(TObjekt& text, const TextDialogValues& v);

}  // namespace pravelo
