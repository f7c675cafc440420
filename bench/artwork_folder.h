#pragma once

// The real artworks the benchmarks run on: PISTORA_ARTWORKS, or ../shared/artworks beside the
// source tree. A clone without them runs no artwork benchmark.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace pistora::bench {

// The pictures of the folder (BMP, and GIF when asked), sorted by name.
inline std::vector<std::filesystem::path> ArtworkPictures(bool with_gif) {
  const char* env = std::getenv("PISTORA_ARTWORKS");
  const std::filesystem::path folder =
      env != nullptr ? std::filesystem::path(env) : std::filesystem::path(PISTORA_SOURCE_DIR) / ".." / "shared" / "artworks";
  std::vector<std::filesystem::path> pictures;
  std::error_code error;
  if (!std::filesystem::is_directory(folder, error)) return pictures;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    const std::string ext = entry.path().extension().string();
    if (ext == ".bmp" || (with_gif && ext == ".gif")) pictures.push_back(entry.path());
  }
  std::sort(pictures.begin(), pictures.end());
  return pictures;
}

// The largest of them (the heaviest work); empty without the folder.
inline std::filesystem::path LargestArtwork(bool with_gif) {
  std::filesystem::path largest;
  std::uintmax_t largest_size = 0;
  for (const auto& picture : ArtworkPictures(with_gif)) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(picture, error);
    if (!error && size > largest_size) {
      largest = picture;
      largest_size = size;
    }
  }
  return largest;
}

}  // namespace pistora::bench
