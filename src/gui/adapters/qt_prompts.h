#pragma once

#include <QPointer>
#include <QWidget>

#include "gui/adapters/prompts.h"

namespace pistora {

// The real dialogs, modal over `parent`.
class QtPrompts final : public Prompts {
 public:
  explicit QtPrompts(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }

  QString OpenFileName(const QString& caption, const QString& filter) override;
  QString SaveFileName(const QString& caption, const QString& filter) override;
  QString OpenFileNameAt(const QString& caption, const QString& filter, const QString& start) override;
  QString SaveFileNameAt(const QString& caption, const QString& filter, const QString& start) override;
  void ShowError(const QString& text) override;
  void ShowInfo(const QString& text) override;
  bool Confirm(const QString& question) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace pistora
