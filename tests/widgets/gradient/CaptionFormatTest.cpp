#include <gtest/gtest.h>

#include "widgets/gradient/CaptionFormat.h"

namespace ostrak {
namespace {

TEST(FormatCaption, FormatsOneIntegerOrLeavesTheCaptionAlone) {
  const struct {
    const char* name;
    const char* pattern;
    int argument;
    const char* shown;
  } rows[] = {
      {"designer caption", "Progress...[%d%%]", 100, "Progress...[100%]"},
      {"evaluation caption", "Ground 85%%", 100, "Ground 85%"},
      {"final lone percent dropped", "Ground 85%", 100, "Ground 85"},
      {"no specifier", "Overall", 7, "Overall"},
      {"width", "[%5d]", 42, "[   42]"},
      {"left aligned", "[%-5d]", 42, "[42   ]"},
      {"precision pads with zeros", "[%.4d]", 42, "[0042]"},
      {"negative with precision", "[%6.3d]", -5, "[  -005]"},
      {"argument index", "%0:d and %0:d", 3, "3 and 3"},
      {"unsigned", "%u", -1, "4294967295"},
      {"hexadecimal in capitals", "%x/%0:X", 255, "FF/FF"},
      {"upper-case type", "%D", 9, "9"},
      {"percent and space fails", "50% done", 50, "50% done"},
      {"string type fails", "%s", 1, "%s"},
      {"second argument fails", "%d of %d", 1, "%d of %d"},
      {"index past the one argument fails", "%1:d", 1, "%1:d"},
      {"width from the arguments leaves none for the value", "%*d", 1, "%*d"},
      {"failure keeps doubled percents", "%q %%", 1, "%q %%"},
      {"unfinished specifier fails", "%-", 1, "%-"},
      {"width narrower than the number", "%1d", 100, "100"},
      {"doubled percent then a final lone one", "50%%%", 1, "50%"},
      {"characters beyond Latin-1 pass through", "Puños %d", 3, "Puños 3"},
      {"an index, then the next argument, fails", "%0:d%d", 5, "%0:d%d"},
      {"percent, space and a word fails", "% word", 5, "% word"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(FormatCaption(QString::fromUtf8(row.pattern), row.argument), QString::fromUtf8(row.shown))
        << row.name;
  }
  EXPECT_FALSE(FormatWithInteger("%s", 1).has_value());
}

// A pattern asking for a giant width or precision gets 9999 characters, not
// an allocation of its own choosing.
TEST(FormatCaption, WidthAndPrecisionStopAt9999) {
  const QString wide = FormatCaption(QStringLiteral("%4000000000d"), 7);
  EXPECT_EQ(wide.size(), 9999);
  EXPECT_TRUE(wide.endsWith(QLatin1String(" 7")));
  const QString precise = FormatCaption(QStringLiteral("%.99999999d"), -7);
  EXPECT_EQ(precise.size(), 10000);
  EXPECT_TRUE(precise.startsWith(QLatin1String("-00")));
  EXPECT_EQ(FormatCaption(QStringLiteral("%9999d"), 7).size(), 9999);
}

}  // namespace
}  // namespace ostrak
