// The rating bars as the evaluation window sets them up, checked pixel by
// pixel over the window's black background.

#include <gtest/gtest.h>

#include <QWidget>
#include <string>

#include "core/MulDiv.h"
#include "platform/Fonts.h"
#include "platform/SystemColors.h"
#include "support/PixelTools.h"
#include "ui/Unit2.h"
#include "widgets/gradient/GradientProgress.h"

namespace ostrak {
namespace {

using enum TProgressOption;

constexpr TColor kShade = RGB(160, 160, 160);

void SetParentColor(QWidget& parent, const QColor& color) {
  QPalette palette = parent.palette();
  palette.setColor(parent.backgroundRole(), color);
  parent.setPalette(palette);
  parent.setAutoFillBackground(true);
}

// One bar of the evaluation window, properties in their stored order, then
// what showing the window writes.
void SetUpEvaluationBar(TGradientProgress& bar, TColor from, TColor to, int percentFilling,
                        const QString& caption) {
  bar.SetBounds(9, 8, 276, 20);
  ApplyEvaluationBarConfiguration(bar, from, to);
  bar.SetCaption(QStringLiteral("Ground"));
  bar.Gradient().SetPercentFilling(percentFilling);
  bar.SetCaption(caption);
}

struct BlackWindow {
  QWidget window;
  TGradientProgress bar{&window};
  BlackWindow() {
    window.resize(294, 148);
    SetParentColor(window, Qt::black);
  }
};

TEST(EvaluationBar, FrameGradientAndSkippedBlack) {
  BlackWindow w;
  SetUpEvaluationBar(w.bar, clRed, clYellow, 100, QString());
  QImage image = w.bar.RenderToImage();
  const Surface s(&image);
  // The bvSpace ring in the button shadow colour round the whole area.
  for (int x = 0; x < 276; ++x) {
    ASSERT_EQ(s.Pixel(x, 0), kShade) << x;
    ASSERT_EQ(s.Pixel(x, 19), kShade) << x;
  }
  for (int y = 0; y < 20; ++y) {
    ASSERT_EQ(s.Pixel(0, y), kShade) << y;
    ASSERT_EQ(s.Pixel(275, y), kShade) << y;
  }
  // Inside the ring: the top row, the last column and the last row keep the
  // black background, which the copy onto the window leaves out.
  EXPECT_EQ(test::RowText(s, 1, 0, 276, {{kShade, 'S'}, {clNone, '.'}}), "S" + std::string(274, '.') + "S");
  EXPECT_EQ(test::RowText(s, 18, 0, 276, {{kShade, 'S'}, {clNone, '.'}}), "S" + std::string(274, '.') + "S");
  for (int y = 2; y < 18; ++y) {
    EXPECT_EQ(s.Pixel(1, y), clRed) << y;
    EXPECT_EQ(s.Pixel(273, y), clYellow) << y;
    EXPECT_EQ(s.Pixel(274, y), clNone) << y;
  }
  EXPECT_EQ(test::BoundsOf(s, clRed), Rect(1, 2, 2, 18)) << "band 0 is column 1 alone";
  EXPECT_EQ(test::CountOf(s, clNone), 276 * 20 - (2 * 276 + 2 * 18) - 273 * 16);
}

TEST(EvaluationBar, AnythingDrawnInBlackIsLeftOut) {
  BlackWindow w;
  SetUpEvaluationBar(w.bar, clBlack, clWhite, 100, QString());
  QImage image = w.bar.RenderToImage();
  const Surface s(&image);
  EXPECT_EQ(s.Pixel(1, 5), clNone);
  EXPECT_EQ(s.Pixel(2, 5), RGB(1, 1, 1));
}

TEST(EvaluationBar, At85EndsAfter233ColumnsOverItsParent) {
  BlackWindow w;
  TGradientProgress& bar = w.bar;
  SetUpEvaluationBar(bar, clRed, clYellow, 85, QString());
  QImage image = bar.RenderToImage();
  const Surface s(&image);
  const TColor shade = GetSysColor(COLOR_BTNSHADOW);
  EXPECT_TRUE(test::OutsideIs(s, Rect(1, 1, 275, 19), shade));
  EXPECT_EQ(test::CountOf(s, clBlack), 0);                 // the parent's colour is left out
  EXPECT_EQ(test::BoundsOf(s, clRed), Rect(1, 2, 2, 18));  // band 0, one column
  EXPECT_EQ(s.Pixel(233, 10), RGB(255, static_cast<std::uint8_t>(MulDiv(217, 255, 254)), 0));
  for (int x = 1; x < 275; ++x) {
    EXPECT_EQ(s.Pixel(x, 1), clNone) << "the top row inside the frame, " << x;
    EXPECT_EQ(s.Pixel(x, 10) != clNone, x <= 233) << x;
  }
}

struct FillRow {
  const char* name;
  int percentFilling;
  int columns;
};

class EvaluationBarFill : public ::testing::TestWithParam<FillRow> {};

TEST_P(EvaluationBarFill, ShowsTheBandsUpToTheCut) {
  const FillRow row = GetParam();
  BlackWindow w;
  SetUpEvaluationBar(w.bar, clTeal, clLime, row.percentFilling, QString());
  EXPECT_EQ(w.bar.Percent(), 100);
  QImage image = w.bar.RenderToImage();
  const Surface s(&image);
  std::string expected = "S" + std::string(row.columns, '#') + std::string(274 - row.columns, '.') + "S";
  std::string shown = test::RowText(s, 10, 0, 276, {{kShade, 'S'}, {clNone, '.'}});
  for (char& c : shown) c = c == '?' ? '#' : c;
  EXPECT_EQ(shown, expected);
  EXPECT_EQ(s.Pixel(1, 10), clTeal);
}

INSTANTIATE_TEST_SUITE_P(Percent, EvaluationBarFill,
                         ::testing::Values(FillRow{"Zero", 0, 2}, FillRow{"Five", 5, 15},
                                           FillRow{"Fifty", 50, 138}, FillRow{"Sixty", 60, 165},
                                           FillRow{"EightyFive", 85, 233}, FillRow{"Hundred", 100, 273}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(EvaluationBar, CaptionIsOutlinedAndCentred) {
  BlackWindow w;
  SetUpEvaluationBar(w.bar, clRed, clYellow, 85, QString());
  QImage expected = w.bar.RenderToImage();
  w.bar.SetCaption(QStringLiteral("Ground 85%%"));
  QImage actual = w.bar.RenderToImage();

  const QString text = QStringLiteral("Ground 85%");
  const TSize raw = test::CanvasTextExtent(text);
  const int x = (276 - (raw.cx + 2)) / 2;
  const int y = (20 - (raw.cy + 2)) / 2;
  Surface e(&expected);
  e.SelectFont(TahomaFont().ToQFont());
  e.SetBkMode(TRANSPARENT);
  const TRect clip = Rect(0, 0, 276, 20);
  e.SetTextColor(clGray);
  for (const TPoint at : {TPoint{x, y}, TPoint{x + 2, y + 2}, TPoint{x, y + 2}, TPoint{x + 2, y}}) {
    e.ExtTextOut(at.x, at.y, ETO_CLIPPED, &clip, text);
  }
  e.SetTextColor(clWhite);
  e.ExtTextOut(x + 1, y + 1, ETO_CLIPPED, &clip, text);
  EXPECT_EQ(actual, expected);

  const Surface a(&actual);
  const TRect face = test::BoundsOf(a, clWhite);
  const TRect outline = test::BoundsOf(a, clGray);
  EXPECT_EQ(outline, Rect(face.left - 1, face.top - 1, face.right + 1, face.bottom + 1));
}

TEST(EvaluationBar, ParentColourReachesTheBackgroundOnlyAfterAResize) {
  BlackWindow w;
  SetUpEvaluationBar(w.bar, clRed, clYellow, 100, QString());
  w.bar.RenderToImage();
  SetParentColor(w.window, QColor(0, 0, 255));
  QImage image = w.bar.RenderToImage();
  EXPECT_EQ(Surface(&image).Pixel(5, 1), clBlack) << "background still black, no longer skipped";
  w.bar.SetBounds(9, 8, 276, 21);
  w.bar.RenderToImage();
  w.bar.SetBounds(9, 8, 276, 20);
  image = w.bar.RenderToImage();
  EXPECT_EQ(Surface(&image).Pixel(5, 1), clNone);
}

TEST(BarSegments, TheEvaluationBarWithoutOptionsIsCutIntoSegments) {
  BlackWindow w;
  TGradientProgress& bar = w.bar;
  SetUpEvaluationBar(bar, clRed, clYellow, 100, QString());
  bar.SetOptions({});
  bar.SetStep(3);
  bar.SetInterspace(1);
  QImage image = bar.RenderToImage();
  const Surface s(&image);
  for (int x = 1; x < 274; ++x) {
    EXPECT_EQ(s.Pixel(x, 10) == clBlack, (x - 1) % 4 == 0) << x;
  }
  EXPECT_EQ(s.Pixel(274, 10), clBlack);  // inside the frame, right of the gradient
}

}  // namespace
}  // namespace ostrak
