// `pistora-cli convert` of the largest artwork of the artworks folder, plain and with
// `--tool-width 0.2` (tool paths, then the check of the written programs): the second should
// stay within twice the first. Nothing runs when the folder is absent.
#include <benchmark/benchmark.h>

#include "artwork_folder.h"

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/command_table.h"

namespace {

namespace fs = std::filesystem;

void BM_Convert(benchmark::State& state, const std::string& path, const std::string& dpi, bool tool) {
  const fs::path out = fs::temp_directory_path() / "pistora-bench-tool-width";
  std::vector<std::string> args = {"pistora-cli", "convert", path, "--out-dir", out.string(), "--dpi", dpi};
  if (tool) args.insert(args.end(), {"--tool-width", "0.2"});
  for (auto _ : state) {
    std::ostringstream sink;
    if (pistora::cli::Main(args, sink, sink) != 0) {
      state.SkipWithError("convert failed");
      break;
    }
  }
  std::error_code error;
  fs::remove_all(out, error);
}

void RegisterLargestArtwork() {
  const fs::path largest = pistora::bench::LargestArtwork(false);
  if (largest.empty()) return;
  // The resolution is in the name ("…_1200dpi.bmp"); 600 dpi otherwise.
  const std::string stem = largest.stem().string();
  const std::size_t under = stem.rfind('_');
  std::string dpi = "600";
  if (under != std::string::npos && stem.size() > under + 4 && stem.substr(stem.size() - 3) == "dpi") {
    dpi = stem.substr(under + 1, stem.size() - under - 4);
  }
  const std::string name = largest.filename().string();
  benchmark::RegisterBenchmark(("BM_ConvertPlain/" + name).c_str(), BM_Convert, largest.string(), dpi, false)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark(("BM_ConvertToolWidth0.2/" + name).c_str(), BM_Convert, largest.string(), dpi, true)
      ->Unit(benchmark::kMillisecond);
}

}  // namespace

int main(int argc, char** argv) {
  RegisterLargestArtwork();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
