#pragma once

#include <filesystem>
#include <functional>
#include <string_view>

namespace pistora {

// Where the files shipped with the program (language files, pictures, translations) are found:
// beside the executable when `marker_file` is there (a build folder, a copy unpacked anywhere),
// else in <prefix>/share/pistora/<kind>/ of an installed program whose executable is in
// <prefix>/bin. `file_exists` defaults to the real file system.
std::filesystem::path ProgramDataFolder(const std::filesystem::path& program_folder, std::string_view kind,
                                        std::string_view marker_file,
                                        const std::function<bool(const std::filesystem::path&)>& file_exists = {});

}  // namespace pistora
