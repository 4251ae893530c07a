#pragma once

class QMenu;
class QWidget;

namespace pravelo {

struct OptionenSettings;

// The angle drop-down of the rotate button (`WinkelPopup`): 90°, 45°, 15°, 5° and the user's
// own angle, which asks for a new value when chosen. The chosen angle goes to "RotWinkel".
QMenu* createRotationMenu(OptionenSettings& options, QWidget* parent);

}  // namespace pravelo
