#pragma once

// JPEG files made on the spot for the tests and benchmarks, with the
// library's own encoder, and the byte surgery that turns them into broken or
// hostile files.

#include <cstdint>
#include <string>
#include <vector>

namespace ostrak::test {

// Samples as stored: 1 (grey), 3 (RGB) or 4 (CMYK) values per pixel.
struct Samples {
  int width = 0;
  int height = 0;
  int components = 3;
  std::vector<std::uint8_t> data;
};

using Colour = std::vector<std::uint8_t>;

// A row of 16 x 16 solid blocks, one per colour, each colour given with
// `components` values. Solid blocks on the 8-pixel grid survive the lossy
// coding almost exactly.
Samples SolidBlocks(int components, const std::vector<Colour>& colours);

enum class Encoding { Baseline, Progressive };
// How four-component samples are stored: as given with an Adobe marker, as
// given without one, or transformed to YCCK (which implies the marker).
enum class CmykForm { AdobeCmyk, PlainCmyk, Ycck };

// Colour samples at full resolution, or halved both ways (4:2:0).
enum class Chroma { Full, Quarter };

// Quality 100.
std::string EncodeJpeg(const Samples& samples, Encoding encoding = Encoding::Baseline,
                       CmykForm cmyk = CmykForm::AdobeCmyk, Chroma chroma = Chroma::Full);

// The frame header rewritten to claim another size.
std::string WithDimensions(std::string jpeg, int width, int height);

// Everything before the first scan, that scan `scans` times, and the end
// marker: a progressive file with as many scans as wanted.
std::string WithFirstScanRepeated(const std::string& jpeg, int scans);

// The second scan's header names a component that does not exist.
std::string WithBadSecondScan(std::string jpeg);

// Offsets of the start-of-scan markers.
std::vector<std::size_t> ScanOffsets(const std::string& jpeg);

}  // namespace ostrak::test
