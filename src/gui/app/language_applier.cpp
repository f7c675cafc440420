#include "gui/app/language_applier.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QMetaProperty>
#include <QTabWidget>
#include <QWidget>

#include "core/windows/about_dialog_controls.h"
#include "core/windows/machine_settings_controls.h"
#include "core/windows/machine_window_controls.h"
#include "core/windows/main_window_controls.h"
#include "core/windows/plate_window_controls.h"
#include "core/windows/magnifier_controls.h"
#include "core/windows/program_options_controls.h"
#include "core/windows/height_map_window_controls.h"
#include "core/windows/tool_dialog_controls.h"
#include "gui/adapters/translations.h"
#include "gui/app/app_windows.h"
#include "gui/machine/machine_window.h"
#include "gui/main/about_dialog.h"
#include "gui/main/main_window.h"
#include "gui/setup/machine_settings_dialog.h"
#include "gui/setup/plate_window.h"
#include "gui/widgets/named_control.h"

namespace pistora {

QWidget* WindowOfClass(std::string_view window_class, const AppWindows& w) {
  if (window_class == MainWindowControls().WindowName()) return w.main;
  if (window_class == AboutControls().WindowName()) return w.about;
  if (window_class == MachineWindowControls().WindowName()) return w.machine;
  if (window_class == MachineSettingsControls().WindowName()) return w.machine_settings;
  if (window_class == PlateWindowControls().WindowName()) return w.plate;
  return nullptr;
}

namespace {

ModeNames& ModeNamesStore() {
  static ModeNames names;
  return names;
}

QString FromView(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The About window's text lines below its name and version: a window may have fewer lines.
bool MayBeLeftOut(const CaptionTarget& target) {
  if (target.window_class != AboutControls().WindowName()) return false;
  for (const ControlName<AboutControl>& row : AboutControls().Rows()) {
    if (row.object_name == target.object_name) {
      return row.role >= AboutControl::kDescriptionLine1 && row.role <= AboutControl::kDescriptionLine7;
    }
  }
  return false;
}

// The control a target names; the window itself for a window title.
QObject* FindTarget(const CaptionTarget& target, const AppWindows& windows) {
  QWidget* window = WindowOfClass(target.window_class, windows);
  if (window == nullptr) return nullptr;
  if (target.kind == CaptionTargetKind::kWindowTitle) return window;
  if (target.kind == CaptionTargetKind::kModeName) return nullptr;
  return window->findChild<QObject*>(FromView(target.object_name));
}

// Sets the caption of any control that has one: a "title" (group box, menu) or else a "text"
// (label, button, check box, action, or a widget of the project that declares one).
bool SetCaption(QObject* control, const QString& caption) {
  const QMetaObject* meta = control->metaObject();
  for (const char* property : {"title", "text"}) {
    const int index = meta->indexOfProperty(property);
    if (index >= 0 && meta->property(index).isWritable()) return control->setProperty(property, caption);
  }
  return false;
}

// The tab text of a page of a page control.
bool SetPageTitle(QObject* page, const QString& caption) {
  auto* widget = qobject_cast<QWidget*>(page);
  for (QWidget* up = widget ? widget->parentWidget() : nullptr; up != nullptr; up = up->parentWidget()) {
    if (auto* tabs = qobject_cast<QTabWidget*>(up)) {
      const int index = tabs->indexOf(widget);
      if (index < 0) return false;
      tabs->setTabText(index, caption);
      return true;
    }
  }
  return false;
}

bool SetFirstItem(QObject* list, const QString& caption) {
  auto* box = qobject_cast<QComboBox*>(list);
  if (box == nullptr || box->count() == 0) return false;
  box->setItemText(0, caption);
  return true;
}

void ApplyCaption(const CaptionTarget& target, const QString& caption, const AppWindows& windows) {
  QObject* control = FindTarget(target, windows);
  if (control == nullptr) return;
  switch (target.kind) {
    case CaptionTargetKind::kWindowTitle:
      static_cast<QWidget*>(control)->setWindowTitle(caption);
      break;
    case CaptionTargetKind::kPageTitle:
      SetPageTitle(control, caption);
      break;
    case CaptionTargetKind::kFirstListItem:
      SetFirstItem(control, caption);
      break;
    case CaptionTargetKind::kControlText:
    case CaptionTargetKind::kMenuEntry:
      SetCaption(control, caption);
      break;
    case CaptionTargetKind::kModeName:
      break;
  }
}

// The caption a control shows, read where SetCaption writes it; empty when it has none.
QString CaptionOf(QObject* control) {
  const QMetaObject* meta = control->metaObject();
  for (const char* property : {"title", "text"}) {
    const int index = meta->indexOfProperty(property);
    if (index >= 0 && meta->property(index).isWritable()) return control->property(property).toString();
  }
  return {};
}

QWidget* TopLevelNamed(std::string_view name) {
  const QString wanted = FromView(name);
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->objectName() == wanted) return window;
  }
  return nullptr;
}

// The captions no language-file line holds (line 0 of a control table), through the
// translation loaded (TrCaption): a control is changed only while it shows its built-in caption
// or the translation set last, never a text the window has put there since.
template <typename Role>
void TranslateBuiltInCaptions(const ControlTable<Role>& table) {
  static const char* const kShown = "pistoraTranslatedCaption";
  QWidget* window = TopLevelNamed(table.WindowName());
  if (window == nullptr) return;
  for (const ControlName<Role>& row : table.Rows()) {
    if (row.line != 0 || row.built_in.empty()) continue;
    // A row without an objectName stands for the window itself: its title.
    const bool title = row.kind == CaptionTargetKind::kWindowTitle || row.object_name.empty();
    if (!title && row.kind != CaptionTargetKind::kControlText && row.kind != CaptionTargetKind::kMenuEntry) continue;
    QObject* control = title ? window : window->findChild<QObject*>(FromView(row.object_name));
    if (control == nullptr) continue;
    const QString french = FromView(row.built_in);
    const QString shown = title ? window->windowTitle() : CaptionOf(control);
    const QVariant last = control->property(kShown);
    if (shown != french && !(last.isValid() && shown == last.toString())) continue;
    const QString caption = TrCaption(french);
    if (title) {
      window->setWindowTitle(caption);
    } else {
      SetCaption(control, caption);
    }
    control->setProperty(kShown, caption);
  }
}

void TranslateAllBuiltInCaptions() {
  TranslateBuiltInCaptions(MainWindowControls());
  TranslateBuiltInCaptions(AboutControls());
  TranslateBuiltInCaptions(MachineWindowControls());
  TranslateBuiltInCaptions(MachineSettingsControls());
  TranslateBuiltInCaptions(PlateWindowControls());
  TranslateBuiltInCaptions(MagnifierSettingsControls());
  TranslateBuiltInCaptions(MagnifierGlassControls());
  TranslateBuiltInCaptions(MagnifierMaskControls());
  TranslateBuiltInCaptions(ProgramOptionsControls());
  TranslateBuiltInCaptions(ToolDialogControls());
  TranslateBuiltInCaptions(HeightMapWindowControls());
}

// The machine window's label that names its current mode.
void ShowModeName(const AppWindows& windows) {
  if (windows.machine == nullptr) return;
  if (QObject* label = FindControl(*windows.machine, MachineControl::kModeName)) {
    SetCaption(label, QString::fromStdString(AppliedModeNames().Of(windows.machine->DrillingMode())));
  }
}

}  // namespace

void ApplyLanguageToWindows(const LanguageText& text, const AppWindows& windows) {
  ForEachCaption(text, [&](const CaptionTarget& target, const std::string& caption) {
    ApplyCaption(target, QString::fromStdString(caption), windows);
  });
  ModeNamesStore() = ModeNamesOf(text);
  ShowModeName(windows);
  TranslateAllBuiltInCaptions();
}

const ModeNames& AppliedModeNames() { return ModeNamesStore(); }

std::vector<std::string> MissingCaptionTargets(const AppWindows& windows) {
  std::vector<std::string> missing;
  for (const CaptionTarget& target : AllCaptionTargets()) {
    if (target.kind == CaptionTargetKind::kWindowTitle || target.kind == CaptionTargetKind::kModeName) continue;
    if (MayBeLeftOut(target)) continue;
    if (FindTarget(target, windows) == nullptr) {
      missing.push_back(std::string(target.window_class) + "." + std::string(target.object_name));
    }
  }
  if (windows.machine != nullptr && FindControl(*windows.machine, MachineControl::kModeName) == nullptr) {
    missing.push_back(std::string(MachineWindowControls().WindowName()) + "." +
                      std::string(MachineWindowControls().ObjectName(MachineControl::kModeName)));
  }
  return missing;
}

}  // namespace pistora
