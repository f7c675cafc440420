// The pistora program: the splash, every window once, the event loop.
//   pistora                  the windows
//   pistora --port=CHOICE    the machine's parallel port: auto (default), ppdev, direct, sim (a
//                            simulated machine: a dry run) or none; PISTORA_PORT when not given
//   pistora --screenshots D  writes a PNG of every window into D and exits (no dialog is shown,
//                            messages go to the standard error; runs on the offscreen platform)
#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

#include "gui/adapters/qt_prompts.h"
#include "gui/adapters/scripted_prompts.h"
#include "gui/app/screenshots.h"
#include "gui/app/safe_shutdown.h"
#include "core/machine/machine_session.h"
#include "gui/app/startup.h"
#include "gui/app/splash_screen.h"
#include "gui/main/main_window.h"

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

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Pistora"));
  QApplication::setApplicationDisplayName(QStringLiteral("Pistora"));
  pistora::ApplyUiFont();

  const QStringList args = QApplication::arguments();
  const qsizetype shots = args.indexOf(QStringLiteral("--screenshots"));
  if (shots >= 0) {
    if (shots + 1 >= args.size()) {
      std::fprintf(stderr, "usage: pistora --screenshots FOLDER\n");
      return 2;
    }
    return RunScreenshots(args[shots + 1]);
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

  // The machine's clock and port, chosen before any window exists and kept until they are gone.
  const pistora::RealTimeSetup real_time = pistora::PrepareRealTime();
  pistora::SteadyClock clock(real_time.real_time);
  std::vector<std::string> arg_list;
  for (const QString& arg : args) arg_list.push_back(arg.toStdString());
  const char* environment = std::getenv(pistora::kPortEnvironmentVariable);
  pistora::PortChoice port =
      pistora::ChoosePort(pistora::FindPortOption(arg_list), environment ? environment : "", clock);
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
  const int code = QApplication::exec();
  windows.reset();
  return code;
}
