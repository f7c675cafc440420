#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "core/text/line_file.h"

namespace pistora::testing {

// A fresh folder under the system's temporary folder, removed with all it holds when the
// object goes (write permission is given back first, for tests that took it away).
class TempFolder {
 public:
  explicit TempFolder(std::string tag) {
    static std::atomic<unsigned> counter{0};
    // Parameterised test names hold "/": the folder stays one level deep.
    for (char& c : tag) {
      if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    }
    path_ = std::filesystem::temp_directory_path() /
            ("pistora_" + tag + "_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ec;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path_, ec)) {
      if (entry.is_directory(ec)) {
        std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
      }
    }
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::string PathOf(const std::string& name) const { return (path_ / name).string(); }

  // Names of the entries of the folder, sorted.
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  static std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
  }
  static void Write(const std::string& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }

 private:
  std::filesystem::path path_;
};

// A fixture with a folder of its own per test; the save fault plan is reset after each test.
class TempFolderTest : public ::testing::Test {
 protected:
  TempFolderTest() : folder_(::testing::UnitTest::GetInstance()->current_test_info()->name()) {}
  void TearDown() override { SetWriteFaultPlanForTesting(WriteFaultPlan{}); }

  std::string PathOf(const std::string& name) const { return folder_.PathOf(name); }
  static std::string Slurp(const std::string& path) { return TempFolder::Slurp(path); }
  static void Write(const std::string& path, std::string_view bytes) { TempFolder::Write(path, bytes); }

  TempFolder folder_;
};

// Whether permissions bind this process (they do not for root).
inline bool PermissionsApply() { return ::geteuid() != 0; }

}  // namespace pistora::testing
