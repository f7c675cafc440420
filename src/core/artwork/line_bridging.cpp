// Phases 4 and 5 of the artwork pre-processing: bridging loose line ends, pruning open ends.
//
// Both repeat passes over the inner pixels, column after column (x outer, row inner), and
// whether a pass acts at a pixel depends only on the pixel's 3 x 3 neighbourhood at that
// moment. So a pass visits only the pixels whose neighbourhood changed since their last visit
// (and the loose ends that acted then), in the same order: a change sends the pixels around
// it that come later into the running pass and the others into the next one. The pictures
// are the plain scan's; only the pumps of pixels that cannot change are saved.
#include <algorithm>
#include <cstdint>
#include <functional>
#include <queue>
#include <utility>
#include <vector>

#include "core/artwork/neighbourhood.h"
#include "core/artwork/polygonal.h"

namespace pistora {
namespace {

// A bridging pass may in theory keep repainting lines that it left red before; this bound
// ends such a cycle. Real artworks settle within a few passes.
constexpr int kMaxBridgingPasses = 1000;

// The pixels a pass still has to visit, in scan order (index x * height + row).
class ScanQueue {
 public:
  using Index = std::uint64_t;

  explicit ScanQueue(const Bitmap& bitmap) : width_(bitmap.Width()), height_(bitmap.Height()) {}

  Index IndexOf(int x, int row) const { return static_cast<Index>(x) * height_ + row; }
  int XOf(Index i) const { return static_cast<int>(i / height_); }
  int RowOf(Index i) const { return static_cast<int>(i % height_); }

  void AddToNextPass(Index i) { next_.push_back(i); }
  bool NextPassEmpty() const { return next_.empty(); }

  void StartPass() {
    std::sort(next_.begin(), next_.end());
    next_.erase(std::unique(next_.begin(), next_.end()), next_.end());
    pass_ = Heap(std::greater<>(), std::move(next_));
    next_.clear();
    current_ = 0;
    started_ = false;
  }

  // The next pixel of the running pass, each at most once.
  bool Pop(Index* i) {
    while (!pass_.empty()) {
      const Index top = pass_.top();
      pass_.pop();
      if (started_ && top == current_) continue;
      started_ = true;
      current_ = top;
      *i = top;
      return true;
    }
    return false;
  }

  // The inner pixels around (x, row), itself included, must be visited again.
  void Touch(int x, int row) {
    for (int nx = std::max(1, x - 1); nx <= std::min(width_ - 2, x + 1); ++nx) {
      for (int nrow = std::max(1, row - 1); nrow <= std::min(height_ - 2, row + 1); ++nrow) {
        const Index n = IndexOf(nx, nrow);
        if (started_ && n > current_) {
          pass_.push(n);
        } else {
          next_.push_back(n);
        }
      }
    }
  }

 private:
  using Heap = std::priority_queue<Index, std::vector<Index>, std::greater<>>;
  int width_;
  int height_;
  Heap pass_;
  std::vector<Index> next_;
  Index current_ = 0;
  bool started_ = false;
};

// Pumps once per inner column that a pass has gone past, as a plain scan would.
class ColumnPump {
 public:
  ColumnPump(Host& host, int width) : host_(host), width_(width) {}
  void ReachColumn(int x) {
    for (; pumped_ < std::min(x, width_ - 1); ++pumped_) host_.PumpEvents();
  }
  void EndPass() {
    ReachColumn(width_ - 1);
    pumped_ = 1;
  }

 private:
  Host& host_;
  int width_;
  int pumped_ = 1;  // columns 1 .. pumped_ - 1 are done
};

bool IsLooseEnd(const Bitmap& bm, int x, int row) {
  return bm.Is(x, row, kWhite) && CountNeighbours(bm, x, row, kWhite) == 1 &&
         !HasNeighbour(bm, x, row, kBlack) && !HasNeighbour(bm, x, row, kRed);
}

bool IsInner(const Bitmap& bm, PixelPoint p) {
  return p.x > 0 && p.row > 0 && p.x < bm.Width() - 1 && p.row < bm.Height() - 1;
}

// A pixel whose colour differs after a bridge, with its colour before the bridge.
struct NetChange {
  PixelPoint at;
  Rgb before;
};

// Joins the loose end p to the nearest white pixel it can see off its own line, and returns
// what differs afterwards (painting the line red and back to white changes nothing). The walks
// along the line and the bridge keep off the one-pixel frame of the bitmap, which the
// pre-processing never changes (a white frame may still be the target of a bridge).
std::vector<NetChange> BridgeFrom(Bitmap& bm, Host& host, PixelPoint p) {
  // The own line turns red, so that the search looks past it.
  std::vector<PixelPoint> own{p};
  bm.Set(p.x, p.row, kRed);
  PixelPoint q = p;
  while (StepToNeighbour(bm, q, kWhite, true)) {
    bm.Set(q.x, q.row, kRed);
    own.push_back(q);
  }
  host.RefreshView(View::Artwork);

  const std::optional<PixelPoint> target = NearestReachableWhite(bm, p);

  std::vector<PixelPoint> back{p};
  q = p;
  bm.Set(q.x, q.row, kWhite);
  while (StepToNeighbour(bm, q, kRed, true)) {
    bm.Set(q.x, q.row, kWhite);
    back.push_back(q);
  }

  std::vector<NetChange> changes;
  auto key = [](PixelPoint a) { return std::pair{a.x, a.row}; };
  std::vector<std::pair<int, int>> own_keys;
  own_keys.reserve(own.size());
  for (PixelPoint a : own) {
    own_keys.push_back(key(a));
    if (bm.Is(a.x, a.row, kRed)) changes.push_back({a, kWhite});  // left red by the walk back
  }
  std::sort(own_keys.begin(), own_keys.end());
  for (PixelPoint b : back) {
    // Red from an earlier bridge, white now.
    if (!std::binary_search(own_keys.begin(), own_keys.end(), key(b))) changes.push_back({b, kRed});
  }

  // The bridge follows the same walk that found the target clear of copper.
  if (target) {
    WalkLine(p, *target, [&](PixelPoint on) {
      if (IsInner(bm, on) && !bm.Is(on.x, on.row, kWhite)) {
        changes.push_back({on, bm.At(on.x, on.row)});
        bm.Set(on.x, on.row, kWhite);
      }
      return true;
    });
  }
  host.RefreshView(View::Artwork);
  return changes;
}

// Whether a pass changed the picture: the first colour recorded for a pixel is its colour at
// the start of the pass.
bool PassChanged(const Bitmap& bm, std::vector<NetChange>& log) {
  std::stable_sort(log.begin(), log.end(), [](const NetChange& a, const NetChange& b) {
    return std::pair{a.at.x, a.at.row} < std::pair{b.at.x, b.at.row};
  });
  for (std::size_t i = 0; i < log.size(); ++i) {
    if (i > 0 && log[i].at == log[i - 1].at) continue;
    if (!(bm.At(log[i].at.x, log[i].at.row) == log[i].before)) return true;
  }
  return false;
}

}  // namespace

bool BridgeLooseEnds(Workspace& ws, Host& host) {
  Bitmap& bm = ws.ArtworkBitmap;
  ScanQueue queue(bm);
  ColumnPump pump(host, bm.Width());
  for (int row = 1; row < bm.Height() - 1; ++row) {
    for (int x = 1; x < bm.Width() - 1; ++x) {
      if (IsLooseEnd(bm, x, row)) queue.AddToNextPass(queue.IndexOf(x, row));
    }
  }
  for (int pass = 0; pass < kMaxBridgingPasses; ++pass) {
    queue.StartPass();
    std::vector<NetChange> log;
    ScanQueue::Index i = 0;
    while (queue.Pop(&i)) {
      const int x = queue.XOf(i);
      const int row = queue.RowOf(i);
      pump.ReachColumn(x);
      if (!IsLooseEnd(bm, x, row)) continue;
      // A loose end is bridged again in the next pass (its search looks at the whole picture).
      queue.AddToNextPass(i);
      for (const NetChange& c : BridgeFrom(bm, host, PixelPoint{x, row})) {
        log.push_back(c);
        queue.Touch(c.at.x, c.at.row);
      }
    }
    pump.EndPass();
    if (ws.StopRequest) return false;
    if (!PassChanged(bm, log)) break;
  }
  return true;
}

bool PruneOpenEnds(Workspace& ws, Host& host) {
  Bitmap& bm = ws.ArtworkBitmap;
  ScanQueue queue(bm);
  for (int x = 1; x < bm.Width() - 1; ++x) {
    for (int row = 1; row < bm.Height() - 1; ++row) {
      if (bm.Is(x, row, kWhite)) queue.AddToNextPass(queue.IndexOf(x, row));
    }
  }
  while (true) {
    queue.StartPass();
    bool changed = false;
    ScanQueue::Index i = 0;
    while (queue.Pop(&i)) {
      const int x = queue.XOf(i);
      const int row = queue.RowOf(i);
      host.PumpEvents();
      if (!bm.Is(x, row, kWhite) || CountNeighbours(bm, x, row, kWhite) >= 2) continue;
      bm.Set(x, row, kYellow);
      changed = true;
      queue.Touch(x, row);
    }
    host.RefreshView(View::Artwork);
    if (ws.StopRequest) return false;
    if (!changed) return true;
  }
}

}  // namespace pistora
