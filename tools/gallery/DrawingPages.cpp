// The gradient and styled-text routines on plain images.

#include "platform/Fonts.h"
#include "platform/Surface.h"
#include "tools/gallery/Gallery.h"
#include "widgets/gradient/DrawUtils.h"

namespace {

using namespace ostrak;

struct Named {
  const char* name;
  TGradientDir orientation;
};

constexpr Named kOrientations[] = {
    {"fgdHorizontal", TGradientDir::fgdHorizontal},
    {"fgdVertical", TGradientDir::fgdVertical},
    {"fgdLeftBias", TGradientDir::fgdLeftBias},
    {"fgdRightBias", TGradientDir::fgdRightBias},
    {"fgdRectangle", TGradientDir::fgdRectangle},
    {"fgdHorzConvergent", TGradientDir::fgdHorzConvergent},
    {"fgdVertConvergent", TGradientDir::fgdVertConvergent},
};

struct NamedStyle {
  const char* name;
  TTextStyle style;
};

constexpr NamedStyle kStyles[] = {
    {"fstNone", TTextStyle::fstNone},         {"fstRaised", TTextStyle::fstRaised},
    {"fstRecessed", TTextStyle::fstRecessed}, {"fstPushed", TTextStyle::fstPushed},
    {"fstShadow", TTextStyle::fstShadow},     {"fstVolumetric", TTextStyle::fstVolumetric},
};

}  // namespace

OSTRAK_GALLERY_PAGE(GradientBands) {
  for (const Named& entry : kOrientations) {
    TGradient gradient;
    gradient.SetActive(true);
    gradient.SetOrientation(entry.orientation);
    gradient.SetFromColor(clRed);
    gradient.SetToColor(clBlue);
    gradient.SetSteps(255);
    gradient.SetPercentFilling(100);
    Surface surface(100, 60, clBlack, out.Scale());
    PaintGradientBands(surface, Rect(0, 0, 100, 60), gradient, PS_SOLID, 1);
    out.Save(surface, QStringLiteral("gradient-") + QLatin1String(entry.name));
  }
}

OSTRAK_GALLERY_PAGE(StyledText) {
  const TFont font = TahomaBoldFont();
  for (const NamedStyle& entry : kStyles) {
    for (TextOutline outline : {TextOutline::None, TextOutline::Delineated}) {
      Surface surface(140, 32, clTeal, out.Scale());
      PaintStyledText(surface, 8, 6, Rect(0, 0, 140, 32), QStringLiteral("Ostrak 85%"), entry.style, outline,
                      clWhite, clRed, clYellow, clBlue, &font);
      QString name = QStringLiteral("text-") + QLatin1String(entry.name);
      if (outline == TextOutline::Delineated) name += QStringLiteral("-delineated");
      out.Save(surface, name);
    }
  }
}
