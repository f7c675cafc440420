#pragma once

#include <filesystem>
#include <functional>
#include <string>

namespace pistora {

// Where the program's own settings files (param.txt, cn.dat, loupe.dat) are read and written.
// Two folders take part: the program's folder (beside the executable, where every earlier
// version kept them) and the user's configuration folder (e.g. ~/.config/pistora).
//   read:  the user's file when it exists, else the one beside the executable; when neither
//          exists, where the file will be written (the reader then says so or starts from the
//          built-in values, as before, naming that place);
//   write: the user's folder when the file is already there or the program's folder cannot be
//          written (an installed program), else beside the executable as before.
// So a file saved once is the one read next time, and an installed copy never needs root.
// The name of the user's configuration folder inside the system's configuration folder
// (XDG_CONFIG_HOME, ~/.config): ~/.config/pistora.
inline constexpr const char* kUserConfigFolderName = "pistora";

class SettingsLocation {
 public:
  using Probe = std::function<bool(const std::filesystem::path&)>;

  // `folder_writable` tells whether files can be created in a folder; `file_exists` whether a
  // regular file is there. Both default to the real file system.
  SettingsLocation(std::filesystem::path program_folder, std::filesystem::path user_folder,
                   Probe folder_writable = {}, Probe file_exists = {});

  std::filesystem::path ReadPath(const std::string& file_name) const;
  std::filesystem::path WritePath(const std::string& file_name) const;

  const std::filesystem::path& ProgramFolder() const { return program_folder_; }
  const std::filesystem::path& UserFolder() const { return user_folder_; }

 private:
  std::filesystem::path program_folder_;
  std::filesystem::path user_folder_;
  Probe folder_writable_;
  Probe file_exists_;
};

// Whether a file can be created in `folder` (tried with a file of its own, removed at once: the
// only answer that holds for every kind of rights). A missing folder is not writable.
bool FolderWritable(const std::filesystem::path& folder);

// Creates the folder that `file` goes in when it is missing. Returns a message naming the folder
// when it cannot be made, empty on success.
std::string PrepareFolderFor(const std::filesystem::path& file);

}  // namespace pistora
