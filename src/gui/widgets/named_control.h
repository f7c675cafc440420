#pragma once

#include <QObject>
#include <QRect>
#include <QString>
#include <string_view>

namespace pistora {

// Gives a new control its objectName (which language files and tests use) and, when given, its
// place in the parent.
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

// The objectName of a control role, from its window's control table (core/windows): the table
// is found by the role's type through the `TableOf(Role)` declared beside each table.
template <typename Role>
QString ObjectNameOf(Role role) {
  const std::string_view name = TableOf(role).ObjectName(role);
  return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// The French caption a control of that role is built with, from its window's control table.
template <typename Role>
  requires std::is_enum_v<Role>
QString BuiltInCaptionOf(Role role) {
  const std::string_view text = TableOf(role).BuiltIn(role);
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A new control named after its role in the window's table.
template <typename W, typename Role>
  requires std::is_enum_v<Role>
W* Named(W* control, Role role) {
  control->setObjectName(ObjectNameOf(role));
  return control;
}

template <typename W, typename Role>
  requires std::is_enum_v<Role>
W* Named(W* control, Role role, QRect place) {
  Named(control, role)->setGeometry(place);
  return control;
}

// The control of that role among `window`'s children; null when the window does not have it.
template <typename W = QObject, typename Role>
  requires std::is_enum_v<Role>
W* FindControl(const QObject& window, Role role) {
  return window.findChild<W*>(ObjectNameOf(role));
}

}  // namespace pistora
