#pragma once

#include <QDialog>
#include <array>
#include <optional>
#include <vector>

#include "document/document.h"
#include "geometry/length_text.h"
#include "manufacturing/milling_jobs.h"
#include "manufacturing/milling_options.h"
#include "settings/settings.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QToolButton;
class QTreeWidget;

namespace pravelo {

class TPvbSpinEdit;

// What the milling dialog hands back: the choices and the jobs in the order the user sorted
// them.
struct MillingChoice {
  MillingOptions options;
  std::vector<MillingJob> jobs;
};

// The milling dialog: which jobs to write and how. The rules of the controls and the job list
// come from the core; the stored choices go back to the settings on OK.
class TUmrissDlg : public QDialog {
  Q_OBJECT

 public:
  TUmrissDlg(MillingSettings& stored, QWidget* parent = nullptr);

  std::optional<MillingChoice> execute(const Board& board, LengthUnit unit, bool camOrigin);

  // The jobs in list order, as shown.
  std::vector<MillingJob> listedJobs() const;

 signals:
  void helpRequested(int topic);

 private:
  void refresh();
  MillingOptions readOptions() const;
  void showJobs(const std::vector<MillingJob>& jobs);

  MillingSettings& stored_;
  const Board* board_ = nullptr;
  LengthUnit unit_ = LengthUnit::Mm;
  bool camOrigin_ = true;
  bool refreshing_ = false;
  TPvbSpinEdit* width_;
  QCheckBox* millC1_;
  QCheckBox* millC2_;
  QComboBox* mirrorC1_;
  QComboBox* mirrorC2_;
  QCheckBox* punchC1_;
  QCheckBox* punchC2_;
  QSpinBox* passes_;
  QSpinBox* overlap_;
  QComboBox* drill_;
  QRadioButton* holesCircles_;
  QRadioButton* holesSame_;
  QRadioButton* holesSeparate_;
  TPvbSpinEdit* circleWidth_;
  QGroupBox* drillGroup_;
  QLabel* noDrillings_;
  QComboBox* outline_;
  QGroupBox* outlineGroup_;
  QLabel* noOutline_;
  std::array<QToolButton*, 8> references_{};
  TPvbSpinEdit* referenceDistance_;
  QRadioButton* textOutline_;
  QRadioButton* textSingleLine_;
  QRadioButton* selectedTextOutline_;
  QRadioButton* selectedTextSingleLine_;
  QCheckBox* selectedOnly_;
  QCheckBox* minimumFeed_;
  QComboBox* hpglUnit_;
  QCheckBox* jobList_;
  QCheckBox* separateFiles_;
  QTreeWidget* jobs_;
  QPushButton* ok_;
};

}  // namespace pravelo
