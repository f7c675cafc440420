#include "hw/port_choice.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include "hw/ioperm_port.h"
#include "hw/ppdev_port.h"
#include "hw/virtual_clock.h"

namespace pistora {
namespace {

TEST(PortChoice, TheOptionWinsOverTheEnvironment) {
  VirtualClock clock;
  struct Row {
    const char* option;
    const char* environment;
    PortBackend backend;
  };
  const Row rows[] = {
      {"sim", "none", PortBackend::Simulated},
      {"", "sim", PortBackend::Simulated},
      {"none", "sim", PortBackend::None},
      {"ppdev", "", PortBackend::Ppdev},
      {"direct", "ppdev", PortBackend::Direct},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(::testing::Message() << r.option << "/" << r.environment);
    PortChoice choice = ChoosePort(r.option, r.environment, clock);
    ASSERT_NE(choice.port, nullptr);
    EXPECT_EQ(choice.backend, r.backend);
    EXPECT_TRUE(choice.error.empty());
    EXPECT_EQ(choice.simulated != nullptr, r.backend == PortBackend::Simulated);
    EXPECT_EQ(choice.description.empty(), false);
  }
}

TEST(PortChoice, AnUnknownChoiceGivesNoPortAndSaysSo) {
  VirtualClock clock;
  PortChoice choice = ChoosePort("lpt1", "sim", clock);
  EXPECT_EQ(choice.backend, PortBackend::None);
  EXPECT_NE(choice.error.find("lpt1"), std::string::npos);
  EXPECT_FALSE(choice.port->Open());
}

TEST(PortChoice, AutoFallsBackAndExplainsEachRefusal) {
  VirtualClock clock;
  PortChoice choice = ChoosePort("", "", clock);
  ASSERT_NE(choice.port, nullptr);
  if (choice.backend == PortBackend::None) {
    // No port on this machine: both refusals are in the description.
    EXPECT_NE(choice.description.find("accès direct"), std::string::npos) << choice.description;
    EXPECT_NE(choice.description.find("parall"), std::string::npos) << choice.description;
  } else {
    EXPECT_TRUE(choice.port->Healthy());
  }
}

TEST(PortChoice, FindsTheOptionInEitherSpelling) {
  EXPECT_EQ(FindPortOption({"--port=sim"}), "sim");
  EXPECT_EQ(FindPortOption({"x.iso", "--port", "ppdev"}), "ppdev");
  EXPECT_EQ(FindPortOption({"--port"}), "");
  EXPECT_EQ(FindPortOption({"--portable"}), "");
}

TEST(PpdevPort, ReportsMissingOrUnusablePortsCleanly) {
  namespace fs = std::filesystem;
  const fs::path root = fs::temp_directory_path() / "pistora_ppdev_test";
  fs::remove_all(root);
  {
    PpdevPort port((root / "absent").string(), (root / "dev").string());
    EXPECT_FALSE(port.Open());
    EXPECT_NE(port.LastError().find("modprobe"), std::string::npos) << port.LastError();
    EXPECT_EQ(port.Read(0x379), 0);
    port.Write(0x378, 1);
    EXPECT_FALSE(port.Healthy());
  }
  // A listed port whose device is not a parallel port: open works, the claim is refused.
  fs::create_directories(root / "proc" / "parport0");
  fs::create_directories(root / "dev");
  std::ofstream(root / "proc" / "parport0" / "base-addr") << "888\t1912\n";
  std::ofstream(root / "dev" / "parport0") << "";
  PpdevPort port((root / "proc").string(), (root / "dev").string());
  EXPECT_FALSE(port.Open());
  EXPECT_NE(port.LastError().find("PPCLAIM"), std::string::npos) << port.LastError();
  fs::remove_all(root);

  EXPECT_EQ(ParseParportBaseAddr("888\t1912\n"), 0x378);
  EXPECT_EQ(ParseParportBaseAddr("632"), 0x278);
  EXPECT_EQ(ParseParportBaseAddr(""), 0);
  EXPECT_EQ(ParseParportBaseAddr("-1"), 0);
}

TEST(IoPermPort, EitherFindsAPortOrSaysWhyNot) {
  IoPermPort port;
  if (port.Open()) {
    EXPECT_TRUE(port.Healthy());
    port.Close();
  } else {
    EXPECT_FALSE(port.LastError().empty());
    EXPECT_EQ(port.Read(0x379), 0);  // nothing opened: refused, not executed
    port.Write(0x378, 0xFF);
    EXPECT_FALSE(port.Healthy());
  }
}

TEST(IoPermPort, RefusalsSayWhatWouldCureThem) {
  // Root cures EPERM only; a kernel without ioperm needs ppdev instead.
  EXPECT_NE(IoPermRefusal(EPERM).find("root"), std::string::npos);
  EXPECT_EQ(IoPermRefusal(ENOSYS).find("root"), std::string::npos);
  EXPECT_NE(IoPermRefusal(ENOSYS).find("ppdev"), std::string::npos);
  for (int error : {EPERM, ENOSYS, EINVAL}) EXPECT_EQ(IoPermRefusal(error).find("()"), std::string::npos);
}

TEST(PortChoice, AutoProbesOnlyTheNamedPortAndAlwaysGivesAReason) {
  VirtualClock clock;
  // cn.dat's port disabled: no address is probed, and the reason says so.
  for (const char* option : {"auto", "direct"}) {
    SCOPED_TRACE(option);
    PortChoice choice = ChoosePort(option, "", clock, 0);
    IoPermPort* direct = dynamic_cast<IoPermPort*>(choice.port.get());
    if (direct != nullptr) {
      EXPECT_FALSE(direct->Open());
    }
    const std::string reason = direct != nullptr ? direct->LastError() : choice.description;
    EXPECT_NE(reason.find("aucun port"), std::string::npos) << reason;
  }
  for (const char* option : {"auto", "none", "direct"}) {
    SCOPED_TRACE(option);
    PortChoice choice = ChoosePort(option, "", clock, 0);
    if (choice.port->Open()) continue;  // a real port answered
    const std::string reason = PortRefusal(choice);
    EXPECT_FALSE(reason.empty());
    EXPECT_EQ(reason.find("()"), std::string::npos) << reason;
  }
}

}  // namespace
}  // namespace pistora
