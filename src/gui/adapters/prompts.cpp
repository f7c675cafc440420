#include "gui/adapters/prompts.h"

#include <QStringList>

namespace pistora {

QString QtFilterFromPairs(const QString& pairs) {
  const QStringList parts = pairs.split(QLatin1Char('|'));
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString description = parts[i];
    const QString pattern = parts[i + 1];
    // Qt reads the patterns from the parentheses of the description; add them when the
    // description does not show them.
    if (!description.contains(QLatin1Char('('))) description += QStringLiteral(" (") + pattern + QLatin1Char(')');
    filters << description;
  }
  return filters.join(QStringLiteral(";;"));
}

QString WithUpperCasePatterns(const QString& filter) {
  QStringList result;
  for (const QString& one : filter.split(QStringLiteral(";;"))) {
    const qsizetype open = one.lastIndexOf(QLatin1Char('('));
    const qsizetype close = one.lastIndexOf(QLatin1Char(')'));
    if (open < 0 || close < open) {
      result << one;
      continue;
    }
    QStringList patterns = one.mid(open + 1, close - open - 1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QStringList original = patterns;
    for (const QString& pattern : original) {
      const QString upper = pattern.toUpper();
      if (!patterns.contains(upper)) patterns << upper;
    }
    result << one.left(open + 1) + patterns.join(QLatin1Char(' ')) + one.mid(close);
  }
  return result.join(QStringLiteral(";;"));
}

}  // namespace pistora
