#include "widgets/navigation/TrackFont.h"

namespace ostrak {

void FollowFont(TFont& trackFont, const TFont& font, TTrackFontOptions options) {
  using enum TTrackFontOption;
  if (!options.Contains(hoFollowFont)) return;
  if (!options.Contains(hoPreserveCharSet)) trackFont.SetCharset(font.Charset());
  if (!options.Contains(hoPreserveColor)) trackFont.SetColor(font.Color());
  if (!options.Contains(hoPreserveHeight)) trackFont.SetHeight(font.Height());
  if (!options.Contains(hoPreserveName)) trackFont.SetName(font.Name());
  if (!options.Contains(hoPreservePitch)) trackFont.SetPitch(font.Pitch());
  if (!options.Contains(hoPreserveStyle)) trackFont.SetStyle(font.Style());
}

}  // namespace ostrak
