#include "gui/app/screenshots.h"

#include <QCoreApplication>
#include <QDir>
#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>

#include <string_view>
#include <type_traits>

#include "core/windows/main_window_steps.h"
#include "gui/app/app_windows.h"
#include "gui/app/splash_screen.h"
#include "gui/main/main_window.h"
#include "gui/setup/machine_settings_dialog.h"
#include "gui/widgets/named_control.h"

namespace pistora {
namespace {

// A control of a window, as a step change names it: by its role, or by its objectName.
template <typename Role>
  requires std::is_enum_v<Role>
QWidget* ControlOf(const QWidget& window, Role role) {
  return FindControl<QWidget>(window, role);
}
template <typename Name>
  requires std::is_convertible_v<Name, std::string_view>
QWidget* ControlOf(const QWidget& window, const Name& name) {
  const std::string_view object_name = name;
  return window.findChild<QWidget*>(QString::fromLatin1(object_name.data(), static_cast<qsizetype>(object_name.size())));
}

Status Save(QWidget* window, const QDir& dir, const QString& name) {
  window->show();
  QCoreApplication::processEvents();
  const QStringList clipped = ClippedCaptions(window);
  if (!clipped.isEmpty()) {
    return Status::Error("Captions clipped in " + name.toStdString() + ": " + clipped.join(QStringLiteral(", ")).toStdString());
  }
  const QString path = dir.filePath(name + QStringLiteral(".png"));
  if (!window->grab().save(path)) return Status::Error("Cannot write " + path.toStdString());
  return Status::Ok();
}

// Shows and hides the panels of the main window as that step change does.
void ShowPanelsOf(QWidget& form, StepEvent step) {
  const StepSwitch& change = SwitchFor(step);
  for (const auto& control : change.hide) {
    if (QWidget* panel = ControlOf(form, control)) panel->hide();
  }
  for (const auto& control : change.show) {
    if (QWidget* panel = ControlOf(form, control)) panel->show();
  }
}

}  // namespace

QStringList ClippedCaptions(const QWidget* window) {
  QStringList clipped;
  for (const QWidget* w : window->findChildren<QWidget*>()) {
    int needed = 0;
    if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
      // Text plus the style's margins, without the minimum width some styles add to buttons.
      const QFontMetrics metrics(button->font());
      const int margins = qobject_cast<const QCheckBox*>(w) ? 22 : 12;
      needed = metrics.horizontalAdvance(QString(button->text()).remove(QLatin1Char('&'))) + margins;
    } else if (const auto* label = qobject_cast<const QLabel*>(w)) {
      if (label->text().isEmpty()) continue;
      needed = label->sizeHint().width();
    } else if (const auto* group = qobject_cast<const QGroupBox*>(w)) {
      needed = QFontMetrics(group->font()).horizontalAdvance(group->title()) + 16;
    } else {
      continue;
    }
    if (needed > w->width()) clipped << w->objectName() + QStringLiteral(" (%1 > %2)").arg(needed).arg(w->width());
  }
  return clipped;
}

Status WriteScreenshots(const AppWindows& windows, const QString& folder) {
  QDir dir(folder);
  if (!dir.mkpath(QStringLiteral("."))) return Status::Error("Cannot create the folder " + folder.toStdString());

  SplashScreen splash;
  if (Status s = Save(&splash, dir, QStringLiteral("TSplfrm")); !s) return s;
  splash.hide();

  for (QWidget* window : ExistingWindows(windows)) {
    // Named by the window's objectName, as the documents name the windows.
    if (Status s = Save(window, dir, window->objectName()); !s) {
      return s;
    }
    window->hide();
  }

  // The parameter dialog on each of its pages.
  if (MachineSettingsDialog* dialog = windows.machine_settings) {
    for (int page = 0; page < 4; ++page) {
      dialog->ShowPage(page);
      if (Status s = Save(dialog, dir, QStringLiteral("TPagesDlg_page%1").arg(page)); !s) return s;
    }
    dialog->ShowPage(0);
    dialog->hide();
  }

  // The main window with each step panel in turn, to check every caption: the panels the steps
  // show, up to the generation step, without the rest of what the steps switch.
  MainWindow* form = windows.main;
  if (form == nullptr) return Status::Ok();
  struct Shot {
    StepEvent step;
    const char* name;
  };
  const Shot shots[] = {{StepEvent::Started, "TForm1_settings"},
                        {StepEvent::ProcessingDone, "TForm1_scale"},
                        {StepEvent::ScaleValidated, "TForm1_verification"},
                        {StepEvent::VerificationValidated, "TForm1_generation"}};
  for (const Shot& shot : shots) {
    ShowPanelsOf(*form, shot.step);
    if (Status s = Save(form, dir, QString::fromLatin1(shot.name)); !s) return s;
  }
  ShowPanelsOf(*form, StepEvent::Started);
  form->hide();
  return Status::Ok();
}

}  // namespace pistora
