#include "ui/options_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

#include "app/options_texts.h"
#include "document/document_texts.h"
#include "editing/crosshair_overlay.h"
#include "editing/overlay_frame.h"
#include "ui/coordinate_box_painter.h"
#include "ui/custom_colour_dialog.h"
#include "ui/dialog_buttons.h"
#include "ui/options_dialog_texts.h"
#include "ui/qt_text.h"
#include "view/frame.h"
#include "view/view_transform.h"

namespace pravelo {

namespace {

QColor optionsColour(Rgb c) { return {c.r, c.g, c.b}; }

QCheckBox* optionsCheckBox(const char* name, const Text& caption) {
  auto* box = new QCheckBox(qtr(caption));
  box->setObjectName(name);
  return box;
}

QSpinBox* optionsSpinBox(const char* name, int low, int high) {
  auto* spin = new QSpinBox;
  spin->setObjectName(name);
  spin->setRange(low, high);
  return spin;
}

QWidget* optionsPageOf(QLayout* layout) {
  auto* page = new QWidget;
  auto* outer = new QVBoxLayout(page);
  outer->addLayout(layout);
  outer->addStretch();
  return page;
}

// The switches of the first page with the keys they set.
struct GeneralSwitch {
  const char* name;
  const Text& caption;
  bool OptionenSettings::*key;
};

const GeneralSwitch kGeneralSwitches[] = {
    {"CB_Zoomfenster", texts::optionsBoardZoom, &OptionenSettings::PlatinenZoom},
    {"CB_SchrifthoeheBegrenzen", texts::optionsLimitTextHeight,
     &OptionenSettings::SchrifthoeheBegrenzen},
    {"CB_StrgZumFangen", texts::optionsCtrlToCapture, &OptionenSettings::StrgZumFangen},
    {"CB_AutoMasseDunkel", texts::optionsDarkGroundPlane, &OptionenSettings::AutoMasseDunkel},
    {"CB_DrawAlleAutoMassen", texts::optionsAllGroundPlanes, &OptionenSettings::AlleAutoMassen},
    {"CB_CAM_Nullpunkt", texts::optionsCamOrigin, &OptionenSettings::CAM_Nullpunkt},
    {"CB_BlinkTest", texts::optionsBlinkTest, &OptionenSettings::BlinkTest},
    {"CB_TestLuftlinien", texts::optionsTestConnections, &OptionenSettings::TestLuftlinien},
    {"CB_BezWertFlip", texts::optionsLabelsReadable, &OptionenSettings::BezWertFlip},
    {"CB_TracksOptimieren", texts::optionsOptimiseTracks, &OptionenSettings::TracksOptimieren},
    {"CB_NullpunktOben", texts::optionsOriginTop, &OptionenSettings::NullpunktOben},
};

// The colour panels in the order of the page, with the scheme slots they show.
struct ColourPanel {
  const Text& caption;
  int slot;
};

const ColourPanel kColourPanels[kSchemeSlots] = {
    {texts::optionsColourBackground, kSlotBackground},
    {texts::optionsColourGridLines, kSlotLineGrid},
    {texts::optionsColourGridDots, kSlotDotGrid},
    {texts::optionsColourC1, kLayerC1},
    {texts::optionsColourS1, kLayerS1},
    {texts::optionsColourC2, kLayerC2},
    {texts::optionsColourS2, kLayerS2},
    {texts::optionsColourI1, kLayerI1},
    {texts::optionsColourI2, kLayerI2},
    {texts::optionsColourOutline, kLayerO},
    {texts::optionsColourConnections, kSlotRubberBand},
    {texts::optionsColourVia, kSlotVia},
};

// The fixed folders of the folders page.
std::string FolderSettings::*const kFolderKeys[5] = {
    &FolderSettings::Layout, &FolderSettings::Gerber, &FolderSettings::Bitmap,
    &FolderSettings::Vorlage, &FolderSettings::PLT};

}  // namespace

// The coordinate box as the crosshair page's switches make it, on the colour scheme's
// background.
class CrosshairPreview : public QWidget {
 public:
  CrosshairPreview() {
    setObjectName("PB_FK_Vorschau");
    setMinimumSize(260, 140);
  }
  void show(const CrosshairOptions& options, Rgb background) {
    options_ = options;
    background_ = background;
    update();
  }
  const CrosshairOptions& options() const { return options_; }

 protected:
  void paintEvent(QPaintEvent*) override {
    CrosshairOverlay overlay;
    overlay.shown = true;
    overlay.showDelta = true;
    overlay.reference = {-127000, 127000};
    OverlayContext context;
    context.view.zoom = 0.001;
    context.view.scrollX = -width() / 2;
    context.view.scrollY = -height() / 2;
    context.width = width();
    context.height = height();
    context.background = background_;
    context.unit = LengthUnit::Mm;
    context.options = options_;
    context.boxTextWidth = boxTextWidth(options_);
    const OverlayFigure figure = overlayFigure(overlay, context);
    // Drawn as the drawing area draws it, over the scheme's background.
    Frame ground(width(), height());
    for (std::size_t i = 0; i < ground.pixels.size(); i += 4) {
      ground.pixels[i] = background_.r;
      ground.pixels[i + 1] = background_.g;
      ground.pixels[i + 2] = background_.b;
      ground.pixels[i + 3] = 255;
    }
    OverlayFrame overlayFrame;
    const Frame& drawn = overlayFrame.draw(ground, figure);
    QPainter painter(this);
    painter.drawImage(0, 0,
                      QImage(drawn.pixels.data(), drawn.width, drawn.height, drawn.width * 4,
                             QImage::Format_RGBA8888));
    if (figure.box) paintBoxRows(painter, *figure.box);
  }

 private:
  CrosshairOptions options_;
  Rgb background_;
};

TOptionsDlg::TOptionsDlg(AppFolders folders, Host& host, QWidget* parent)
    : QDialog(parent), folders_(std::move(folders)), host_(host) {
  setObjectName("TOptionsDlg");
  setWindowTitle(qtr(texts::optionsCaption));
  chooseColour_ = [this](Rgb current) {
    return chooseColourWithCustomColours(this, folders_.settings, current);
  };
  chooseFolder_ = [this](const std::string& start) -> std::optional<std::string> {
    const QString chosen =
        QFileDialog::getExistingDirectory(this, {}, QString::fromStdString(start));
    if (chosen.isEmpty()) return std::nullopt;
    return chosen.toStdString();
  };
  openFolder_ = [](const std::string& folder) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(folder)));
  };

  tree_ = new QTreeWidget;
  tree_->setObjectName("TV_Optionen");
  tree_->setHeaderHidden(true);
  tree_->setMaximumWidth(200);
  pages_ = new QStackedWidget;
  const Text* captions[kOptionsPages] = {
      &texts::optionsPageGeneral,     &texts::optionsPageColours,   &texts::optionsPageFolders,
      &texts::optionsPageMacroFolder, &texts::optionsPageUndo,      &texts::optionsPageImax,
      &texts::optionsPageHotkeys,     &texts::optionsPageCrosshair, &texts::optionsPageAutoSave};
  for (const Text* caption : captions) tree_->addTopLevelItem(new QTreeWidgetItem({qtr(*caption)}));
  for (QWidget* page : {generalPage(), coloursPage(), foldersPage(), macroFolderPage(), undoPage(),
                        imaxPage(), hotkeysPage(), crosshairPage(), autoSavePage()}) {
    pages_->addWidget(page);
  }
  connect(tree_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
    if (item) pages_->setCurrentIndex(tree_->indexOfTopLevelItem(item));
  });

  auto* body = new QHBoxLayout;
  body->addWidget(tree_);
  body->addWidget(pages_, 1);
  QDialogButtonBox* buttons = dialogButtons(this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body, 1);
  layout->addWidget(buttons);
}

TOptionsDlg::~TOptionsDlg() = default;

QWidget* TOptionsDlg::generalPage() {
  unit_ = new QComboBox;
  unit_->setObjectName("CB_Einheit");
  unit_->addItems({"mm", "mil"});
  drillColour_ = new QComboBox;
  drillColour_->setObjectName("CB_Bohrung");
  drillColour_->addItems({qtr(texts::optionsDrillBackground), qtr(texts::optionsDrillWhite),
                          qtr(texts::optionsDrillBlack)});
  auto* form = new QFormLayout;
  form->addRow(qtr(texts::optionsBaseUnit), unit_);
  form->addRow(qtr(texts::optionsDrillings), drillColour_);
  for (const GeneralSwitch& s : kGeneralSwitches) {
    QCheckBox* box = optionsCheckBox(s.name, s.caption);
    switches_.emplace_back(box, s.key);
    form->addRow(box);
  }
  return optionsPageOf(form);
}

QWidget* TOptionsDlg::coloursPage() {
  scheme_ = new QComboBox;
  scheme_->setObjectName("CB_Farben");
  scheme_->addItems({qtr(texts::optionsSchemeStandard), qtr(texts::optionsSchemeUser1),
                     qtr(texts::optionsSchemeUser2), qtr(texts::optionsSchemeUser3)});
  connect(scheme_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (filling_ || !schemes_) return;
    schemes_->choose(index, host_);
    showScheme();
  });
  auto* grid = new QGridLayout;
  for (int i = 0; i < kSchemeSlots; ++i) {
    auto* button = new QPushButton;
    button->setObjectName(QStringLiteral("P_Farbe%1").arg(kColourPanels[i].slot));
    button->setFixedSize(48, 20);
    colours_[static_cast<std::size_t>(i)] = button;
    grid->addWidget(button, i % 6, (i / 6) * 2);
    grid->addWidget(new QLabel(qtr(kColourPanels[i].caption)), i % 6, (i / 6) * 2 + 1);
    connect(button, &QPushButton::clicked, this,
            [this, slot = kColourPanels[i].slot] { editColour(slot); });
  }
  resetScheme_ = new QPushButton(qtr(texts::optionsResetScheme));
  resetScheme_->setObjectName("B_Default");
  connect(resetScheme_, &QPushButton::clicked, this, [this] {
    if (schemes_ && schemes_->resetToStandard()) showScheme();
  });
  auto* form = new QFormLayout;
  form->addRow(qtr(texts::optionsScheme), scheme_);
  form->addRow(grid);
  form->addRow(resetScheme_);
  return optionsPageOf(form);
}

QWidget* TOptionsDlg::foldersPage() {
  const Text* captions[5] = {&texts::optionsLayoutFolder, &texts::optionsGerberFolder,
                             &texts::optionsBitmapFolder, &texts::optionsTemplateFolder,
                             &texts::optionsHpglFolder};
  auto* grid = new QGridLayout;
  for (int i = 0; i < 5; ++i) {
    auto* edit = new QLineEdit;
    edit->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
    auto* browse = new QPushButton("...");
    browse->setObjectName(QStringLiteral("B_Ordner%1").arg(i + 1));
    browse->setFixedWidth(32);
    folderEdits_[static_cast<std::size_t>(i)] = edit;
    folderButtons_[static_cast<std::size_t>(i)] = browse;
    grid->addWidget(new QLabel(qtr(*captions[i])), i, 0);
    grid->addWidget(edit, i, 1);
    grid->addWidget(browse, i, 2);
    connect(browse, &QPushButton::clicked, this, [this, edit] {
      if (const auto chosen = chooseFolder_(edit->text().toStdString())) {
        edit->setText(QString::fromStdString(*chosen));
      }
    });
  }
  equalDir_ = optionsCheckBox("CB_EqualDir", texts::optionsEqualFolder);
  connect(equalDir_, &QCheckBox::toggled, this, &TOptionsDlg::showFolders);
  auto* layout = new QVBoxLayout;
  layout->addLayout(grid);
  layout->addWidget(new QLabel(qtr(texts::optionsFoldersNote)));
  layout->addWidget(equalDir_);
  return optionsPageOf(layout);
}

QWidget* TOptionsDlg::macroFolderPage() {
  macroFolder_ = new QLabel;
  macroFolder_->setObjectName("L_MakroDir");
  macroFolder_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* change = new QPushButton(qtr(texts::optionsChange));
  change->setObjectName("B_MakroAendern");
  auto* reset = new QPushButton(qtr(texts::optionsReset));
  reset->setObjectName("B_MakroReset");
  auto* explorer = new QPushButton(qtr(texts::optionsExplorer));
  explorer->setObjectName("B_MakroExplorer");
  connect(change, &QPushButton::clicked, this, [this] {
    if (const auto chosen = chooseFolder_(values_.ordner.Makro)) {
      values_.ordner.Makro = *chosen;
      macroFolder_->setText(QString::fromStdString(*chosen));
    }
  });
  connect(reset, &QPushButton::clicked, this, [this] {
    values_.ordner.Makro = resetMacroFolder(folders_);
    macroFolder_->setText(QString::fromStdString(values_.ordner.Makro));
  });
  connect(explorer, &QPushButton::clicked, this, [this] { openFolder_(values_.ordner.Makro); });
  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {change, reset, explorer}) buttons->addWidget(b);
  buttons->addStretch();
  auto* layout = new QVBoxLayout;
  layout->addWidget(new QLabel(qtr(texts::optionsMacroRoot)));
  layout->addWidget(macroFolder_);
  layout->addLayout(buttons);
  return optionsPageOf(layout);
}

QWidget* TOptionsDlg::undoPage() {
  undo_ = optionsSpinBox("SE_Undo", 1, 50);
  connect(undo_, &QSpinBox::valueChanged, this, [this] { undoChanged_ = !filling_; });
  auto* form = new QFormLayout;
  form->addRow(qtr(texts::optionsUndoSteps), undo_);
  return optionsPageOf(form);
}

QWidget* TOptionsDlg::imaxPage() {
  copperThickness_ = optionsSpinBox("SE_CUWidth", 1, 299);
  temperatureRise_ = optionsSpinBox("SE_DeltaTemp", 1, 299);
  auto* form = new QFormLayout;
  form->addRow(qtr(texts::optionsCopperThickness), copperThickness_);
  form->addRow(qtr(texts::optionsTemperatureRise), temperatureRise_);
  return optionsPageOf(form);
}

QWidget* TOptionsDlg::hotkeysPage() {
  hotkeys_ = new QListWidget;
  hotkeys_->setObjectName("LB_Hotkeys");
  hotkeyLetter_ = new QComboBox;
  hotkeyLetter_->setObjectName("CB_Hotkey");
  hotkeyLetter_->addItem(qtr(texts::optionsNoHotkey), '_');
  for (char c = 'A'; c <= 'Z'; ++c) hotkeyLetter_->addItem(QString(QChar(c)), c);
  auto* change = new QPushButton(qtr(texts::optionsChangeHotkey));
  change->setObjectName("B_Hotkey");
  connect(change, &QPushButton::clicked, this, &TOptionsDlg::changeHotkey);
  connect(hotkeys_, &QListWidget::currentRowChanged, this, [this](int row) {
    const int index = row - 1;  // the first row is the Standard mode with Escape
    if (index < 0 || index >= kToolHotkeys) return;
    const char letter = values_.optionen.Hotkeys[static_cast<std::size_t>(index)];
    hotkeyLetter_->setCurrentIndex(std::max(0, hotkeyLetter_->findData(letter)));
  });
  auto* row = new QHBoxLayout;
  row->addWidget(hotkeyLetter_);
  row->addWidget(change);
  row->addStretch();
  auto* layout = new QVBoxLayout;
  layout->addWidget(hotkeys_);
  layout->addLayout(row);
  return optionsPageOf(layout);
}

QWidget* TOptionsDlg::crosshairPage() {
  diagonals_ = optionsCheckBox("CB_FK_Diagonal", texts::optionsDiagonals);
  coordinates_ = optionsCheckBox("CB_FK_Koordinaten", texts::optionsCoordinates);
  bigText_ = optionsCheckBox("CB_FK_TextBig", texts::optionsBigText);
  transparent_ = optionsCheckBox("CB_FK_Transparent", texts::optionsTransparent);
  black_ = new QRadioButton(qtr(texts::optionsBlackBackground));
  black_->setObjectName("RB_FK_Black");
  white_ = new QRadioButton(qtr(texts::optionsWhiteBackground));
  white_->setObjectName("RB_FK_White");
  preview_ = new CrosshairPreview;
  for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{
           diagonals_, coordinates_, bigText_, transparent_, black_, white_}) {
    connect(b, &QAbstractButton::toggled, this, &TOptionsDlg::showCrosshair);
  }
  auto* layout = new QVBoxLayout;
  for (QWidget* w : std::initializer_list<QWidget*>{diagonals_, coordinates_, bigText_,
                                                    transparent_, black_, white_, preview_}) {
    layout->addWidget(w);
  }
  return optionsPageOf(layout);
}

QWidget* TOptionsDlg::autoSavePage() {
  autoSave_ = optionsCheckBox("CB_AutoSave", texts::optionsAutoSave);
  autoSaveMinutes_ = optionsSpinBox("SE_AutoSaveMinuten", 1, 60);
  autoSaveMinutes_->setSuffix(qtr(texts::optionsMinutes));
  connect(autoSave_, &QCheckBox::toggled, autoSaveMinutes_, &QWidget::setEnabled);
  auto* form = new QFormLayout;
  form->addRow(autoSave_);
  form->addRow(qtr(texts::optionsInterval), autoSaveMinutes_);
  return optionsPageOf(form);
}

void TOptionsDlg::setChoosers(ColourChooser colour, FolderChooser folder, FolderOpener opener) {
  chooseColour_ = std::move(colour);
  chooseFolder_ = std::move(folder);
  openFolder_ = std::move(opener);
}

void TOptionsDlg::load(OptionsPage page, const AppSettings& settings) {
  filling_ = true;
  values_ = settings;
  if (values_.optionen.Hotkeys.size() != kToolHotkeys) {
    values_.optionen.Hotkeys = toolHotkeys(values_.optionen);
  }
  const OptionenSettings& o = values_.optionen;
  unit_->setCurrentIndex(o.MIL ? 1 : 0);
  drillColour_->setCurrentIndex(std::clamp(o.BohrlochFarbe, 0, 2));
  for (const auto& [box, key] : switches_) box->setChecked(o.*key);

  schemes_ = std::make_unique<ColourSchemeChoice>(folders_.settings, o.Farbschema);
  atOpening_ = schemes_->shown();
  scheme_->setCurrentIndex(schemes_->number());

  for (int i = 0; i < 5; ++i) {
    // Shown as stored: folder names on Linux differ by case.
    folderEdits_[static_cast<std::size_t>(i)]->setText(
        QString::fromStdString(values_.ordner.*kFolderKeys[i]));
  }
  equalDir_->setChecked(values_.ordner.EqualDir);
  macroFolder_->setText(QString::fromStdString(values_.ordner.Makro));
  undo_->setValue(shownUndoDepth(o));
  undoChanged_ = false;
  copperThickness_->setValue(o.Imax_CU);
  temperatureRise_->setValue(o.Imax_DT);
  diagonals_->setChecked(o.FK_Diagonal);
  coordinates_->setChecked(o.FK_TextBox);
  bigText_->setChecked(o.FK_TextBig);
  transparent_->setChecked(o.FK_Transparent);
  (o.FK_TextBlack ? black_ : white_)->setChecked(true);
  autoSave_->setChecked(o.AutoSave);
  autoSaveMinutes_->setValue(autoSaveMinutes(o));
  autoSaveMinutes_->setEnabled(o.AutoSave);
  filling_ = false;

  showScheme();
  showFolders();
  showHotkeys();
  showCrosshair();
  tree_->setCurrentItem(tree_->topLevelItem(static_cast<int>(page)));
}

std::optional<AppSettings> TOptionsDlg::execute(OptionsPage page, const AppSettings& settings) {
  load(page, settings);
  if (exec() != QDialog::Accepted) return std::nullopt;
  return values();
}

AppSettings TOptionsDlg::values() const {
  AppSettings v = values_;
  OptionenSettings& o = v.optionen;
  o.MIL = unit_->currentIndex() == 1;
  o.BohrlochFarbe = drillColour_->currentIndex();
  for (const auto& [box, key] : switches_) o.*key = box->isChecked();
  if (schemes_) o.Farbschema = schemes_->number();
  for (int i = 0; i < 5; ++i) {
    v.ordner.*kFolderKeys[i] = folderEdits_[static_cast<std::size_t>(i)]->text().toStdString();
  }
  v.ordner.EqualDir = equalDir_->isChecked();
  // The stored default gives one step more than the field can show; it stays until the field
  // is changed.
  if (undoChanged_) storeShownUndoDepth(o, undo_->value());
  o.Imax_CU = copperThickness_->value();
  o.Imax_DT = temperatureRise_->value();
  o.FK_Diagonal = diagonals_->isChecked();
  o.FK_TextBox = coordinates_->isChecked();
  o.FK_TextBig = bigText_->isChecked();
  o.FK_Transparent = transparent_->isChecked();
  o.FK_TextBlack = black_->isChecked();
  o.AutoSave = autoSave_->isChecked();
  storeAutoSaveMinutes(o, autoSaveMinutes_->value());
  return v;
}

OptionsPage TOptionsDlg::page() const { return static_cast<OptionsPage>(pages_->currentIndex()); }

void TOptionsDlg::accept() {
  // A scheme that cannot be written is reported; the other settings still take effect.
  if (schemes_) schemes_->finish(host_);
  QDialog::accept();
}

void TOptionsDlg::reject() {
  emit schemeShown(atOpening_);
  QDialog::reject();
}

void TOptionsDlg::showScheme() {
  if (!schemes_) return;
  for (int i = 0; i < kSchemeSlots; ++i) {
    QPushButton* button = colours_[static_cast<std::size_t>(i)];
    const Rgb c = schemes_->shown().colours[static_cast<std::size_t>(kColourPanels[i].slot)];
    button->setStyleSheet(QStringLiteral("background-color: %1").arg(optionsColour(c).name()));
    button->setEnabled(schemes_->editable());
  }
  resetScheme_->setEnabled(schemes_->editable());
  showCrosshair();
  emit schemeShown(schemes_->shown());
}

void TOptionsDlg::editColour(int slot) {
  if (!schemes_ || !schemes_->editable()) return;
  const auto chosen = chooseColour_(schemes_->shown().colours[static_cast<std::size_t>(slot)]);
  if (chosen && schemes_->setColour(slot, *chosen)) showScheme();
}

void TOptionsDlg::showFolders() {
  const bool equal = equalDir_->isChecked();
  for (std::size_t i = 1; i < 5; ++i) {
    folderEdits_[i]->setEnabled(!equal);
    folderButtons_[i]->setEnabled(!equal);
  }
}

void TOptionsDlg::showHotkeys() {
  const int current = hotkeys_->currentRow();
  hotkeys_->clear();
  hotkeys_->addItem(qtr(texts::modeStandard) + " = Esc");
  for (int i = 0; i < kToolHotkeys; ++i) {
    const char letter = values_.optionen.Hotkeys[static_cast<std::size_t>(i)];
    hotkeys_->addItem(qtr(hotkeyModeName(i)) + " = " +
                      (letter == '_' ? qtr(texts::optionsNoHotkey) : QString(QChar(letter))));
  }
  hotkeys_->setCurrentRow(std::max(current, 1));
}

void TOptionsDlg::changeHotkey() {
  const int index = hotkeys_->currentRow() - 1;
  if (index < 0) return;
  const char letter = static_cast<char>(hotkeyLetter_->currentData().toInt());
  if (const auto refused =
          setToolHotkey(values_.optionen.Hotkeys, index, letter, currentLanguage())) {
    host_.showMessage(*refused, pravelo::tr(texts::productName), MessageIcon::Warning);
    return;
  }
  showHotkeys();
}

void TOptionsDlg::showCrosshair() {
  if (filling_) return;
  const CrosshairOptions options{diagonals_->isChecked(), coordinates_->isChecked(),
                                 bigText_->isChecked(), transparent_->isChecked(),
                                 black_->isChecked()};
  preview_->show(options, schemes_ ? schemes_->shown().background() : Rgb{});
}

}  // namespace pravelo
