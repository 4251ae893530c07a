#pragma once

#include <QDockWidget>
#include <vector>

#include "copper/drc.h"
#include "document/document.h"
#include "geometry/length_text.h"
#include "settings/settings.h"
#include "view/colour_scheme.h"

class QCheckBox;
class QGridLayout;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace pravelo {

class TPvbSpinEdit;

// The design rule check panel: every check with its limit, the two runs (the whole board or the
// visible part), the list of findings and the count. Its switches and limits live in the
// settings record it is given; the list holds the findings of the last run on the current board.
class TDRC_Dlg : public QDockWidget {
  Q_OBJECT

 public:
  // `settings` must outlive the panel.
  explicit TDRC_Dlg(DrcSettings& settings, QWidget* parent = nullptr);

  // Binds the panel to `board` (null: none) and empties the list; the board must stay until the
  // next call.
  void showBoard(const Board* board, LengthUnit unit, const ColourScheme& scheme);
  // Runs the checks within `area` (world units) and lists what they find, all selected.
  void run(const TRect& area);

  // The findings whose entries are selected, in list order.
  std::vector<DrcFinding> selectedFindings() const;
  const std::vector<DrcFinding>& findings() const { return findings_; }

 signals:
  void completeRequested();
  void windowRequested();
  // The selection of entries changed: the markers are to be drawn anew.
  void markersChanged();
  // An entry was double-clicked: show its place.
  void entryChosen(TRect marker);

 private:
  void addCheck(QGridLayout* grid, int row, const Text& caption, bool DrcSettings::*check,
                int DrcSettings::*limit);
  void clearList();
  void readFields();

  DrcSettings& settings_;
  const Board* board_ = nullptr;
  ColourScheme scheme_;
  std::vector<DrcFinding> findings_;
  std::vector<std::pair<TPvbSpinEdit*, int DrcSettings::*>> limits_;
  QListWidget* list_;
  QProgressBar* progress_;
  QLabel* count_;
  QPushButton* selectAll_;
};

}  // namespace pravelo
