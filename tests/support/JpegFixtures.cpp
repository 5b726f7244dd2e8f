#include "support/JpegFixtures.h"

// clang-format off
#include <cstdio>
#include <jpeglib.h>
// clang-format on

#include <stdexcept>

namespace ostrak::test {
namespace {

// Collects the encoder's output in a string.
struct StringDestination {
  jpeg_destination_mgr pub;
  std::string* out;
  JOCTET buffer[4096];
};

void InitDestination(j_compress_ptr info) {
  auto* destination = reinterpret_cast<StringDestination*>(info->dest);
  destination->pub.next_output_byte = destination->buffer;
  destination->pub.free_in_buffer = sizeof destination->buffer;
}

boolean EmptyOutputBuffer(j_compress_ptr info) {
  auto* destination = reinterpret_cast<StringDestination*>(info->dest);
  destination->out->append(reinterpret_cast<const char*>(destination->buffer), sizeof destination->buffer);
  InitDestination(info);
  return TRUE;
}

void TermDestination(j_compress_ptr info) {
  auto* destination = reinterpret_cast<StringDestination*>(info->dest);
  destination->out->append(reinterpret_cast<const char*>(destination->buffer),
                           sizeof destination->buffer - destination->pub.free_in_buffer);
}

J_COLOR_SPACE InputSpace(int components) {
  switch (components) {
    case 1:
      return JCS_GRAYSCALE;
    case 3:
      return JCS_RGB;
    case 4:
      return JCS_CMYK;
  }
  throw std::invalid_argument("samples need 1, 3 or 4 components");
}

// The end of the segment or entropy-coded data that starts at `offset`.
std::size_t NextMarker(const std::string& jpeg, std::size_t offset) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(jpeg.at(i)); };
  if (byte(offset + 1) == 0xD8) return offset + 2;
  std::size_t end = offset + 2 + (byte(offset + 2) << 8 | byte(offset + 3));
  if (byte(offset + 1) != 0xDA) return end;
  while (end + 1 < jpeg.size()) {
    const unsigned next = byte(end + 1);
    if (byte(end) == 0xFF && next != 0 && !(next >= 0xD0 && next <= 0xD7)) return end;
    ++end;
  }
  return jpeg.size();
}

}  // namespace

Samples SolidBlocks(int components, const std::vector<Colour>& colours) {
  Samples samples{16 * static_cast<int>(colours.size()), 16, components, {}};
  for (int y = 0; y < samples.height; ++y) {
    for (int x = 0; x < samples.width; ++x) {
      const Colour& colour = colours.at(static_cast<std::size_t>(x / 16));
      samples.data.insert(samples.data.end(), colour.begin(), colour.begin() + components);
    }
  }
  return samples;
}

std::string EncodeJpeg(const Samples& samples, Encoding encoding, CmykForm cmyk, Chroma chroma) {
  std::string out;
  jpeg_compress_struct info{};
  jpeg_error_mgr error{};
  info.err = jpeg_std_error(&error);
  jpeg_create_compress(&info);
  StringDestination destination{};
  destination.pub.init_destination = InitDestination;
  destination.pub.empty_output_buffer = EmptyOutputBuffer;
  destination.pub.term_destination = TermDestination;
  destination.out = &out;
  info.dest = &destination.pub;

  info.image_width = static_cast<JDIMENSION>(samples.width);
  info.image_height = static_cast<JDIMENSION>(samples.height);
  info.input_components = samples.components;
  info.in_color_space = InputSpace(samples.components);
  jpeg_set_defaults(&info);
  if (samples.components == 4) {
    jpeg_set_colorspace(&info, cmyk == CmykForm::Ycck ? JCS_YCCK : JCS_CMYK);
    info.write_Adobe_marker = cmyk == CmykForm::PlainCmyk ? FALSE : TRUE;
  }
  jpeg_set_quality(&info, 100, TRUE);
  for (int i = 0; i < info.num_components; ++i) {
    const int factor = chroma == Chroma::Quarter && i == 0 ? 2 : 1;
    info.comp_info[i].h_samp_factor = factor;
    info.comp_info[i].v_samp_factor = factor;
  }
  if (encoding == Encoding::Progressive) jpeg_simple_progression(&info);

  jpeg_start_compress(&info, TRUE);
  const std::size_t stride = static_cast<std::size_t>(samples.width * samples.components);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<JSAMPLE*>(samples.data.data() + info.next_scanline * stride);
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return out;
}

std::string WithDimensions(std::string jpeg, int width, int height) {
  for (std::size_t offset = 2; offset + 9 < jpeg.size(); offset = NextMarker(jpeg, offset)) {
    const unsigned marker = static_cast<unsigned char>(jpeg[offset + 1]);
    if (marker == 0xC0 || marker == 0xC1 || marker == 0xC2) {
      jpeg[offset + 5] = static_cast<char>(height >> 8);
      jpeg[offset + 6] = static_cast<char>(height & 0xFF);
      jpeg[offset + 7] = static_cast<char>(width >> 8);
      jpeg[offset + 8] = static_cast<char>(width & 0xFF);
      return jpeg;
    }
  }
  throw std::invalid_argument("no frame header");
}

std::vector<std::size_t> ScanOffsets(const std::string& jpeg) {
  std::vector<std::size_t> offsets;
  for (std::size_t offset = 2; offset + 3 < jpeg.size(); offset = NextMarker(jpeg, offset)) {
    if (static_cast<unsigned char>(jpeg[offset + 1]) == 0xDA) offsets.push_back(offset);
  }
  return offsets;
}

std::string WithFirstScanRepeated(const std::string& jpeg, int scans) {
  const std::size_t first = ScanOffsets(jpeg).at(0);
  const std::string scan = jpeg.substr(first, NextMarker(jpeg, first) - first);
  std::string out = jpeg.substr(0, first);
  for (int i = 0; i < scans; ++i) out += scan;
  return out + "\xFF\xD9";
}

std::string WithBadSecondScan(std::string jpeg) {
  const std::size_t second = ScanOffsets(jpeg).at(1);
  jpeg[second + 5] = 0x7F;
  return jpeg;
}

}  // namespace ostrak::test
