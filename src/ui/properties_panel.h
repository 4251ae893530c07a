#pragma once

#include <QDockWidget>
#include <map>
#include <optional>

#include "editing/favourites.h"
#include "editing/properties.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QSlider;
class QSpinBox;
class QStackedWidget;
class QToolButton;

namespace pravelo {

class TPvbSpinEdit;

// The properties panel: a page per group of selected objects (or the board's page), chosen in
// the multi-selection list when the selection holds several kinds. It shows a
// `PropertiesSummary` and reports each field the user changes; the owner applies it and shows
// the result again.
class TEigenschaftenDlg : public QDockWidget {
  Q_OBJECT

 public:
  explicit TEigenschaftenDlg(QWidget* parent = nullptr);

  void showSummary(const PropertiesSummary& summary, LengthUnit unit, int imaxCopper, int imaxRise);
  // The row chosen in the multi-selection list, to be shown again after a change.
  std::optional<PropertyPage> chosenPage() const { return chosen_; }
  // Whether a wheel or slider is held: its changes are one gesture until it is released.
  bool dragging() const { return dragging_; }

 signals:
  void propertyChanged(Property field, const PropertyInput& input);
  // A wheel or slider was released: the gesture of its changes ends.
  void gestureEnded();
  void pageChosen();
  void favouritesRequested(FavouriteKind kind);

 private:
  void addPosition(QFormLayout* form, Property x, const char* xName, Property y, const char* yName);
  QWidget* createPadPage();
  QWidget* createSmdPage();
  QWidget* createTextPage();
  QWidget* createCirclePage();
  QWidget* createTrackPage();
  QWidget* createZonePage();
  QWidget* createBoardPage();
  QWidget* spokeButtons(Property first, Property toggled, const char* prefix);
  QSlider* spokeSlider(Property p, const char* name);
  QToolButton* favouritesButton(FavouriteKind kind);

  TPvbSpinEdit* length(Property p, const char* name, double min, double max, int decimals);
  QCheckBox* check(Property p, const char* name, const Text& caption);
  QToolButton* twoState(Property p, const char* name, const Text& caption);
  QButtonGroup* choice(Property p, QWidget* parent, std::initializer_list<const char*> names,
                       std::initializer_list<const Text*> captions);
  QLineEdit* textField(Property p, const char* name, int maxLength);
  QLabel* info(const char* name);
  void report(Property p, double number);
  void showValue(Property p, const ShownValue& value);

  QLabel* kind_;
  QWidget* multiselect_;
  QListWidget* rows_;
  QStackedWidget* pages_;
  std::optional<PropertyPage> chosen_;
  std::vector<PropertyPage> shownRows_;
  bool showing_ = false;   // fields are being filled: their signals are not the user's
  bool dragging_ = false;  // a wheel or slider is held
  std::map<Property, TPvbSpinEdit*> lengths_;
  std::map<Property, QCheckBox*> checks_;
  std::map<Property, QToolButton*> buttons_;
  std::map<Property, QButtonGroup*> choices_;
  std::map<Property, QLineEdit*> texts_;
  std::map<Property, QSlider*> sliders_;
  QComboBox* shape_ = nullptr;
  QSpinBox* textAngle_ = nullptr;
  std::map<Property, QDoubleSpinBox*> angles_;
  QLabel* padSpokeWidth_ = nullptr;
  QLabel* smdSpokeWidth_ = nullptr;
  QLabel* strokeWidth_ = nullptr;
  QLabel* trackLength_ = nullptr;
  QLabel* trackNodes_ = nullptr;
  QLabel* imax_ = nullptr;
  QLabel* imaxNote_ = nullptr;
  QLabel* zoneNodes_ = nullptr;
  QLabel* filledNote_ = nullptr;
  QLabel* area_ = nullptr;
};

}  // namespace pravelo
