#pragma once

#include <QObject>

#include "core/settings/numeric_key_filter.h"

namespace pistora {

// Applies NumericKeyFilter to the typed characters of one box. Install one per box:
//   box->installEventFilter(new NumericKeyFilterAdapter(KeyMode::UnsignedDecimal, box));
// Only character keys are filtered (as a key-press handler sees them): printable characters,
// backspace and Enter. Navigation keys, Delete and control shortcuts pass untouched.
// A QLineEdit is a plain edit; any other widget (a spin box) swallows every character.
// The separator is the locale's decimal point at the time of the key press.
// With SeparatorInput::AsDot (boxes whose text is written with "."), "." and "," and the
// locale's separator are all the decimal separator and go in as "." (one only): a separator
// typed the other way is converted, never dropped.
enum class SeparatorInput { Regional, AsDot };

class NumericKeyFilterAdapter final : public QObject {
  Q_OBJECT
 public:
  NumericKeyFilterAdapter(KeyMode mode, QObject* parent, SeparatorInput separators = SeparatorInput::Regional)
      : QObject(parent), mode_(mode), separators_(separators) {}

  KeyMode Mode() const { return mode_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  KeyMode mode_;
  SeparatorInput separators_;
};

}  // namespace pistora
