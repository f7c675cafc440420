#include "gui/adapters/qt_prompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace pistora {

QString QtPrompts::OpenFileName(const QString& caption, const QString& filter) {
  return OpenFileNameAt(caption, filter, QString());
}

QString QtPrompts::SaveFileName(const QString& caption, const QString& filter) {
  return SaveFileNameAt(caption, filter, QString());
}

QString QtPrompts::OpenFileNameAt(const QString& caption, const QString& filter, const QString& start) {
  return QFileDialog::getOpenFileName(parent_, caption, start, WithUpperCasePatterns(filter));
}

QString QtPrompts::SaveFileNameAt(const QString& caption, const QString& filter, const QString& start) {
  return QFileDialog::getSaveFileName(parent_, caption, start, WithUpperCasePatterns(filter));
}

void QtPrompts::ShowError(const QString& text) {
  QMessageBox::critical(parent_, QApplication::applicationName(), text);
}

bool QtPrompts::Confirm(const QString& question) {
  return QMessageBox::question(parent_, QApplication::applicationName(), question,
                               QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

void QtPrompts::ShowInfo(const QString& text) {
  QMessageBox::information(parent_, QApplication::applicationName(), text);
}

}  // namespace pistora
