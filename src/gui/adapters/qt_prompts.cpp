#include "gui/adapters/qt_prompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace pistora {

QString QtPrompts::OpenFileName(const QString& caption, const QString& filter) {
  return QFileDialog::getOpenFileName(parent_, caption, QString(), WithUpperCasePatterns(filter));
}

QString QtPrompts::SaveFileName(const QString& caption, const QString& filter) {
  return QFileDialog::getSaveFileName(parent_, caption, QString(), WithUpperCasePatterns(filter));
}

void QtPrompts::ShowError(const QString& text) {
  QMessageBox::critical(parent_, QApplication::applicationName(), text);
}

void QtPrompts::ShowInfo(const QString& text) {
  QMessageBox::information(parent_, QApplication::applicationName(), text);
}

bool QtPrompts::Confirm(const QString& question) {
  return QMessageBox::question(parent_, QApplication::applicationName(), question,
                               QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace pistora
