#include "ui/photo_view_panel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>

#include "ui/photo_view_panel_texts.h"
#include "ui/qt_text.h"

namespace pravelo {

namespace {

QComboBox* addChoice(QHBoxLayout* row, const Text& caption, const char* name,
                     std::initializer_list<const Text*> entries) {
  auto* label = new QLabel(qtr(caption));
  auto* choice = new QComboBox;
  choice->setObjectName(name);
  for (const Text* entry : entries) choice->addItem(qtr(*entry));
  label->setBuddy(choice);
  row->addWidget(label);
  row->addWidget(choice);
  return choice;
}

}  // namespace

TRealAnsichtDlg::TRealAnsichtDlg(QWidget* parent)
    : QGroupBox(qtr(texts::photoViewCaption), parent),
      top_(new QRadioButton(qtr(texts::photoTopSide))),
      bottom_(new QRadioButton(qtr(texts::photoBottomSide))),
      silkscreen_(new QCheckBox(qtr(texts::photoWithSilkscreen))),
      xRay_(new QCheckBox(qtr(texts::photoXRay))) {
  setObjectName("TRealAnsichtDlg");
  setWindowTitle(title());
  top_->setObjectName("RB_K1");
  bottom_->setObjectName("RB_K2");
  silkscreen_->setObjectName("CB_Bestueckung");
  xRay_->setObjectName("CB_XRay");
  auto* sides = new QButtonGroup(this);
  sides->addButton(top_);
  sides->addButton(bottom_);
  top_->setChecked(true);

  auto* row = new QHBoxLayout(this);
  for (QWidget* w : std::initializer_list<QWidget*>{top_, bottom_, silkscreen_, xRay_}) {
    row->addWidget(w);
  }
  board_ = addChoice(row, texts::photoBoard, "CB_Platine",
                     {&texts::photoGreen, &texts::photoBlue, &texts::photoCopper});
  finish_ = addChoice(row, texts::photoSolderMask, "CB_LS",
                      {&texts::photoGold, &texts::photoSilver, &texts::photoNoFinish});
  row->addStretch(1);

  connect(top_, &QRadioButton::toggled, this, &TRealAnsichtDlg::report);
  for (QCheckBox* box : {silkscreen_, xRay_}) {
    connect(box, &QCheckBox::toggled, this, &TRealAnsichtDlg::report);
  }
  for (QComboBox* choice : {board_, finish_}) {
    connect(choice, &QComboBox::currentIndexChanged, this, &TRealAnsichtDlg::report);
  }
}

void TRealAnsichtDlg::showOptions(const PhotoOptions& options) {
  showing_ = true;
  (options.side == PhotoSide::Top ? top_ : bottom_)->setChecked(true);
  silkscreen_->setChecked(options.silkscreen);
  xRay_->setChecked(options.xRay);
  board_->setCurrentIndex(options.boardColour);
  finish_->setCurrentIndex(options.finish);
  showing_ = false;
}

PhotoOptions TRealAnsichtDlg::options() const {
  return {top_->isChecked() ? PhotoSide::Top : PhotoSide::Bottom, silkscreen_->isChecked(),
          xRay_->isChecked(), board_->currentIndex(), finish_->currentIndex()};
}

void TRealAnsichtDlg::report() {
  if (!showing_) emit optionsChanged(options());
}

}  // namespace pravelo
