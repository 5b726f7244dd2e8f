#include "core/Errors.h"

#include <gtest/gtest.h>

namespace ostrak {
namespace {

TEST(Errors, MessagesAreTheUserVisibleTexts) {
  EXPECT_EQ(ListError::IndexOutOfBounds(27).message(), "List index out of bounds (27)");
  EXPECT_EQ(ListError::IndexOutOfBounds(-1).message(), "List index out of bounds (-1)");
  EXPECT_EQ(JpegError(42).message(), "JPEG error #42");
  EXPECT_EQ(JpegError(42).code(), 42);
  EXPECT_EQ(AssignError::Between("TFont", "TNavPanelColors").message(),
            "Cannot assign a TFont to a TNavPanelColors");
}

TEST(Errors, KindsAreCaughtThroughTheBase) {
  try {
    throw JpegError(3);
  } catch (const PictureError& failure) {
    EXPECT_STREQ(failure.what(), "JPEG error #3");
    return;
  }
  FAIL() << "a JPEG error is a picture error";
}

}  // namespace
}  // namespace ostrak
