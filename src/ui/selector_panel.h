#pragma once

#include <QDockWidget>

#include "document/document.h"
#include "geometry/length_text.h"
#include "settings/settings.h"

class QComboBox;
class QLabel;
class QSlider;
class QTreeWidget;

namespace pravelo {

// The selector panel: lists the elements of one type on the filtered layers, grouped by the
// values of a sorting criterion, and selects what the user chooses in the list: a value node
// selects all its elements, chosen elements select themselves; everything else is deselected.
// Its choices live in the settings record it is given.
class TSelector : public QDockWidget {
  Q_OBJECT

 public:
  // `settings` must outlive the panel.
  explicit TSelector(SelectorSettings& settings, QWidget* parent = nullptr);

  // Lists the elements of `board` (null: none); the board must stay until the next call.
  void showBoard(Board* board, LengthUnit unit);
  // Lists anew after the board's objects changed.
  void refresh();

 signals:
  // The panel selected objects; `autoZoom` is the slider position (0: do not zoom).
  void selectionChosen(int autoZoom);

 private:
  void fillSortCriteria();
  void choiceChanged();
  void chooseItems();

  SelectorSettings& settings_;
  Board* board_ = nullptr;
  LengthUnit unit_ = LengthUnit::Mm;
  QComboBox* types_;
  QComboBox* sorts_;
  QComboBox* layers_;
  QSlider* zoom_;
  QLabel* count_;
  QTreeWidget* tree_;
};

}  // namespace pravelo
