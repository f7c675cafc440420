// Every save of a settings, engraving or program file goes through a temporary file: when the
// save fails half-way (a full disk, a rename refused, a folder that cannot be written), the
// previous file stays byte for byte, no scrap is left beside it and the message says so.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <ostream>

#include <sys/stat.h>

#include "core/job/engraving_file.h"
#include "core/job/gcode_writer.h"
#include "core/settings/loupe_settings.h"
#include "core/settings/machine_parameters.h"
#include "core/settings/main_settings.h"
#include "core/text/line_file.h"
#include "support/temp_folder.h"

namespace pistora {
namespace {

using testing::PermissionsApply;
using testing::TempFolder;
using testing::TempFolderTest;

// One kind of file: its name and a save of an old (false) or a new (true) content.
struct Saver {
  const char* label;
  const char* file_name;
  std::function<Status(const std::string& path, bool newer)> save;
};

// Test names and messages show the kind of file.
void PrintTo(const Saver& saver, std::ostream* os) { *os << saver.label; }

Workspace SmallEngraving(bool newer) {
  Workspace ws;
  ws.PixelSizeMm = newer ? 0.05 : 0.0254;
  ws.EngravingBitmap = Bitmap(newer ? 12 : 10, 8);
  Contour c;
  c.StartX = 2;
  c.StartY = 3;
  c.PointCount = newer ? 7 : 4;
  ws.Table.items.push_back(c);
  return ws;
}

const Saver kSavers[] = {
    {"param_txt", "param.txt",
     [](const std::string& path, bool newer) {
       MainSettings s;
       s.EngravingFeed = newer ? "420" : "350";
       return SaveMainSettings(path, s);
     }},
    {"cn_dat", "cn.dat",
     [](const std::string& path, bool newer) {
       MachineParameterFile f;
       f.SetText(CnLine::WorkFeed, newer ? "250" : "400");
       return SaveMachineParameters(path, f);
     }},
    {"loupe_dat", "loupe.dat",
     [](const std::string& path, bool newer) {
       LoupeSettings s;
       s.SliderPosition = newer ? 26 : 1;
       s.ZoomText = ZoomPercentText(s.SliderPosition);
       return SaveLoupeSettings(path, s);
     }},
    {"grv", "board.grv",
     [](const std::string& path, bool newer) { return SaveEngravingFile(path, SmallEngraving(newer)); }},
    {"iso", "board.iso",
     [](const std::string& path, bool newer) {
       Workspace ws = SmallEngraving(newer);
       NullHost host;
       JobParameters p;
       p.EngravingFeed = newer ? "500" : "350";
       return GenerateEngravingProgram(ws, host, p, path);
     }},
};

class SaveFailure : public TempFolderTest, public ::testing::WithParamInterface<Saver> {
 protected:
  void SetUp() override {
    path_ = PathOf(GetParam().file_name);
    ASSERT_TRUE(GetParam().save(path_, false).ok());
    previous_ = Slurp(path_);
    ASSERT_FALSE(previous_.empty());
    // The bytes a successful save of the new content writes.
    TempFolder reference("save_reference");
    const std::string ref_path = reference.PathOf(GetParam().file_name);
    ASSERT_TRUE(GetParam().save(ref_path, true).ok());
    newer_ = TempFolder::Slurp(ref_path);
    ASSERT_NE(newer_, previous_);
  }

  // The failed save told the user which file and that the old one is kept, and left it alone.
  void ExpectPreviousKept(const Status& status) {
    EXPECT_FALSE(status.ok());
    EXPECT_NE(status.message().find(path_), std::string::npos) << status.message();
    EXPECT_NE(status.message().find("conservé"), std::string::npos) << status.message();
    EXPECT_EQ(Slurp(path_), previous_);
    EXPECT_EQ(folder_.Names(), std::vector<std::string>{GetParam().file_name});
  }

  std::string path_;
  std::string previous_;
  std::string newer_;
};

TEST_P(SaveFailure, AWorkingSaveReplacesTheFile) {
  ASSERT_TRUE(GetParam().save(path_, true).ok());
  EXPECT_EQ(Slurp(path_), newer_);
  EXPECT_EQ(folder_.Names(), std::vector<std::string>{GetParam().file_name});
}

TEST_P(SaveFailure, NeverWritesThroughALinkAndKeepsTheMode) {
  // A link planted at the temporary names (someone else's file behind it) and a scrap left by a
  // killed save: both go, the linked file is untouched, and a private file stays private.
  const std::string victim = PathOf("victim");
  ASSERT_TRUE(WriteFileAtomically(victim, "keep").ok());
  for (int n = 0; n < 64; ++n) std::filesystem::create_symlink(victim, path_ + ".tmp~" + std::to_string(n));
  ASSERT_TRUE(WriteFileAtomically(path_ + ".tmp~killed", "scrap").ok());
  std::filesystem::permissions(path_, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  ASSERT_TRUE(GetParam().save(path_, true).ok());
  EXPECT_EQ(Slurp(path_), newer_);
  EXPECT_EQ(Slurp(victim), "keep");
  EXPECT_EQ(folder_.Names(), (std::vector<std::string>{GetParam().file_name, "victim"}));
  EXPECT_EQ(std::filesystem::status(path_).permissions(),
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  // A new file: 0644 less the umask.
  const mode_t mask = ::umask(022);
  ::umask(mask);
  const std::string fresh = PathOf(std::string("fresh-") + GetParam().file_name);
  ASSERT_TRUE(GetParam().save(fresh, true).ok());
  EXPECT_EQ(static_cast<mode_t>(std::filesystem::status(fresh).permissions()), 0644 & ~mask);
}

TEST_P(SaveFailure, AFullDiskAtAnyPointKeepsThePreviousFile) {
  for (const long long after : {0LL, 1LL, static_cast<long long>(newer_.size() / 2),
                                static_cast<long long>(newer_.size() - 1)}) {
    SCOPED_TRACE(after);
    SetWriteFaultPlanForTesting(WriteFaultPlan{after, false});
    ExpectPreviousKept(GetParam().save(path_, true));
  }
  // Once the disk has room again the same save goes through.
  SetWriteFaultPlanForTesting(WriteFaultPlan{});
  ASSERT_TRUE(GetParam().save(path_, true).ok());
  EXPECT_EQ(Slurp(path_), newer_);
}

TEST_P(SaveFailure, ARefusedRenameKeepsThePreviousFile) {
  SetWriteFaultPlanForTesting(WriteFaultPlan{-1, true});
  ExpectPreviousKept(GetParam().save(path_, true));
}

TEST_P(SaveFailure, AReadOnlyFolderKeepsThePreviousFile) {
  if (!PermissionsApply()) GTEST_SKIP() << "permissions do not bind root";
  std::filesystem::permissions(folder_.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  const Status status = GetParam().save(path_, true);
  std::filesystem::permissions(folder_.path(), std::filesystem::perms::owner_all);
  EXPECT_FALSE(status.ok());
  EXPECT_NE(status.message().find(path_), std::string::npos) << status.message();
  EXPECT_EQ(Slurp(path_), previous_);
  EXPECT_EQ(folder_.Names(), std::vector<std::string>{GetParam().file_name});
}

TEST_P(SaveFailure, AFolderThatIsGoneIsReportedAndNothingIsCreated) {
  // A folder removed behind the program's back (an unplugged stick): also fails for root.
  const std::string gone = PathOf("gone");
  const std::string path = gone + "/" + GetParam().file_name;
  const Status status = GetParam().save(path, true);
  EXPECT_FALSE(status.ok());
  EXPECT_NE(status.message().find(GetParam().file_name), std::string::npos) << status.message();
  EXPECT_FALSE(std::filesystem::exists(gone));
}

INSTANTIATE_TEST_SUITE_P(EverySavedFile, SaveFailure, ::testing::ValuesIn(kSavers),
                         [](const ::testing::TestParamInfo<Saver>& tested) { return std::string(tested.param.label); });

}  // namespace
}  // namespace pistora
