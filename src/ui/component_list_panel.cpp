#include "ui/component_list_panel.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/component_list_texts.h"
#include "ui/qt_text.h"

namespace pravelo {
namespace {

enum ListColumn {
  kNumberColumn,
  kNameColumn,
  kValueColumn,
  kLayerColumn,
  kRotationColumn,
  kPackageColumn,
  kCommentColumn
};

constexpr int kMinListWidth = 120;
constexpr int kListComponentRole = Qt::UserRole;

// The columns the "Show:" switches control, with their object names and captions.
struct ListSwitch {
  int column;
  const char* name;
  const Text& caption;
};

const ListSwitch kListSwitches[] = {
    {kNumberColumn, "CB_Nummer", texts::componentListShowNumber},
    {kLayerColumn, "CB_Layer", texts::componentListShowLayer},
    {kRotationColumn, "CB_Rotation", texts::componentListShowRotation},
    {kPackageColumn, "CB_Package", texts::componentListShowPackage},
    {kCommentColumn, "CB_Kommentar", texts::componentListShowComment},
};

QTableWidgetItem* listItem(const QString& text, bool editable) {
  auto* item = new QTableWidgetItem(text);
  if (!editable) item->setFlags(item->flags() & ~Qt::ItemIsEditable);
  return item;
}

}  // namespace

TBTList::TBTList(std::array<int, kColumns>& widths, QWidget* parent)
    : QDockWidget(qtr(texts::componentListTitle), parent),
      widths_(widths),
      table_(new QTableWidget(0, kColumns)) {
  setObjectName("TBTList");
  table_->setObjectName("SG_Bauteile");
  table_->setHorizontalHeaderLabels({qtr(texts::componentListNumber), qtr(texts::componentListName),
                                     qtr(texts::componentListValue), qtr(texts::componentListLayer),
                                     qtr(texts::componentListRotation),
                                     qtr(texts::componentListPackage),
                                     qtr(texts::componentListComment)});
  table_->verticalHeader()->hide();
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
  // White and light grey rows.
  table_->setAlternatingRowColors(true);
  QPalette palette = table_->palette();
  palette.setColor(QPalette::Base, Qt::white);
  palette.setColor(QPalette::AlternateBase, QColor(235, 235, 235));
  table_->setPalette(palette);
  for (int c = 0; c < kColumns; ++c) {
    table_->setColumnWidth(c, std::abs(widths_[c]));
    table_->setColumnHidden(c, widths_[c] < 0);
  }

  auto* switches = new QHBoxLayout;
  switches->addWidget(new QLabel(qtr(texts::componentListShow)));
  for (const ListSwitch& s : kListSwitches) {
    auto* box = new QCheckBox(qtr(s.caption));
    box->setObjectName(s.name);
    box->setChecked(widths_[s.column] >= 0);
    connect(box, &QCheckBox::toggled, this,
            [this, column = s.column](bool shown) { showColumn(column, shown); });
    switches->addWidget(box);
  }
  switches->addStretch();
  auto* fit = new QPushButton(qtr(texts::componentListFit));
  fit->setObjectName("B_Anpassen");
  auto* exportButton = new QPushButton(qtr(texts::componentListExport));
  exportButton->setObjectName("B_Export");
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(fit);
  buttons->addStretch();
  buttons->addWidget(exportButton);

  auto* body = new QWidget;
  auto* layout = new QVBoxLayout(body);
  layout->addWidget(table_, 1);
  layout->addLayout(switches);
  layout->addLayout(buttons);
  setWidget(body);

  connect(table_->horizontalHeader(), &QHeaderView::sectionResized, this,
          [this](int column, int, int size) {
            if (!table_->isColumnHidden(column) && size > 0) widths_[column] = size;
          });
  connect(table_, &QTableWidget::itemSelectionChanged, this, [this] {
    if (filling_) return;
    const int row = table_->currentRow();
    if (row >= 0 && row < static_cast<int>(entries_.size())) {
      emit componentChosen(entries_[static_cast<std::size_t>(row)].component);
    }
  });
  connect(table_, &QTableWidget::cellChanged, this, &TBTList::cellChanged);
  connect(table_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
    if (row >= 0 && row < static_cast<int>(entries_.size())) {
      emit componentOpened(entries_[static_cast<std::size_t>(row)].component);
    }
  });
  connect(fit, &QPushButton::clicked, this, &TBTList::fitWidth);
  connect(exportButton, &QPushButton::clicked, this, [this] {
    refresh();
    emit exportRequested();
  });
}

void TBTList::showBoard(const Board* board) {
  board_ = board;
  refresh();
}

void TBTList::refresh() {
  std::vector<ComponentListEntry> now =
      board_ ? componentList(board_->objects) : std::vector<ComponentListEntry>{};
  // Most changes of the board leave the list as it is; filling it anew would lose the scroll
  // position and cost time on big boards.
  if (now == entries_ && table_->rowCount() == static_cast<int>(now.size())) return;
  entries_ = std::move(now);
  filling_ = true;
  const int current = table_->currentRow();
  table_->setRowCount(static_cast<int>(entries_.size()));
  for (int row = 0; row < static_cast<int>(entries_.size()); ++row) {
    const ComponentListEntry& e = entries_[static_cast<std::size_t>(row)];
    auto* number = listItem(QString::number(row + 1), false);
    number->setData(kListComponentRole, e.component);
    table_->setItem(row, kNumberColumn, number);
    table_->setItem(row, kNameColumn, listItem(fromStored(e.name), e.hasName));
    table_->setItem(row, kValueColumn, listItem(fromStored(e.value), e.hasValue));
    table_->setItem(row, kLayerColumn, listItem(e.topSide ? "TOP" : "BOT", false));
    const QString rotation = fromStored(e.rotation) + (e.hasPickPlace ? "°" : "");
    table_->setItem(row, kRotationColumn, listItem(rotation, false));
    table_->setItem(row, kPackageColumn, listItem(fromStored(e.package), false));
    table_->setItem(row, kCommentColumn, listItem(fromStored(e.comment), false));
  }
  if (current >= 0 && current < table_->rowCount()) table_->selectRow(current);
  filling_ = false;
}

void TBTList::showColumn(int column, bool shown) {
  table_->setColumnHidden(column, !shown);
  widths_[column] = shown ? std::abs(widths_[column]) : -std::abs(widths_[column]);
  if (shown) table_->setColumnWidth(column, std::abs(widths_[column]));
}

void TBTList::cellChanged(int row, int column) {
  if (filling_ || row < 0 || row >= static_cast<int>(entries_.size())) return;
  if (column != kNameColumn && column != kValueColumn) return;
  const int component = entries_[static_cast<std::size_t>(row)].component;
  const auto cell = column == kNameColumn ? ComponentListCell::Name : ComponentListCell::Value;
  const std::string text = toStored(table_->item(row, column)->text());
  // The edit lists the board anew, which replaces the item this signal comes from: later.
  QMetaObject::invokeMethod(
      this, [this, component, cell, text] { emit cellEdited(component, cell, text); },
      Qt::QueuedConnection);
}

void TBTList::fitWidth() {
  int width = table_->frameWidth() * 2 + widget()->layout()->contentsMargins().left() +
              widget()->layout()->contentsMargins().right();
  for (int c = 0; c < kColumns; ++c) {
    if (!table_->isColumnHidden(c)) width += table_->columnWidth(c);
  }
  width = std::max(width, kMinListWidth);
  if (auto* window = qobject_cast<QMainWindow*>(parentWidget())) {
    window->resizeDocks({this}, {width}, Qt::Horizontal);
  } else {
    resize(width, height());
  }
}

}  // namespace pravelo
