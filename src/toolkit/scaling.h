// Conversion from the 120-pixels-per-inch layout of the windows to the screen's density.
#pragma once

#include <QFont>
#include <QString>

namespace tk {

// Pixels per inch the windows were laid out for.
inline constexpr int kLayoutDensity = 120;

// The density layouts are scaled to: the primary screen's logical density, rounded, unless pinned.
int screenDensity();

// Pins the density (such as 120, where scaled(v) == v); 0 or less goes back to the screen's.
void setLayoutDensityForTests(double ppi);

// A layout length in pixels of the screen, rounded half away from zero.
int scaled(int layoutPixels);

// A font of the layout's family and pixel height, with fallbacks where that family is missing.
QFont layoutFont(const QString& family, int pixelHeight, bool bold = false, bool italic = false);

}  // namespace tk
