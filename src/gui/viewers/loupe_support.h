#pragma once

#include <QImage>
#include <QRegion>
#include <QString>

#include "core/settings/loupe_settings.h"

namespace pistora {

// loupe.dat is read from the user's configuration folder, else from the current directory (see
// LoupeSettingsReadPath). The magnifier's two pictures are opened in the current directory, else
// where the program's pictures are (beside the executable, or share/pistora/pictures), so that
// the magnifier works whatever folder the program was started from.
QString LoupeSettingsPath();
QString LoupePicturePath(const QString& name);

// A shaped window's picture and its outline (see OutlineOfPicture).
struct ShapedPicture {
  QImage picture;  // 24 bits per pixel
  QRegion outline;
};

// Loads a shaped window's picture. On failure returns false and says why in `error`.
bool LoadShapedPicture(const QString& name, bool black_see_through, ShapedPicture* shaped, QString* error);

// Reads loupe.dat. A missing file is not an error: the magnifier starts with the settings as
// shipped (`settings` unchanged). A file that exists but cannot be read gives a message; the
// values read before the bad line are kept.
bool ReadLoupeSettingsFile(LoupeSettings* settings, QString* error);

}  // namespace pistora
