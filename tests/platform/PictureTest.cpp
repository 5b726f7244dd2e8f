#include "platform/Picture.h"

#include <gtest/gtest.h>

// clang-format off
#include <cstdio>
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

#include <QBuffer>
#include <QImage>
#include <filesystem>

#include "core/Errors.h"
#include "core/FileAccess.h"
#include "platform/ProgramDirectory.h"
#include "platform/Surface.h"
#include "support/FailureMessage.h"
#include "support/JpegFixtures.h"
#include "support/TempDirectory.h"

namespace ostrak {
namespace {

using test::EncodeJpeg;
using test::SolidBlocks;
using test::TempDirectory;

using test::MessageOf;

std::string QtEncoded(const QImage& image, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  EXPECT_TRUE(image.save(&buffer, format)) << format;
  return bytes.toStdString();
}

// A 2 x 2 picture of four distinct plain colours.
QImage FourColours() {
  QImage image(2, 2, QImage::Format_RGB32);
  image.setPixel(0, 0, qRgb(255, 0, 0));
  image.setPixel(1, 0, qRgb(0, 255, 0));
  image.setPixel(0, 1, qRgb(0, 0, 255));
  image.setPixel(1, 1, qRgb(255, 255, 0));
  return image;
}

TEST(Picture, ExtensionChoosesTheKindWithoutRegardToCase) {
  struct Row {
    const char* name;
    PictureFormat format;
  };
  const Row rows[] = {
      {"/opt/editor//Fondo6.jpg", PictureFormat::Jpeg},
      {"FLAG.JPG", PictureFormat::Jpeg},
      {"a.b.Jpeg", PictureFormat::Jpeg},
      {"x.bmp", PictureFormat::Bitmap},
      {"x.BMP", PictureFormat::Bitmap},
      {"x.Ico", PictureFormat::Icon},
      {"x.wmf", PictureFormat::Metafile},
      {"x.EMF", PictureFormat::Metafile},
  };
  for (const Row& row : rows) EXPECT_EQ(PictureFormatOf(row.name), row.format) << row.name;
}

TEST(Picture, UnknownExtensionsAreNamedAsWritten) {
  struct Row {
    const char* name;
    const char* message;
  };
  const Row rows[] = {
      {"photo.PNG", "Unknown picture file extension (.PNG)"},
      {"photo.jpg.gif", "Unknown picture file extension (.gif)"},
      {"photo.jpg ", "Unknown picture file extension (.jpg )"},
      {"dir.jpg/photo", "Unknown picture file extension (.)"},
      {"noextension", "Unknown picture file extension (.)"},
      {"trailing.", "Unknown picture file extension (.)"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(MessageOf<PictureError>([&] { PictureFormatOf(row.name); }), row.message) << row.name;
  }
}

TEST(Picture, TheExtensionIsJudgedBeforeTheFileIsOpened) {
  TPicture picture;
  EXPECT_EQ(MessageOf<PictureError>([&] { picture.LoadFromFile("/no/such/folder/flag.png"); }),
            "Unknown picture file extension (.png)");
  EXPECT_EQ(MessageOf<PictureError>([&] { picture.LoadFromFile("/no/such/folder/flag.WMF"); }),
            "Metafile pictures are not supported (.WMF)");
  EXPECT_TRUE(picture.Empty());
}

TEST(Picture, AMissingFileNamesItsFullPath) {
  TPicture picture;
  const std::string relative = "no-such-picture.jpeg";
  EXPECT_EQ(MessageOf<FileOpenError>([&] { picture.LoadFromFile(relative); }),
            "Cannot open file \"" + (std::filesystem::current_path() / relative).string() +
                "\". No such file or directory");
}

TEST(Picture, AnOversizedFileIsNotRead) {
  TempDirectory folder;
  const std::string path = folder.File("huge.jpg", "");
  std::filesystem::resize_file(path, kMaxInputFileBytes + 1);
  TPicture picture;
  EXPECT_EQ(MessageOf<FileOpenError>([&] { picture.LoadFromFile(path); }),
            "Cannot open file \"" + path + "\". File too large");
}

TEST(Picture, LoadingReadsOnlyTheHeaderAndDrawingDecodes) {
  TempDirectory folder;
  const std::string corrupt = folder.File(
      "corrupt.jpg", test::WithBadSecondScan(EncodeJpeg(SolidBlocks(3, {{200, 10, 10}, {0, 0, 0}}),
                                                        test::Encoding::Progressive)));
  TPicture picture;
  int changes = 0;
  picture.OnChange = [&](TPicture&) { ++changes; };
  picture.LoadFromFile(corrupt);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(picture.Width(), 32);
  EXPECT_EQ(picture.Height(), 16);

  Surface surface(32, 16, clWhite);
  EXPECT_EQ(MessageOf<JpegError>([&] { picture.StretchDraw(surface, Rect(0, 0, 32, 16)); }),
            "JPEG error #" + std::to_string(JERR_BAD_COMPONENT_ID));
  // Reported once: later paints draw nothing rather than failing again.
  picture.StretchDraw(surface, Rect(0, 0, 32, 16));
  picture.Draw(surface, TPoint{0, 0}, Rect(0, 0, 32, 16));
  EXPECT_EQ(surface.Pixel(5, 5), clWhite);
}

TEST(Picture, AFailedLoadKeepsThePreviousPicture) {
  TempDirectory folder;
  const std::string good = folder.File("good.jpg", EncodeJpeg(SolidBlocks(3, {{0, 0, 255}})));
  const std::string notJpeg = folder.File("fake.jpg", QtEncoded(FourColours(), "BMP"));
  const std::string notBitmap = folder.File("fake.bmp", EncodeJpeg(SolidBlocks(3, {{0, 0, 255}})));
  const std::string notIcon = folder.File("fake.ico", "not an icon");
  TPicture picture;
  int changes = 0;
  picture.OnChange = [&](TPicture&) { ++changes; };
  picture.LoadFromFile(good);
  const TGraphic* loaded = picture.Graphic();

  EXPECT_EQ(MessageOf<JpegError>([&] { picture.LoadFromFile(notJpeg); }),
            "JPEG error #" + std::to_string(JERR_NO_SOI));
  EXPECT_EQ(MessageOf<PictureError>([&] { picture.LoadFromFile(notBitmap); }), "Bitmap image is not valid");
  EXPECT_EQ(MessageOf<PictureError>([&] { picture.LoadFromFile(notIcon); }), "Icon image is not valid");
  EXPECT_EQ(MessageOf<FileOpenError>([&] { picture.LoadFromFile(folder / "gone.jpg"); }).substr(0, 16),
            "Cannot open file");
  EXPECT_EQ(picture.Graphic(), loaded);
  EXPECT_EQ(changes, 1);

  Surface surface(16, 16, clWhite);
  picture.StretchDraw(surface, Rect(0, 0, 16, 16));
  EXPECT_EQ(surface.Pixel(8, 8) & 0xF0F0F0, 0xF00000u);  // still the blue one, near enough for JPEG
}

TEST(Picture, BitmapsAndIconsLoadThroughTheirOwnReaders) {
  TempDirectory folder;
  for (const char* name : {"four.bmp", "four.ico"}) {
    const std::string path = folder.File(name, QtEncoded(FourColours(), name[5] == 'b' ? "BMP" : "ICO"));
    TPicture picture;
    picture.LoadFromFile(path);
    ASSERT_EQ(picture.Width(), 2) << name;
    Surface surface(2, 2, clBlack);
    picture.Draw(surface, TPoint{0, 0}, Rect(0, 0, 2, 2));
    EXPECT_EQ(surface.Pixel(0, 0), clRed) << name;
    EXPECT_EQ(surface.Pixel(1, 0), clLime) << name;
    EXPECT_EQ(surface.Pixel(0, 1), TColor(0xFF0000)) << name;
    EXPECT_EQ(surface.Pixel(1, 1), clYellow) << name;
  }
}

// The pixel limit that guards JPEG decoding guards the other readers too: a
// two-megabyte one-bit bitmap would otherwise unpack to 64 MB and more.
TEST(Picture, BitmapsOverSixteenMillionPixelsAreRefused) {
  TempDirectory folder;
  const auto monoBitmap = [&](const char* name, int width, int height) {
    QImage image(width, height, QImage::Format_Mono);
    image.fill(0);
    return folder.File(name, QtEncoded(image, "BMP"));
  };
  const std::string atLimit = monoBitmap("limit.bmp", 4000, 4000);
  const std::string overLimit = monoBitmap("over.bmp", 4001, 4000);
  TPicture picture;
  picture.LoadFromFile(atLimit);
  EXPECT_EQ(picture.Width(), 4000);
  EXPECT_EQ(MessageOf<PictureError>([&] { picture.LoadFromFile(overLimit); }), "Bitmap image is not valid");
  EXPECT_EQ(picture.Width(), 4000);
}

// Every pixel of the surface as 0x00BBGGRR, row by row.
std::vector<TColor> Pixels(const Surface& surface) {
  std::vector<TColor> pixels;
  for (int y = 0; y < surface.Height(); ++y) {
    for (int x = 0; x < surface.Width(); ++x) pixels.push_back(surface.Pixel(x, y));
  }
  return pixels;
}

constexpr TColor R = clRed, G = clLime, B = 0xFF0000, Y = clYellow, W = clWhite;

TEST(Picture, StretchingRepeatsTheNearestPixel) {
  TempDirectory folder;
  TPicture picture;
  picture.LoadFromFile(folder.File("four.bmp", QtEncoded(FourColours(), "BMP")));
  Surface surface(5, 5, clWhite);
  picture.StretchDraw(surface, Rect(1, 1, 5, 5));
  EXPECT_EQ(Pixels(surface), (std::vector<TColor>{W, W, W, W, W,  //
                                                  W, R, R, G, G,  //
                                                  W, R, R, G, G,  //
                                                  W, B, B, Y, Y,  //
                                                  W, B, B, Y, Y}));
}

TEST(Picture, DrawingAtItsOwnSizeIsClipped) {
  TempDirectory folder;
  TPicture picture;
  picture.LoadFromFile(folder.File("four.bmp", QtEncoded(FourColours(), "BMP")));
  struct Row {
    const char* name;
    TPoint origin;
    TRect clip;
    std::vector<TColor> pixels;
  };
  const Row rows[] = {
      {"whole", {1, 0}, Rect(0, 0, 3, 3), {W, R, G, W, B, Y, W, W, W}},
      {"above the top edge", {0, -1}, Rect(0, 0, 3, 3), {B, Y, W, W, W, W, W, W, W}},
      {"clip inside", {0, 0}, Rect(1, 1, 3, 3), {W, W, W, W, Y, W, W, W, W}},
      {"empty clip", {0, 0}, Rect(1, 1, 1, 3), {W, W, W, W, W, W, W, W, W}},
  };
  for (const Row& row : rows) {
    Surface surface(3, 3, clWhite);
    picture.Draw(surface, row.origin, row.clip);
    EXPECT_EQ(Pixels(surface), row.pixels) << row.name;
  }
}

TEST(Picture, TheShippedPicturesLoadAtTheSizesTheWindowExpects) {
  struct Row {
    const char* name;
    int width;
    int height;
  };
  const Row rows[] = {{"Fondo6.jpg", 463, 587}, {"EnglishLang.jpg", 45, 30}, {"SPanishLang.jpg", 45, 30}};
  for (const Row& row : rows) {
    TPicture picture;
    picture.LoadFromFile(ProgramDirectory() + row.name);
    EXPECT_EQ(picture.Width(), row.width) << row.name;
    EXPECT_EQ(picture.Height(), row.height) << row.name;
    Surface surface(row.width, row.height, clBlack);
    picture.StretchDraw(surface, Rect(0, 0, row.width, row.height));
  }
  // White labels are drawn straight onto the background: it has to stay dark.
  TPicture background;
  background.LoadFromFile(ProgramDirectory() + "Fondo6.jpg");
  const QImage& pixels = background.Graphic()->Pixels();
  long long sum = 0;
  for (int y = 0; y < pixels.height(); ++y) {
    for (int x = 0; x < pixels.width(); ++x) sum += qGray(pixels.pixel(x, y));
  }
  EXPECT_LT(sum / (pixels.width() * pixels.height()), 64);
}

TEST(Picture, AnEmptyPictureDrawsNothing) {
  TPicture picture;
  Surface surface(2, 2, clWhite);
  picture.StretchDraw(surface, Rect(0, 0, 2, 2));
  picture.Draw(surface, TPoint{0, 0}, Rect(0, 0, 2, 2));
  EXPECT_EQ(Pixels(surface), (std::vector<TColor>{W, W, W, W}));
  EXPECT_EQ(picture.Width(), 0);
}

}  // namespace
}  // namespace ostrak
