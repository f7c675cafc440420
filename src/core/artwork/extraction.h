#pragma once

#include "core/artwork/workspace.h"
#include "core/host/host.h"

namespace pistora {

// The two processing settings of "Réglages généraux".
struct ExtractionSettings {
  int hole_size = 2;    // "Taille des trous de perçages": a drill mark is 2 * hole_size + 1 pixels wide (0..20)
  int pad_points = 20;  // "Nbr points max par pastilles": contours of fewer steps may be pads (2..100)
};

// Ranges of the two settings, as their spin boxes allow.
inline constexpr int kMinHoleSize = 0;
inline constexpr int kMaxHoleSize = 20;
inline constexpr int kMinPadPoints = 2;
inline constexpr int kMaxPadPoints = 100;

enum class RunOutcome { Completed, Stopped };

// "&Traiter le typon d'origine": turns the copper of ws.ArtworkBitmap into ws.Table.
//
// Copper is exact black, board exact white; any other colour is neither. Each copper island
// (8-connected) is painted red while it is processed and blue once done; the white pixels
// touching it (its one-pixel ring) are marked black in ws.EngravingBitmap and traced into
// contours (red once traced). Small contours whose surroundings are white become pads with a
// green drill mark; of each island only the longest contour stays useful. Each stored trace's
// text is added to ws.ContourLog, the elapsed milliseconds to ws.RunLog.
//
// The run lets window events run through host.PumpEvents() once before the first island,
// once per island, once per row of each island's outline marking (from the row below the
// island's seed up to the top row), once per contour, once per trace step and once after
// each trace; it polls ws.StopRequest after each. A stop keeps the contours stored so far,
// drops the one being traced and still runs the finish (contour 0 drawn blue, progress full).
// Progress goes to host.ShowProgress(H - seed row, H).
//
// The engraving bitmap is expected to have the artwork's size (it is made so, white, when
// it does not).
RunOutcome ExtractContours(Workspace& ws, Host& host, const ExtractionSettings& settings);

// True when every pixel of the one-pixel frame around the box (path coordinates, bounds
// inclusive) is white in the engraving bitmap. A frame leaving the bitmap is not isolated.
bool IsIsolated(const Workspace& ws, int min_x, int max_x, int min_y, int max_y);

}  // namespace pistora
