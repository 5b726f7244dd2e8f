// A surface of scale 3: every shape, line and copy is the scale-1 picture
// with each pixel a 3 x 3 block, and text is measured as at scale 1.

#include <gtest/gtest.h>

#include <functional>

#include "platform/Fonts.h"
#include "platform/Surface.h"

namespace ostrak {
namespace {

constexpr int kScale = 3;

// The first device pixel of `fine` that is not its pixel of `plain`, or "".
std::string FirstDifference(const Surface& plain, const Surface& fine) {
  for (int y = 0; y < fine.Image().height(); ++y) {
    for (int x = 0; x < fine.Image().width(); ++x) {
      if (fine.Image().pixel(x, y) != plain.Image().pixel(x / kScale, y / kScale))
        return std::to_string(x) + "," + std::to_string(y);
    }
  }
  return "";
}

TEST(SurfaceScale, DrawsEveryPixelAsABlock) {
  const struct {
    const char* name;
    std::function<void(Surface&)> draw;
  } rows[] = {
      {"hatch over a picture, gaps left",
       [](Surface& s) {
         s.FillRect(Rect(-2, 0, 10, 12), Brush::Solid(clYellow));
         s.SetBkMode(TRANSPARENT);
         s.SetBrushOrg(3, 1);
         s.FillRect(Rect(2, 2, 20, 12), Brush::Hatched(HS_DIAGCROSS, clGreen));
       }},
      {"dotted rule",
       [](Surface& s) {
         s.SelectPen(Pen{PS_DOT, 1, clRed}), s.MoveTo(0, 5), s.LineTo(21, 5);
       }},
      {"wide pen",
       [](Surface& s) {
         s.SelectPen(Pen{PS_SOLID, 3, clLime}), s.MoveTo(2, 2), s.LineTo(15, 9);
       }},
      {"copy of a plain bitmap, one colour keyed out",
       [](Surface& s) {
         Surface bitmap(5, 4, clWhite);
         bitmap.FillRect(Rect(1, 1, 4, 2), Brush::Solid(clTeal));
         s.TransparentBlt(-1, 6, 5, 4, bitmap, 0, 0, clWhite);
       }},
  };
  for (const auto& row : rows) {
    Surface plain(20, 14, clGray);
    Surface fine(20, 14, clGray, kScale);
    row.draw(plain);
    row.draw(fine);
    EXPECT_EQ(FirstDifference(plain, fine), "") << row.name;
  }
}

TEST(SurfaceScale, MeasuresTextAsAtScaleOne) {
  Surface plain(1, 1);
  Surface fine(1, 1, clBlack, kScale);
  for (Surface* s : {&plain, &fine}) s->SelectFont(TahomaBoldFont().ToQFont());
  const QString text = QStringLiteral("Guardar Luchador 85%");
  EXPECT_EQ(fine.GetTextExtentPoint32(text), plain.GetTextExtentPoint32(text));
  EXPECT_EQ(fine.GetTextAscent(), plain.GetTextAscent());
}

}  // namespace
}  // namespace ostrak
