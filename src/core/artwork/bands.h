#pragma once

#include <algorithm>
#include <thread>
#include <vector>

namespace pistora {

// How many bands ForEachBand splits work into: one per hardware thread, at most 8.
inline int BandCount() {
  const unsigned threads = std::thread::hardware_concurrency();
  return static_cast<int>(std::clamp(threads, 1u, 8u));
}

// Calls body(band, first, end) for contiguous bands [first, end) covering [0, count), each on
// its own thread (the caller's thread takes band 0), and returns when all are done. Bands must
// write disjoint data; whatever they gather is merged by the caller in band order, which keeps
// results the same as one pass from 0 to count.
template <typename Body>
void ForEachBand(int count, int bands, Body body) {
  bands = std::clamp(bands, 1, std::max(count, 1));
  std::vector<std::thread> workers;
  workers.reserve(static_cast<std::size_t>(bands - 1));
  for (int b = 1; b < bands; ++b) {
    const int first = static_cast<int>(static_cast<long long>(count) * b / bands);
    const int end = static_cast<int>(static_cast<long long>(count) * (b + 1) / bands);
    workers.emplace_back([&body, b, first, end] { body(b, first, end); });
  }
  body(0, 0, static_cast<int>(static_cast<long long>(count) / bands));
  for (std::thread& w : workers) w.join();
}

}  // namespace pistora
