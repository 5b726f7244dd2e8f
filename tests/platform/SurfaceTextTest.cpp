// Text on the surface: where the text colour lands, never the glyph shapes.

#include <gtest/gtest.h>

#include <QFontInfo>

#include "platform/Fonts.h"
#include "platform/Surface.h"
#include "platform/SystemColors.h"
#include "support/PixelTools.h"

namespace ostrak {
namespace {

using test::BoundsOf;
using test::CountOf;
using test::OutsideIs;

class SurfaceText : public ::testing::Test {
protected:
  SurfaceText() : s(80, 24, clBlack) {
    s.SelectFont(TahomaFont().ToQFont());
    s.SetTextColor(clWhite);
    s.SetBkMode(TRANSPARENT);
    s.SetBkColor(clBlue);
  }
  TRect Cell(int x, int y, const QString& text) const {
    const TSize size = s.GetTextExtentPoint32(text);
    return Rect(x, y, x + size.cx, y + size.cy);
  }
  Surface s;
};

TEST_F(SurfaceText, TahomaElevenPixelsHasTheThirteenPixelCell) {
  EXPECT_EQ(s.GetTextExtentPoint32(""), (TSize{0, 13}));
  EXPECT_EQ(s.GetTextAscent(), 11);
  const TSize both = s.GetTextExtentPoint32("Ab");
  EXPECT_EQ(both.cx, s.GetTextExtentPoint32("A").cx + s.GetTextExtentPoint32("b").cx);
  const int regular = s.GetTextExtentPoint32("Ground 85%").cx;
  s.SelectFont(TahomaBoldFont().ToQFont());
  EXPECT_GT(s.GetTextExtentPoint32("Ground 85%").cx, regular);
}

TEST_F(SurfaceText, ExtTextOutDrawsOnlyTheTextColourInsideTheCell) {
  s.ExtTextOut(3, 4, 0, nullptr, "Ostrak");
  const TRect cell = Cell(3, 4, "Ostrak");
  EXPECT_GT(CountOf(s, clWhite), 20);
  EXPECT_EQ(CountOf(s, clWhite) + CountOf(s, clBlack), 80 * 24);
  EXPECT_TRUE(OutsideIs(s, cell, clBlack));
  // Capitals sit on the baseline, eleven rows below the cell's top.
  EXPECT_EQ(BoundsOf(s, clWhite).bottom, 4 + 11);
}

TEST_F(SurfaceText, OpaqueModeFillsExactlyTheCell) {
  s.SetBkMode(OPAQUE);
  s.SetTextColor(clBtnHighlight);  // a system colour, resolved
  s.ExtTextOut(3, 4, 0, nullptr, "Ostrak");
  const TRect cell = Cell(3, 4, "Ostrak");
  EXPECT_EQ(CountOf(s, clBlue) + CountOf(s, GetSysColor(COLOR_BTNHIGHLIGHT)), cell.Width() * cell.Height());
  EXPECT_TRUE(OutsideIs(s, cell, clBlack));
}

TEST_F(SurfaceText, ClippedTextStaysInsideTheClipAndEtoOpaqueFillsIt) {
  const TRect clip = Rect(5, 0, 20, 24);
  s.ExtTextOut(3, 4, ETO_CLIPPED, &clip, "Ostrak");
  EXPECT_GT(CountOf(s, clWhite), 0);
  EXPECT_TRUE(OutsideIs(s, clip, clBlack));

  Surface o(80, 24, clBlack);
  o.SetBkColor(clBlue);
  o.SetTextColor(clWhite);
  o.SetBkMode(TRANSPARENT);
  o.ExtTextOut(3, 4, ETO_OPAQUE | ETO_CLIPPED, &clip, "Ostrak");
  EXPECT_EQ(CountOf(o, clBlue) + CountOf(o, clWhite), clip.Width() * clip.Height());
}

TEST_F(SurfaceText, ClNoneTextDrawsNothing) {
  s.SetTextColor(clNone);
  s.ExtTextOut(3, 4, 0, nullptr, "Ostrak");
  EXPECT_EQ(CountOf(s, clBlack), 80 * 24);
}

TEST_F(SurfaceText, DrawTextPlacesTheLineByTheFlags) {
  const TSize size = s.GetTextExtentPoint32("Hi");
  const TRect left = Rect(10, 2, 70, 22);
  struct Row {
    const char* name;
    unsigned format;
    TPoint cell;
  };
  const Row rows[] = {
      {"left top", DT_SINGLELINE | DT_LEFT, {10, 2}},
      {"centre", DT_SINGLELINE | DT_CENTER, {(10 + 70 - size.cx) / 2, 2}},
      {"right", DT_SINGLELINE | DT_RIGHT, {70 - size.cx, 2}},
      {"centre, vertical centre",
       DT_SINGLELINE | DT_CENTER | DT_VCENTER,
       {(10 + 70 - size.cx) / 2, 2 + (20 - 13) / 2}},
      {"bottom", DT_SINGLELINE | DT_BOTTOM, {10, 22 - 13}},
      {"vertical centre needs a single line", DT_VCENTER, {10, 2}},
  };
  Surface reference(80, 24, clBlack);
  reference.SetTextColor(clWhite);
  reference.SetBkMode(TRANSPARENT);
  reference.ExtTextOut(0, 0, 0, nullptr, "Hi");
  const TRect glyphs = BoundsOf(reference, clWhite);
  for (const Row& row : rows) {
    Surface t(80, 24, clBlack);
    t.SetTextColor(clWhite);
    t.SetBkMode(TRANSPARENT);
    TRect rect = left;
    EXPECT_EQ(t.DrawText("Hi", rect, row.format), 13) << row.name;
    TRect expected = glyphs;
    OffsetRect(expected, row.cell.x, row.cell.y);
    EXPECT_EQ(BoundsOf(t, clWhite), expected) << row.name;
  }
}

TEST_F(SurfaceText, DrawTextCalcRectMeasuresWithoutDrawing) {
  TRect rect = Rect(4, 5, 6, 6);
  EXPECT_EQ(s.DrawText("&&Save", rect, DT_SINGLELINE | DT_CALCRECT), 13);
  EXPECT_EQ(rect, Rect(4, 5, 4 + s.GetTextExtentPoint32("&Save").cx, 5 + 13));
  EXPECT_EQ(CountOf(s, clBlack), 80 * 24);
  rect = Rect(0, 0, 0, 0);
  s.DrawText("&x", rect, DT_SINGLELINE | DT_CALCRECT | DT_NOPREFIX);
  EXPECT_EQ(rect.right, s.GetTextExtentPoint32("&x").cx);
}

TEST_F(SurfaceText, APrefixUnderlinesItsCharacterOneRowBelowTheBaseline) {
  TRect rect = Rect(2, 1, 80, 24);
  s.DrawText("S&ave", rect, DT_SINGLELINE);
  const int underlineRow = 1 + 11 + 1;
  const int from = 2 + s.GetTextExtentPoint32("S").cx;
  const int to = 2 + s.GetTextExtentPoint32("Sa").cx;
  for (int x = 0; x < 80; ++x) {
    EXPECT_EQ(s.Pixel(x, underlineRow), x >= from && x < to ? clWhite : clBlack) << x;
  }
}

TEST_F(SurfaceText, DoubledAmpersandsAndNoPrefixDrawNoUnderline) {
  const struct {
    const char* name;
    QString text;
    unsigned format;
    QString shown;
  } rows[] = {
      {"doubled", "a&&b", DT_SINGLELINE, "a&b"},
      {"no prefix", "a&b", DT_SINGLELINE | DT_NOPREFIX, "a&b"},
      {"lone final ampersand", "ab&", DT_SINGLELINE, "ab"},
  };
  for (const auto& row : rows) {
    Surface drawn(40, 16, clBlack), shown(40, 16, clBlack);
    for (Surface* t : {&drawn, &shown}) {
      t->SetTextColor(clWhite);
      t->SetBkMode(TRANSPARENT);
    }
    TRect rect = Rect(0, 0, 40, 16);
    drawn.DrawText(row.text, rect, row.format);
    shown.ExtTextOut(0, 0, 0, nullptr, row.shown);
    EXPECT_EQ(drawn.Image(), shown.Image()) << row.name;
  }
}

TEST_F(SurfaceText, DrawTextClipsToItsRectangleUnlessToldNotTo) {
  TRect rect = Rect(2, 2, 9, 20);
  s.DrawText("Ostrak", rect, DT_SINGLELINE);
  EXPECT_GT(CountOf(s, clWhite), 0);
  EXPECT_TRUE(OutsideIs(s, rect, clBlack));
  s.DrawText("Ostrak", rect, DT_SINGLELINE | DT_NOCLIP);
  EXPECT_FALSE(OutsideIs(s, rect, clBlack));
}

// A button one pixel high shrinks its caption rectangle to an inverted one;
// clipping to it must show nothing rather than a normalised rectangle.
TEST_F(SurfaceText, AnInvertedClipRectangleDrawsNothing) {
  s.SetBkMode(OPAQUE);
  TRect inverted = Rect(4, 12, 60, 5);
  s.DrawText("O&strak", inverted, DT_SINGLELINE | DT_VCENTER);
  const TRect clip = Rect(30, 12, 10, 2);
  s.ExtTextOut(3, 4, ETO_CLIPPED, &clip, "Ostrak");
  EXPECT_EQ(CountOf(s, clBlack), 80 * 24);
}

TEST(Fonts, TheCompatibleFacesAreRegisteredUnderTheirNames) {
  RegisterFonts();
  RegisterFonts();  // a second call changes nothing
  EXPECT_EQ(QFontInfo(TahomaFont().ToQFont()).family(), "Tahoma");
  EXPECT_TRUE(QFontInfo(TahomaBoldFont().ToQFont()).bold());
  EXPECT_EQ(QFontInfo(TFont("MS Sans Serif", -11).ToQFont()).family(), "MS Sans Serif");
  EXPECT_EQ(QFontInfo(TFont("MS Shell Dlg 2", -11).ToQFont()).family(), "Tahoma");
  const TFont canvas = DefaultCanvasFont();
  EXPECT_EQ(canvas.Name(), "Tahoma");
  EXPECT_EQ(canvas.Size(), 8);
  EXPECT_EQ(canvas.Style(), TFontStyles{});
  EXPECT_EQ(TahomaBoldFont().Height(), -11);
}

}  // namespace
}  // namespace ostrak
