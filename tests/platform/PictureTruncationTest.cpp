// Every prefix of each shipped picture, as a file cut short would hold it,
// either loads or fails with the picture's "JPEG error #n": cut before the
// first scan's header it never loads, cut anywhere in its data it always
// does. The first paint's decoding of a loaded prefix succeeds, with grey rows
// where the data is missing, or fails the same way. Decoding costs a whole
// picture each time, so it runs for every cut within 512 bytes of either end
// of the data and for every 61st cut between them.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/Errors.h"
#include "platform/JpegImage.h"
#include "support/TempDirectory.h"

namespace ostrak {
namespace {

// Where the first start-of-scan segment begins and where the data after its
// header begins.
struct ScanBounds {
  std::size_t header = std::string::npos;
  std::size_t data = std::string::npos;
};

ScanBounds FirstScan(const std::string& bytes) {
  std::size_t at = 2;
  while (at + 4 <= bytes.size() && static_cast<unsigned char>(bytes[at]) == 0xFF) {
    const auto marker = static_cast<unsigned char>(bytes[at + 1]);
    const std::size_t length =
        static_cast<unsigned char>(bytes[at + 2]) * 256u + static_cast<unsigned char>(bytes[at + 3]);
    if (marker == 0xDA) return ScanBounds{at, at + 2 + length};
    at += 2 + length;
  }
  return ScanBounds{};
}

bool Decoded(std::size_t length, const ScanBounds& scan, std::size_t size) {
  constexpr std::size_t kEdge = 512;
  return length < scan.data + kEdge || length + kEdge > size || (length - scan.data) % 61 == 0;
}

TEST(PictureTruncation, EveryPrefixOfAShippedPictureLoadsOrFailsWithItsMessage) {
  int pictures = 0;
  for (const auto& entry : std::filesystem::directory_iterator(OSTRAK_SHIPPED_DATA_DIR)) {
    if (entry.path().extension() != ".jpg") continue;
    ++pictures;
    const std::string name = entry.path().filename().string();
    const std::string bytes = test::ReadBytes(entry.path().string());
    const ScanBounds scan = FirstScan(bytes);
    ASSERT_LT(scan.data, bytes.size()) << name;
    for (std::size_t length = 0; length <= bytes.size(); ++length) {
      bool failed = false;
      try {
        TJPEGImage picture(bytes.substr(0, length));
        if (Decoded(length, scan, bytes.size())) {
          ASSERT_EQ(picture.Pixels().size(), QSize(picture.Width(), picture.Height()))
              << name << " " << length;
        }
      } catch (const JpegError& failure) {
        failed = true;
        ASSERT_EQ(failure.message(), "JPEG error #" + std::to_string(failure.code())) << name;
      }
      if (length <= scan.header) {
        ASSERT_TRUE(failed) << name << " cut at " << length;
      }
      if (length >= scan.data) {
        ASSERT_FALSE(failed) << name << " cut at " << length;
      }
    }
  }
  EXPECT_EQ(pictures, 3);
}

}  // namespace
}  // namespace ostrak
