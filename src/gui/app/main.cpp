// The pistora program: the splash, every window once, the event loop.
//   pistora [FILE]           the windows, FILE (an artwork or a .grv) opened in the main window
//   pistora --help|--version prints and exits, without a display
//   pistora --port=CHOICE    the machine's parallel port: auto (default), ppdev, direct, sim (a
//                            simulated machine: a dry run) or none; PISTORA_PORT when not given
//   pistora --screenshots D  writes a PNG of every window into D and exits (no dialog is shown,
//                            messages go to the standard error; runs on the offscreen platform)
// Under sudo the port is opened first, then the program becomes the invoking user before it
// opens a window or a file: only the ioperm call needs root.
#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QMessageBox>
#include <QStringList>
#include <pwd.h>
#include <unistd.h>

#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

#include "core/settings/machine_parameters.h"

#include "gui/adapters/qt_prompts.h"
#include "gui/adapters/settings_files.h"
#include "gui/adapters/scripted_prompts.h"
#include "gui/app/command_line.h"
#include "gui/app/screenshots.h"
#include "gui/app/safe_shutdown.h"
#include "core/machine/machine_session.h"
#include "gui/app/startup.h"
#include "gui/app/splash_screen.h"
#include "gui/main/main_window.h"
#include "hw/privilege_drop.h"

namespace {

int RunScreenshots(const QString& folder) {
  pistora::ScriptedPrompts prompts;
  pistora::WindowSet windows(prompts);
  const pistora::Status status = pistora::WriteScreenshots(windows.ByKind(), folder);
  for (const QString& error : prompts.Errors()) std::fprintf(stderr, "%s\n", error.toLocal8Bit().constData());
  if (!status) {
    std::fprintf(stderr, "%s\n", status.message().c_str());
    return 1;
  }
  return 0;
}

// The port cn.dat names (the user's or the one beside the program, where the machine window reads
// it: SettingsLocation), read with the
// invoking user's rights when run under sudo; 378h when the file is missing or unreadable, as
// the machine window assumes before reading it.
bool ReadPortBase(const pistora::PrivilegePlan& plan, std::uint16_t* base) {
  std::error_code ec;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return true;
  const pistora::ActingAsUser as_user(plan);
  if (!as_user.ok()) return false;
  pistora::MachineParameters parameters;
  const pistora::SettingsLocation location(exe.parent_path(), pistora::UserConfigFolder().toStdString());
  if (pistora::LoadMachineParameters(location.ReadPath(pistora::kMachineParameterFileName).string(), &parameters)) {
    *base = parameters.PortBase;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  // The help and the version need neither the port, nor the rights, nor a display.
  if (pistora::AsksHelpOrVersion(argc, argv)) {
    QCoreApplication core(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("pistora"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PISTORA_VERSION_TEXT));
    QCommandLineParser parser;
    pistora::DescribeCommandLine(parser);
    parser.process(core);  // prints and exits
    return 0;
  }
  std::vector<std::string> arg_list(argv, argv + argc);
  const pistora::PrivilegePlan privileges =
      pistora::PlanPrivilegeDrop(geteuid(), std::getenv("SUDO_UID"), std::getenv("SUDO_GID"));
  std::uint16_t port_base = 0x378;
  // sudo may have left root's home: the user's own settings are the ones to use, cn.dat's first.
  if (privileges.drop) {
    if (const passwd* user = getpwuid(privileges.uid)) setenv("HOME", user->pw_dir, 1);
  }
  if (!privileges.error.empty() || !ReadPortBase(privileges, &port_base)) {
    std::fprintf(stderr, "%s\n",
                 privileges.error.empty() ? "Impossible de prendre l'identité de l'utilisateur de sudo pour lire cn.dat : le programme s'arrête plutôt que de lire en root." :
                                            privileges.error.c_str());
    return 1;
  }
  // The machine's port, opened while the rights allow it and kept until the windows are gone;
  // the clock it gets is set up once the rights are dropped (it only keeps a reference).
  const bool screenshots_only =
      std::find(arg_list.begin(), arg_list.end(), "--screenshots") != arg_list.end();
  pistora::RealTimeSetup real_time;
  pistora::SteadyClock clock(false);
  const char* environment = std::getenv(pistora::kPortEnvironmentVariable);
  pistora::PortChoice port = pistora::ChoosePort(
      screenshots_only ? "none" : pistora::FindPortOption(arg_list), environment ? environment : "",
      clock, port_base);
  // ioperm needs root and ppdev the device's rights: a real port is opened now (the machine
  // session's later open keeps it as it is).
  if (port.backend == pistora::PortBackend::Direct || port.backend == pistora::PortBackend::Ppdev) {
    port.port->Open();
  }
  if (const std::string refused = pistora::DropPrivileges(privileges); !refused.empty()) {
    std::fprintf(stderr, "%s\n", refused.c_str());
    return 1;
  }

  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Pistora"));
  // No display name: the window system would append " — Pistora" to every title, and the main
  // window's title names the program already.
  pistora::ApplyUiFont();

  QApplication::setApplicationVersion(QStringLiteral(PISTORA_VERSION_TEXT));
  QCommandLineParser parser;
  pistora::DescribeCommandLine(parser);
  parser.process(app);  // an unknown option or a missing value: said, and the program ends
  if (parser.isSet(QStringLiteral("screenshots"))) return RunScreenshots(parser.value(QStringLiteral("screenshots")));
  const QStringList files = parser.positionalArguments();
  if (files.size() > 1) {
    std::fprintf(stderr, "pistora : un seul fichier à ouvrir (reçu %d)\n", static_cast<int>(files.size()));
    return 2;
  }

  // SIGINT and SIGTERM as a confirmed close: the machine halted (STOP, outputs low), then every
  // event loop ends (a message box of the start-up too); the motion thread is joined before the
  // process exits, with the windows.
  std::unique_ptr<pistora::WindowSet> windows;
  bool interrupted = false;
  pistora::InterruptSignals interrupts([&windows, &interrupted] {
    interrupted = true;
    if (windows) windows->Machine().Halt();
    QApplication::exit(0);  // every loop, a start-up message box's too (quit() would only ask)
  });

  auto* splash = new pistora::SplashScreen();
  splash->show();
  splash->repaint();
  QApplication::processEvents();
  splash->HoldOnScreen();

  // Real-time scheduling as the user the program now runs as (RLIMIT_RTPRIO, RLIMIT_MEMLOCK).
  real_time = pistora::PrepareRealTime();
  clock.SetRealTime(real_time.real_time);
  const pistora::MachineIo machine = pistora::MachineIoFor(port, clock, real_time);

  pistora::QtPrompts prompts;
  try {
    windows = std::make_unique<pistora::WindowSet>(prompts, QString(), machine);
  } catch (const std::exception& e) {
    delete splash;
    QMessageBox::critical(nullptr, QStringLiteral("Pistora"), QString::fromLocal8Bit(e.what()));
    return 1;
  }
  delete splash;
  // The session and its motion thread exist now: their pages too. Whether locking is allowed at
  // all was said by PrepareRealTime's message.
  if (real_time.real_time) pistora::LockCurrentMemory();

  if (interrupted) {
    windows.reset();
    return 130;
  }

  pistora::MainWindow* main_window = windows->ByKind().main;
  prompts.SetParent(main_window);
  main_window->show();
  if (!files.isEmpty()) main_window->OpenFile(files.first());
  const int code = QApplication::exec();
  windows.reset();
  return code;
}
