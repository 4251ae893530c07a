#include "ui/layer_bar.h"

#include <QButtonGroup>
#include <QPainter>
#include <QSignalBlocker>
#include <QToolButton>

#include "document/object.h"
#include "ui/qt_text.h"
#include "ui/ui_texts.h"

namespace pravelo {

namespace {

QColor toQColor(Rgb c) { return {c.r, c.g, c.b}; }

}  // namespace

// A layer button drawn in the colours of the scheme: the background colour, the short name in
// the layer's colour, crossed out by a diagonal in the inverted background colour while a
// visibility button's layer is hidden, framed while an active-layer button is chosen.
class LayerButton : public QToolButton {
 public:
  enum class Kind { Visibility, Active };

  LayerButton(Kind kind, QWidget* parent) : QToolButton(parent), kind_(kind) {}

  void setColours(Rgb background, Rgb layer) {
    background_ = background;
    layer_ = layer;
    update();
  }

  QSize sizeHint() const override {
    return {fontMetrics().horizontalAdvance("MM") + 10, fontMetrics().height() + 8};
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, toQColor(background_));
    QFont font = p.font();
    font.setBold(true);
    p.setFont(font);
    // Greyed out: a layer not in use. The active layer's locked visibility button is not.
    const bool inUse = isEnabled() || (kind_ == Kind::Visibility && isChecked());
    p.setPen(inUse ? toQColor(layer_) : QColor(128, 128, 128));
    p.drawText(r, Qt::AlignCenter, text());
    const QColor inverse = toQColor(inverted(background_));
    if (kind_ == Kind::Visibility && !isChecked()) {
      p.setPen(QPen(inverse, 1));
      p.drawLine(r.bottomLeft(), r.topRight());
    }
    if (kind_ == Kind::Active && isChecked()) {
      p.setPen(QPen(inverse, 2));
      p.drawRect(r.adjusted(1, 1, -1, -1));
    }
  }

 private:
  Kind kind_;
  Rgb background_;
  Rgb layer_{255, 255, 255};
};

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

LayerButton* layerButton(LayerButton::Kind kind, const char* name, const LayerButtons& layer,
                         const Text& hintPrefix, QWidget* parent) {
  auto* button = new LayerButton(kind, parent);
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
    visible_[i] = layerButton(LayerButton::Kind::Visibility, kLayers[i].visibleName, kLayers[i],
                              texts::layerVisibleHint, this);
    addWidget(visible_[i]);
    connect(visible_[i], &QToolButton::toggled, this,
            [this, layer](bool on) { emit visibilityToggled(layer, on); });
  }
  addSeparator();
  for (int i = 0; i < 7; ++i) {
    active_[i] = layerButton(LayerButton::Kind::Active, kLayers[i].activeName, kLayers[i],
                             texts::layerActiveHint, this);
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

void LayerBar::setScheme(const ColourScheme& scheme) {
  for (int i = 0; i < 7; ++i) {
    visible_[i]->setColours(scheme.background(), scheme.layer(i + 1));
    active_[i]->setColours(scheme.background(), scheme.layer(i + 1));
  }
}

}  // namespace pravelo
