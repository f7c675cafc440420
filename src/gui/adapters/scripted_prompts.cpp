#include "gui/adapters/scripted_prompts.h"

namespace pistora {

QString ScriptedPrompts::Next(const QString& filter) {
  last_filter_ = filter;
  return file_names_.isEmpty() ? QString() : file_names_.takeFirst();
}

QString ScriptedPrompts::OpenFileName(const QString& /*caption*/, const QString& filter) {
  return Next(filter);
}

QString ScriptedPrompts::SaveFileName(const QString& /*caption*/, const QString& filter) {
  return Next(filter);
}

bool ScriptedPrompts::Confirm(const QString& question) {
  questions_ << question;
  return !answers_.isEmpty() && answers_.takeFirst();
}

}  // namespace pistora
