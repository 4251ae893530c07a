#include "ui/component_export_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/component_list_texts.h"
#include "ui/qt_text.h"

namespace pravelo {
namespace {

constexpr int kExportCodeRole = Qt::UserRole;

// The column switches by column code.
struct ExportColumn {
  const char* name;
  const Text& caption;
};

const ExportColumn kExportColumns[kPickPlaceColumnCount] = {
    {"CB_Nummer", texts::componentExportNumber},
    {"CB_Bezeichner", texts::componentExportId},
    {"CB_Wert", texts::componentExportValue},
    {"CB_Layer", texts::componentExportLayer},
    {"CB_Position", texts::componentExportPosition},
    {"CB_Rotation", texts::componentExportRotation},
    {"CB_Package", texts::componentExportPackage},
    {"CB_Kommentar", texts::componentExportComment},
};

QCheckBox* exportCheckBox(const char* name, const Text& caption, bool checked) {
  auto* box = new QCheckBox(qtr(caption));
  box->setObjectName(name);
  box->setChecked(checked);
  return box;
}

QRadioButton* exportRadio(const char* name, const Text& caption, bool checked) {
  auto* button = new QRadioButton(qtr(caption));
  button->setObjectName(name);
  button->setChecked(checked);
  return button;
}

// A row of the column order, carrying its column code.
QListWidgetItem* orderItem(int code) {
  auto* item = new QListWidgetItem(qtr(kExportColumns[code - 1].caption));
  item->setData(kExportCodeRole, code);
  return item;
}

}  // namespace

TBT_ExportDlg::TBT_ExportDlg(ComponentExportSettings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings) {
  setObjectName("TBT_ExportDlg");
  setWindowTitle(qtr(texts::componentExportCaption));
  const PickPlaceOptions stored = pickPlaceOptions(settings_, true);

  order_ = new QListWidget;
  order_->setObjectName("LB1");
  order_->setDragDropMode(QAbstractItemView::InternalMove);
  auto* columnBox = new QGroupBox(qtr(texts::componentExportColumns));
  auto* columnGrid = new QGridLayout(columnBox);
  for (int code = 1; code <= kPickPlaceColumnCount; ++code) {
    const ExportColumn& c = kExportColumns[code - 1];
    const bool on = std::ranges::find(stored.columns, code) != stored.columns.end();
    QCheckBox* box = exportCheckBox(c.name, c.caption, on);
    columnGrid->addWidget(box, (code - 1) % 4, (code - 1) / 4);
    connect(box, &QCheckBox::toggled, this,
            [this, code](bool checked) { columnSwitched(code, checked); });
  }
  for (const int code : stored.columns) order_->addItem(orderItem(code));
  // A drop inside the list moves the row, or removes and inserts it, as the style decides.
  connect(order_->model(), &QAbstractItemModel::rowsMoved, this, &TBT_ExportDlg::rebuild);
  connect(order_->model(), &QAbstractItemModel::rowsInserted, this, &TBT_ExportDlg::rebuild);
  connect(order_->model(), &QAbstractItemModel::rowsRemoved, this, &TBT_ExportDlg::rebuild);

  comma_ = exportRadio("RB_Komma", texts::componentExportComma, stored.separator == ',');
  semicolon_ =
      exportRadio("RB_Semikolon", texts::componentExportSemicolon, stored.separator == ';');
  tab_ = exportRadio("RB_Tab", texts::componentExportTab, stored.separator == '\t');
  unit_ = new QComboBox;
  unit_->setObjectName("CB_Einheit");
  unit_->addItems({"mm", "mil"});
  unit_->setCurrentIndex(stored.mil ? 1 : 0);
  decimals_ = new QSpinBox;
  decimals_->setObjectName("SE_NK");
  decimals_->setRange(0, kMaxPickPlaceDecimals);
  decimals_->setValue(stored.decimals);
  stripZeros_ =
      exportCheckBox("CB_NullenEntfernen", texts::componentExportStripZeros, stored.stripZeros);
  topText_ = new QLineEdit(QString::fromStdString(stored.topText));
  topText_->setObjectName("E_LayerTop");
  bottomText_ = new QLineEdit(QString::fromStdString(stored.bottomText));
  bottomText_->setObjectName("E_LayerBottom");
  rotationPrefix_ =
      exportCheckBox("CB_RPrefix", texts::componentExportRPrefix, stored.rotationPrefix);
  smd_ = exportCheckBox("CB_SMD", texts::componentExportSmd, stored.smd);
  throughHole_ = exportCheckBox("CB_TH", texts::componentExportThroughHole, stored.throughHole);
  top_ = exportCheckBox("CB_Top", texts::componentExportFilterTop, stored.top);
  bottom_ = exportCheckBox("CB_Bottom", texts::componentExportFilterBottom, stored.bottom);
  pickPlaceOnly_ =
      exportCheckBox("CB_PickPlaceData", texts::componentExportPickPlaceOnly, stored.pickPlaceOnly);
  preview_ = new QPlainTextEdit;
  preview_->setObjectName("M_Vorschau");
  preview_->setReadOnly(true);
  preview_->setLineWrapMode(QPlainTextEdit::NoWrap);
  preview_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

  for (QRadioButton* b : {comma_, semicolon_, tab_}) {
    connect(b, &QRadioButton::toggled, this, &TBT_ExportDlg::rebuild);
  }
  for (QCheckBox* b :
       {stripZeros_, rotationPrefix_, smd_, throughHole_, top_, bottom_, pickPlaceOnly_}) {
    connect(b, &QCheckBox::toggled, this, &TBT_ExportDlg::rebuild);
  }
  connect(unit_, &QComboBox::currentIndexChanged, this, &TBT_ExportDlg::rebuild);
  connect(decimals_, &QSpinBox::valueChanged, this, &TBT_ExportDlg::rebuild);
  connect(topText_, &QLineEdit::textChanged, this, &TBT_ExportDlg::rebuild);
  connect(bottomText_, &QLineEdit::textChanged, this, &TBT_ExportDlg::rebuild);

  auto* orderColumn = new QVBoxLayout;
  // The list is the label's buddy, so "&&" in the caption shows as one ampersand.
  auto* orderCaption = new QLabel(qtr(texts::componentExportOrder));
  orderCaption->setBuddy(order_);
  orderColumn->addWidget(orderCaption);
  orderColumn->addWidget(order_);
  auto* separators = new QHBoxLayout;
  for (QRadioButton* b : {comma_, semicolon_, tab_}) separators->addWidget(b);
  auto* format = new QFormLayout;
  format->addRow(qtr(texts::componentExportSeparator), separators);
  format->addRow(qtr(texts::componentExportUnit), unit_);
  format->addRow(qtr(texts::componentExportDecimals), decimals_);
  format->addRow(stripZeros_);
  format->addRow(qtr(texts::componentExportTop), topText_);
  format->addRow(qtr(texts::componentExportBottom), bottomText_);
  format->addRow(rotationPrefix_);
  auto* filters = new QGridLayout;
  filters->addWidget(smd_, 0, 0);
  filters->addWidget(throughHole_, 1, 0);
  filters->addWidget(top_, 0, 1);
  filters->addWidget(bottom_, 1, 1);
  filters->addWidget(pickPlaceOnly_, 2, 0, 1, 2);

  auto* upper = new QHBoxLayout;
  upper->addWidget(columnBox);
  upper->addLayout(orderColumn);
  upper->addLayout(format);
  auto* buttons = new QDialogButtonBox;
  buttons->addButton(qtr(texts::componentExportButton), QDialogButtonBox::AcceptRole)
      ->setObjectName("B_Export");
  buttons->addButton(qtr(texts::componentExportClose), QDialogButtonBox::RejectRole)
      ->setObjectName("B_Close");
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(upper);
  layout->addLayout(filters);
  layout->addWidget(new QLabel(qtr(texts::componentExportPreview)));
  layout->addWidget(preview_, 1);
  layout->addWidget(buttons);
  resize(760, 520);
}

PickPlaceOptions TBT_ExportDlg::options() const {
  PickPlaceOptions o;
  o.columns.clear();
  for (int row = 0; row < order_->count(); ++row) {
    o.columns.push_back(order_->item(row)->data(kExportCodeRole).toInt());
  }
  o.separator = comma_->isChecked() ? ',' : semicolon_->isChecked() ? ';' : '\t';
  o.mil = unit_->currentIndex() == 1;
  o.decimals = decimals_->value();
  o.stripZeros = stripZeros_->isChecked();
  o.topText = topText_->text().toStdString();
  o.bottomText = bottomText_->text().toStdString();
  o.rotationPrefix = rotationPrefix_->isChecked();
  o.smd = smd_->isChecked();
  o.throughHole = throughHole_->isChecked();
  o.top = top_->isChecked();
  o.bottom = bottom_->isChecked();
  o.pickPlaceOnly = pickPlaceOnly_->isChecked();
  o.camOrigin = camOrigin_;
  return o;
}

QString TBT_ExportDlg::previewText() const { return preview_->toPlainText(); }

void TBT_ExportDlg::showRows(std::vector<PickPlaceRow> rows, const BoardHeader& header,
                             bool camOrigin) {
  rows_ = std::move(rows);
  header_ = header;
  camOrigin_ = camOrigin;
  rebuild();
}

bool TBT_ExportDlg::execute(std::vector<PickPlaceRow> rows, const BoardHeader& header,
                            bool camOrigin) {
  showRows(std::move(rows), header, camOrigin);
  const bool exported = exec() == QDialog::Accepted;
  storePickPlaceOptions(options(), settings_);
  return exported;
}

void TBT_ExportDlg::columnSwitched(int code, bool on) {
  if (on) {
    order_->addItem(orderItem(code));
  } else {
    for (int row = order_->count() - 1; row >= 0; --row) {
      if (order_->item(row)->data(kExportCodeRole).toInt() == code) delete order_->takeItem(row);
    }
  }
  rebuild();
}

void TBT_ExportDlg::rebuild() {
  QStringList lines;
  for (const std::string& line : pickPlaceLines(rows_, header_, options())) {
    lines << QString::fromStdString(line);
  }
  preview_->setPlainText(lines.join('\n'));
}

}  // namespace pravelo
