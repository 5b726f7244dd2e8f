#include "platform/JpegDecoder.h"

#include <gtest/gtest.h>

// clang-format off
#include <cstdio>
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

#include <QColor>
#include <cstdlib>

#include "core/Errors.h"
#include "core/FileAccess.h"
#include "support/JpegFixtures.h"
#include "support/TestEnvironment.h"

namespace ostrak {
namespace {

using test::CmykForm;
using test::Colour;
using test::EncodeJpeg;
using test::Encoding;
using test::SolidBlocks;

// The message code a failing call reports, or -1 when it does not fail.
template <typename Call>
int JpegCodeOf(Call&& call) {
  try {
    call();
  } catch (const JpegError& failure) {
    EXPECT_EQ(failure.message(), "JPEG error #" + std::to_string(failure.code()));
    return failure.code();
  }
  return -1;
}

::testing::AssertionResult Near(QRgb actual, QRgb expected) {
  const int tolerance = 3;
  if (std::abs(qRed(actual) - qRed(expected)) <= tolerance &&
      std::abs(qGreen(actual) - qGreen(expected)) <= tolerance &&
      std::abs(qBlue(actual) - qBlue(expected)) <= tolerance) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure()
         << QColor(actual).name().toStdString() << " is not near " << QColor(expected).name().toStdString();
}

// Inverted inks, the way writers with an Adobe marker store CMYK.
Colour Inverted(Colour cmyk) {
  for (auto& value : cmyk) value = static_cast<std::uint8_t>(255 - value);
  return cmyk;
}

const std::vector<Colour> kInks = {{255, 0, 0, 0}, {0, 255, 0, 0}, {0, 0, 255, 0},
                                   {0, 0, 0, 255}, {0, 0, 0, 0},   {255, 255, 0, 0}};
const std::vector<QRgb> kInkColours = {qRgb(0, 255, 255), qRgb(255, 0, 255),   qRgb(255, 255, 0),
                                       qRgb(0, 0, 0),     qRgb(255, 255, 255), qRgb(0, 0, 255)};

// Format_RGB32 stores 0xFF in the byte it does not use; Qt copies that byte
// as it is wherever it takes the format for one with alpha.
bool EveryStoredPixelIsOpaque(const QImage& image) {
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if (qAlpha(line[x]) != 255) return false;
    }
  }
  return true;
}

std::vector<Colour> InvertedInks() {
  std::vector<Colour> inks;
  for (const Colour& ink : kInks) inks.push_back(Inverted(ink));
  return inks;
}

TEST(JpegDecoder, HeaderGivesSizeColourSpaceAndLayout) {
  struct Row {
    const char* name;
    std::string jpeg;
    JpegHeader header;
  };
  const Row rows[] = {
      {"grey baseline", EncodeJpeg(SolidBlocks(1, {{0}, {9}})), {32, 16, JpegColorSpace::Grayscale, false}},
      {"colour progressive",
       EncodeJpeg(SolidBlocks(3, {{1, 2, 3}}), Encoding::Progressive),
       {16, 16, JpegColorSpace::Color, true}},
      {"cmyk", EncodeJpeg(SolidBlocks(4, kInks)), {96, 16, JpegColorSpace::Cmyk, false}},
      {"ycck",
       EncodeJpeg(SolidBlocks(4, kInks), Encoding::Baseline, CmykForm::Ycck),
       {96, 16, JpegColorSpace::Cmyk, false}},
  };
  for (const Row& row : rows) EXPECT_EQ(ReadJpegHeader(row.jpeg), row.header) << row.name;
}

TEST(JpegDecoder, DecodesEveryColourSpaceToTheRightColours) {
  struct Row {
    const char* name;
    std::string jpeg;
    std::vector<QRgb> colours;
  };
  const Row rows[] = {
      {"grey levels",
       EncodeJpeg(SolidBlocks(1, {{0}, {77}, {128}, {255}})),
       {qRgb(0, 0, 0), qRgb(77, 77, 77), qRgb(128, 128, 128), qRgb(255, 255, 255)}},
      {"colour baseline",
       EncodeJpeg(SolidBlocks(3, {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {250, 200, 20}})),
       {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(250, 200, 20)}},
      {"colour progressive",
       EncodeJpeg(SolidBlocks(3, {{255, 0, 0}, {10, 60, 90}}), Encoding::Progressive),
       {qRgb(255, 0, 0), qRgb(10, 60, 90)}},
      {"cmyk with the Adobe marker is stored inverted", EncodeJpeg(SolidBlocks(4, InvertedInks())),
       kInkColours},
      {"cmyk without the marker is plain",
       EncodeJpeg(SolidBlocks(4, kInks), Encoding::Baseline, CmykForm::PlainCmyk), kInkColours},
      {"ycck", EncodeJpeg(SolidBlocks(4, InvertedInks()), Encoding::Baseline, CmykForm::Ycck), kInkColours},
      {"ycck from another writer", ReadWholeFile(test::DataDirectory() + "ycck-other-writer.jpg"),
       kInkColours},
  };
  for (const Row& row : rows) {
    const QImage image = DecodeJpeg(row.jpeg);
    ASSERT_EQ(image.format(), QImage::Format_RGB32) << row.name;
    ASSERT_EQ(image.width(), 16 * static_cast<int>(row.colours.size())) << row.name;
    EXPECT_TRUE(EveryStoredPixelIsOpaque(image)) << row.name;
    for (std::size_t i = 0; i < row.colours.size(); ++i) {
      EXPECT_TRUE(Near(image.pixel(16 * static_cast<int>(i) + 8, 8), row.colours[i]))
          << row.name << ", block " << i;
    }
  }
}

TEST(JpegDecoder, WhatIsNotAJpegFailsWhileTheHeaderIsRead) {
  EXPECT_EQ(JpegCodeOf([] { ReadJpegHeader("\x89PNG\r\n\x1a\n"); }), JERR_NO_SOI);
  EXPECT_EQ(JpegCodeOf([] { ReadJpegHeader(""); }), JERR_INPUT_EMPTY);
  const std::string jpeg = EncodeJpeg(SolidBlocks(3, {{1, 2, 3}}));
  EXPECT_EQ(JpegCodeOf([&] { ReadJpegHeader(jpeg.substr(0, 40)); }), JERR_NO_IMAGE);
  EXPECT_EQ(JpegCodeOf([&] { ReadJpegHeader(test::WithDimensions(jpeg, 0, 16)); }), JERR_EMPTY_IMAGE);
}

TEST(JpegDecoder, AFileCutInsideItsImageDataDecodesWithGreyRows) {
  test::Samples samples{64, 64, 3, {}};
  for (int i = 0; i < 64 * 64; ++i) {
    // Busy content, so the coded data grows with every row.
    samples.data.insert(samples.data.end(),
                        {static_cast<std::uint8_t>(i * 37), static_cast<std::uint8_t>(i * 11),
                         static_cast<std::uint8_t>(i * 5)});
  }
  const std::string jpeg = EncodeJpeg(samples);
  const std::size_t scan = test::ScanOffsets(jpeg).at(0);
  const std::string cut = jpeg.substr(0, scan + (jpeg.size() - scan) / 2);

  const QImage image = DecodeJpeg(cut);
  ASSERT_EQ(image.size(), QSize(64, 64));
  EXPECT_NE(image.pixel(0, 0), qRgb(128, 128, 128));
  for (int x = 0; x < 64; ++x) EXPECT_EQ(image.pixel(x, 63), qRgb(128, 128, 128)) << x;
}

TEST(JpegDecoder, ACorruptBodyFailsOnlyWhenDecoded) {
  const std::string jpeg =
      test::WithBadSecondScan(EncodeJpeg(SolidBlocks(3, {{200, 10, 10}}), Encoding::Progressive));
  EXPECT_EQ(ReadJpegHeader(jpeg).width, 16);
  EXPECT_EQ(JpegCodeOf([&] { DecodeJpeg(jpeg); }), JERR_BAD_COMPONENT_ID);
}

TEST(JpegDecoder, PicturesOverTheSizeLimitAreRefusedAtTheHeader) {
  const std::string jpeg = EncodeJpeg(SolidBlocks(3, {{1, 2, 3}}));
  struct Row {
    int width;
    int height;
    int code;
  };
  const Row rows[] = {
      {65535, 65535, JERR_IMAGE_TOO_BIG},  // beyond what the library itself takes
      {4001, 4000, JERR_IMAGE_TOO_BIG},    // 16,004,000 pixels
      {60000, 267, JERR_IMAGE_TOO_BIG},    // 16,020,000 pixels, each side within the library's own limit
      {4000, 4000, -1},                    // exactly the limit
  };
  for (const Row& row : rows) {
    EXPECT_EQ(JpegCodeOf([&] { ReadJpegHeader(test::WithDimensions(jpeg, row.width, row.height)); }),
              row.code)
        << row.width << " x " << row.height;
  }
}

TEST(JpegDecoder, DecodingStopsAfterTheScanLimit) {
  const std::string progressive = EncodeJpeg(SolidBlocks(3, {{90, 180, 30}}), Encoding::Progressive);
  const std::string atLimit = test::WithFirstScanRepeated(progressive, kMaxJpegScans);
  const std::string overLimit = test::WithFirstScanRepeated(progressive, kMaxJpegScans + 1);
  ASSERT_EQ(test::ScanOffsets(overLimit).size(), 101u);

  EXPECT_TRUE(Near(DecodeJpeg(atLimit).pixel(8, 8), qRgb(90, 180, 30)));
  EXPECT_TRUE(ReadJpegHeader(overLimit).progressive);
  EXPECT_EQ(JpegCodeOf([&] { DecodeJpeg(overLimit); }), JERR_BAD_PROGRESSION);
  EXPECT_EQ(JpegCodeOf([&] { DecodeJpeg(test::WithFirstScanRepeated(progressive, 1000)); }),
            JERR_BAD_PROGRESSION);
}

TEST(JpegDecoder, TheLibraryMemoryCeilingRefusesHugeCoefficientBuffers) {
  // A progressive picture keeps all its coefficients: 12 million pixels of
  // full-resolution colour need 72 MB, over the ceiling though under the
  // pixel limit. The header alone is fine.
  const std::string jpeg =
      test::WithDimensions(EncodeJpeg(SolidBlocks(3, {{1, 2, 3}}), Encoding::Progressive), 4000, 3000);
  EXPECT_EQ(ReadJpegHeader(jpeg).width, 4000);
  EXPECT_EQ(JpegCodeOf([&] { DecodeJpeg(jpeg); }), JERR_NO_BACKING_STORE);
}

}  // namespace
}  // namespace ostrak
