#include "gui/adapters/numeric_key_filter_adapter.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>

namespace pistora {

bool NumericKeyFilterAdapter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
  const auto* key_event = static_cast<QKeyEvent*>(event);
  const QString text = key_event->text();
  if (text.isEmpty()) return false;
  const char32_t key = text.toUcs4().value(0);
  const bool character = key == kKeyBackspace || key == kKeyEnter || (key >= 0x20 && key != 0x7F);
  if (!character) return false;

  auto* edit = qobject_cast<QLineEdit*>(watched);
  QString box_text;
  int caret = 0;
  if (edit != nullptr) {
    box_text = edit->text();
    caret = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
  }
  const QString point = QLocale().decimalPoint();
  const char32_t separator = point.isEmpty() ? U'.' : point.toUcs4().value(0);
  const bool decimal = mode_ == KeyMode::UnsignedDecimal || mode_ == KeyMode::SignedDecimal;
  if (separators_ == SeparatorInput::AsDot && decimal && edit != nullptr &&
      (key == U'.' || key == U',' || key == separator)) {
    if (NumericKeyFilter(true, U'.', mode_, box_text.toStdString(), caret, U'.') != kKeySwallowed) {
      edit->insert(QStringLiteral("."));
    }
    return true;  // the typed key itself never goes in
  }
  const char32_t result = NumericKeyFilter(edit != nullptr, key, mode_, box_text.toStdString(), caret, separator);
  return result == kKeySwallowed;  // true stops the key
}

}  // namespace pistora
