#include "cli/cmd_preprocess.h"

#include <chrono>
#include <ostream>

#include "cli/cli_args.h"
#include "core/artwork/bmp_writer.h"
#include "core/artwork/polygonal.h"
#include "core/artwork/workspace.h"
#include "core/host/host.h"
#include "image/artwork_loader.h"

namespace pistora::cli {

int RunPreprocess(const std::vector<std::string>& argv, std::ostream& out, std::ostream& err) {
  ArgSpec options_spec;
  options_spec.valued = {"o"};
  Args args;
  if (Status s = ParseArgs(argv, options_spec, &args); !s) {
    err << "pistora-cli preprocess : " << s.message() << "\n";
    return 2;
  }
  const std::optional<std::string> output = args.Get("o");
  if (args.positional.size() != 1 || !output || output->empty()) {
    err << "Usage : pistora-cli preprocess TYPON -o SORTIE.bmp\n";
    return 2;
  }

  Workspace ws;
  if (Status s = LoadArtwork(args.positional[0], &ws.ArtworkBitmap); !s) {
    err << "pistora-cli preprocess : " << s.message() << "\n";
    return 1;
  }
  const auto started = std::chrono::steady_clock::now();
  NullHost host;
  PreprocessArtwork(ws, host);
  const auto elapsed =
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started);
  if (Status s = SaveBmp24(*output, ws.ArtworkBitmap); !s) {
    err << "pistora-cli preprocess : " << s.message() << "\n";
    return 1;
  }
  out << "Typon pré-traité : " << *output << " (" << ws.ArtworkBitmap.Width() << " x "
      << ws.ArtworkBitmap.Height() << " pixels, " << elapsed.count() << " ms)\n";
  return 0;
}

}  // namespace pistora::cli
