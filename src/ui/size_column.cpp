#include "ui/size_column.h"

#include <QAction>
#include <QGridLayout>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <cmath>
#include <vector>

#include "ui/pvb_spin_edit.h"
#include "ui/qt_text.h"
#include "ui/size_column_texts.h"
#include "ui/widget_hint.h"

namespace pravelo {

namespace {

constexpr int kIconSize = 24;

const QColor kYellow(255, 255, 0);
const QColor kSilver(192, 192, 192);

std::size_t listIndex(FavouriteKind kind) { return static_cast<std::size_t>(kind); }

// Object names of each list's menu and of its "Add" and "Remove" items.
struct ListNames {
  const char* menu;
  const char* add;
  const char* remove;
};
ListNames listNames(FavouriteKind kind) {
  switch (kind) {
    case FavouriteKind::Pads:
      return {"LA_Popup", "LA_Hinzufuegen", "LA_Entfernen"};
    case FavouriteKind::SmdPads:
      return {"SMD_Popup", "SMD_Hinzufuegen", "SMD_Entfernen"};
    case FavouriteKind::Tracks:
      break;
  }
  return {"LinienPopup", "L_Hinzufuegen", "L_Entfernen"};
}

std::vector<SizeField> toolFields(SizeTool tool) {
  switch (tool) {
    case SizeTool::Width:
      return {SizeField::Breite};
    case SizeTool::Pad:
      return {SizeField::Aussen, SizeField::Innen};
    case SizeTool::SmdPad:
      return {SizeField::SMDPad_X, SizeField::SMDPad_Y};
    case SizeTool::None:
      break;
  }
  return {};
}

const Text& shapeCaption(int shape) {
  static const std::array<const Text*, 9> captions = {
      &texts::padShape1, &texts::padShape2, &texts::padShape3, &texts::padShape4, &texts::padShape5,
      &texts::padShape6, &texts::padShape7, &texts::padShape8, &texts::padShape9};
  return *captions.at(static_cast<std::size_t>(shape - 1));
}

// An octagon of half-width a and half-height b whose corners are cut by 0.585 of the smaller.
QPainterPath octagon(QPointF c, double a, double b) {
  const double l = std::min(a, b) * 0.585;
  QPainterPath path;
  path.moveTo(c.x() - a, c.y() - b + l);
  for (const QPointF p :
       {QPointF(-a + l, -b), QPointF(a - l, -b), QPointF(a, -b + l), QPointF(a, b - l),
        QPointF(a - l, b), QPointF(-a + l, b), QPointF(-a, b - l)}) {
    path.lineTo(c + p);
  }
  path.closeSubpath();
  return path;
}

QPainterPath shapePath(int shape, QPointF c) {
  constexpr double r = 5.5;     // half the short side
  constexpr double longR = 10;  // half the long side
  const bool vertical = shape >= kPadRoundedV;
  const double a = shape == kPadCircular || shape == kPadOctagon || shape == kPadSquare ? 8
                   : vertical                                                           ? r
                                                                                        : longR;
  const double b = shape <= kPadSquare ? 8 : vertical ? longR : r;
  QPainterPath path;
  switch (shape) {
    case kPadOctagon:
    case kPadOctagonH:
    case kPadOctagonV:
      return octagon(c, a, b);
    case kPadSquare:
    case kPadRectangleH:
    case kPadRectangleV:
      path.addRect(QRectF(c.x() - a, c.y() - b, 2 * a, 2 * b));
      return path;
    default:
      path.addRoundedRect(QRectF(c.x() - a, c.y() - b, 2 * a, 2 * b), std::min(a, b),
                          std::min(a, b));
      return path;
  }
}

}  // namespace

QIcon padShapeIcon(int shape, bool throughPad) {
  QPixmap picture(kIconSize, kIconSize);
  picture.fill(Qt::transparent);
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  const QPointF centre(kIconSize / 2.0, kIconSize / 2.0);
  if (shape < kPadCircular || shape > kPadRectangleV) {
    // Differing shapes: a grey outline of no particular shape.
    p.setPen(QPen(Qt::gray, 1.5, Qt::DashLine));
    p.drawEllipse(centre, 8, 8);
    return QIcon(picture);
  }
  // A through pad is drawn with a rim, as plated holes look on the board.
  p.setPen(throughPad ? QPen(QColor(0, 0, 160), 2) : Qt::NoPen);
  p.setBrush(QColor(200, 0, 0));
  p.drawPath(shapePath(shape, centre));
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawEllipse(centre, 2.5, 2.5);
  return QIcon(picture);
}

SizeColumn::SizeColumn(QWidget* parent) : QWidget(parent) {
  setObjectName("P_Groessen");
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(2, 2, 2, 2);
  grid->setSpacing(2);

  struct Row {
    SizeField field;
    const char* name;
    const Text& hint;
  };
  const Row rows[] = {{SizeField::Breite, "SE_Breite", texts::trackWidthHint},
                      {SizeField::Aussen, "SE_Aussen", texts::padSizeHint},
                      {SizeField::Innen, "SE_Innen", texts::drillHint},
                      {SizeField::SMDPad_X, "SE_SMDPad_X", texts::smdPadHint},
                      {SizeField::SMDPad_Y, "SE_SMDPad_Y", texts::smdPadHint},
                      {SizeField::FreistanzOffset, "SE_FreistanzOffset", texts::clearanceHint}};
  int row = 0;
  for (const Row& r : rows) grid->addWidget(addField(r.field, r.name, r.hint), row++, 0);

  grid->addWidget(
      addListButton(FavouriteKind::Tracks, "SB_LinienPopup", texts::trackFavouritesHint), 0, 1);
  grid->addWidget(addListButton(FavouriteKind::Pads, "SB_LA_Popup", texts::padFavouritesHint), 1,
                  1);
  grid->addWidget(addListButton(FavouriteKind::SmdPads, "SB_SMD_Popup", texts::smdFavouritesHint),
                  3, 1);

  createShapeMenu();
  grid->addWidget(shapeButton_, 2, 1);

  auto* flip = new QToolButton(this);
  flip->setObjectName("SE_FlipSMD");
  flip->setText(qtr(texts::flipSmd));
  setWidgetHint(flip, texts::flipSmdHint);
  connect(flip, &QToolButton::clicked, this, &SizeColumn::flipSmdClicked);
  grid->addWidget(flip, 4, 1);
  grid->setRowStretch(row, 1);

  setFields(initialSizeFields(SizeSettings{}));
}

TPvbSpinEdit* SizeColumn::addField(SizeField f, const char* name, const Text& hint) {
  auto* edit = new TPvbSpinEdit(this);
  edit->setObjectName(name);
  setWidgetHint(edit, hint);
  const SizeFieldLimits limits = sizeFieldLimits(f);
  edit->setNachkommaStellen(limits.decimals);
  edit->setStep(static_cast<float>(std::pow(10.0, -limits.decimals)));
  edit->setMin(static_cast<float>(limits.minMm));
  edit->setMax(static_cast<float>(limits.maxMm));
  edit->setMitEinheit(true);
  // Leaving a field commits it even when nothing was typed; that must not press the value it
  // kept over a mixed selection onto every selected object. So only changes within a typing or
  // wheel gesture, which each begin with OnBackup, are reported.
  bool& edited = edited_[static_cast<std::size_t>(f)];
  connect(edit, &TPvbSpinEdit::OnEditChange, this, [this, f, edit, &edited] {
    if (edited) emit fieldChanged(f, static_cast<int>(mmToUnits(edit->value())));
  });
  connect(edit, &TPvbSpinEdit::OnEditExit, this, [&edited] { edited = false; });
  connect(edit, &TPvbSpinEdit::OnRadMouseUp, this, [&edited] { edited = false; });
  // Only a field that shows the selection changes objects, so only then is an undo step due.
  connect(edit, &TPvbSpinEdit::OnBackup, this, [this, f, &edited] {
    edited = true;
    if (fields_.highlight[static_cast<std::size_t>(f)] != SizeHighlight::None) {
      emit backupRequested(f);
    }
  });
  fieldWidgets_[static_cast<std::size_t>(f)] = edit;
  return edit;
}

QToolButton* SizeColumn::addListButton(FavouriteKind kind, const char* name, const Text& hint) {
  auto* button = new QToolButton(this);
  button->setObjectName(name);
  button->setArrowType(Qt::DownArrow);
  setWidgetHint(button, hint);
  auto* menu = new QMenu(this);
  menu->setObjectName(listNames(kind).menu);
  connect(menu, &QMenu::aboutToShow, this, [this, kind] { fillFavourites(kind); });
  connect(button, &QToolButton::clicked, this, [this, kind] { openFavourites(kind); });
  listButtons_[listIndex(kind)] = button;
  listMenus_[listIndex(kind)] = menu;
  return button;
}

void SizeColumn::createShapeMenu() {
  shapeButton_ = new QToolButton(this);
  shapeButton_->setObjectName("SB_LAForm");
  shapeButton_->setIconSize(QSize(kIconSize, kIconSize));
  setWidgetHint(shapeButton_, texts::padShapeHint);
  shapeMenu_ = new QMenu(this);
  shapeMenu_->setObjectName("LAForm_Popup");
  for (int shape = kPadCircular; shape <= kPadRectangleV; ++shape) {
    QAction* item = shapeMenu_->addAction(padShapeIcon(shape, false), qtr(shapeCaption(shape)));
    item->setObjectName(QString("LAForm%1").arg(shape));
    item->setCheckable(true);
    connect(item, &QAction::triggered, this, [this, shape] { emit padShapeChosen(shape); });
  }
  shapeMenu_->addSeparator();
  throughPad_ = shapeMenu_->addAction(qtr(texts::throughPad));
  throughPad_->setObjectName("Durchkontaktiert1");
  throughPad_->setCheckable(true);
  connect(throughPad_, &QAction::triggered, this, &SizeColumn::throughPadToggled);
  connect(shapeButton_, &QToolButton::clicked, this, [this] {
    shapeMenu_->popup(shapeButton_->mapToGlobal(QPoint(0, shapeButton_->height())));
  });
}

void SizeColumn::setFields(const SizeFields& fields) {
  fields_ = fields;
  for (SizeField f : kSizeFields) field(f)->setValue(unitsToMm(fields_[f]));
  showColours();
  shapeButton_->setIcon(padShapeIcon(fields_.shownPadShape, fields_.shownThroughPad));
  for (int shape = kPadCircular; shape <= kPadRectangleV; ++shape) {
    shapeMenu_->actions().at(shape - 1)->setChecked(shape == fields_.shownPadShape);
  }
  throughPad_->setChecked(fields_.shownThroughPad);
}

void SizeColumn::setUnit(LengthUnit unit) {
  unit_ = unit;
  for (TPvbSpinEdit* edit : fieldWidgets_) edit->setMIL(unit == LengthUnit::Mil);
}

void SizeColumn::setHoveredTool(SizeTool tool) {
  hoveredTool_ = tool;
  showColours();
}

// White on red: the field shows the selection (or the hovered tool's size); silver on red: the
// selected objects differ; yellow on black: the size of new objects.
void SizeColumn::showColours() {
  const std::vector<SizeField> hovered = toolFields(hoveredTool_);
  for (SizeField f : kSizeFields) {
    const SizeHighlight h = fields_.highlight[static_cast<std::size_t>(f)];
    const bool red = h != SizeHighlight::None || std::ranges::find(hovered, f) != hovered.end();
    field(f)->setEditTextColor(h == SizeHighlight::Mixed ? kSilver
                               : red                     ? QColor(Qt::white)
                                                         : kYellow);
    field(f)->setEditBKColor(red ? QColor(Qt::red) : QColor(Qt::black));
  }
}

void SizeColumn::openFavourites(FavouriteKind kind) {
  QToolButton* button = listButtons_[listIndex(kind)];
  listMenus_[listIndex(kind)]->popup(button->mapToGlobal(QPoint(0, button->height())));
}

// Filled each time the list opens, so that captions, marks and "Add" match the fields.
void SizeColumn::fillFavourites(FavouriteKind kind) {
  QMenu* menu = listMenus_[listIndex(kind)];
  const ListNames names = listNames(kind);
  delete menu->findChild<QMenu*>(names.remove);
  menu->clear();

  std::vector<Favourite>& list = favourites_[kind];
  const Favourite current = currentFavourite(kind, fields_);
  const FavouriteMenu shown = favouriteMenu(kind, list, current, unit_);
  for (std::size_t i = 0; i < list.size(); ++i) {
    QAction* item = menu->addAction(QString::fromStdString(shown.entries[i].caption));
    item->setCheckable(true);
    item->setChecked(shown.entries[i].checked);
    item->setVisible(!shown.entries[i].hidden);
    const Favourite entry = list[i];
    connect(item, &QAction::triggered, this,
            [this, kind, entry] { emit favouriteChosen(kind, entry); });
  }
  menu->addSeparator();

  QAction* add = menu->addAction(qtr(texts::addFavourite) + "  " +
                                 QString::fromStdString(shown.addCaption).trimmed());
  add->setObjectName(names.add);
  add->setEnabled(shown.addEnabled);
  connect(add, &QAction::triggered, this, [this, kind, current] {
    addFavourite(favourites_[kind], current);
    emit favouritesChanged(kind, true);
    QTimer::singleShot(0, this, [this, kind] { openFavourites(kind); });
  });

  QMenu* remove = menu->addMenu(qtr(texts::removeFavourite));
  remove->setObjectName(names.remove);
  for (std::size_t i = 0; i < list.size(); ++i) {
    QAction* item = remove->addAction(QString::fromStdString(shown.entries[i].caption));
    connect(item, &QAction::triggered, this, [this, kind, i] {
      removeFavourite(favourites_[kind], i);
      emit favouritesChanged(kind, false);
      QTimer::singleShot(0, this, [this, kind] { openFavourites(kind); });
    });
  }
}

}  // namespace pravelo
