#pragma once

#include <functional>

#include "base/host.h"
#include "editing/generator_dialogs.h"

class QWidget;

namespace pravelo {

// The help topics of the two dialogs.
inline constexpr int kFootprintHelpTopic = 54;
inline constexpr int kShapeHelpTopic = 17;

// The window's answers to the editor's requests for the footprint wizard and the special shapes
// dialog; whether they ended with OK. Their Help buttons call `openHelp` with their topic.
using HelpOpener = std::function<void(int topic)>;
bool runFootprintDialog(QWidget* parent, FootprintDialog& dialog, const HelpOpener& openHelp);
bool runShapeDialog(QWidget* parent, ShapeDialog& dialog, Host& host, const HelpOpener& openHelp);

}  // namespace pravelo
