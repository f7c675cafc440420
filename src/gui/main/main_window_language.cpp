// The main window's language list and its link to the magnifier.
#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QToolButton>

#include "core/settings/language_file.h"
#include "gui/adapters/prompts.h"
#include "gui/app/app_windows.h"
#include "gui/app/language_applier.h"
#include "gui/main/main_window.h"
#include "gui/viewers/magnifier_glass.h"

namespace pistora {
namespace {

// The language files live in the program's folder, beside param.txt.
std::string LanguageFolder(const MainWindow& form) {
  return QFileInfo(form.SettingsPath()).absolutePath().toStdString();
}

}  // namespace

bool MainWindow::event(QEvent* event) {
  const bool handled = QWidget::event(event);
  if (event->type() == QEvent::WindowActivate) FormActivate();
  return handled;
}

void MainWindow::FormActivate() { ApplyLanguage(false); }

void MainWindow::ComboBox1Change() { ApplyLanguage(true); }

void MainWindow::ListLanguages() {
  const LanguageListing listing = ListLanguageFiles(LanguageFolder(*this));
  // Filling the list must not replace the entry the box shows (param.txt sets it).
  const QString shown = ComboBox1->currentText();
  ComboBox1->clear();
  for (const std::string& entry : listing.entries) ComboBox1->addItem(QString::fromStdString(entry));
  ComboBox1->setEditText(shown);
  if (!listing.status) prompts_.ShowError(QString::fromStdString(listing.status.message()));
}

void MainWindow::ApplyLanguage(bool chosen) {
  LanguageText text;
  const Status status = LoadLanguage(LanguageFolder(*this), ComboBox1->currentText().toStdString(), &text);
  if (!status) {
    if (language_report_.ShouldReport(status.message(), chosen)) {
      prompts_.ShowError(QString::fromStdString(status.message()));
    }
    return;
  }
  language_report_.Rearm();
  ApplyLanguageToWindows(text, Windows());
}

void MainWindow::SpeedButton1Click(bool down) {
  MagnifierGlass* magnifier = Windows().magnifier;
  if (magnifier == nullptr) {
    SpeedButton1->setChecked(false);  // no magnifier window in this run: the toggle stays up
    return;
  }
  if (down) {
    magnifier->ShowMagnifier();
  } else {
    magnifier->CloseMagnifier();
  }
}

}  // namespace pistora
