#pragma once

#include <QCursor>

namespace pistora {

// The sighting cross shown over the engraving view: a thin cross with a small ring,
// hot spot in the middle.
QCursor SightCursor();

}  // namespace pistora
