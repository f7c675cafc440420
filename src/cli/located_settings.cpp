#include "cli/located_settings.h"

#include <QDir>
#include <QStandardPaths>
#include <filesystem>
#include <system_error>

#include "core/settings/machine_parameters.h"
#include "core/settings/settings_location.h"

namespace pistora::cli {

std::string LocatedMachineParameters() {
  std::error_code ec;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  // The same user folder as the windows' (gui/adapters/settings_files.h).
  const QString user = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
                           .filePath(QString::fromLatin1(kUserConfigFolderName));
  const SettingsLocation location(ec ? std::filesystem::path() : exe.parent_path(), user.toStdString());
  const std::filesystem::path path = location.ReadPath(kMachineParameterFileName);
  return std::filesystem::is_regular_file(path, ec) ? path.string() : std::string();
}

}  // namespace pistora::cli
