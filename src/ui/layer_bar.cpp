#include "ui/layer_bar.h"

#include <QButtonGroup>
#include <QSignalBlocker>
#include <QToolButton>

#include "document/object.h"
#include "ui/qt_text.h"
#include "ui/ui_texts.h"

namespace pravelo {

namespace {

struct LayerButtons {
  const char* visibleName;
  const char* activeName;
  const Text& shortName;
  const Text& hint;
};

// Layers 1..7 in order.
const std::array<LayerButtons, 7> kLayers = {{
    {"SB_K1", "RB_K1", texts::layerNameK1, texts::layerHintK1},
    {"SB_B1", "RB_B1", texts::layerNameB1, texts::layerHintB1},
    {"SB_K2", "RB_K2", texts::layerNameK2, texts::layerHintK2},
    {"SB_B2", "RB_B2", texts::layerNameB2, texts::layerHintB2},
    {"SB_I1", "RB_I1", texts::layerNameI1, texts::layerHintI1},
    {"SB_I2", "RB_I2", texts::layerNameI2, texts::layerHintI2},
    {"SB_U", "RB_U", texts::layerNameU, texts::layerHintU},
}};

QToolButton* layerButton(const char* name, const LayerButtons& layer, const Text& hintPrefix,
                         QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setObjectName(name);
  button->setText(qtr(layer.shortName));
  button->setStatusTip(qtr(hintPrefix) + qtr(layer.hint));
  button->setCheckable(true);
  return button;
}

bool isInnerLayer(int layer) { return layer == kLayerI1 || layer == kLayerI2; }

}  // namespace

LayerBar::LayerBar(QWidget* parent) : QToolBar(parent), activeGroup_(new QButtonGroup(this)) {
  setObjectName("P_Layer");
  setWindowTitle(qtr(texts::layerBarTitle));
  for (int i = 0; i < 7; ++i) {
    const int layer = i + 1;
    visible_[i] = layerButton(kLayers[i].visibleName, kLayers[i], texts::layerVisibleHint, this);
    addWidget(visible_[i]);
    connect(visible_[i], &QToolButton::toggled, this,
            [this, layer](bool on) { emit visibilityToggled(layer, on); });
  }
  addSeparator();
  for (int i = 0; i < 7; ++i) {
    active_[i] = layerButton(kLayers[i].activeName, kLayers[i], texts::layerActiveHint, this);
    activeGroup_->addButton(active_[i], i + 1);
    addWidget(active_[i]);
  }
  connect(activeGroup_, &QButtonGroup::idClicked, this, &LayerBar::layerActivated);
}

void LayerBar::showLayers(const BoardHeader& header) {
  for (int i = 0; i < 7; ++i) {
    const int layer = i + 1;
    const bool inUse = !isInnerLayer(layer) || header.multilayer != 0;
    const QSignalBlocker block(visible_[i]);
    visible_[i]->setChecked(isLayerVisible(header, layer));
    // The active layer stays visible.
    visible_[i]->setEnabled(inUse && layer != header.activeLayer);
    active_[i]->setEnabled(inUse);
  }
  if (header.activeLayer >= 1 && header.activeLayer <= 7) {
    active_[header.activeLayer - 1]->setChecked(true);
  }
}

}  // namespace pravelo
