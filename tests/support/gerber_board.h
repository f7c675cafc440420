#pragma once

#include <string>

#include "core/job/excellon.h"

namespace pistora::testing_board {

// A small copper layer (mm, 4.6 format): two round pads of 1.6 mm at (5, 5) and (15, 5) joined
// by a 0.4 mm track, a lone round pad at (5, 12), a lone 2 x 1.4 mm square pad at (15, 12), and a
// filled region (20, 2)-(24, 6): four islands, four pads.
inline const char* kCopperLayer =
    "G04 test board*\n%FSLAX46Y46*%\n%MOMM*%\n%ADD10C,1.600000*%\n%ADD11R,2.000000X1.400000*%\n"
    "%ADD12C,0.400000*%\n%LPD*%\n"
    "D12*\nX5000000Y5000000D02*\nX15000000Y5000000D01*\n"
    "D10*\nX5000000Y5000000D03*\nX15000000Y5000000D03*\nX5000000Y12000000D03*\n"
    "D11*\nX15000000Y12000000D03*\n"
    "G36*\nX20000000Y2000000D02*\nX24000000Y2000000D01*\nX24000000Y6000000D01*\nX20000000Y6000000D01*\n"
    "X20000000Y2000000D01*\nG37*\nM02*\n";

// Its drill file: 0.8 mm in the round pads, 1.0 mm in the square one (inch, 2.4, leading
// zeros left out, as older writers give it; the values are the pads' centres to 1e-4 inch).
inline const char* kDrillFile =
    "M48\nINCH,TZ\nT1C0.0315\nT2C0.0394\n%\nT1\nX1969Y1969\nX5906Y1969\nX1969Y4724\nT2\nX5906Y4724\nM30\n";

// The centres those holes stand for, mm: what the reader gives (inch to 1e-4).
inline const DrillHole kHoles[] = {{5.00126, 5.00126, 0.8001, 7}, {15.00124, 5.00126, 0.8001, 8},
                                   {5.00126, 11.99896, 0.8001, 9}, {15.00124, 11.99896, 1.00076, 11}};

}  // namespace pistora::testing_board
