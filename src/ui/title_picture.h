#pragma once

#include <QPixmap>

namespace pravelo {

// The picture of the splash window shown while the program starts.
QPixmap titlePicture();

}  // namespace pravelo
