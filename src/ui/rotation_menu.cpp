#include "ui/rotation_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QInputDialog>
#include <QMenu>
#include <cmath>

#include "document/document_texts.h"
#include "editing/editing_texts.h"
#include "editing/rotation_angle.h"
#include "settings/settings.h"
#include "ui/qt_text.h"

namespace pravelo {

namespace {

int tenths(double degrees) { return static_cast<int>(std::nearbyint(degrees * 10)); }

}  // namespace

QMenu* createRotationMenu(OptionenSettings& options, QWidget* parent) {
  auto* menu = new QMenu(parent);
  menu->setObjectName("WinkelPopup");
  auto* angles = new QActionGroup(menu);
  for (std::size_t i = 0; i < kPresetRotationAngles.size(); ++i) {
    const double degrees = kPresetRotationAngles[i];
    QAction* entry = angles->addAction(QString::fromStdString(rotationAngleCaption(degrees)));
    entry->setObjectName(QString("Winkel%1").arg(i + 1));
    entry->setCheckable(true);
    QObject::connect(entry, &QAction::triggered, menu,
                     [&options, degrees] { options.RotWinkel = tenths(degrees); });
    menu->addAction(entry);
  }
  QAction* own = angles->addAction(QString());
  own->setObjectName("WinkelUser");
  own->setCheckable(true);
  menu->addAction(own);
  QObject::connect(own, &QAction::triggered, menu, [&options, parent] {
    bool ok = false;
    const QString typed = QInputDialog::getText(
        parent, qtr(texts::productName), qtr(texts::rotationAnglePrompt), QLineEdit::Normal,
        QString::fromStdString(rotationAngleCaption(options.UserRotWinkel / 10.0)), &ok);
    if (!ok) return;
    if (const auto degrees = parseUserRotationAngle(typed.toStdString())) {
      options.UserRotWinkel = tenths(*degrees);
      options.RotWinkel = options.UserRotWinkel;
    }
  });
  // The check mark and the user entry's caption follow the settings.
  QObject::connect(menu, &QMenu::aboutToShow, menu, [&options, angles, own] {
    own->setText(QString::fromStdString(userRotationAngleCaption(options.UserRotWinkel / 10.0)));
    const QList<QAction*> entries = angles->actions();
    bool preset = false;
    for (std::size_t i = 0; i < kPresetRotationAngles.size(); ++i) {
      const bool chosen = options.RotWinkel == tenths(kPresetRotationAngles[i]);
      entries[static_cast<qsizetype>(i)]->setChecked(chosen);
      preset = preset || chosen;
    }
    own->setChecked(!preset);
  });
  return menu;
}

}  // namespace pravelo
