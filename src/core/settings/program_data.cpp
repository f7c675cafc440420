#include "core/settings/program_data.h"

#include <system_error>

namespace pistora {

std::filesystem::path ProgramDataFolder(const std::filesystem::path& program_folder, std::string_view kind,
                                        std::string_view marker_file,
                                        const std::function<bool(const std::filesystem::path&)>& file_exists) {
  const auto exists = [&](const std::filesystem::path& path) {
    if (file_exists) return file_exists(path);
    std::error_code ec;
    return std::filesystem::exists(path, ec);
  };
  if (exists(program_folder / marker_file)) return program_folder;
  const std::filesystem::path installed =
      (program_folder.parent_path() / "share" / "pistora" / kind).lexically_normal();
  return exists(installed / marker_file) ? installed : program_folder;
}

}  // namespace pistora
