#pragma once

#include <QSplashScreen>
#include <memory>

namespace vg {

// The start window: the program's picture centred on the screen while the
// windows are created.
std::unique_ptr<QSplashScreen> ShowStartWindow();

// The start window's picture.
QPixmap StartPicture();

}  // namespace vg
