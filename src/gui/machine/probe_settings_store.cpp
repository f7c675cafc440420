#include "gui/machine/probe_settings_store.h"

#include <cmath>

#include "core/machine/height_map.h"
#include "gui/app/user_settings.h"

namespace pistora {

namespace {

constexpr const char* kGroup = "palpeur";

// A positive finite number (zero allowed when `zero_ok`), else the default.
double Read(const QSettings& settings, const char* key, double fallback, bool zero_ok = false) {
  bool ok = false;
  const double value = settings.value(QString::fromLatin1(key)).toDouble(&ok);
  if (!ok || !std::isfinite(value) || value < 0 || (value == 0 && !zero_ok)) return fallback;
  return value;
}

int ReadCount(const QSettings& settings, const char* key, int fallback) {
  bool ok = false;
  const int value = settings.value(QString::fromLatin1(key)).toInt(&ok);
  return ok && value >= kMinGridPoints && value <= kMaxGridPoints ? value : fallback;
}

}  // namespace

ProbeSettings LoadProbeSettings() {
  QSettings settings = UserSettings();
  settings.beginGroup(QString::fromLatin1(kGroup));
  const ProbeSettings defaults;
  ProbeSettings p;
  p.feed = Read(settings, "avance", defaults.feed);
  p.max_travel = Read(settings, "course", defaults.max_travel);
  p.plate_thickness = Read(settings, "epaisseur_plaque", defaults.plate_thickness, true);
  p.clearance = Read(settings, "degagement", defaults.clearance);
  return p;
}

void SaveProbeSettings(const ProbeSettings& p) {
  QSettings settings = UserSettings();
  settings.beginGroup(QString::fromLatin1(kGroup));
  settings.setValue(QStringLiteral("avance"), p.feed);
  settings.setValue(QStringLiteral("course"), p.max_travel);
  settings.setValue(QStringLiteral("epaisseur_plaque"), p.plate_thickness);
  settings.setValue(QStringLiteral("degagement"), p.clearance);
}

ProbeGridChoice LoadProbeGrid() {
  QSettings settings = UserSettings();
  settings.beginGroup(QString::fromLatin1(kGroup));
  const ProbeGridChoice defaults;
  ProbeGridChoice g;
  g.by_spacing = settings.value(QStringLiteral("grille_par_pas"), defaults.by_spacing).toBool();
  g.spacing = Read(settings, "pas", defaults.spacing);
  g.columns = ReadCount(settings, "colonnes", defaults.columns);
  g.rows = ReadCount(settings, "lignes", defaults.rows);
  return g;
}

void SaveProbeGrid(const ProbeGridChoice& g) {
  QSettings settings = UserSettings();
  settings.beginGroup(QString::fromLatin1(kGroup));
  settings.setValue(QStringLiteral("grille_par_pas"), g.by_spacing);
  settings.setValue(QStringLiteral("pas"), g.spacing);
  settings.setValue(QStringLiteral("colonnes"), g.columns);
  settings.setValue(QStringLiteral("lignes"), g.rows);
}

}  // namespace pistora
