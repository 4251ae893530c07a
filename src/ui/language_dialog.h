#pragma once

#include <QDialog>
#include <optional>

#include "base/text.h"

class QListWidget;

namespace pravelo {

// The choice of the program's language among "Deutsch", "English" and "Francaise".
class TLanguageDlg : public QDialog {
 public:
  explicit TLanguageDlg(QWidget* parent = nullptr);

  // Offers the languages with `current` chosen; the choice on OK.
  std::optional<Language> execute(Language current);

 private:
  QListWidget* list_;
};

}  // namespace pravelo
