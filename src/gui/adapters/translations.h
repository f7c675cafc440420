#pragma once

#include <QString>

namespace pistora {

// The program's words in the chosen language, beyond the captions of the language files: the
// captions the .lng files do not hold and the messages, through Qt's translation files. Each
// language file has its own (en.lng <-> en.qm, in the program's translations folder); French is
// built in and has none.

// Loads the translation that goes with `language_entry` (an entry of the language list,
// "en.lng ( English )"), replacing the one loaded before; French, or a language without a .qm, goes back to
// the built-in French. Also sets the core's message translator. Returns whether a translation
// is loaded now. Qt's own words (dialog buttons) follow too, French included, when Qt's
// translations are installed.
bool UseTranslationFor(const QString& language_entry);

// The .qm file that goes with an entry ("en.lng ( English )" -> "<translations>/en.qm"), whether
// it exists or not; empty for the built-in French or an entry that names no file.
QString TranslationFileFor(const QString& language_entry);

// A message written in French (UTF-8) in the chosen language: the GUI's own messages.
QString TrMessage(const char* french);

// A caption written in French in the chosen language (context "captions").
QString TrCaption(const QString& french);

}  // namespace pistora
