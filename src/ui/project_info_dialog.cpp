#include "ui/project_info_dialog.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "ui/dialog_buttons.h"
#include "ui/qt_text.h"
#include "ui/ui_texts.h"

namespace pravelo {

namespace {

constexpr int kProjectInfoHelpTopic = 56;  // help topic of the dialog
constexpr int kMaxField = 100;
constexpr int kMaxComment = 1900;

QLineEdit* field(const char* name, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setMaxLength(kMaxField);
  return edit;
}

// The stored comment separates its lines with CR LF.
QString commentFromStored(const std::string& comment) {
  return fromStored(comment).replace("\r\n", "\n");
}
std::string commentToStored(const QString& comment) {
  return toStored(QString(comment).replace("\n", "\r\n"));
}

}  // namespace

TProjectInfoDlg::TProjectInfoDlg(QWidget* parent)
    : QDialog(parent),
      title_(field("E_Titel", this)),
      author_(field("E_Autor", this)),
      company_(field("E_Firma", this)),
      comment_(new QPlainTextEdit(this)) {
  setObjectName("TProjectInfoDlg");
  setWindowTitle(qtr(texts::projectInfoCaption));
  comment_->setObjectName("M_Kommentar");
  connect(comment_, &QPlainTextEdit::textChanged, this, &TProjectInfoDlg::limitComment);

  auto* form = new QFormLayout;
  form->addRow(qtr(texts::projectTitleLabel), title_);
  form->addRow(qtr(texts::projectAuthorLabel), author_);
  form->addRow(qtr(texts::projectCompanyLabel), company_);
  form->addRow(qtr(texts::projectCommentLabel), comment_);

  QDialogButtonBox* buttons = dialogButtons(this, true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::helpRequested, this,
          [this] { emit helpRequested(kProjectInfoHelpTopic); });

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
}

std::optional<ProjectInfo> TProjectInfoDlg::execute(const ProjectInfo& info) {
  title_->setText(fromStored(info.title));
  author_->setText(fromStored(info.author));
  company_->setText(fromStored(info.company));
  comment_->setPlainText(commentFromStored(info.comment));
  if (exec() != QDialog::Accepted) return std::nullopt;
  return ProjectInfo{toStored(title_->text()), toStored(author_->text()),
                     toStored(company_->text()), commentToStored(comment_->toPlainText())};
}

// The limit counts stored bytes, where each line break takes two.
void TProjectInfoDlg::limitComment() {
  const QString text = comment_->toPlainText();
  if (text.size() + text.count('\n') <= kMaxComment) return;
  QString cut = text.left(kMaxComment);
  while (cut.size() + cut.count('\n') > kMaxComment) cut.chop(1);
  comment_->setPlainText(cut);
  comment_->moveCursor(QTextCursor::End);
}

}  // namespace pravelo
