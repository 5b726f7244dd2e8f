// The shipped pictures as the editor window draws them: the background
// stretched over the 463 x 587 client area, each language flag at its own
// size from (417, -1) clipped to its 45 x 30 control, with a few white labels
// and light boxes where the editor puts them, to judge contrast.

#include <QString>

#include "core/Errors.h"
#include "platform/Fonts.h"
#include "platform/Picture.h"
#include "platform/ProgramDirectory.h"
#include "platform/Surface.h"
#include "platform/SystemColors.h"
#include "tools/gallery/Gallery.h"

namespace {

void DrawSampleControls(ostrak::Surface& surface) {
  using namespace ostrak;
  const SelectedFont font(surface, TahomaFont().ToQFont());
  const SavedBkMode transparent(surface, TRANSPARENT);
  surface.SetTextColor(clWhite);
  surface.ExtTextOut(24, 36, 0, nullptr, QString::fromUtf8("Nombre completo"));
  surface.ExtTextOut(24, 181, 0, nullptr, QString::fromUtf8("Puños"));
  surface.ExtTextOut(256, 181, 0, nullptr, QStringLiteral("Ground'n'Pound"));
  surface.FillRect(Rect(24, 52, 225, 73), Brush::Solid(clWindow));
  surface.FillRect(Rect(136, 173, 201, 194), Brush::Solid(clBtnFace));
  surface.FillRect(Rect(368, 173, 433, 194), Brush::Solid(clBtnFace));
}

void RenderEditor(ostrak::gallery::Output& out, const char* flag, const QString& name) {
  using namespace ostrak;
  Surface surface(463, 587, ColorToRGB(clBtnFace), out.Scale());
  try {
    TPicture background;
    background.LoadFromFile(ProgramDirectory() + "Fondo6.jpg");
    background.StretchDraw(surface, Rect(0, 0, 463, 587));
    TPicture language;
    language.LoadFromFile(ProgramDirectory() + flag);
    language.Draw(surface, TPoint{417, -1}, Rect(417, -1, 462, 29));
  } catch (const Error& failure) {
    // A missing picture shows as the bare window, as in the editor.
    surface.SetTextColor(clRed);
    surface.ExtTextOut(4, 4, 0, nullptr, QString::fromStdString(failure.message()));
  }
  DrawSampleControls(surface);
  out.Save(surface, name);
}

}  // namespace

OSTRAK_GALLERY_PAGE(EditorPictures) {
  RenderEditor(out, "EnglishLang.jpg", "pictures-editor-spanish-settings");
  RenderEditor(out, "SPanishLang.jpg", "pictures-editor-english-settings");
}
