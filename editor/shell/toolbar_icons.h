#pragma once
#include <QIcon>
#include <QPixmap>
#include <QString>

namespace qzedit {

// The toolbar's images by image key: the desktop theme's where it names one, drawn ones otherwise.
QIcon toolbarIcon(const QString& imageKey);
// The palette items' large icon.
QIcon paletteIcon();
// The splash logo and the window icon.
QPixmap logoPixmap(int size);

}  // namespace qzedit
