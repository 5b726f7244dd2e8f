#include "platform/ErrorGuard.h"

#include <gtest/gtest.h>

#include "core/Errors.h"

namespace ostrak {
namespace {

TEST(ErrorGuard, HandsAnyFailureToTheSinkAndReturns) {
  ScopedErrorCapture capture;
  bool after = false;
  Guard([] { throw ListError::IndexOutOfBounds(85); });
  Guard([] { throw std::runtime_error("plain"); });
  Guard([] { throw 7; });
  Guard([&] { after = true; });
  EXPECT_TRUE(after);
  EXPECT_EQ(capture.messages(),
            (std::vector<std::string>{"List index out of bounds (85)", "plain", "Unknown failure"}));
}

TEST(ErrorGuard, CaptureRestoresThePreviousSink) {
  ScopedErrorCapture outer;
  {
    ScopedErrorCapture inner;
    ShowError("inner");
    EXPECT_EQ(inner.messages().size(), 1u);
  }
  ShowError("outer");
  EXPECT_EQ(outer.messages(), std::vector<std::string>{"outer"});
}

TEST(ErrorGuard, AFailingSinkDoesNotEscape) {
  const ErrorSink previous = SetErrorSink([](const std::string&) { throw std::runtime_error("x"); });
  Guard([] { throw std::runtime_error("boom"); });
  SetErrorSink(previous);
  SUCCEED();
}

struct PeriodCase {
  std::string message;
  std::string shown;
};

TEST(ErrorGuard, DisplayedTextGetsAPeriodOnlyAfterBytesAboveIt) {
  const std::vector<PeriodCase> rows = {
      {"", ""},
      {"List index out of bounds (27)", "List index out of bounds (27)"},
      {"Cannot open file \"/x\". No such file or directory",
       "Cannot open file \"/x\". No such file or directory."},
      {"ends with a period.", "ends with a period."},
      {"ends with a space ", "ends with a space "},
      {"quoted \"x\"", "quoted \"x\""},
      {"digit 7", "digit 7."},
      {"slash /", "slash /."},
      {"accented \xE9", "accented \xE9."},
  };
  for (const PeriodCase& row : rows) EXPECT_EQ(DisplayedErrorText(row.message), row.shown) << row.message;
}

}  // namespace
}  // namespace ostrak
