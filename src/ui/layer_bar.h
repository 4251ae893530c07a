#pragma once

#include <QToolBar>
#include <array>

#include "document/board_header.h"
#include "view/colour_scheme.h"

class QButtonGroup;

namespace pravelo {

class LayerButton;

// The layer buttons: for each of the seven layers one button that shows or hides it (SB_K1 ...)
// and one that makes it the active layer (RB_K1 ...). Each shows the layer's short name in its
// colour on the background colour; a hidden layer's button is crossed out.
class LayerBar : public QToolBar {
  Q_OBJECT

 public:
  explicit LayerBar(QWidget* parent = nullptr);

  // Shows the active board's layer visibility, active layer and multilayer switch.
  void showLayers(const BoardHeader& header);
  // The colours the buttons are drawn in.
  void setScheme(const ColourScheme& scheme);

 signals:
  void visibilityToggled(int layer, bool visible);
  void layerActivated(int layer);

 private:
  std::array<LayerButton*, 7> visible_{};
  std::array<LayerButton*, 7> active_{};
  QButtonGroup* activeGroup_;
};

}  // namespace pravelo
