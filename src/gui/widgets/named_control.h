#pragma once

#include <QRect>
#include <QString>

namespace pistora {

// Gives a new control its objectName (the member's name, which language files and tests use)
// and, when given, its place in the parent.
template <typename W>
W* Named(W* control, const char* name) {
  control->setObjectName(QString::fromLatin1(name));
  return control;
}

template <typename W>
W* Named(W* control, const char* name, QRect place) {
  Named(control, name)->setGeometry(place);
  return control;
}

template <typename W>
W* Named(W* control, const char* name, int x, int y, int width, int height) {
  return Named(control, name, QRect(x, y, width, height));
}

}  // namespace pistora
