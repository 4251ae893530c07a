#pragma once

#include <QDialog>
#include <optional>

#include "document/document.h"

class QLineEdit;
class QPlainTextEdit;

namespace pravelo {

// The project information: title, author, company and a comment.
class TProjectInfoDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TProjectInfoDlg(QWidget* parent = nullptr);

  // Shows `info`; the entered information on OK.
  std::optional<ProjectInfo> execute(const ProjectInfo& info);

 signals:
  void helpRequested(int topic);

 private:
  void limitComment();

  QLineEdit* title_;
  QLineEdit* author_;
  QLineEdit* company_;
  QPlainTextEdit* comment_;
};

}  // namespace pravelo
