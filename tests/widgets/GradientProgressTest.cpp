#include <gtest/gtest.h>

#include <QApplication>
#include <QPalette>
#include <QWidget>
#include <functional>

#include "core/MulDiv.h"
#include "platform/Fonts.h"
#include "platform/SystemColors.h"
#include "support/PixelTools.h"
#include "widgets/EvaluationBar.h"
#include "widgets/GradientProgress.h"

namespace ostrak {
namespace {

using test::BoundsOf;
using test::CountOf;

// Counts the paints Qt asks for.
class CountingBar : public TGradientProgress {
public:
  using TGradientProgress::TGradientProgress;
  int paints = 0;

protected:
  void Paint(Surface& canvas) override {
    ++paints;
    TGradientProgress::Paint(canvas);
  }
};

class BlackWindow : public QWidget {
public:
  BlackWindow() {
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::black);
    setPalette(p);
    setAutoFillBackground(true);
    resize(300, 80);
  }
};

// The evaluation window's settings, at PercentFilling `fill`.
void SetUpEvaluationBar(TGradientProgress& bar, int fill, const QString& caption) {
  bar.SetBounds(9, 8, 276, 20);
  ApplyEvaluationBarConfiguration(bar, clRed, clYellow);
  bar.Gradient().SetPercentFilling(fill);
  bar.SetCaption(caption);
}

TEST(TGradientProgress, ANewBarHasTheClassSettings) {
  TGradientProgress bar;
  EXPECT_EQ(bar.Width(), 150);
  EXPECT_EQ(bar.Height(), 15);
  EXPECT_EQ(bar.BevelInner(), TBevelCut::bvLowered);
  EXPECT_EQ(bar.BevelOuter(), TBevelCut::bvNone);
  EXPECT_FALSE(bar.BevelBold());
  EXPECT_EQ(bar.Percent(), 0);
  EXPECT_EQ(bar.CaptionAlignment(), TAlignment::taCenter);
  EXPECT_EQ(bar.CaptionDirection(), TLabelDir::fldLeftRight);
  EXPECT_EQ(bar.CaptionStyle(), TTextStyle::fstShadow);
  EXPECT_EQ(bar.Step(), 3);
  EXPECT_EQ(bar.Interspace(), 1);
  EXPECT_TRUE(bar.Options().Empty());
  EXPECT_EQ(bar.Color(), clBlack);
  EXPECT_EQ(bar.Font().Color(), clWhite);
  EXPECT_TRUE(bar.Caption().isEmpty());
  EXPECT_FALSE(bar.Gradient().Active());
  EXPECT_EQ(bar.Colors().Background(), clBtnFace);
  EXPECT_TRUE(bar.testAttribute(Qt::WA_OpaquePaintEvent));
}

TEST(TGradientProgress, PercentIsWrittenOnToTheGradientButNotBack) {
  TGradientProgress bar;
  bar.SetPercent(40);
  EXPECT_EQ(bar.Percent(), 40);
  EXPECT_EQ(bar.Gradient().PercentFilling(), 40);
  for (int ignored : {-1, 101}) {
    bar.SetPercent(ignored);
    EXPECT_EQ(bar.Percent(), 40);
  }
  bar.Gradient().SetPercentFilling(70);
  EXPECT_EQ(bar.Percent(), 40);
}

TEST(TGradientProgress, OptionsSwitchTheOpaqueFlag) {
  TGradientProgress bar;
  bar.SetOptions({TProgressOption::fpoTransparent});
  EXPECT_FALSE(bar.testAttribute(Qt::WA_OpaquePaintEvent));
  bar.SetOptions({TProgressOption::fpoDelineatedText});
  EXPECT_TRUE(bar.testAttribute(Qt::WA_OpaquePaintEvent));
}

TEST(TGradientProgress, WritesRepaintNowInvalidateOrDoNothing) {
  enum class Expect { Nothing, RepaintNow, Invalidate };
  const struct {
    const char* name;
    std::function<void(TGradientProgress&)> write;
    Expect expect;
  } rows[] = {
      {"Options, same value", [](TGradientProgress& b) { b.SetOptions(b.Options()); }, Expect::RepaintNow},
      {"Step, same value", [](TGradientProgress& b) { b.SetStep(3); }, Expect::Nothing},
      {"Step", [](TGradientProgress& b) { b.SetStep(4); }, Expect::RepaintNow},
      {"Interspace", [](TGradientProgress& b) { b.SetInterspace(2); }, Expect::RepaintNow},
      {"CaptionStyle, same value", [](TGradientProgress& b) { b.SetCaptionStyle(TTextStyle::fstShadow); },
       Expect::Nothing},
      {"CaptionDirection", [](TGradientProgress& b) { b.SetCaptionDirection(TLabelDir::fldUpDown); },
       Expect::RepaintNow},
      {"CaptionAlignment", [](TGradientProgress& b) { b.SetCaptionAlignment(TAlignment::taLeftJustify); },
       Expect::RepaintNow},
      {"BevelOuter, same value", [](TGradientProgress& b) { b.SetBevelOuter(TBevelCut::bvNone); },
       Expect::RepaintNow},
      {"BevelBold, same value", [](TGradientProgress& b) { b.SetBevelBold(false); }, Expect::RepaintNow},
      {"BevelInner, same value", [](TGradientProgress& b) { b.SetBevelInner(TBevelCut::bvLowered); },
       Expect::Invalidate},
      {"Caption", [](TGradientProgress& b) { b.SetCaption("Ground"); }, Expect::RepaintNow},
      {"Caption, same value", [](TGradientProgress& b) { b.SetCaption(""); }, Expect::Nothing},
      {"Percent", [](TGradientProgress& b) { b.SetPercent(40); }, Expect::RepaintNow},
      {"Percent equal to the fill", [](TGradientProgress& b) { b.SetPercent(100); }, Expect::RepaintNow},
      {"Percent out of range", [](TGradientProgress& b) { b.SetPercent(101); }, Expect::Nothing},
      {"a colour", [](TGradientProgress& b) { b.Colors().SetShadow(clRed); }, Expect::RepaintNow},
      {"a gradient", [](TGradientProgress& b) { b.Gradient().SetSteps(10); }, Expect::RepaintNow},
      {"the back gradient", [](TGradientProgress& b) { b.GradientBack().SetActive(true); },
       Expect::RepaintNow},
      {"BufferedDraw", [](TGradientProgress& b) { b.Gradient().SetBufferedDraw(true); }, Expect::Nothing},
  };
  for (const auto& row : rows) {
    QWidget window;
    window.resize(200, 40);
    CountingBar bar(&window);
    window.show();
    QApplication::processEvents();
    bar.paints = 0;
    row.write(bar);
    EXPECT_EQ(bar.paints, row.expect == Expect::RepaintNow ? 1 : 0) << row.name;
    QApplication::processEvents();
    EXPECT_EQ(bar.paints > 0, row.expect != Expect::Nothing) << row.name << ", after the event loop";
  }
}

TEST(TGradientProgress, PaintsNothingWhileHiddenOrWithoutParent) {
  QWidget window;
  CountingBar hidden(&window);
  window.show();
  hidden.hide();
  QApplication::processEvents();
  hidden.paints = 0;
  hidden.SetOptions({});
  hidden.SetStep(5);
  EXPECT_EQ(hidden.paints, 0);

  CountingBar orphan;
  orphan.SetOptions({});
  EXPECT_EQ(orphan.paints, 0);
}

TEST(TGradientProgress, TheEvaluationBarAt85EndsAfter233ColumnsOverItsParent) {
  BlackWindow window;
  TGradientProgress bar(&window);
  SetUpEvaluationBar(bar, 85, "");
  QImage image = bar.RenderToImage();
  const Surface s(&image);
  const TColor shade = GetSysColor(COLOR_BTNSHADOW);
  EXPECT_TRUE(test::OutsideIs(s, Rect(1, 1, 275, 19), shade));
  EXPECT_EQ(CountOf(s, clBlack), 0);                 // the parent's colour is left out
  EXPECT_EQ(BoundsOf(s, clRed), Rect(1, 2, 2, 18));  // band 0, one column
  EXPECT_EQ(s.Pixel(233, 10), RGB(255, static_cast<std::uint8_t>(MulDiv(217, 255, 254)), 0));
  for (int x = 1; x < 275; ++x) {
    EXPECT_EQ(s.Pixel(x, 1), clNone) << "the top row inside the frame, " << x;
    EXPECT_EQ(s.Pixel(x, 10) != clNone, x <= 233) << x;
  }
}

TEST(TGradientProgress, TheCaptionIsOutlinedAroundItsFace) {
  BlackWindow window;
  TGradientProgress bar(&window);
  SetUpEvaluationBar(bar, 85, "Ground 85%%");
  QImage image = bar.RenderToImage();
  const Surface s(&image);

  Surface glyphs(276, 20, clBlack);
  glyphs.SelectFont(TahomaFont().ToQFont());
  const TSize raw = glyphs.GetTextExtentPoint32("Ground 85%");
  glyphs.SetTextColor(clWhite);
  glyphs.SetBkMode(TRANSPARENT);
  const int x = (276 - (raw.cx + 2)) / 2, y = (20 - (raw.cy + 2)) / 2;
  glyphs.ExtTextOut(x + 1, y + 1, 0, nullptr, "Ground 85%");
  EXPECT_EQ(BoundsOf(s, clWhite), BoundsOf(glyphs, clWhite));
  EXPECT_EQ(CountOf(s, clWhite), CountOf(glyphs, clWhite));
  TRect outline = BoundsOf(glyphs, clWhite);
  InflateRect(outline, 1, 1);
  EXPECT_EQ(BoundsOf(s, clGray), outline);
}

TEST(TGradientProgress, ANewBarDrawsNoGradientUntilItHasAPercent) {
  QWidget window;
  TGradientProgress bar(&window);
  bar.Gradient().SetActive(true);
  bar.Gradient().SetFromColor(clRed);
  bar.Gradient().SetToColor(clRed);
  QImage image = bar.RenderToImage();
  EXPECT_EQ(CountOf(Surface(&image), clRed), 0);
  EXPECT_EQ(Surface(&image).Pixel(5, 5), GetSysColor(COLOR_BTNFACE));
  bar.SetPercent(40);
  image = bar.RenderToImage();
  EXPECT_GT(CountOf(Surface(&image), clRed), 0);
}

TEST(TGradientProgress, OpaqueBarsAreCutIntoSegments) {
  BlackWindow window;
  TGradientProgress bar(&window);
  SetUpEvaluationBar(bar, 100, "");
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

// With style fstShadow the caption's box grows by 2; the face is drawn at the
// placement point and its shadow 2 pixels further.
TEST(TGradientProgress, PlacesTheCaptionForEveryDirectionAndAlignment) {
  const int w = 150, h = 60;
  Surface measure(1, 1);
  measure.SelectFont(DefaultCanvasFont().ToQFont());
  const TSize raw = measure.GetTextExtentPoint32("Hi");
  const int cx0 = raw.cx, cy0 = raw.cy, cx = cx0 + 2, cy = cy0 + 2;
  const struct {
    TLabelDir direction;
    TAlignment alignment;
    TPoint at;
  } rows[] = {
      {TLabelDir::fldLeftRight, TAlignment::taLeftJustify, {2, (h - cy) / 2}},
      {TLabelDir::fldLeftRight, TAlignment::taRightJustify, {w - cx, (h - cy) / 2}},
      {TLabelDir::fldLeftRight, TAlignment::taCenter, {(w - cx) / 2, (h - cy) / 2}},
      {TLabelDir::fldRightLeft, TAlignment::taLeftJustify, {w - (cx - cx0) - 2, cy0}},
      {TLabelDir::fldRightLeft, TAlignment::taRightJustify, {cx0, cy0}},
      {TLabelDir::fldRightLeft, TAlignment::taCenter, {(w + cx) / 2, cy0}},
      {TLabelDir::fldUpDown, TAlignment::taLeftJustify, {cy0, 1}},
      {TLabelDir::fldUpDown, TAlignment::taRightJustify, {cy0, h - cx}},
      {TLabelDir::fldUpDown, TAlignment::taCenter, {cy0, (h - cx) / 2}},
      {TLabelDir::fldDownUp, TAlignment::taLeftJustify, {2, h - (cy - cy0) - 2}},
      {TLabelDir::fldDownUp, TAlignment::taRightJustify, {2, cx0 - 4}},
      {TLabelDir::fldDownUp, TAlignment::taCenter, {2, (h + cx0 - (cy - cy0)) / 2}},
  };
  Surface reference(w, h, clBlack);
  reference.SelectFont(TahomaFont().ToQFont());
  reference.SetTextColor(clWhite);
  reference.SetBkMode(TRANSPARENT);
  reference.ExtTextOut(0, 0, 0, nullptr, "Hi");
  const TRect glyphs = BoundsOf(reference, clWhite);
  for (const auto& row : rows) {
    QWidget window;
    TGradientProgress bar(&window);
    bar.SetBounds(0, 0, w, h);
    bar.SetBevelInner(TBevelCut::bvNone);
    bar.Colors().SetBackground(clBlack);
    bar.Colors().SetShadow(clBlue);
    bar.SetCaptionDirection(row.direction);
    bar.SetCaptionAlignment(row.alignment);
    bar.SetCaption("Hi");
    QImage image = bar.RenderToImage();
    TRect expected = glyphs;
    OffsetRect(expected, row.at.x, row.at.y);
    expected = Rect(expected.left, expected.top, std::min(expected.right, w), std::min(expected.bottom, h));
    EXPECT_EQ(BoundsOf(Surface(&image), clWhite), expected)
        << static_cast<int>(row.direction) << "/" << static_cast<int>(row.alignment);
  }
}

}  // namespace
}  // namespace ostrak
