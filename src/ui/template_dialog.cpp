#include "ui/template_dialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <filesystem>

#include "app/help_topics.h"
#include "app/layout_folder.h"
#include "ui/qt_text.h"
#include "ui/template_dialog_texts.h"
#include "ui/ui_texts.h"
#include "view/background_template.h"

namespace pravelo {

namespace {

constexpr int kTemplateHelpTopic = 33;

// The names of the controls of side 1 and side 2.
struct PageNames {
  const char* load;
  const char* remove;
  const char* fileName;
  const char* shown;
  const char* dpi;
  const char* offsetX;
  const char* offsetY;
  const char* colour;
  const char* colourLabel;
  const char* marker;
};

constexpr PageNames kPageNames[] = {
    {"B_Suchen1", "B_Entfernen1", "L_Dateiname1", "CB_Vorlage1", "SE_DPI1", "SE_XOffset1",
     "SE_YOffset1", "P_Farbe1", "L_Farbe1", "P_Seite1"},
    {"B_Suchen", "B_Entfernen2", "L_Dateiname2", "CB_Vorlage2", "SE_DPI2", "SE_XOffset2",
     "SE_YOffset2", "P_Farbe2", "L_Farbe2", "P_Seite2"},
};

QString colourName(Rgb c) { return QColor(c.r, c.g, c.b).name(); }

// The header keeps the tint as 0x00BBGGRR.
Rgb tintColour(std::int32_t tint) {
  return {static_cast<std::uint8_t>(tint & 0xFF), static_cast<std::uint8_t>((tint >> 8) & 0xFF),
          static_cast<std::uint8_t>((tint >> 16) & 0xFF)};
}

std::int32_t tintValue(Rgb c) { return c.r | (c.g << 8) | (c.b << 16); }

QSpinBox* templateSpinBox(const char* name, int minimum, int maximum) {
  auto* box = new QSpinBox;
  box->setObjectName(name);
  box->setRange(minimum, maximum);
  return box;
}

QLabel* templateLabel(const Text& caption) { return new QLabel(qtr(caption)); }

}  // namespace

TVorlageDlg::TVorlageDlg(Host& host, QWidget* parent)
    : QDialog(parent), host_(host), pages_(new QTabWidget) {
  setObjectName("TVorlageDlg");
  setWindowTitle(qtr(texts::templateCaption));
  pages_->setObjectName("PageControl1");
  pages_->addTab(createPage(1), qtr(texts::templatePage1));
  pages_->addTab(createPage(2), qtr(texts::templatePage2));

  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(qtr(texts::templateOk), QDialogButtonBox::AcceptRole)->setObjectName("B_OK");
  buttons->addButton(qtr(texts::buttonHelp), QDialogButtonBox::HelpRole)->setObjectName("B_Help");
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::helpRequested, this,
          [this] { emit helpRequested(kTemplateHelpTopic); });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(templateLabel(texts::templateExplanation));
  layout->addWidget(pages_);
  layout->addWidget(buttons);

  chooseFile_ = [this](const std::string& folder) -> std::optional<std::string> {
    const QString chosen = QFileDialog::getOpenFileName(this, qtr(texts::templateCaption),
                                                        QString::fromStdString(folder),
                                                        qtr(texts::templateFileFilter));
    if (chosen.isEmpty()) return std::nullopt;
    return chosen.toStdString();
  };
  chooseColour_ = [this](Rgb current) -> std::optional<Rgb> {
    const QColor chosen = QColorDialog::getColor(QColor(current.r, current.g, current.b), this);
    if (!chosen.isValid()) return std::nullopt;
    return Rgb{static_cast<std::uint8_t>(chosen.red()), static_cast<std::uint8_t>(chosen.green()),
               static_cast<std::uint8_t>(chosen.blue())};
  };
}

QWidget* TVorlageDlg::createPage(int side) {
  const PageNames& names = kPageNames[side - 1];
  Page& p = page_[static_cast<std::size_t>(side - 1)];
  auto* page = new QWidget;
  page->setObjectName(side == 1 ? "TS_Seite1" : "TS_Seite2");

  p.load = new QPushButton(qtr(texts::templateLoad));
  p.load->setObjectName(names.load);
  connect(p.load, &QPushButton::clicked, this, &TVorlageDlg::B_SuchenClick);
  p.remove = new QPushButton(qtr(texts::templateDelete));
  p.remove->setObjectName(names.remove);
  connect(p.remove, &QPushButton::clicked, this,
          side == 1 ? &TVorlageDlg::B_Entfernen1Click : &TVorlageDlg::B_Entfernen2Click);
  p.fileName = new QLabel;
  p.fileName->setObjectName(names.fileName);
  p.fileName->setMinimumWidth(260);
  p.shown = new QCheckBox(qtr(texts::templateShow));
  p.shown->setObjectName(names.shown);
  connect(p.shown, &QCheckBox::toggled, this,
          [this, side](bool on) { change(side, TemplateSetting::Shown, on ? 1 : 0); });

  p.dpi = templateSpinBox(names.dpi, kTemplateDpiMin, kTemplateDpiMax);
  p.offsetX = templateSpinBox(names.offsetX, -kTemplateOffsetMax, kTemplateOffsetMax);
  p.offsetY = templateSpinBox(names.offsetY, -kTemplateOffsetMax, kTemplateOffsetMax);
  const std::pair<QSpinBox*, TemplateSetting> fields[] = {{p.dpi, TemplateSetting::Dpi},
                                                          {p.offsetX, TemplateSetting::OffsetX},
                                                          {p.offsetY, TemplateSetting::OffsetY}};
  for (const auto& [box, setting] : fields) {
    connect(box, &QSpinBox::valueChanged, this,
            [this, side, setting](int value) { change(side, setting, value); });
  }
  p.labels = {templateLabel(texts::templateResolution), templateLabel(texts::templateDpiUnit),
              templateLabel(texts::templateOffsetX),    templateLabel(texts::templateOffsetUnit),
              templateLabel(texts::templateOffsetY),    templateLabel(texts::templateOffsetUnit)};

  p.colourLabel = templateLabel(texts::templateColour);
  p.colourLabel->setObjectName(names.colourLabel);
  p.colour = new QPushButton;
  p.colour->setObjectName(names.colour);
  p.colour->setFlat(true);
  p.colour->setAutoFillBackground(true);
  p.colour->setFixedSize(48, 20);
  connect(p.colour, &QPushButton::clicked, this, [this, side] { chooseColour(side); });

  p.marker = new QLabel(QString::number(side));
  p.marker->setObjectName(names.marker);
  p.marker->setAlignment(Qt::AlignCenter);
  p.marker->setFixedSize(24, 24);

  auto* grid = new QGridLayout(page);
  grid->addWidget(p.load, 0, 0);
  grid->addWidget(p.remove, 0, 1);
  grid->addWidget(p.marker, 0, 2, Qt::AlignRight);
  grid->addWidget(p.fileName, 1, 0, 1, 3);
  grid->addWidget(p.shown, 2, 0, 1, 3);
  QSpinBox* boxes[] = {p.dpi, p.offsetX, p.offsetY};
  for (int row = 0; row < 3; ++row) {
    grid->addWidget(p.labels[static_cast<std::size_t>(2 * row)], 3 + row, 0);
    grid->addWidget(boxes[row], 3 + row, 1);
    grid->addWidget(p.labels[static_cast<std::size_t>(2 * row + 1)], 3 + row, 2);
  }
  grid->addWidget(p.colourLabel, 6, 0);
  grid->addWidget(p.colour, 6, 1);
  return page;
}

void TVorlageDlg::setChoosers(FileChooser file, ColourChooser colour) {
  chooseFile_ = std::move(file);
  chooseColour_ = std::move(colour);
}

void TVorlageDlg::execute(BoardHeader& header, TemplatePictures& pictures,
                          const std::string& layoutFile, int side, const ColourScheme& scheme) {
  header_ = &header;
  pictures_ = &pictures;
  layoutFile_ = layoutFile;
  for (int s = 1; s <= 2; ++s) {
    const Rgb ink = scheme.colours[static_cast<std::size_t>(s == 1 ? kLayerC1 : kLayerC2)];
    page_[static_cast<std::size_t>(s - 1)].marker->setStyleSheet(
        QString("background-color: %1; color: %2; font-weight: bold")
            .arg(colourName(scheme.background()), colourName(ink)));
  }
  pages_->setCurrentIndex(side == 2 ? 1 : 0);
  refresh();
  exec();
  header_ = nullptr;
  pictures_ = nullptr;
}

int TVorlageDlg::currentSide() const { return pages_->currentIndex() + 1; }

void TVorlageDlg::B_SuchenClick() {
  if (header_ == nullptr) return;
  const int side = currentSide();
  const auto file = chooseFile_(existingFolderOr(folder_, ""));
  if (!file) return;
  folder_ = std::filesystem::path(*file).parent_path().string();
  if (loadTemplate(*header_, *pictures_, side, *file, layoutFile_, host_)) {
    refresh();
    emit viewChanged();
  }
}

void TVorlageDlg::B_Entfernen1Click() { remove(1); }
void TVorlageDlg::B_Entfernen2Click() { remove(2); }

void TVorlageDlg::remove(int side) {
  if (header_ == nullptr) return;
  removeTemplate(*header_, *pictures_, side);
  refresh();
  emit viewChanged();
}

void TVorlageDlg::refresh() {
  filling_ = true;
  for (int side = 1; side <= 2; ++side) refreshPage(side);
  filling_ = false;
}

void TVorlageDlg::refreshPage(int side) {
  const std::size_t i = static_cast<std::size_t>(side - 1);
  Page& p = page_[i];
  const TemplateSideControls controls = templateSideControls(*pictures_, side);
  const QString name = fromStored(header_->templateFile[i]);
  p.fileName->setText(
      p.fileName->fontMetrics().elidedText(name, Qt::ElideMiddle, p.fileName->minimumWidth()));
  p.fileName->setToolTip(name);
  p.shown->setChecked(header_->templateShown[i] != 0);
  p.dpi->setValue(header_->templateDpi[i]);
  p.offsetX->setValue(header_->templateOffsetX[i]);
  p.offsetY->setValue(header_->templateOffsetY[i]);
  for (QWidget* w : {static_cast<QWidget*>(p.remove), static_cast<QWidget*>(p.shown),
                     static_cast<QWidget*>(p.dpi), static_cast<QWidget*>(p.offsetX),
                     static_cast<QWidget*>(p.offsetY)}) {
    w->setEnabled(controls.loaded);
  }
  for (QLabel* label : p.labels) label->setEnabled(controls.loaded);
  p.colourLabel->setVisible(controls.colourVisible);
  p.colour->setVisible(controls.colourVisible);
  p.colour->setStyleSheet(
      QString("background-color: %1").arg(colourName(tintColour(header_->templateTint[i]))));
}

void TVorlageDlg::change(int side, TemplateSetting setting, int value) {
  if (filling_ || header_ == nullptr) return;
  if (!setTemplateSetting(*header_, *pictures_, side, setting, value, host_)) {
    refresh();
    return;
  }
  if (templateSideOfLayer(header_->activeLayer) == side) emit viewChanged();
}

void TVorlageDlg::chooseColour(int side) {
  if (header_ == nullptr) return;
  const auto chosen = chooseColour_(tintColour(header_->templateTint[side - 1]));
  if (!chosen) return;
  change(side, TemplateSetting::Tint, tintValue(*chosen));
  refresh();
}

}  // namespace pravelo
