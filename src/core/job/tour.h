#pragma once

#include <vector>

namespace pistora {

// One object of a tour: where the tool enters it and where it leaves it (pixels). An object
// whose entry and exit differ (an open track) may be run backwards, entered at its exit.
struct TourStop {
  double entry_x = 0;
  double entry_y = 0;
  double exit_x = 0;
  double exit_y = 0;
};

// The visiting order (indices into the stops) and, per position, whether that object is run
// backwards. The tour starts at the origin and comes back to it.
struct Tour {
  std::vector<int> order;
  std::vector<bool> reversed;
};

// Length of the travel between the objects: origin -> first entry, each exit -> next entry,
// last exit -> origin.
double TourLength(const std::vector<TourStop>& stops, double origin_x, double origin_y, const Tour& tour);

// From the origin, the nearest entry not yet visited each time (the lowest index among equal
// distances). Quadratic: meant for the holes of one drill, not for whole boards.
Tour NearestNeighbourTour(const std::vector<TourStop>& stops, double origin_x, double origin_y);

// 2-opt: reverses stretches of the tour while that shortens it, trying for each object only
// its nearest neighbours, so large boards stay fast. The result is never longer than the
// tour given.
void ImproveTourTwoOpt(const std::vector<TourStop>& stops, double origin_x, double origin_y, Tour* tour);

}  // namespace pistora
