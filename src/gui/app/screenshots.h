#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

#include "core/text/status.h"

namespace pistora {

struct AppWindows;

// Object names of the captioned controls of `window` (labels, buttons, check boxes, group
// titles) whose caption needs more room than the control has with the current font.
QStringList ClippedCaptions(const QWidget* window);

// Writes a PNG of every window as laid out into `folder` (created when missing): the splash,
// each window of `windows` under its objectName, the settings dialog once per page and the main
// window once per step panel.
Status WriteScreenshots(const AppWindows& windows, const QString& folder);

}  // namespace pistora
