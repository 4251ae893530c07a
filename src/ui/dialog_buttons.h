#pragma once

#include <QDialogButtonBox>

class QDialog;

namespace pravelo {

// The "OK" and "Cancel" buttons of a dialog (object names B_OK, B_Cancel) and, when `help`, a
// "Help" button (B_Help). Cancel rejects the dialog; the caller connects `accepted` and
// `helpRequested`.
QDialogButtonBox* dialogButtons(QDialog* dialog, bool help = false);

}  // namespace pravelo
