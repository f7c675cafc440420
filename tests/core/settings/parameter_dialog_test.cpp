#include "core/settings/parameter_dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/text/line_file.h"
#include "support/golden_file.h"
#include "support/temp_folder.h"

namespace pistora {
namespace {

using testing::TempFolderTest;

int At(CnLine line) { return static_cast<int>(line); }

// The 47 lines of a file written with the factory values.
std::vector<std::string> FactoryLines() {
  const MachineParameterFile file = DialogValuesToFile(FactoryDialogValues());
  return {file.Texts.begin(), file.Texts.end()};
}

bool Mentions(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(ParameterDialogTable, ControlsFollowTheFileOrderOfTheirLines) {
  // The objectNames the documents and language files know the controls by, line by line.
  std::string names;
  for (const ParameterDialogControl& control : ParameterDialogControls()) {
    names += std::string(MachineSettingsControls().ObjectName(control.role)) + " ";
  }
  EXPECT_EQ(names,
            "ComboBox1 ComboBox2 ComboBox3 ComboBox4 ComboBox5 ComboBox6 ComboBox7 ComboBox8 ComboBox9 "
            "ComboBox10 ComboBox11 ComboBox12 ComboBox13 CheckBox1 CheckBox2 CheckBox3 CheckBox4 CheckBox5 "
            "CheckBox6 CheckBox7 CheckBox8 CheckBox9 CheckBox10 CheckBox11 CheckBox12 Edit1 Edit2 Edit3 Edit4 "
            "Edit6 Edit7 Edit5 Edit8 Edit9 Edit10 Edit11 Edit12 Edit14 Edit15 Edit16 Edit17 Edit18 Edit19 "
            "Edit20 Edit21 Edit22 Edit23 ");
  EXPECT_EQ(FindParameterDialogControl(MachineSettingsControl::kCopyGapEdit)->line, CnLine::CopyGap);
  EXPECT_EQ(FindParameterDialogControl(MachineSettingsControl::kZTargetEdit), nullptr);  // the Z target is not saved
}

TEST(ParameterDialogTable, ListsKeyModesAndColours) {
  using R = MachineSettingsControl;
  EXPECT_EQ(FindParameterDialogControl(R::kPortList)->list, DialogListKind::Port);
  EXPECT_EQ(FindParameterDialogControl(R::kProbeList)->list, DialogListKind::Input);
  EXPECT_EQ(FindParameterDialogControl(R::kSpindleList)->list, DialogListKind::Output);
  EXPECT_EQ(DialogListItems(DialogListKind::Port).size(), 4u);
  EXPECT_EQ(DialogListItems(DialogListKind::Port)[1], "LPT1  378h - 37Fh");
  EXPECT_EQ(DialogListItems(DialogListKind::Input).size(), 6u);
  EXPECT_EQ(DialogListItems(DialogListKind::Input)[5], "b11 = Busy");
  EXPECT_EQ(DialogListItems(DialogListKind::Output).size(), 9u);
  EXPECT_EQ(DialogListItems(DialogListKind::Output)[0], "Non utilisée");
  EXPECT_EQ(DialogListItems(DialogListKind::Output)[8], "b9 = D7");

  // Integers (feeds, times) take digits only; scales and lengths a decimal separator too.
  for (R role : {R::kMaxFeedEdit, R::kWorkFeedEdit, R::kMinPulseEdit, R::kTickWaitEdit, R::kLimitBackOffEdit}) {
    EXPECT_EQ(FindParameterDialogControl(role)->mode, KeyMode::UnsignedInteger) << static_cast<int>(role);
  }
  for (R role : {R::kStepsPerMmXEdit, R::kStepsPerMmZEdit, R::kSurfaceOffsetXEdit, R::kSurfaceStepOverEdit,
                 R::kPlateSizeXEdit, R::kCopyGapEdit, R::kPlateOriginYEdit}) {
    EXPECT_EQ(FindParameterDialogControl(role)->mode, KeyMode::UnsignedDecimal) << static_cast<int>(role);
  }

  EXPECT_EQ(ListColour(0), (ListRgb{255, 0, 0}));
  EXPECT_EQ(ListColour(2), (ListRgb{0, 255, 0}));
  EXPECT_EQ(ListColour(kNoSelection), (ListRgb{0, 255, 0}));
}

TEST(ParameterDialogLoad, FactoryValuesShowPortOneAndNothingWired) {
  const ParameterDialogValues values = FactoryDialogValues();
  EXPECT_EQ(values[At(CnLine::PortIndex)].index, 1);
  EXPECT_EQ(values[At(CnLine::SpindleOutput)].index, 0);
  EXPECT_FALSE(values[At(CnLine::DirZInverted)].checked);
  EXPECT_EQ(values[At(CnLine::StepsPerMmY)].text, "133.3333");
  EXPECT_EQ(values[At(CnLine::SurfaceSizeX)].text, "200.5");
  EXPECT_EQ(values[At(CnLine::LimitBackOffMm)].text, "5");
  EXPECT_TRUE(ParameterSaveWarnings(values).empty());
}

TEST(ParameterDialogLoad, ReadsEveryLineIntoItsControl) {
  std::vector<std::string> lines = FactoryLines();
  lines[At(CnLine::StepYOutput)] = "8";
  lines[At(CnLine::LimitYInverted)] = "TRUE";
  lines[At(CnLine::ProbeInverted)] = "True";  // only the exact word counts
  lines[At(CnLine::PlateOriginY)] = " 12,5 ";   // edit texts are taken as they are
  ParameterDialogValues values = FactoryDialogValues();
  const ParameterDialogLoad load = ApplyParameterLines(lines, &values);
  EXPECT_TRUE(load.Clean()) << load.Message();
  EXPECT_EQ(load.lines_read, 47);
  EXPECT_EQ(values[At(CnLine::StepYOutput)].index, 8);
  EXPECT_TRUE(values[At(CnLine::LimitYInverted)].checked);
  EXPECT_FALSE(values[At(CnLine::ProbeInverted)].checked);
  EXPECT_EQ(values[At(CnLine::PlateOriginY)].text, " 12,5 ");
  // Written back, every line is what was read.
  const MachineParameterFile back = DialogValuesToFile(values);
  EXPECT_EQ(std::vector<std::string>(back.Texts.begin(), back.Texts.end()),
            [&] {
              std::vector<std::string> expected = lines;
              expected[At(CnLine::ProbeInverted)] = "FALSE";
              return expected;
            }());
}

TEST(ParameterDialogSave, ALineBreakInABoxCannotShiftTheLinesAfterIt) {
  ParameterDialogValues values = FactoryDialogValues();
  values[At(CnLine::MaxFeed)].text = "6\r\n00";
  values[At(CnLine::PlateSizeX)].text = "2\n5";
  const MachineParameterFile file = DialogValuesToFile(values);
  EXPECT_EQ(file.Text(CnLine::MaxFeed), "600");
  EXPECT_EQ(file.Text(CnLine::PlateSizeX), "25");
  EXPECT_EQ(SplitLines(JoinLatin1CrLf({file.Texts.begin(), file.Texts.end()})).size(), 47u);
}

TEST(ParameterDialogLoad, NonIntegerIndexStopsTheReadingAndKeepsWhatWasSet) {
  std::vector<std::string> lines = FactoryLines();
  lines[At(CnLine::PortIndex)] = "2";
  lines[At(CnLine::StepXOutput)] = "4";
  lines[At(CnLine::LimitYInput)] = "2.5";  // line 5
  lines[At(CnLine::ProbeInput)] = "3";
  lines[At(CnLine::StepsPerMmX)] = "99";
  ParameterDialogValues values = FactoryDialogValues();
  values[At(CnLine::StepsPerMmX)].text = "typed";
  values[At(CnLine::LimitYInput)].index = 1;
  const ParameterDialogLoad load = ApplyParameterLines(lines, &values);
  ASSERT_FALSE(load.status.ok());
  EXPECT_TRUE(Mentions(load.status.message(), "ligne 5 (Butée axe Y)")) << load.status.message();
  EXPECT_TRUE(Mentions(load.status.message(), "« 2.5 »"));
  EXPECT_EQ(load.lines_read, 4);
  EXPECT_EQ(values[At(CnLine::PortIndex)].index, 2);    // before: new values
  EXPECT_EQ(values[At(CnLine::StepXOutput)].index, 4);
  EXPECT_EQ(values[At(CnLine::LimitYInput)].index, 1);  // the bad line and after: old values
  EXPECT_EQ(values[At(CnLine::ProbeInput)].index, 0);
  EXPECT_EQ(values[At(CnLine::StepsPerMmX)].text, "typed");
}

TEST(ParameterDialogLoad, IndexBeyondItsListSelectsNothingSaysSoAndSavesMinusOne) {
  std::vector<std::string> lines = FactoryLines();
  lines[At(CnLine::LimitZInput)] = "6";   // six input items: 0 to 5
  lines[At(CnLine::DirZOutput)] = "9";    // nine output items: 0 to 8
  lines[At(CnLine::SpindleOutput)] = "8";  // the last item is fine
  lines[At(CnLine::PortIndex)] = "-1";    // what such a list is saved as
  ParameterDialogValues values = FactoryDialogValues();
  const ParameterDialogLoad load = ApplyParameterLines(lines, &values);
  EXPECT_TRUE(load.status.ok());
  EXPECT_EQ(load.lines_read, 47);
  ASSERT_EQ(load.notes.size(), 3u) << load.Message();
  EXPECT_TRUE(Mentions(load.notes[0], "ligne 1 (Adresse du port)"));
  EXPECT_TRUE(Mentions(load.notes[0], "désactivé"));
  EXPECT_TRUE(Mentions(load.notes[1], "ligne 6 (Butée axe Z)"));
  EXPECT_TRUE(Mentions(load.notes[1], "non câblé"));
  EXPECT_TRUE(Mentions(load.notes[2], "ligne 12 (Sens Z)"));
  EXPECT_EQ(values[At(CnLine::LimitZInput)].index, kNoSelection);
  EXPECT_EQ(values[At(CnLine::DirZOutput)].index, kNoSelection);
  EXPECT_EQ(values[At(CnLine::SpindleOutput)].index, 8);
  const MachineParameterFile file = DialogValuesToFile(values);
  EXPECT_EQ(file.Text(CnLine::LimitZInput), "-1");
  EXPECT_EQ(file.Text(CnLine::DirZOutput), "-1");
  EXPECT_EQ(file.Text(CnLine::PortIndex), "-1");
  // The machine reads an input or the port with no selection as not wired, but refuses a
  // direction output that names no pin: its steps would count without moving anything.
  MachineParameters machine;
  const Status refused = MachineParametersFromFile(file, &machine);
  ASSERT_FALSE(refused.ok());
  EXPECT_TRUE(Mentions(refused.message(), "ligne 12 (Sens Z)")) << refused.message();
  MachineParameterFile wired = file;
  wired.SetText(CnLine::DirZOutput, "0");
  ASSERT_TRUE(MachineParametersFromFile(wired, &machine).ok());
  EXPECT_EQ(machine.LimitZInput, 0);
  EXPECT_EQ(machine.PortBase, 0);
}


class ParameterDialogFile : public TempFolderTest {};

TEST_F(ParameterDialogFile, AFileTheMachineRefusesIsShownWithTheMachinesReason) {
  std::vector<std::string> lines = FactoryLines();
  lines[At(CnLine::TickWaitUs)] = "20000000";
  ASSERT_TRUE(WriteLatin1LinesAtomically(PathOf("cn.dat"), lines).ok());
  ParameterDialogValues values = FactoryDialogValues();
  const ParameterDialogLoad load = LoadParameterDialogFile(PathOf("cn.dat"), &values);
  ASSERT_TRUE(load.status.ok());
  EXPECT_EQ(values[At(CnLine::TickWaitUs)].text, "20000000");
  ASSERT_EQ(load.notes.size(), 1u);
  EXPECT_TRUE(Mentions(load.notes[0], "ligne 46")) << load.notes[0];
  EXPECT_TRUE(Mentions(load.notes[0], "refusera")) << load.notes[0];
}

TEST_F(ParameterDialogFile, MissingOrShortFileChangesNothingAfterTheLastGoodLine) {
  ParameterDialogValues values = FactoryDialogValues();
  values[At(CnLine::MaxFeed)].text = "777";
  const ParameterDialogValues before = values;
  ParameterDialogLoad load = LoadParameterDialogFile(PathOf("cn.dat"), &values);
  ASSERT_FALSE(load.status.ok());
  EXPECT_TRUE(Mentions(load.Message(), "cn.dat")) << load.Message();
  EXPECT_EQ(load.lines_read, 0);
  EXPECT_EQ(values, before);

  // A file cut after line 30: the edit boxes after it keep what they showed, not an empty text.
  std::vector<std::string> lines = FactoryLines();
  lines[At(CnLine::StepsPerMmZ)] = "200";
  lines.resize(30);
  ASSERT_TRUE(WriteLatin1LinesAtomically(PathOf("cn.dat"), lines).ok());
  load = LoadParameterDialogFile(PathOf("cn.dat"), &values);
  ASSERT_FALSE(load.status.ok());
  EXPECT_TRUE(Mentions(load.status.message(), "ligne 31")) << load.status.message();
  EXPECT_EQ(values[At(CnLine::StepsPerMmZ)].text, "200");
  EXPECT_EQ(values[At(CnLine::MinPulseUs)].text, "60");
  EXPECT_EQ(values[At(CnLine::TickWaitUs)].text, "43");
}

TEST_F(ParameterDialogFile, GoldenFileReadsAndWritesBackByteForByte) {
  const std::string golden = std::string(PISTORA_DEFAULT_SOURCE_DIR) + "/tests/golden/parameter-dialog-cn.dat";
  ParameterDialogValues values = FactoryDialogValues();
  const ParameterDialogLoad load = LoadParameterDialogFile(golden, &values);
  ASSERT_TRUE(load.Clean()) << load.Message();
  EXPECT_EQ(values[At(CnLine::PortIndex)].index, 3);
  EXPECT_EQ(values[At(CnLine::DirXOutput)].index, 7);
  EXPECT_TRUE(values[At(CnLine::LimitYInverted)].checked);
  EXPECT_FALSE(values[At(CnLine::LimitXInverted)].checked);
  EXPECT_EQ(values[At(CnLine::CopyGap)].text, "3");
  EXPECT_EQ(values[At(CnLine::LimitBackOffMm)].text, "2");
  EXPECT_TRUE(ParameterSaveWarnings(values).empty());
  ASSERT_TRUE(SaveMachineParameters(PathOf("cn.dat"), DialogValuesToFile(values)).ok());
  EXPECT_EQ(testing::CompareWithGolden("parameter-dialog-cn.dat", Slurp(PathOf("cn.dat"))), "");
}

TEST(ParameterDialogWarnings, NameEachDoubtfulValueAndItsLine) {
  ParameterDialogValues values = FactoryDialogValues();
  values[At(CnLine::StepsPerMmX)].text = "0";
  values[At(CnLine::StepsPerMmY)].text = "1.2.3";
  values[At(CnLine::StepsPerMmZ)].text = "0.5";  // small but fine
  values[At(CnLine::WorkFeed)].text = "0";
  values[At(CnLine::PlateThickness)].text = "";
  values[At(CnLine::StepXOutput)].index = 2;  // Pas X and Sens Z on D1
  values[At(CnLine::DirZOutput)].index = 2;
  values[At(CnLine::LimitXInput)].index = 3;  // inputs may share a pin (switches in series)
  values[At(CnLine::LimitYInput)].index = 3;
  const std::vector<std::string> warnings = ParameterSaveWarnings(values);
  ASSERT_EQ(warnings.size(), 5u) << SaveWarningsMessage(warnings);
  EXPECT_TRUE(Mentions(warnings[0], "ligne 40 (Eppaisseur)"));
  EXPECT_TRUE(Mentions(warnings[0], "vide"));
  EXPECT_TRUE(Mentions(warnings[1], "ligne 26 (Axe X, Pas par mm)"));
  EXPECT_TRUE(Mentions(warnings[1], "« 0 »"));
  EXPECT_TRUE(Mentions(warnings[2], "ligne 27"));
  EXPECT_TRUE(Mentions(warnings[3], "ligne 30 (Avance de travail par défaut)"));
  EXPECT_TRUE(Mentions(warnings[4], "ligne 3 (Pas X)"));
  EXPECT_TRUE(Mentions(warnings[4], "ligne 12 (Sens Z)"));
  EXPECT_TRUE(Mentions(warnings[4], "« b3 = D1 »"));

  const std::string message = SaveWarningsMessage(warnings);
  for (const std::string& warning : warnings) EXPECT_TRUE(Mentions(message, warning));
  EXPECT_EQ(SaveWarningsMessage({}), "");

  // An unset list (-1) shares no pin; the maximum feed as a non-number is caught too.
  values = FactoryDialogValues();
  values[At(CnLine::StepYOutput)].index = kNoSelection;
  values[At(CnLine::DirYOutput)].index = kNoSelection;
  values[At(CnLine::MaxFeed)].text = "-5";
  const std::vector<std::string> feed = ParameterSaveWarnings(values);
  ASSERT_EQ(feed.size(), 1u) << SaveWarningsMessage(feed);
  EXPECT_TRUE(Mentions(feed[0], "ligne 29 (Avance maximale)"));
}

}  // namespace
}  // namespace pistora
