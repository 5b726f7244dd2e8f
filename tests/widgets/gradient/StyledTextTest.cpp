#include <gtest/gtest.h>

#include <vector>

#include "platform/Fonts.h"
#include "platform/Surface.h"
#include "support/PixelTools.h"
#include "widgets/gradient/DrawUtils.h"

namespace ostrak {
namespace {

constexpr TColor kBack = clTeal;
constexpr TColor kFace = clWhite;
constexpr TColor kDelineate = clRed;
constexpr TColor kHighlight = clYellow;
constexpr TColor kShadow = clBlue;

struct Copy {
  TColor color;
  int dx, dy;
};

// The expected picture: the text's own pixel mask, stamped at each offset in
// order.
QImage Stamped(const std::vector<Copy>& copies, const QString& text, const TFont& font, int x, int y) {
  Surface mask(100, 30, clBlack);
  mask.SelectFont(font.ToQFont());
  mask.SetBkMode(TRANSPARENT);
  mask.SetTextColor(clWhite);
  mask.ExtTextOut(0, 0, 0, nullptr, text);
  Surface expected(100, 30, kBack);
  for (const Copy& copy : copies) {
    for (int my = 0; my < 30; ++my) {
      for (int mx = 0; mx < 100; ++mx) {
        if (mask.Pixel(mx, my) == clWhite) {
          expected.FillRect(
              Rect(x + copy.dx + mx, y + copy.dy + my, x + copy.dx + mx + 1, y + copy.dy + my + 1),
              Brush::Solid(copy.color));
        }
      }
    }
  }
  return expected.Image();
}

TEST(PaintStyledText, PlacesEachStylesCopiesAndTheOutline) {
  const Copy d0 = {kDelineate, 0, 0}, d22 = {kDelineate, 2, 2}, d02 = {kDelineate, 0, 2},
             d20 = {kDelineate, 2, 0};
  const struct {
    const char* name;
    TTextStyle style;
    TextOutline outline;
    std::vector<Copy> copies;
  } rows[] = {
      {"none", TTextStyle::fstNone, TextOutline::None, {{kFace, 0, 0}}},
      {"none, delineated", TTextStyle::fstNone, TextOutline::Delineated, {d0, d22, d02, d20, {kFace, 1, 1}}},
      {"raised",
       TTextStyle::fstRaised,
       TextOutline::None,
       {{kHighlight, 0, 0}, {kShadow, 2, 2}, {kFace, 1, 1}}},
      {"raised, delineated",
       TTextStyle::fstRaised,
       TextOutline::Delineated,
       {{kHighlight, 0, 0},
        {kShadow, 4, 4},
        {kDelineate, 1, 1},
        {kDelineate, 3, 3},
        {kDelineate, 1, 3},
        {kDelineate, 3, 1},
        {kFace, 2, 2}}},
      {"recessed",
       TTextStyle::fstRecessed,
       TextOutline::None,
       {{kShadow, 0, 0}, {kHighlight, 2, 2}, {kFace, 1, 1}}},
      {"recessed, delineated",
       TTextStyle::fstRecessed,
       TextOutline::Delineated,
       {{kShadow, 0, 0},
        {kHighlight, 4, 4},
        {kDelineate, 1, 1},
        {kDelineate, 3, 3},
        {kDelineate, 1, 3},
        {kDelineate, 3, 1},
        {kFace, 2, 2}}},
      {"pushed", TTextStyle::fstPushed, TextOutline::None, {{kHighlight, 1, 1}, {kShadow, 0, 0}}},
      {"pushed, no face even when delineated",
       TTextStyle::fstPushed,
       TextOutline::Delineated,
       {{kHighlight, 1, 1}, {kShadow, 0, 0}}},
      {"shadow", TTextStyle::fstShadow, TextOutline::None, {{kShadow, 2, 2}, {kFace, 0, 0}}},
      {"shadow, delineated",
       TTextStyle::fstShadow,
       TextOutline::Delineated,
       {{kShadow, 3, 3}, d0, d22, d02, d20, {kFace, 1, 1}}},
      {"volumetric",
       TTextStyle::fstVolumetric,
       TextOutline::None,
       {{kShadow, 1, 1}, {kShadow, 2, 2}, {kFace, 0, 0}}},
      {"volumetric, delineated",
       TTextStyle::fstVolumetric,
       TextOutline::Delineated,
       {{kShadow, 1, 1}, {kShadow, 2, 2}, d0, d22, d02, d20, {kFace, 1, 1}}},
  };
  const TFont font = TahomaBoldFont();
  for (const auto& row : rows) {
    Surface s(100, 30, kBack);
    PaintStyledText(s, 5, 4, Rect(0, 0, 100, 30), "Ok 85%", row.style, row.outline, kFace, kDelineate,
                    kHighlight, kShadow, &font);
    EXPECT_EQ(s.Image(), Stamped(row.copies, "Ok 85%", font, 5, 4)) << row.name;
  }
}

TEST(PaintStyledText, ClipsPutsBackFontAndModeAndDrawsNothingWithoutAFont) {
  Surface s(100, 30, kBack);
  const QFont before = s.CurrentFont();
  s.SetBkMode(OPAQUE);
  const TFont font = TahomaFont();
  PaintStyledText(s, 5, 4, Rect(0, 0, 12, 30), "Ostrak", TTextStyle::fstShadow, TextOutline::Delineated,
                  kFace, kDelineate, kHighlight, kShadow, &font);
  EXPECT_TRUE(test::OutsideIs(s, Rect(0, 0, 12, 30), kBack));
  EXPECT_GT(test::CountOf(s, kFace), 0);
  EXPECT_EQ(s.CurrentFont(), before);
  EXPECT_EQ(s.GetBkMode(), OPAQUE);
  EXPECT_EQ(s.GetTextColor(), kFace);  // the text colour is the one thing left as drawn

  Surface none(20, 20, kBack);
  PaintStyledText(none, 0, 0, Rect(0, 0, 20, 20), "x", TTextStyle::fstNone, TextOutline::None, kFace,
                  kDelineate, kHighlight, kShadow, nullptr);
  EXPECT_EQ(test::CountOf(none, kBack), 400);
}

}  // namespace
}  // namespace ostrak
