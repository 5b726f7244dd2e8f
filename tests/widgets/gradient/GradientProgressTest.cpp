// The rating bar checked pixel by pixel: its class settings, segments,
// caption placement and which writes repaint now, invalidate or do nothing.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "platform/SystemColors.h"
#include "support/PixelTools.h"
#include "widgets/gradient/DrawUtils.h"
#include "widgets/gradient/GradientProgress.h"

namespace ostrak {
namespace {

using enum TBevelCut;
using enum TProgressOption;

constexpr TColor kShade = RGB(160, 160, 160);

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

TEST(TGradientProgress, ANewBarDrawsNoGradientUntilItHasAPercent) {
  QWidget window;
  TGradientProgress bar(&window);
  bar.Gradient().SetActive(true);
  bar.Gradient().SetFromColor(clRed);
  bar.Gradient().SetToColor(clRed);
  QImage image = bar.RenderToImage();
  EXPECT_EQ(test::CountOf(Surface(&image), clRed), 0);
  EXPECT_EQ(Surface(&image).Pixel(5, 5), GetSysColor(COLOR_BTNFACE));
  bar.SetPercent(40);
  image = bar.RenderToImage();
  EXPECT_GT(test::CountOf(Surface(&image), clRed), 0);
}

// A 40 x 10 bar with the default lowered bevel and button-face background.
struct OpaqueBar {
  TGradientProgress bar;
  OpaqueBar(TBevelCut outer, int step, int interspace) {
    bar.SetBounds(0, 0, 40, 10);
    bar.SetBevelOuter(outer);
    bar.Gradient().SetFromColor(clRed);
    bar.Gradient().SetToColor(clYellow);
    bar.Gradient().SetActive(true);
    bar.Gradient().SetOrientation(TGradientDir::fgdVertical);
    bar.SetStep(step);
    bar.SetInterspace(interspace);
    bar.SetPercent(100);
  }
  std::string Row(int y) {
    QImage image = bar.RenderToImage();
    std::string text = test::RowText(
        Surface(&image), y, 0, 40, {{kShade, 'S'}, {clWhite, 'L'}, {RGB(240, 240, 240), 'F'}, {clNone, '.'}});
    for (char& c : text) c = c == '?' ? '#' : c;
    return text;
  }
};

TEST(BarSegments, WiderGapsAreCutAtTheRightEdge) {
  OpaqueBar b(bvNone, 2, 3);
  // Gaps from x = 1 every 5 columns, 3 wide, the last one cut at 38.
  EXPECT_EQ(b.Row(5), "SFFF##FFF##FFF##FFF##FFF##FFF##FFF##FFFL");
}

TEST(BarSegments, LoopCountComesFromTheWidthAndTheInnerLeftEdge) {
  // Step + Interspace wider than the bar: (W div 101) + 2 - R.left times.
  OpaqueBar one(bvNone, 100, 1);
  EXPECT_EQ(one.Row(5).substr(0, 3), "SF#");
  OpaqueBar two(bvRaised, 100, 1);  // R.left = 2: no gap at all
  EXPECT_EQ(two.Row(5).substr(0, 4), "LS##");
}

// A step and gap that add up to nothing cannot advance: the bar stays whole.
TEST(BarSegments, NoPitchCutsNoSegments) {
  // The gradient ends a column short of the frame, as in every bar.
  const std::string whole = "S" + std::string(37, '#') + "FL";
  for (const auto& [step, interspace] : {std::pair{0, 0}, {3, -3}, {-2, 1}}) {
    OpaqueBar b(bvNone, step, interspace);
    EXPECT_EQ(b.Row(5), whole) << step << " + " << interspace;
  }
}

// Steps and gaps at the ends of int: one gap at the left edge, cut at the
// right one, and the loop ends instead of wrapping round.
TEST(BarSegments, HugeStepsCutOneGapWithoutOverflowing) {
  constexpr int kMax = std::numeric_limits<int>::max();
  constexpr int kMin = std::numeric_limits<int>::min();
  const std::string oneColumn = "SF" + std::string(36, '#') + "FL";
  const std::string allGap = "S" + std::string(38, 'F') + "L";
  const std::string whole = "S" + std::string(37, '#') + "FL";
  const struct {
    int step;
    int interspace;
    std::string row;
  } rows[] = {{kMax, 1, oneColumn}, {1, kMax, allGap}, {kMax, kMax, allGap}, {kMin, -1, whole}};
  for (const auto& r : rows) {
    OpaqueBar b(bvNone, r.step, r.interspace);
    EXPECT_EQ(b.Row(5), r.row) << r.step << " + " << r.interspace;
  }
}

// Placement: the caption at (X, Y) is exactly PaintStyledText at that point
// over the bar drawn without a caption.
struct PlaceRow {
  const char* name;
  TLabelDir direction;
  TAlignment alignment;
  std::function<TPoint(int w, int h, TSize raw, TSize padded)> origin;
};

using enum TLabelDir;
using enum TAlignment;

const PlaceRow kPlaces[] = {
    {"LeftRightLeft", fldLeftRight, taLeftJustify,
     [](int, int h, TSize, TSize p) {
       return TPoint{2, (h - p.cy) / 2};
     }},
    {"LeftRightRight", fldLeftRight, taRightJustify,
     [](int w, int h, TSize, TSize p) {
       return TPoint{w - p.cx, (h - p.cy) / 2};
     }},
    {"LeftRightCenter", fldLeftRight, taCenter,
     [](int w, int h, TSize, TSize p) {
       return TPoint{(w - p.cx) / 2, (h - p.cy) / 2};
     }},
    {"RightLeftLeft", fldRightLeft, taLeftJustify,
     [](int w, int, TSize r, TSize p) {
       return TPoint{w - (p.cx - r.cx) - 2, r.cy};
     }},
    {"RightLeftRight", fldRightLeft, taRightJustify,
     [](int, int, TSize r, TSize) {
       return TPoint{r.cx, r.cy};
     }},
    {"RightLeftCenter", fldRightLeft, taCenter,
     [](int w, int, TSize r, TSize p) {
       return TPoint{(w + p.cx) / 2, r.cy};
     }},
    {"UpDownLeft", fldUpDown, taLeftJustify,
     [](int, int, TSize r, TSize) {
       return TPoint{r.cy, 1};
     }},
    {"UpDownRight", fldUpDown, taRightJustify,
     [](int, int h, TSize r, TSize p) {
       return TPoint{r.cy, h - p.cx};
     }},
    {"UpDownCenter", fldUpDown, taCenter,
     [](int, int h, TSize r, TSize p) {
       return TPoint{r.cy, (h - p.cx) / 2};
     }},
    {"DownUpLeft", fldDownUp, taLeftJustify,
     [](int, int h, TSize r, TSize p) {
       return TPoint{2, h - (p.cy - r.cy) - 2};
     }},
    {"DownUpRight", fldDownUp, taRightJustify,
     [](int, int, TSize r, TSize) {
       return TPoint{2, r.cx - 4};
     }},
    {"DownUpCenter", fldDownUp, taCenter,
     [](int, int h, TSize r, TSize p) {
       return TPoint{2, (h + r.cx - (p.cy - r.cy)) / 2};
     }},
};

class CaptionPlacement : public ::testing::TestWithParam<PlaceRow> {};

TEST_P(CaptionPlacement, FollowsTheDirectionAndAlignmentTable) {
  const PlaceRow& row = GetParam();
  constexpr int kW = 150, kH = 60;
  const QString caption = QStringLiteral("Ab%d");
  const QString text = QStringLiteral("Ab7");
  // The bar draws with its Font but measures with the canvas font: a larger
  // Font tells the two apart.
  const TFont font(QStringLiteral("Tahoma"), -17, TFontStyle::fsBold, clWhite);
  for (const TTextStyle style :
       {TTextStyle::fstNone, TTextStyle::fstShadow, TTextStyle::fstVolumetric, TTextStyle::fstRaised}) {
    for (const bool delineated : {false, true}) {
      TGradientProgress bar;
      bar.SetBounds(0, 0, kW, kH);
      bar.SetFont(font);
      bar.SetPercent(7);
      bar.SetCaptionDirection(row.direction);
      bar.SetCaptionAlignment(row.alignment);
      bar.SetCaptionStyle(style);
      bar.SetOptions(delineated ? TProgressOptions{fpoDelineatedText} : TProgressOptions{});
      QImage expected = bar.RenderToImage();
      bar.SetCaption(caption);
      const QImage actual = bar.RenderToImage();

      const TSize raw = test::CanvasTextExtent(text);
      int pad = (style == TTextStyle::fstShadow || style == TTextStyle::fstVolumetric) ? 2 : 0;
      pad += delineated ? 2 : 0;
      const TPoint at = row.origin(kW, kH, raw, TSize{raw.cx + pad, raw.cy + pad});
      Surface e(&expected);
      PaintStyledText(e, at.x, at.y, Rect(0, 0, kW, kH), text, style,
                      delineated ? TextOutline::Delineated : TextOutline::None, clWhite,
                      bar.Colors().Delineate(), bar.Colors().Highlight(), bar.Colors().Shadow(), &font);
      EXPECT_EQ(actual, expected) << "style " << static_cast<int>(style) << " delineated " << delineated
                                  << " at " << at.x << "," << at.y;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Cells, CaptionPlacement, ::testing::ValuesIn(kPlaces),
                         [](const auto& info) { return std::string(info.param.name); });

// Write rules, counted as paints: a repaint now paints before the write
// returns, an invalidation paints once the events are processed.
struct WriteRow {
  const char* name;
  std::function<void(TGradientProgress&)> write;
  int now;
  int later;
};

class BarWrites : public ::testing::TestWithParam<WriteRow> {};

TEST_P(BarWrites, RepaintInvalidateOrNothing) {
  const WriteRow& row = GetParam();
  QWidget window;
  window.resize(200, 50);
  CountingBar bar(&window);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  QApplication::processEvents();
  bar.paints = 0;
  row.write(bar);
  EXPECT_EQ(bar.paints, row.now) << "before returning";
  QApplication::processEvents();
  EXPECT_EQ(bar.paints, row.now + row.later) << "after the events";
}

TGradient OtherGradient() {
  TGradient g;
  g.SetFromColor(clRed);
  g.SetToColor(clYellow);
  g.SetSteps(20);
  return g;
}

using Write = std::function<void(TGradientProgress&)>;

INSTANTIATE_TEST_SUITE_P(
    Rules, BarWrites,
    ::testing::Values(
        // BevelInner stores even when equal and invalidates.
        WriteRow{"BevelInnerSame", Write([](auto& b) { b.SetBevelInner(bvLowered); }), 0, 1},
        WriteRow{"BevelInner", Write([](auto& b) { b.SetBevelInner(bvSpace); }), 0, 1},
        WriteRow{"AlignmentSame", Write([](auto& b) { b.SetCaptionAlignment(taCenter); }), 0, 0},
        WriteRow{"DirectionSame", Write([](auto& b) { b.SetCaptionDirection(fldLeftRight); }), 0, 0},
        WriteRow{"InterspaceSame", Write([](auto& b) { b.SetInterspace(1); }), 0, 0},
        WriteRow{"PercentSame", Write([](auto& b) { b.SetPercent(0); }), 0, 0},
        WriteRow{"PercentBelow", Write([](auto& b) { b.SetPercent(-1); }), 0, 0},
        WriteRow{"OptionsTransparent", Write([](auto& b) { b.SetOptions({fpoTransparent}); }), 1, 0},
        WriteRow{"ColourSame", Write([](auto& b) { b.Colors().SetDelineate(clWhite); }), 0, 0},
        WriteRow{"ColoursAssigned", Write([](auto& b) { b.SetColors(TSimpleLabelColors()); }), 1, 0},
        WriteRow{"GradientFill", Write([](auto& b) { b.Gradient().SetPercentFilling(30); }), 1, 0},
        WriteRow{"GradientFillIgnored", Write([](auto& b) { b.Gradient().SetPercentFilling(101); }), 0, 0},
        // Two colour writes, then the copied settings.
        WriteRow{"GradientAssigned", Write([](auto& b) { b.SetGradient(OtherGradient()); }), 3, 0},
        WriteRow{"OptionsSame", Write([](auto& b) { b.SetOptions(b.Options()); }), 1, 0},
        WriteRow{"StepSame", Write([](auto& b) { b.SetStep(3); }), 0, 0},
        WriteRow{"Step", Write([](auto& b) { b.SetStep(4); }), 1, 0},
        WriteRow{"Interspace", Write([](auto& b) { b.SetInterspace(2); }), 1, 0},
        WriteRow{"CaptionStyleSame", Write([](auto& b) { b.SetCaptionStyle(TTextStyle::fstShadow); }), 0, 0},
        WriteRow{"Direction", Write([](auto& b) { b.SetCaptionDirection(fldUpDown); }), 1, 0},
        WriteRow{"Alignment", Write([](auto& b) { b.SetCaptionAlignment(taLeftJustify); }), 1, 0},
        WriteRow{"BevelOuterSame", Write([](auto& b) { b.SetBevelOuter(bvNone); }), 1, 0},
        WriteRow{"BevelBoldSame", Write([](auto& b) { b.SetBevelBold(false); }), 1, 0},
        WriteRow{"Caption", Write([](auto& b) { b.SetCaption("Ground"); }), 1, 0},
        WriteRow{"CaptionSame", Write([](auto& b) { b.SetCaption(""); }), 0, 0},
        WriteRow{"Percent", Write([](auto& b) { b.SetPercent(40); }), 1, 0},
        WriteRow{"PercentEqualToTheFill", Write([](auto& b) { b.SetPercent(100); }), 1, 0},
        WriteRow{"PercentAbove", Write([](auto& b) { b.SetPercent(101); }), 0, 0},
        WriteRow{"Colour", Write([](auto& b) { b.Colors().SetShadow(clRed); }), 1, 0},
        WriteRow{"GradientSteps", Write([](auto& b) { b.Gradient().SetSteps(10); }), 1, 0},
        WriteRow{"BackGradient", Write([](auto& b) { b.GradientBack().SetActive(true); }), 1, 0},
        WriteRow{"BufferedDraw", Write([](auto& b) { b.Gradient().SetBufferedDraw(true); }), 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

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

TEST(BarMouse, TheSecondPressOfADoubleClickIsADoubleMouseDown) {
  QWidget window;
  TGradientProgress bar(&window);
  std::vector<std::pair<TMouseButton, TShiftState>> downs;
  bar.OnMouseDown = [&](QObject*, TMouseButton button, TShiftState shift, int, int) {
    downs.emplace_back(button, shift);
  };
  QTest::mouseDClick(&bar, Qt::RightButton, Qt::NoModifier, QPoint(4, 4));
  // Qt Test's widget double-click sends no release: without one the button
  // would stay held for every later test in this program.
  QTest::mouseRelease(&bar, Qt::RightButton, Qt::NoModifier, QPoint(4, 4));
  ASSERT_FALSE(downs.empty());
  EXPECT_EQ(downs.back().first, TMouseButton::mbRight);
  EXPECT_NE(downs.back().second & ssDouble, 0);
}

}  // namespace
}  // namespace ostrak
