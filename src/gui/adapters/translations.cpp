#include "gui/adapters/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

#include "core/settings/language_file.h"
#include "core/text/message_translation.h"
#include "gui/adapters/settings_files.h"

namespace pistora {
namespace {

constexpr const char* kMessages = "messages";
constexpr const char* kCaptions = "captions";

struct Loaded {
  QString file;  // the .qm in use, empty for French
  std::unique_ptr<QTranslator> translator;
  QString qt_language;  // the language of Qt's own words (dialog buttons), "fr" for French
  std::unique_ptr<QTranslator> qt_translator;
};

Loaded& Current() {
  static Loaded loaded;
  return loaded;
}

std::string TranslateCoreMessage(std::string_view french) {
  const std::string source(french);
  return QCoreApplication::translate(kMessages, source.c_str()).toStdString();
}

// The language code of an entry: "en" for "en.lng ( English )"; "fr" for the built-in French.
QString LanguageCodeOf(const QString& language_entry) {
  std::string file_name;
  if (!LanguageFileNameOfEntry(language_entry.toStdString(), &file_name) || file_name.empty()) return {};
  return QFileInfo(QString::fromStdString(file_name)).completeBaseName().toLower();
}

// Qt's own words (the Yes and No of a question, the file dialogs) in the program's language, from
// the translations Qt ships (Debian qt6-translations-l10n) when they are there: without them, they
// stay English as before.
void UseQtTranslationFor(const QString& language_entry) {
  Loaded& current = Current();
  const QString language = LanguageCodeOf(language_entry);
  if (language.isEmpty() || language == current.qt_language) return;
  if (current.qt_translator) QCoreApplication::removeTranslator(current.qt_translator.get());
  current.qt_translator.reset();
  current.qt_language = language;
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    return;
  }
  QCoreApplication::installTranslator(translator.get());
  current.qt_translator = std::move(translator);
}

}  // namespace

QString TranslationFileFor(const QString& language_entry) {
  std::string file_name;
  if (!LanguageFileNameOfEntry(language_entry.toStdString(), &file_name)) return {};
  const QString name = QFileInfo(QString::fromStdString(file_name)).fileName();
  if (name.isEmpty() || name.compare(QString::fromLatin1(kBuiltInLanguageFileName), Qt::CaseInsensitive) == 0) {
    return {};
  }
  const QString qm = QFileInfo(name).completeBaseName() + QStringLiteral(".qm");
  return QDir(ProgramFilesFolder("translations", qm.toLatin1().constData())).filePath(qm);
}

bool UseTranslationFor(const QString& language_entry) {
  UseQtTranslationFor(language_entry);
  Loaded& current = Current();
  const QString file = TranslationFileFor(language_entry);
  const QString wanted = QFileInfo::exists(file) ? file : QString();
  if (wanted == current.file) return current.translator != nullptr;
  if (current.translator) QCoreApplication::removeTranslator(current.translator.get());
  current.translator.reset();
  current.file.clear();
  SetMessageTranslator({});
  if (wanted.isEmpty()) return false;
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(wanted)) return false;
  QCoreApplication::installTranslator(translator.get());
  current.translator = std::move(translator);
  current.file = wanted;
  SetMessageTranslator(TranslateCoreMessage);
  return true;
}

QString TrMessage(const char* french) { return QCoreApplication::translate(kMessages, french); }

QString TrCaption(const QString& french) {
  const QByteArray source = french.toUtf8();
  return QCoreApplication::translate(kCaptions, source.constData());
}

}  // namespace pistora
