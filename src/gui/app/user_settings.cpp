#include "gui/app/user_settings.h"

#include <QDir>

#include "gui/adapters/settings_files.h"

namespace pistora {

// An INI file in the user's configuration folder, beside the user's param.txt, cn.dat and loupe.dat.
QSettings UserSettings() {
  return QSettings(QDir(UserConfigFolder()).filePath(QStringLiteral("pistora.conf")), QSettings::IniFormat);
}

}  // namespace pistora
