// What change processing and stepping leave in the field besides the number:
// the caret, the edit's modified flag, the case of hexadecimal text and the
// editing picture of a formatted float.

#include <gtest/gtest.h>

#include <QTest>
#include <string>

#include "SpinAcceptanceHost.h"
#include "platform/LocaleSeparators.h"
#include "widgets/spin/SpinEdit.h"

namespace ostrak {
namespace {

using test::BoxSetup;
using test::SpinHost;

struct CaretCase {
  const char* name;
  long double shown;
  int caret;
  Qt::Key key;
  const char* text;
  int caretAfter;
};

class SpinEditGroupedCaret : public testing::TestWithParam<CaretCase> {};

// The caret stays after the digit just typed or before the one just deleted,
// however many group separators the rewrite added or removed before it.
TEST_P(SpinEditGroupedCaret, FollowsTheSeparators) {
  const CaretCase& c = GetParam();
  ScopedLocaleSeparators locale(u'.', u',');
  SpinHost host(BoxSetup::Fresh);
  host.box().SetThousands(true);
  host.box().SetValue(c.shown);
  host.FocusBox();
  host.box().SetSelStart(c.caret);
  host.Key(c.key);
  EXPECT_EQ(host.box().Text().toStdString(), c.text);
  EXPECT_EQ(host.box().SelStart(), c.caretAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Typing, SpinEditGroupedCaret,
    testing::Values(CaretCase{"digit_that_adds_a_group", 999, 1, Qt::Key_9, "9,999", 3},
                    CaretCase{"digit_at_the_start", 999, 0, Qt::Key_1, "1,999", 1},
                    CaretCase{"digit_at_the_end", 999, 3, Qt::Key_9, "9,999", 5},
                    CaretCase{"digit_inside_a_group", 1234, 3, Qt::Key_5, "12,534", 4},
                    CaretCase{"delete_that_removes_a_group", 1234, 5, Qt::Key_Backspace, "123", 3},
                    CaretCase{"delete_a_digit", 12345, 1, Qt::Key_Delete, "1,345", 1}),
    [](const testing::TestParamInfo<CaretCase>& info) { return std::string(info.param.name); });

TEST(SpinEditText, WritesKeepTheModifiedFlagAndStepsSetIt) {
  SpinHost host;
  host.box().SetValue(5);
  EXPECT_FALSE(host.box().Modified());
  host.box().SetModified(true);
  host.box().SetValue(6);
  EXPECT_TRUE(host.box().Modified());
  host.box().SetModified(false);
  host.box().SetValue(7);
  EXPECT_FALSE(host.box().Modified());
  host.box().StepUp(nullptr);
  EXPECT_EQ(host.box().Text(), "8");
  EXPECT_TRUE(host.box().Modified());

  host.box().SetModified(false);
  host.box().SetValue(20);
  host.box().StepUp(nullptr);
  EXPECT_FALSE(host.box().Modified()) << "a step that changes nothing";
  host.FocusBox();
  host.box().SelectAll();
  host.Type("3");
  EXPECT_TRUE(host.box().Modified());
}

// A hexadecimal text that differs only in case from what a step writes is no
// change: nothing is marked modified or reported.
TEST(SpinEditText, HexStepComparesTextIgnoringCase) {
  SpinHost host(BoxSetup::Fresh);
  host.box().SetCheckOptions(TCheckOptions{});
  host.box().SetValueType(TValueType::vtHex);
  host.box().SetMaxValue(255);
  host.box().SetText("ff");
  host.changes.clear();
  host.box().SetModified(false);
  int clicks = 0;
  host.box().OnTopClick = [&](QObject*) { ++clicks; };
  host.box().StepUp(nullptr);
  EXPECT_EQ(host.box().Text(), "FF");
  EXPECT_FALSE(host.box().Modified());
  EXPECT_TRUE(host.changes.empty());
  EXPECT_EQ(clicks, 1);
}

TEST(SpinEditText, FormattedFloatShowsTheEditingPictureWhileFocused) {
  ScopedLocaleSeparators locale(u',', u'.');
  SpinHost host(BoxSetup::Fresh);
  host.box().SetValueType(TValueType::vtFloat);
  host.box().SetDisplayFormat("#,##0.0 'kg'");
  host.other().setFocus();
  host.box().SetValue(1234.5L);
  ASSERT_EQ(host.box().Text(), "1.234,5 kg");
  host.changes.clear();
  host.FocusBox();
  EXPECT_EQ(host.box().Text(), "1234,50");
  EXPECT_EQ(host.box().SelLength(), 7);
  EXPECT_FALSE(host.box().Modified());
  host.box().SetDecimal(0);
  EXPECT_EQ(host.box().Text(), "1235");
  host.other().setFocus();
  EXPECT_EQ(host.box().Text(), "1.235,0 kg");
  EXPECT_EQ(host.box().Value(), 1235.0L);
  EXPECT_EQ(host.changes, (std::vector<long double>{1235}));
}

}  // namespace
}  // namespace ostrak
