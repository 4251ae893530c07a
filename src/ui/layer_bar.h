#pragma once

#include <QToolBar>
#include <array>

#include "document/board_header.h"

class QButtonGroup;
class QToolButton;

namespace pravelo {

// The layer buttons: for each of the seven layers one button that shows or hides it (SB_K1 ...)
// and one that makes it the active layer (RB_K1 ...).
class LayerBar : public QToolBar {
  Q_OBJECT

 public:
  explicit LayerBar(QWidget* parent = nullptr);

  // Shows the active board's layer visibility, active layer and multilayer switch.
  void showLayers(const BoardHeader& header);

 signals:
  void visibilityToggled(int layer, bool visible);
  void layerActivated(int layer);

 private:
  std::array<QToolButton*, 7> visible_{};
  std::array<QToolButton*, 7> active_{};
  QButtonGroup* activeGroup_;
};

}  // namespace pravelo
