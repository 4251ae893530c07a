#include "ui/raster_hotkeys_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/dialog_buttons.h"
#include "ui/qt_text.h"
#include "ui/raster_dialog.h"
#include "ui/view_ui_texts.h"
#include "view/grid_code.h"
#include "view/grid_menu.h"

namespace pravelo {

TRasterHotkeysDlg::TRasterHotkeysDlg(TRasterDlg& rasterDlg, QWidget* parent)
    : QDialog(parent), rasterDlg_(rasterDlg) {
  setObjectName("TRasterHotkeysDlg");
  setWindowTitle(qtr(texts::gridHotkeysCaption));
  auto* rows = new QGridLayout;
  for (int i = 0; i < 9; ++i) {
    const QString digit = QString::number(i + 1);
    rows->addWidget(new QLabel(qtr(texts::gridHotkeyKey) + digit + ":", this), i, 0);
    values_[i] = new QLabel(this);
    values_[i]->setObjectName("L_Wert" + digit);
    rows->addWidget(values_[i], i, 1);
    auto* change = new QPushButton(qtr(texts::gridHotkeyChange), this);
    change->setObjectName("B_Aendern" + digit);
    connect(change, &QPushButton::clicked, this, [this, i] { this->change(i); });
    rows->addWidget(change, i, 2);
  }
  QDialogButtonBox* buttons = dialogButtons(this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(rows);
  layout->addWidget(buttons);
}

std::optional<TRasterHotkeysDlg::Codes> TRasterHotkeysDlg::execute(const Codes& codes,
                                                                   LengthUnit unit) {
  codes_ = codes;
  unit_ = unit;
  for (int i = 0; i < 9; ++i) showValue(i);
  if (exec() != QDialog::Accepted) return std::nullopt;
  return codes_;
}

void TRasterHotkeysDlg::change(int key) {
  if (const auto code = rasterDlg_.execute()) {
    codes_[key] = *code;
    showValue(key);
  }
}

void TRasterHotkeysDlg::showValue(int key) {
  const auto mm = decodeGridCode(codes_[key]);
  values_[key]->setText(mm ? QString::fromStdString(gridEntryCaption(*mm, unit_)) : QString());
}

}  // namespace pravelo
