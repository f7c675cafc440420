#include "gui/adapters/scripted_prompts.h"

namespace pistora {

QString ScriptedPrompts::Next(const QString& filter) {
  last_filter_ = filter;
  return file_names_.isEmpty() ? QString() : file_names_.takeFirst();
}

QString ScriptedPrompts::OpenFileName(const QString& /*caption*/, const QString& filter) {
  last_start_.clear();
  return Next(filter);
}

QString ScriptedPrompts::OpenFileNameAt(const QString& /*caption*/, const QString& filter, const QString& start) {
  last_start_ = start;
  return Next(filter);
}

QString ScriptedPrompts::SaveFileNameAt(const QString& /*caption*/, const QString& filter, const QString& start) {
  last_start_ = start;
  return Next(filter);
}

QString ScriptedPrompts::SaveFileName(const QString& /*caption*/, const QString& filter) {
  last_start_.clear();
  return Next(filter);
}

}  // namespace pistora
