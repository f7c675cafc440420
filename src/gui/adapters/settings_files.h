#pragma once

#include <QString>

#include "core/settings/settings_location.h"

namespace pistora {

// The user's configuration folder: QStandardPaths' generic configuration folder + "/pistora"
// (~/.config/pistora on Linux, $XDG_CONFIG_HOME/pistora when that is set). It holds the user's
// param.txt, cn.dat and loupe.dat once they are saved there, and the per-user settings file.
QString UserConfigFolder();

// The location rule of this run for param.txt and cn.dat: the executable's folder and the user's.
SettingsLocation ProgramSettingsLocation();

// Where a settings file is read and written. A non-empty `folder` (a test's, or a caller that
// keeps its files together) is used for both, as before; otherwise ProgramSettingsLocation()
// decides. The write path's folder is created when missing.
QString SettingsReadPath(const char* file_name, const QString& folder = {});
QString SettingsWritePath(const char* file_name, const QString& folder = {});

// The folder of the files shipped with the program of one `kind` ("lng", "pictures",
// "translations"), found by one of them (see ProgramDataFolder).
QString ProgramFilesFolder(const char* kind, const char* marker_file);

// loupe.dat follows the same rule with the current folder in place of the executable's, where
// the magnifier has always looked for it.
QString LoupeSettingsReadPath();
QString LoupeSettingsWritePath();

}  // namespace pistora
