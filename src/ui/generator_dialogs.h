#pragma once

#include "base/host.h"
#include "editing/generator_dialogs.h"

class QWidget;

namespace pravelo {

// The window's answers to the editor's requests for the footprint wizard and the special shapes
// dialog; whether they ended with OK.
bool runFootprintDialog(QWidget* parent, FootprintDialog& dialog);
bool runShapeDialog(QWidget* parent, ShapeDialog& dialog, Host& host);

}  // namespace pravelo
