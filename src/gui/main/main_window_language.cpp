// The main window's language list and its link to the magnifier.
#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QMetaMethod>
#include <QToolButton>

#include "core/settings/language_file.h"
#include "gui/adapters/prompts.h"
#include "gui/adapters/settings_files.h"
#include "gui/adapters/translations.h"
#include "gui/main/main_window.h"

namespace pistora {
// The language files: in the given settings folder (tests), else shipped with the program
// (beside it, or in share/pistora/lng of an installed copy).
QString MainWindow::LanguageFolder() const {
  if (!settings_folder_.isEmpty()) return settings_folder_;
  return ProgramFilesFolder("lng", kBuiltInLanguageFileName);
}

bool MainWindow::event(QEvent* event) {
  const bool handled = QWidget::event(event);
  if (event->type() == QEvent::WindowActivate) Activated();
  return handled;
}

void MainWindow::Activated() { ApplyLanguage(false); }

void MainWindow::LanguageChosen() { ApplyLanguage(true); }

void MainWindow::ListLanguages() {
  const LanguageListing listing = ListLanguageFiles(LanguageFolder().toStdString());
  // Filling the list must not replace the entry the box shows (param.txt sets it).
  const QString shown = language_list_->currentText();
  language_list_->clear();
  for (const std::string& entry : listing.entries) language_list_->addItem(QString::fromStdString(entry));
  language_list_->setEditText(shown);
  if (!listing.status) prompts_.ShowError(QString::fromStdString(listing.status.message()));
}

void MainWindow::ApplyLanguage(bool chosen) {
  LanguageText text;
  const Status status = LoadLanguage(LanguageFolder().toStdString(), language_list_->currentText().toStdString(), &text);
  if (!status) {
    if (language_report_.ShouldReport(status.message(), chosen)) {
      prompts_.ShowError(QString::fromStdString(status.message()));
    }
    return;
  }
  language_report_.Rearm();
  // The translation first: the captions the language file leaves out are set from it.
  UseTranslationFor(language_list_->currentText());
  if (apply_language_) apply_language_(text);
}

void MainWindow::SetLanguageApplier(std::function<void(const LanguageText&)> apply) {
  apply_language_ = std::move(apply);
}

void MainWindow::ToggleMagnifier(bool down) {
  if (!isSignalConnected(QMetaMethod::fromSignal(&MainWindow::MagnifierToggled))) {
    magnifier_toggle_->setChecked(false);  // no magnifier window in this run: the toggle stays up
    return;
  }
  emit MagnifierToggled(down);
}

}  // namespace pistora
