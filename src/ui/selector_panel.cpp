#include "ui/selector_panel.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QSlider>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "editing/selection.h"
#include "editing/selector.h"
#include "editing/selector_texts.h"
#include "ui/qt_text.h"

namespace pravelo {
namespace {

constexpr int kMaxAutoZoom = 10;
// Top items carry -1, element items the object's index in the board's list.
constexpr int kIndexRole = Qt::UserRole;

QComboBox* comboBox(const char* name, const std::vector<std::string>& captions, int index) {
  auto* box = new QComboBox;
  box->setObjectName(name);
  for (const std::string& caption : captions) box->addItem(QString::fromStdString(caption));
  box->setCurrentIndex(std::clamp(index, 0, box->count() - 1));
  return box;
}

}  // namespace

TSelector::TSelector(SelectorSettings& settings, QWidget* parent)
    : QDockWidget(qtr(texts::selectorTitle), parent), settings_(settings) {
  setObjectName("Selector");
  types_ = comboBox("CB_Typ", selectorTypeCaptions(), settings_.TYP);
  sorts_ = comboBox("CB_Sort", {}, 0);
  layers_ = comboBox("CB_Layer", selectorLayerCaptions(), settings_.LAYER);
  zoom_ = new QSlider(Qt::Horizontal);
  zoom_->setObjectName("TB_Zoom");
  zoom_->setRange(0, kMaxAutoZoom);
  zoom_->setValue(std::clamp(settings_.ZOOM, 0, kMaxAutoZoom));
  count_ = new QLabel;
  count_->setObjectName("L_Anzahl");
  tree_ = new QTreeWidget;
  tree_->setObjectName("TV_Elemente");
  tree_->setHeaderHidden(true);
  tree_->setSelectionMode(QAbstractItemView::ExtendedSelection);

  auto* form = new QFormLayout;
  form->addRow(qtr(texts::selectorTypeLabel), types_);
  form->addRow(qtr(texts::selectorSortLabel), sorts_);
  form->addRow(qtr(texts::selectorLayerLabel), layers_);
  form->addRow(qtr(texts::selectorZoomLabel), zoom_);
  auto* body = new QWidget;
  auto* layout = new QVBoxLayout(body);
  layout->addLayout(form);
  layout->addWidget(count_);
  layout->addWidget(tree_, 1);
  setWidget(body);

  fillSortCriteria();
  connect(types_, &QComboBox::currentIndexChanged, this, [this] {
    settings_.SORT = 0;  // the criteria differ from type to type
    fillSortCriteria();
    choiceChanged();
  });
  connect(sorts_, &QComboBox::currentIndexChanged, this, &TSelector::choiceChanged);
  connect(layers_, &QComboBox::currentIndexChanged, this, &TSelector::choiceChanged);
  connect(zoom_, &QSlider::valueChanged, this, [this](int value) { settings_.ZOOM = value; });
  connect(tree_, &QTreeWidget::itemSelectionChanged, this, &TSelector::chooseItems);
  refresh();
}

void TSelector::showBoard(Board* board, LengthUnit unit) {
  board_ = board;
  unit_ = unit;
  refresh();
}

void TSelector::fillSortCriteria() {
  const QSignalBlocker blocker(sorts_);
  sorts_->clear();
  for (const std::string& caption : sortCriterionCaptions(types_->currentIndex())) {
    sorts_->addItem(QString::fromStdString(caption));
  }
  sorts_->setCurrentIndex(std::clamp(settings_.SORT, 0, sorts_->count() - 1));
}

void TSelector::choiceChanged() {
  settings_.TYP = types_->currentIndex();
  settings_.SORT = sorts_->currentIndex();
  settings_.LAYER = layers_->currentIndex();
  refresh();
}

void TSelector::refresh() {
  const QSignalBlocker blocker(tree_);
  tree_->clear();
  if (board_ == nullptr) {
    count_->setText(QString::fromStdString(elementCountText(0)));
    return;
  }
  const SelectorSettings choice{types_->currentIndex(), layers_->currentIndex(),
                                sorts_->currentIndex(), zoom_->value()};
  const std::vector<SelectorValue> values = selectorTree(*board_, choice, unit_);
  for (const SelectorValue& value : values) {
    auto* top = new QTreeWidgetItem(tree_, {QString::fromStdString(value.caption)});
    top->setData(0, kIndexRole, -1);
    for (const SelectorElement& element : value.elements) {
      auto* item = new QTreeWidgetItem(top, {QString::fromStdString(element.caption)});
      item->setData(0, kIndexRole, element.index);
    }
  }
  count_->setText(QString::fromStdString(elementCountText(elementCount(values))));
}

void TSelector::chooseItems() {
  if (board_ == nullptr) return;
  std::vector<int> indices;
  for (const QTreeWidgetItem* item : tree_->selectedItems()) {
    const int index = item->data(0, kIndexRole).toInt();
    if (index >= 0) {
      indices.push_back(index);
      continue;
    }
    for (int i = 0; i < item->childCount(); ++i) {
      indices.push_back(item->child(i)->data(0, kIndexRole).toInt());
    }
  }
  std::sort(indices.begin(), indices.end());
  indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
  selectOnly(*board_, indices);
  emit selectionChosen(zoom_->value());
}

}  // namespace pravelo
