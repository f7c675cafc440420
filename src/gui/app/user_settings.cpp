#include "gui/app/user_settings.h"

namespace pistora {

QSettings UserSettings() { return QSettings(QStringLiteral("Pistora"), QStringLiteral("Pistora")); }

}  // namespace pistora
