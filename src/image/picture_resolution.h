#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pistora {

// The resolution a picture file states in its own header, in dots per inch along each axis.
struct StatedResolution {
  double dpi_x = 0.0;
  double dpi_y = 0.0;
};

// Reads the resolution from the header facts (whole dots per metre that round a whole number of
// dots per inch give that number: 23622 is 600 dpi), never from a decoder's default (Qt reports
// 72 dpi for a file that states none):
//  - BMP: the information header's pixels per metre (40-byte header or longer), 0 = not stated;
//  - PNG: the pHYs chunk before the first IDAT, unit 1 (metre); unit 0 only gives an aspect;
//  - TIFF: XResolution / YResolution of the first directory with ResolutionUnit 2 (inch, the
//    default) or 3 (centimetre); unit 1 gives no absolute size;
//  - JPEG: the JFIF density, units 1 (dpi) or 2 (dots per cm).
// nullopt when the file states none, states a value that is not positive, or is cut short, and
// for 72 or 96 dpi on both axes: the values picture programs write when nobody chose one.
std::optional<StatedResolution> ReadStatedResolution(std::string_view bytes);

// The resolution of the picture file at `path` (its header only is looked at); nullopt when it
// states none or cannot be read.
std::optional<StatedResolution> ReadFileResolution(const std::string& path);

// "600 dpi", or "600 x 300 dpi" when the axes differ; at most two decimals, none when whole.
std::string ResolutionText(const StatedResolution& resolution);

// Millimetres per pixel at the horizontal resolution (the program's pixels are square).
inline double PixelSizeMmOf(const StatedResolution& resolution) { return 25.4 / resolution.dpi_x; }

}  // namespace pistora
