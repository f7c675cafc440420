#include "gui/app/screenshots.h"

#include <QCoreApplication>
#include <QDir>
#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>

#include "gui/app/app_windows.h"
#include "gui/app/splash_screen.h"
#include "gui/main/main_window.h"
#include "gui/setup/machine_settings_dialog.h"
#include "gui/widgets/named_control.h"

namespace pistora {
namespace {

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
  const auto group = [form](MainControl role) { return FindControl<QGroupBox>(*form, role); };
  QGroupBox* panels[] = {group(MainControl::kSettingsPanel), group(MainControl::kScalePanel),
                         group(MainControl::kVerificationPanel), group(MainControl::kGenerationPanel)};
  QGroupBox* artwork = group(MainControl::kArtworkGroup);
  QGroupBox* engraving = group(MainControl::kEngravingGroup);
  const char* names[] = {"TForm1_settings", "TForm1_scale", "TForm1_verification", "TForm1_generation"};
  for (int i = 0; i < 4; ++i) {
    for (QGroupBox* panel : panels) panel->setVisible(panel == panels[i]);
    artwork->setVisible(i < 2);
    engraving->setVisible(i >= 2);
    if (Status s = Save(form, dir, QString::fromLatin1(names[i])); !s) return s;
  }
  for (QGroupBox* panel : panels) panel->setVisible(panel == panels[0]);
  artwork->show();
  engraving->hide();
  form->hide();
  return Status::Ok();
}

}  // namespace pistora
