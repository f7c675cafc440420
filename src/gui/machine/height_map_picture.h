#pragma once

#include <QImage>
#include <QString>

#include "core/machine/height_map.h"

namespace pistora {

// The map in colours, blue for its lowest point to red for its highest, interpolated as the run
// reads it, X to the right and Y up, with the probed points marked; `size` in pixels.
QImage HeightMapPicture(const HeightMap& map, QSize size);

// "min -0.012  max 0.275 mm   pente X 0.195  Y 0.177 mm/100 mm"
QString HeightMapSummaryText(const HeightMap& map);

}  // namespace pistora
