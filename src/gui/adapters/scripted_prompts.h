#pragma once

#include <QString>
#include <QStringList>

#include "gui/adapters/prompts.h"

namespace pistora {

// Prompts answered from a script, for tests and unattended runs: file dialogs return the
// queued names in order (an empty name, or an empty queue, is a cancelled dialog); messages
// and questions are recorded instead of shown, and questions take the queued answers in order
// (an empty queue answers no).
class ScriptedPrompts final : public Prompts {
 public:
  void QueueFileName(const QString& path) { file_names_ << path; }

  QString OpenFileName(const QString& caption, const QString& filter) override;
  QString SaveFileName(const QString& caption, const QString& filter) override;
  QString OpenFileNameAt(const QString& caption, const QString& filter, const QString& start) override;
  QString SaveFileNameAt(const QString& caption, const QString& filter, const QString& start) override;
  void ShowError(const QString& text) override { errors_ << text; }
  void ShowInfo(const QString& text) override { infos_ << text; }
  // Answers with the queued answers in order, then no; each question is recorded.
  bool Confirm(const QString& question) override {
    questions_ << question;
    return !answers_.isEmpty() && answers_.takeFirst();
  }
  void QueueAnswer(bool yes) { answers_ << yes; }
  const QStringList& Questions() const { return questions_; }

  const QStringList& Errors() const { return errors_; }
  const QStringList& Infos() const { return infos_; }
  // The filter of the last file dialog asked for.
  const QString& LastFilter() const { return last_filter_; }
  // Where the last file dialog would have opened (a folder or a proposed file; empty: anywhere).
  const QString& LastStart() const { return last_start_; }
  void ClearMessages() {
    errors_.clear();
    infos_.clear();
  }

 private:
  QString Next(const QString& filter);
  QString last_start_;
  QStringList file_names_;
  QStringList errors_;
  QStringList infos_;
  QStringList questions_;
  QList<bool> answers_;
  QString last_filter_;
};

}  // namespace pistora
