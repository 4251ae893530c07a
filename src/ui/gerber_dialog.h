#pragma once

#include <QDialog>
#include <array>
#include <vector>

#include "base/host.h"
#include "document/document.h"
#include "manufacturing/gerber_layers.h"
#include "settings/settings.h"
#include "settings/settings_store.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace pravelo {

class TPvbSpinEdit;

// The file-name endings of the eleven outputs, kept in the settings' "Gerber" section.
class TGerberDateinamenDlg : public QDialog {
  Q_OBJECT

 public:
  TGerberDateinamenDlg(Host& host, GerberSettings& names, SettingsStore& store,
                       QWidget* parent = nullptr);
  void execute();

 private:
  void show(const GerberSettings& names);

  Host& host_;
  GerberSettings& names_;
  SettingsStore& store_;
  std::array<QLineEdit*, kGerberOutputs.size()> fields_{};
};

// The Gerber export: which outputs of the active board to write, where and how. The rules of
// the controls and the files themselves come from the core.
class TGerberDlg : public QDialog {
  Q_OBJECT

 public:
  TGerberDlg(Host& host, AppSettings& settings, SettingsStore& store, QWidget* parent = nullptr);

  // Shows the dialog for `board`; the prefix is the layout's file name without folder and
  // extension.
  void execute(const Board& board, const std::string& layoutFile);
  // "Create Gerber files...".
  void create();

 private:
  void refresh();
  std::string folder() const;
  GerberOptions options() const;

  Host& host_;
  AppSettings& settings_;
  const Board* board_ = nullptr;
  bool refreshing_ = false;
  std::array<QCheckBox*, kGerberOutputs.size()> layers_{};
  std::array<QLabel*, kGerberOutputs.size()> names_{};
  QLineEdit* prefix_;
  QLineEdit* folder_;
  QCheckBox* mirror_;
  QCheckBox* frame_;
  QCheckBox* punch_;
  QCheckBox* centrePunch_;
  QCheckBox* x2_;
  QGroupBox* solderMask_;
  QCheckBox* maskPads_;
  QCheckBox* maskSmd_;
  QCheckBox* maskOthers_;
  QCheckBox* maskInverted_;
  TPvbSpinEdit* padOffset_;
  TPvbSpinEdit* smdOffset_;
  TPvbSpinEdit* othersOffset_;
  QGroupBox* smdMask_;
  QCheckBox* smdInverted_;
  TPvbSpinEdit* smdMaskOffset_;
  QPushButton* create_;
  QPlainTextEdit* log_;
  TGerberDateinamenDlg* namesDlg_;
};

}  // namespace pravelo
