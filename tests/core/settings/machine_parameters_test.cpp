#include "core/settings/machine_parameters.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/text/line_file.h"

namespace pistora {
namespace {

std::string TempPath(const char* name) {
  return (std::filesystem::temp_directory_path() / (std::string("pistora_cn_") + name)).string();
}

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

// A parameter set that differs from the defaults everywhere it can, to show that a failed
// load leaves every field alone.
MachineParameters Distinctive() {
  MachineParameters p;
  p.PortBase = 0x278;
  p.LimitXInput = 0x40;
  p.StepXOutput = 0x04;
  p.DirYInverted = true;
  p.StepsPerMmX = 80;
  p.WorkFeed = 222;
  p.TickWaitUs = 49;
  return p;
}

TEST(MachineParameters, FactoryFileSavesAsFortySevenLatin1LinesAndReadsBack) {
  const std::string path = TempPath("factory.dat");
  ASSERT_TRUE(SaveMachineParameters(path, MachineParameterFile{}));
  const std::string bytes = Slurp(path);
  EXPECT_EQ(bytes.substr(0, 11), "1\r\n0\r\n0\r\n0\r");
  EXPECT_NE(bytes.find("\r\n133.3333\r\n133.3333\r\n133.3333\r\n600\r\n150\r\n60\r\n17.25\r\n"),
            std::string::npos);
  const std::string tail = "\r\n17.25\r\n12.25\r\n43\r\n5\r\n";
  EXPECT_EQ(bytes.substr(bytes.size() - tail.size()), tail);
  EXPECT_EQ(SplitLines(bytes).size(), 47u);

  MachineParameters p = Distinctive();
  ASSERT_TRUE(LoadMachineParameters(path, &p));
  MachineParameters expected;  // the defaults are the factory values, except the feed
  expected.WorkFeed = 150;
  EXPECT_EQ(p, expected);
  EXPECT_EQ(p.PortBase, 0x378);
  EXPECT_EQ(p.StepXOutput | p.LimitZInput | p.EStopInput | p.SpindleOutput, 0);
  EXPECT_FALSE(p.StepXInverted || p.LimitXInverted || p.SpindleInverted);
  EXPECT_DOUBLE_EQ(p.StepsPerMmZ, 133.3333);
  EXPECT_EQ(p.MaxFeed, 600);
  EXPECT_EQ(p.MinPulseUs, 60);
  EXPECT_EQ(p.TickWaitUs, 43);
  EXPECT_EQ(p.LimitBackOffMm, 5);
  std::filesystem::remove(path);
}

TEST(MachineParameters, TextsSurviveARoundTripExactlyAsTyped) {
  const std::string path = TempPath("roundtrip.dat");
  MachineParameterFile file;
  file.SetText(CnLine::SurfaceSizeX, "  200,5 ");  // unused by the machine, kept as typed
  file.SetText(CnLine::LimitYInverted, "TRUE");
  file.SetText(CnLine::StepZOutput, "7");
  ASSERT_TRUE(SaveMachineParameters(path, file));
  MachineParameterFile back;
  back.SetText(CnLine::PortIndex, "3");
  ASSERT_TRUE(ReadMachineParameterFile(path, &back));
  EXPECT_EQ(back, file);
  std::filesystem::remove(path);
}

TEST(MachineParameters, IndexTablesSelectAddressesAndMasks) {
  struct Row {
    std::int32_t index;
    std::uint16_t port;
    std::uint8_t input;
    std::uint8_t output;
  };
  const Row rows[] = {
      {-1, 0, 0, 0},       {0, 0, 0, 0},         {1, 0x378, 0x08, 0x01}, {2, 0x278, 0x10, 0x02},
      {3, 0x3BC, 0x20, 0x04}, {4, 0, 0x40, 0x08}, {5, 0, 0x80, 0x10},     {6, 0, 0, 0x20},
      {7, 0, 0, 0x40},     {8, 0, 0, 0x80},      {9, 0, 0, 0},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.index);
    EXPECT_EQ(PortBaseForIndex(r.index), r.port);
    EXPECT_EQ(InputMaskForIndex(r.index), r.input);
    EXPECT_EQ(OutputMaskForIndex(r.index), r.output);
  }
}

TEST(MachineParameters, LinesConvertByTheirForm) {
  MachineParameterFile file;
  file.SetText(CnLine::StepXOutput, "8");
  file.SetText(CnLine::LimitYInput, "5");
  file.SetText(CnLine::LimitZInput, "6");
  file.SetText(CnLine::DirZOutput, "7");
  file.SetText(CnLine::PortIndex, " 2 ");
  file.SetText(CnLine::StepsPerMmX, "200");
  file.SetText(CnLine::StepsPerMmY, "2.5E2");
  file.SetText(CnLine::EStopInverted, "TRUE");
  file.SetText(CnLine::StepXInverted, "true");
  file.SetText(CnLine::DirXInverted, "True");
  file.SetText(CnLine::LimitXInverted, "");
  file.SetText(CnLine::SpindleInverted, "TRUE ");
  file.SetText(CnLine::SurfacePassDepth, "n'importe quoi");  // the surfacing page reads it
  MachineParameters p;
  ASSERT_TRUE(MachineParametersFromFile(file, &p));
  EXPECT_EQ(p.StepXOutput, 0x80);
  EXPECT_EQ(p.LimitYInput, 0x80);
  EXPECT_EQ(p.LimitZInput, 0);
  EXPECT_EQ(p.DirZOutput, 0x40);
  EXPECT_EQ(p.PortBase, 0x278);
  EXPECT_DOUBLE_EQ(p.StepsPerMmX, 200.0);
  EXPECT_DOUBLE_EQ(p.StepsPerMmY, 250.0);
  EXPECT_TRUE(p.EStopInverted);
  EXPECT_FALSE(p.StepXInverted);
  EXPECT_FALSE(p.DirXInverted);
  EXPECT_FALSE(p.LimitXInverted);
  EXPECT_FALSE(p.SpindleInverted);
}

TEST(MachineParameters, ABadLineIsNamedAndNothingIsApplied) {
  struct Row {
    CnLine line;
    const char* text;
    const char* named;
  };
  const Row rows[] = {
      {CnLine::WorkFeed, "150.5", "ligne 30 (Avance de travail par défaut)"},
      {CnLine::PortIndex, "", "ligne 1 (Adresse du port)"},
      {CnLine::LimitBackOffMm, "5mm", "ligne 47"},
      {CnLine::TickWaitUs, "99999999999", "ligne 46"},
      {CnLine::StepsPerMmX, "133,3333", "ligne 26"},
      {CnLine::StepsPerMmZ, "0", "ligne 28"},
      {CnLine::StepsPerMmY, "-80", "ligne 27"},
      {CnLine::PlateOriginY, "abc", "ligne 45"},
      {CnLine::MinPulseUs, "", "ligne 31"},
      // Values that would hold STOP off or make the shown position lie.
      {CnLine::MinPulseUs, "-1", "ligne 31"},
      {CnLine::MinPulseUs, "20000000", "ligne 31"},
      {CnLine::TickWaitUs, "5001", "ligne 46 (Durée de la tempo de 50us)"},
      {CnLine::TickWaitUs, "-43", "ligne 46"},
      {CnLine::DirXOutput, "1", "ligne 8 (Sens X) : la sortie « 1 » sert déjà à « Pas X » (ligne 3)"},
      {CnLine::SpindleOutput, "1", "ligne 13 (Broche)"},
      {CnLine::StepYOutput, "9", "ligne 9 (Pas Y)"},
      {CnLine::DirZOutput, "-1", "ligne 12 (Sens Z)"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.text);
    MachineParameterFile file;
    file.SetText(CnLine::StepXOutput, "1");  // converted before the bad line in every row
    file.SetText(r.line, r.text);
    MachineParameters p = Distinctive();
    Status status = MachineParametersFromFile(file, &p);
    ASSERT_FALSE(status.ok());
    EXPECT_NE(status.message().find(r.named), std::string::npos) << status.message();
    EXPECT_EQ(p, Distinctive());
  }
}

TEST(MachineParameters, TimingAndPinLimitsAcceptTheirEdges) {
  MachineParameterFile file;
  file.SetText(CnLine::MinPulseUs, "0");
  file.SetText(CnLine::TickWaitUs, "5000");
  file.SetText(CnLine::StepXOutput, "8");
  file.SetText(CnLine::DirXOutput, "7");
  MachineParameters p;
  ASSERT_TRUE(MachineParametersFromFile(file, &p).ok());
  EXPECT_EQ(p.TickWaitUs, 5000);
  EXPECT_EQ(p.StepXOutput, 0x80);
}

TEST(MachineParameters, MissingOrShortFilesKeepThePreviousParameters) {
  const std::string path = TempPath("short.dat");
  std::string bytes;
  for (int i = 0; i < 46; ++i) bytes += MachineParameterFile{}.Texts[i] + "\r\n";
  WriteBytes(path, bytes);
  MachineParameters p = Distinctive();
  Status status = LoadMachineParameters(path, &p);
  ASSERT_FALSE(status.ok());
  EXPECT_NE(status.message().find("ligne 47"), std::string::npos) << status.message();
  EXPECT_EQ(p, Distinctive());

  WriteBytes(path, "");
  status = LoadMachineParameters(path, &p);
  EXPECT_NE(status.message().find("ligne 1 "), std::string::npos) << status.message();
  EXPECT_EQ(p, Distinctive());

  std::filesystem::remove(path);
  status = LoadMachineParameters(path, &p);
  EXPECT_FALSE(status.ok());
  EXPECT_NE(status.message().find(path), std::string::npos) << status.message();
  EXPECT_EQ(p, Distinctive());
}

TEST(MachineParameters, ExtraLinesAndLoneLineFeedsAreAccepted) {
  const std::string path = TempPath("lf.dat");
  std::string bytes;
  MachineParameterFile file;
  file.SetText(CnLine::WorkFeed, "321");
  for (const std::string& t : file.Texts) bytes += t + "\n";
  WriteBytes(path, bytes + "ligne en trop\n");
  MachineParameters p;
  ASSERT_TRUE(LoadMachineParameters(path, &p));
  EXPECT_EQ(p.WorkFeed, 321);
  std::filesystem::remove(path);
}

TEST(MachineParameters, AFailedSaveLeavesThePreviousFile) {
  const std::string path = TempPath("keep.dat");
  ASSERT_TRUE(SaveMachineParameters(path, MachineParameterFile{}));
  const std::string before = Slurp(path);
  MachineParameterFile changed;
  changed.SetText(CnLine::WorkFeed, "300");
  for (WriteFaultPlan plan : {WriteFaultPlan{10, false}, WriteFaultPlan{-1, true}}) {
    SetWriteFaultPlanForTesting(plan);
    EXPECT_FALSE(SaveMachineParameters(path, changed).ok());
    SetWriteFaultPlanForTesting(WriteFaultPlan{});
    EXPECT_EQ(Slurp(path), before);
  }
  std::filesystem::remove(path);
}

}  // namespace
}  // namespace pistora
