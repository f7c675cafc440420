#pragma once

#include <cstdint>
#include <vector>

#include "core/artwork/contour.h"
#include "core/artwork/workspace.h"

namespace pistora {

// Which contours a job takes: engraving cuts every contour that is not useless (pads are
// spotted at their centre), drilling takes every pad whether useless or not.
enum class JobMode { Engraving, Drilling };

bool IsInJob(const Contour& contour, JobMode mode);

// The largest measure that can still be chosen (no measure on an artwork comes near it);
// a contour farther than this from the current point is never taken.
inline constexpr std::uint64_t kFarthestMeasure = 10000000000ULL;

// Squared distance between two path points, exact up to kFarthestMeasure; anything
// larger reads as kFarthestMeasure + 1.
std::uint64_t SquaredDistance(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2);

// Orders the job greedily by nearest start point: from P = (0, 0), the eligible contour not
// yet ordered whose start (StartX, StartY) is nearest to P gets the next position; P then
// moves to that contour's END point. Among equal measures the highest index wins.
//
// Writes JobOrder of every contour (0 = not in the job, 1..n = position), sets OrderedCount
// to n and appends "Le vertex n°<index> a reçu le n°d'ordre <k>" to ContourLog for each position.
// A grid over the start points keeps this near linear on large boards while giving exactly
// the order of a full scan per position.
void OrderJob(Workspace& ws, JobMode mode);

// The contour index of each job position 1..OrderedCount (entry 0 and positions that no
// contour holds are -1; the lowest index wins should two hold one), so a job is replayed
// in order in one pass over the table.
std::vector<int> IndexByJobOrder(const Workspace& ws);

}  // namespace pistora
