#include "core/settings/settings_location.h"

#include <atomic>
#include <fstream>
#include <system_error>
#include <utility>

#include "core/text/message_translation.h"
#include "core/text/quoted.h"

namespace pistora {
namespace {

bool RegularFileExists(const std::filesystem::path& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

}  // namespace

SettingsLocation::SettingsLocation(std::filesystem::path program_folder, std::filesystem::path user_folder,
                                   Probe folder_writable, Probe file_exists)
    : program_folder_(std::move(program_folder)),
      user_folder_(std::move(user_folder)),
      folder_writable_(folder_writable ? std::move(folder_writable) : Probe(FolderWritable)),
      file_exists_(file_exists ? std::move(file_exists) : Probe(RegularFileExists)) {}

std::filesystem::path SettingsLocation::ReadPath(const std::string& file_name) const {
  const std::filesystem::path mine = user_folder_ / file_name;
  if (!user_folder_.empty() && file_exists_(mine)) return mine;
  const std::filesystem::path beside = program_folder_ / file_name;
  if (file_exists_(beside)) return beside;
  // Neither: the place a save will go, which the message about the missing file then names.
  return WritePath(file_name);
}

std::filesystem::path SettingsLocation::WritePath(const std::string& file_name) const {
  if (user_folder_.empty()) return program_folder_ / file_name;
  const std::filesystem::path mine = user_folder_ / file_name;
  if (file_exists_(mine) || !folder_writable_(program_folder_)) return mine;
  return program_folder_ / file_name;
}

bool FolderWritable(const std::filesystem::path& folder) {
  std::error_code ec;
  if (!std::filesystem::is_directory(folder, ec)) return false;
  static std::atomic<unsigned> counter{0};
  const std::filesystem::path probe =
      folder / (".pistora-write-test-" + std::to_string(++counter));
  {
    std::ofstream out(probe, std::ios::binary | std::ios::trunc);
    if (!out) return false;
  }
  std::filesystem::remove(probe, ec);
  return true;
}

std::string PrepareFolderFor(const std::filesystem::path& file) {
  const std::filesystem::path folder = file.parent_path();
  if (folder.empty()) return {};
  std::error_code ec;
  if (std::filesystem::is_directory(folder, ec)) return {};
  std::filesystem::create_directories(folder, ec);
  if (ec) return Fill(Tr("Impossible de créer le dossier %1 : %2."), {Quoted(folder.string()), ec.message()});
  return {};
}

}  // namespace pistora
