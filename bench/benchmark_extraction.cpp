// Track and pad extraction on a generated 600-dpi board of 160 x 100 mm and on the real
// artworks of $PISTORA_ARTWORKS (default: ../shared/artworks beside the source folder).
//
//   benchmark_extraction [benchmark options]
//   benchmark_extraction --write-board BOARD.bmp   writes the generated board and exits, for
//                                                  timing `pistora-cli analyse` on it
#include <benchmark/benchmark.h>

#include "artwork_folder.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/analysis_pipeline.h"
#include "core/artwork/bmp_writer.h"
#include "core/artwork/extraction.h"
#include "core/host/host.h"
#include "core/job/engraving_file.h"
#include "image/artwork_loader.h"

namespace {

using namespace pistora;

constexpr int kBoardWidth = 3780;   // 160 mm at 600 dpi
constexpr int kBoardHeight = 2362;  // 100 mm at 600 dpi

void Rect(Bitmap& b, int x0, int r0, int x1, int r1, Rgb c) {
  for (int row = std::max(r0, 0); row <= std::min(r1, b.Height() - 1); ++row)
    for (int x = std::max(x0, 0); x <= std::min(x1, b.Width() - 1); ++x) b.Set(x, row, c);
}

void Disc(Bitmap& b, int cx, int cr, int radius, Rgb c) {
  for (int row = cr - radius; row <= cr + radius; ++row)
    for (int x = cx - radius; x <= cx + radius; ++x)
      if (b.Contains(x, row) && (x - cx) * (x - cx) + (row - cr) * (row - cr) <= radius * radius) b.Set(x, row, c);
}

// A grid of 40 x 24 cells. Each cell holds one island: two drilled pads joined by a track
// (straight, with a 45-degree leg, or with a second leg), or a small pour with drilled holes
// and a slot cut into it; every fifth cell also has a free-standing drilled via. Over 1100
// islands, plus copper along the left edge.
Bitmap GenerateBoard() {
  Bitmap b(kBoardWidth, kBoardHeight, kWhite);
  const int columns = 40;
  const int rows = 24;
  const int cw = kBoardWidth / columns;
  const int ch = kBoardHeight / rows;
  unsigned state = 12345;
  auto next = [&state](int n) {
    state = state * 1103515245u + 12345u;
    return static_cast<int>((state >> 16) % static_cast<unsigned>(n));
  };
  for (int gy = 0; gy < rows; ++gy) {
    for (int gx = 0; gx < columns; ++gx) {
      const int x0 = gx * cw + 6;
      const int r0 = gy * ch + 6;
      const int kind = next(4);
      if (kind == 3) {
        Rect(b, x0, r0, x0 + cw - 14, r0 + ch - 14, kBlack);
        for (int k = 0; k < 4; ++k) Disc(b, x0 + 12 + next(cw - 36), r0 + 12 + next(ch - 36), 4, kWhite);
        Rect(b, x0 + 10, r0 + ch / 2, x0 + cw - 10, r0 + ch / 2, kWhite);
      } else {
        const int ax = x0 + 18;
        const int ar = r0 + 18;
        const int bx = x0 + cw - 32;
        const int br = r0 + ch - 32;
        const int half = 3 + next(4);
        Rect(b, ax, ar - half, bx, ar + half, kBlack);
        if (kind == 1) {
          for (int t = 0; t <= br - ar; ++t) Rect(b, bx - t - half, ar + t - half, bx - t + half, ar + t + half, kBlack);
        } else if (kind == 2) {
          Rect(b, bx - half, ar, bx + half, br, kBlack);
        }
        Disc(b, ax, ar, 14, kBlack);
        Disc(b, bx, br, 14, kBlack);
        Disc(b, ax, ar, 5, kWhite);
        Disc(b, bx, br, 5, kWhite);
      }
      if ((gx + gy) % 5 == 0) {
        Disc(b, gx * cw + cw - 8, gy * ch + ch - 8, 5, kBlack);
        Disc(b, gx * cw + cw - 8, gy * ch + ch - 8, 2, kWhite);
      }
    }
  }
  // Copper along the left edge: open outlines.
  Rect(b, 0, 0, 2, kBoardHeight / 3, kBlack);
  return b;
}

const Bitmap& Board() {
  static const Bitmap board = GenerateBoard();
  return board;
}

std::string TempBoardPath() { return (std::filesystem::temp_directory_path() / "pistora_bench_board.bmp").string(); }

void BM_ExtractGeneratedBoard(benchmark::State& state) {
  long contours = 0;
  for (auto _ : state) {
    state.PauseTiming();
    Workspace ws;
    ws.ArtworkBitmap = Board();
    ws.EngravingBitmap = Bitmap(kBoardWidth, kBoardHeight, kWhite);
    state.ResumeTiming();
    NullHost host;
    ExtractContours(ws, host, ExtractionSettings{});
    contours = ws.Table.ContourCount();
  }
  state.counters["contours"] = static_cast<double>(contours);
}
BENCHMARK(BM_ExtractGeneratedBoard)->Unit(benchmark::kMillisecond);

// What `pistora-cli analyse` does past its start: read the BMP, process, write the .grv.
void BM_AnalyseGeneratedBoardFile(benchmark::State& state) {
  const std::string bmp = TempBoardPath();
  if (!SaveBmp24(bmp, Board())) {
    state.SkipWithError("cannot write the board");
    return;
  }
  const std::string grv = bmp + ".grv";
  for (auto _ : state) {
    Workspace ws;
    if (!cli::AnalyseArtworkFile(bmp, ExtractionSettings{}, 25.4 / 600, &ws) || !SaveEngravingFile(grv, ws)) {
      state.SkipWithError("analysis failed");
      return;
    }
  }
  std::filesystem::remove(bmp);
  std::filesystem::remove(grv);
}
BENCHMARK(BM_AnalyseGeneratedBoardFile)->Unit(benchmark::kMillisecond);

void BM_ExtractArtwork(benchmark::State& state, const std::string& path) {
  Bitmap artwork;
  if (!LoadArtwork(path, &artwork)) {
    state.SkipWithError("cannot read the artwork");
    return;
  }
  long contours = 0;
  for (auto _ : state) {
    state.PauseTiming();
    Workspace ws;
    ws.ArtworkBitmap = artwork;
    ws.EngravingBitmap = Bitmap(artwork.Width(), artwork.Height(), kWhite);
    state.ResumeTiming();
    NullHost host;
    ExtractContours(ws, host, ExtractionSettings{});
    contours = ws.Table.ContourCount();
  }
  state.counters["contours"] = static_cast<double>(contours);
}

// One benchmark per picture of the artworks folder; none when the folder is absent.
void RegisterArtworks() {
  const std::vector<std::filesystem::path> pictures = pistora::bench::ArtworkPictures(true);
  for (const auto& p : pictures) {
    benchmark::RegisterBenchmark(("BM_ExtractArtwork/" + p.filename().string()).c_str(), BM_ExtractArtwork, p.string())
        ->Unit(benchmark::kMillisecond);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--write-board") {
    if (Status s = SaveBmp24(argv[2], Board()); !s) {
      std::fprintf(stderr, "%s\n", s.message().c_str());
      return 1;
    }
    return 0;
  }
  RegisterArtworks();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
