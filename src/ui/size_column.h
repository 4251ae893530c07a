#pragma once

#include <QIcon>
#include <QWidget>
#include <array>

#include "editing/favourites.h"
#include "editing/size_fields.h"
#include "geometry/length_text.h"

class QAction;
class QMenu;
class QToolButton;

namespace pravelo {

class TPvbSpinEdit;

// The tool whose button the pointer is over: its fields are highlighted meanwhile.
enum class SizeTool { None, Width, Pad, SmdPad };

// The picture of a pad shape for the shape button and the pad tool button; shape 0 is the
// neutral picture for differing shapes.
QIcon padShapeIcon(int shape, bool throughPad);

// The column of size fields beside the drawing area: the six length fields, the favourites
// buttons, "Flip SMD" and the pad shape menu with "Through pad". It shows a `SizeFields` and
// reports what the user does; the owner applies it to the document and shows the result again.
// The favourites lists are kept here; the owner stores them when they change.
class SizeColumn : public QWidget {
  Q_OBJECT

 public:
  explicit SizeColumn(QWidget* parent = nullptr);

  // The pad shape menu, also the drop-down of the pad tool's button.
  QMenu* shapeMenu() const { return shapeMenu_; }

  void setFields(const SizeFields& fields);
  const SizeFields& fields() const { return fields_; }
  void setUnit(LengthUnit unit);
  void setHoveredTool(SizeTool tool);

  void setFavourites(const Favourites& favourites) { favourites_ = favourites; }
  const Favourites& favourites() const { return favourites_; }
  // Opens a list's menu below its button, as a click on the button does.
  void openFavourites(FavouriteKind kind);

 signals:
  // A value typed into a field or set with its wheel, in units.
  void fieldChanged(SizeField field, int units);
  // Before the first change of a typing or wheel gesture in a field that shows the selection.
  void backupRequested(SizeField field);
  void flipSmdClicked();
  void padShapeChosen(int shape);
  void throughPadToggled(bool on);
  void favouriteChosen(FavouriteKind kind, Favourite entry);
  // An entry was added or removed; pad and SMD lists are to be written at once after an Add.
  void favouritesChanged(FavouriteKind kind, bool added);

 private:
  TPvbSpinEdit* addField(SizeField field, const char* name, const Text& hint);
  QToolButton* addListButton(FavouriteKind kind, const char* name, const Text& hint);
  void createShapeMenu();
  void fillFavourites(FavouriteKind kind);
  void showColours();
  TPvbSpinEdit* field(SizeField f) const { return fieldWidgets_[static_cast<std::size_t>(f)]; }

  SizeFields fields_;
  Favourites favourites_;
  LengthUnit unit_ = LengthUnit::Mm;
  SizeTool hoveredTool_ = SizeTool::None;
  std::array<TPvbSpinEdit*, kSizeFieldCount> fieldWidgets_{};
  std::array<bool, kSizeFieldCount> edited_{};  // within a typing or wheel gesture
  std::array<QToolButton*, 3> listButtons_{};
  std::array<QMenu*, 3> listMenus_{};
  QToolButton* shapeButton_ = nullptr;
  QMenu* shapeMenu_ = nullptr;
  QAction* throughPad_ = nullptr;
};

}  // namespace pravelo
