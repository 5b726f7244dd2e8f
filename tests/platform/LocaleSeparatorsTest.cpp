#include "platform/LocaleSeparators.h"

#include <gtest/gtest.h>

#include <QLocale>

#include "platform/Beep.h"

namespace ostrak {
namespace {

TEST(LocaleSeparators, FollowTheSystemLocaleUnlessOverridden) {
  EXPECT_EQ(DecimalSeparator(), QLocale::system().decimalPoint().front());
  {
    ScopedLocaleSeparators german(u',', u'.');
    EXPECT_EQ(DecimalSeparator(), u',');
    {
      ScopedLocaleSeparators french(u',', QChar(0x202F));
      EXPECT_EQ(ThousandsSeparator(), QChar(0x202F));
    }
    EXPECT_EQ(ThousandsSeparator(), u'.');
  }
  EXPECT_EQ(ThousandsSeparator(), QLocale::system().groupSeparator().front());
}

TEST(Beep, CountersCountInsteadOfSounding) {
  ScopedBeepCounter outer;
  MessageBeep();
  {
    ScopedBeepCounter inner;
    MessageBeep();
    MessageBeep();
    EXPECT_EQ(inner.Count(), 2);
  }
  EXPECT_EQ(outer.Count(), 1);
}

}  // namespace
}  // namespace ostrak
