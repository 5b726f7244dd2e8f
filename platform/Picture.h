#pragma once

// TPicture: holds one graphic of whichever kind its file's extension names,
// and draws it on a surface.
// Kinds by extension, compared without regard to ASCII case: "jpg" and "jpeg"
// JPEG, "bmp" bitmap, "ico" icon, "wmf" and "emf" metafile (no decoder here:
// refused with a picture error). Any other extension fails with
// "Unknown picture file extension (.%s)" before the file is touched.
// A load that fails leaves the previous graphic in place.

#include <functional>
#include <memory>
#include <string>

#include "platform/Geometry.h"
#include "platform/Graphic.h"

namespace ostrak {

class Surface;

enum class PictureFormat { Jpeg, Bitmap, Icon, Metafile };

// The extension after the last '.' of the file name's last component, as
// written ("" when there is none).
std::string PictureExtension(const std::string& fileName);

// The kind the file name's extension selects; fails with PictureError for an
// unknown extension.
PictureFormat PictureFormatOf(const std::string& fileName);

class TPicture {
public:
  TPicture();
  ~TPicture();
  TPicture(const TPicture&) = delete;
  TPicture& operator=(const TPicture&) = delete;

  // Replaces the graphic by the file's, then raises OnChange. Failures:
  // PictureError (extension, metafile, invalid bitmap or icon), FileOpenError,
  // JpegError (while the header is read).
  void LoadFromFile(const std::string& fileName);

  // Null when nothing was loaded yet.
  TGraphic* Graphic() const { return graphic_.get(); }
  bool Empty() const { return graphic_ == nullptr; }
  int Width() const { return graphic_ ? graphic_->Width() : 0; }
  int Height() const { return graphic_ ? graphic_->Height() : 0; }

  // Stretches the graphic over `rect`, nearest pixel, no smoothing at scale 1.
  void StretchDraw(Surface& surface, const TRect& rect);
  // Draws the graphic at its own size with its top-left corner at `origin`,
  // touching nothing outside `clip`.
  void Draw(Surface& surface, TPoint origin, const TRect& clip);
  // Both draw nothing when empty; a JPEG decodes on its first draw and its
  // failure (JpegError) reaches the caller. On a surface of a finer scale
  // both fill the device's pixels from the graphic's own, smoothly: a
  // photograph is not ours to enlarge in blocks.

  std::function<void(TPicture&)> OnChange;

private:
  std::unique_ptr<TGraphic> graphic_;
};

}  // namespace ostrak
