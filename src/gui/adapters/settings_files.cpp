#include "gui/adapters/settings_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

#include "core/settings/loupe_settings.h"
#include "core/settings/program_data.h"

namespace pistora {
namespace {

std::filesystem::path ToPath(const QString& folder) { return std::filesystem::path(folder.toStdString()); }

QString FromPath(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

QString PreparedForWriting(const std::filesystem::path& path) {
  // A folder that cannot be made shows as the save's own error, which names the file.
  PrepareFolderFor(path);
  return FromPath(path);
}

SettingsLocation LoupeLocation() { return SettingsLocation(ToPath(QDir::currentPath()), ToPath(UserConfigFolder())); }

}  // namespace

QString UserConfigFolder() {
  return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
      .filePath(QString::fromLatin1(kUserConfigFolderName));
}

SettingsLocation ProgramSettingsLocation() {
  return SettingsLocation(ToPath(QCoreApplication::applicationDirPath()), ToPath(UserConfigFolder()));
}

QString SettingsReadPath(const char* file_name, const QString& folder) {
  if (!folder.isEmpty()) return QDir(folder).filePath(QString::fromLatin1(file_name));
  return FromPath(ProgramSettingsLocation().ReadPath(file_name));
}

QString SettingsWritePath(const char* file_name, const QString& folder) {
  if (!folder.isEmpty()) return QDir(folder).filePath(QString::fromLatin1(file_name));
  return PreparedForWriting(ProgramSettingsLocation().WritePath(file_name));
}

QString ProgramFilesFolder(const char* kind, const char* marker_file) {
  return FromPath(ProgramDataFolder(ToPath(QCoreApplication::applicationDirPath()), kind, marker_file));
}

QString LoupeSettingsReadPath() { return FromPath(LoupeLocation().ReadPath(kLoupeSettingsFileName)); }

QString LoupeSettingsWritePath() { return PreparedForWriting(LoupeLocation().WritePath(kLoupeSettingsFileName)); }

}  // namespace pistora
