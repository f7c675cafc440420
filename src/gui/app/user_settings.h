#pragma once

#include <QSettings>

namespace pistora {

// The one per-user settings file that holds what the program keeps between runs beyond its own
// files (param.txt, cn.dat, loupe.dat): program options, tool, folders, recent files.
// Every window reads and writes it through this function only.
QSettings UserSettings();

}  // namespace pistora
