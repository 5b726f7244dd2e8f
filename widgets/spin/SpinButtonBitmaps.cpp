#include "widgets/spin/SpinButtonBitmaps.h"

#include <algorithm>

#include "platform/SystemColors.h"
#include "widgets/spin/SpinButtonFaces.h"

namespace ostrak {

TSpinButtonBitmaps::TSpinButtonBitmaps(const TSpinButtonKey& key) : key_(key) {}

// Visual styles are not active on this platform: the faces are always drawn
// with plain edges.
void TSpinButtonBitmaps::Render(int scale) {
  themed_ = false;
  scale_ = scale;
  const int width = std::max(key_.width, 0);
  const int height = std::max(key_.height, 0);
  struct FaceState {
    Face face;
    TSpinButtonState pressed;
    bool enabled;
  };
  static constexpr FaceState kStates[] = {
      {UpPressed, TSpinButtonState::sbTopDown, true},   {DownPressed, TSpinButtonState::sbBottomDown, true},
      {NonePressed, TSpinButtonState::sbNotDown, true}, {Disabled, TSpinButtonState::sbNotDown, false},
      {UpHot, TSpinButtonState::sbNotDown, true},       {DownHot, TSpinButtonState::sbNotDown, true},
  };
  for (const FaceState& state : kStates) {
    auto face = std::make_unique<Surface>(width, height, GetSysColor(COLOR_BTNFACE), scale);
    RenderFace(*face, state.pressed, state.enabled);
    faces_[state.face] = std::move(face);
  }
  renderPending_ = false;
}

void TSpinButtonBitmaps::RenderFace(Surface& face, TSpinButtonState pressed, bool enabled) const {
  const SpinFaceArrows arrows = key_.customGlyphs ? SpinFaceArrows::None : SpinFaceArrows::Standard;
  if (key_.style == TSpinButtonStyle::sbsClassic) {
    DrawClassicSpinFace(face, pressed, enabled, arrows);
  } else {
    DrawDiagonalSpinFace(face, pressed, enabled, arrows);
  }
}

void TSpinButtonBitmaps::Draw(Surface& canvas, TSpinButtonState pressed, bool hotUp, bool hotDown,
                              bool enabled) {
  if (renderPending_ || scale_ != canvas.Scale()) Render(canvas.Scale());
  Face face = NonePressed;
  if (!enabled) {
    face = Disabled;
  } else if (pressed == TSpinButtonState::sbTopDown) {
    face = UpPressed;
  } else if (pressed == TSpinButtonState::sbBottomDown) {
    face = DownPressed;
  } else if (themed_ && hotUp) {
    face = UpHot;
  } else if (themed_ && hotDown) {
    face = DownHot;
  }
  const Surface& source = *faces_[face];
  canvas.BitBlt(0, 0, source.Width(), source.Height(), source, 0, 0);
}

void TSpinButtonBitmaps::DrawGlyphs(Surface& canvas, TSpinButtonState pressed, const QImage& up,
                                    const QImage& down) const {
  const auto draw = [&](const QImage& glyph, TPoint centre, bool isPressed) {
    if (glyph.isNull()) return;
    QImage copy = glyph.convertToFormat(QImage::Format_ARGB32);
    Surface source(&copy);
    const TColor transparent = source.Pixel(0, source.Height() - 1);
    const int shift = isPressed ? 1 : 0;
    canvas.TransparentBlt(centre.x - source.Width() / 2 + shift, centre.y - source.Height() / 2 + shift,
                          source.Width(), source.Height(), source, 0, 0, transparent);
  };
  const SpinFaceCentres centres = SpinFaceArrowCentres(key_.width, key_.height, key_.style);
  draw(up, centres.up, pressed == TSpinButtonState::sbTopDown);
  draw(down, centres.down, pressed == TSpinButtonState::sbBottomDown);
}

namespace {

std::unique_ptr<TSpinButtonBitmapsManager>& TheManager() {
  static std::unique_ptr<TSpinButtonBitmapsManager> manager;
  return manager;
}

}  // namespace

TSpinButtonBitmapsManager* TSpinButtonBitmapsManager::Instance() { return TheManager().get(); }

void TSpinButtonBitmapsManager::AddClient() {
  if (!TheManager()) TheManager() = std::make_unique<TSpinButtonBitmapsManager>();
  ++TheManager()->clients_;
}

void TSpinButtonBitmapsManager::RemoveClient() {
  if (!TheManager()) return;
  if (--TheManager()->clients_ <= 0) TheManager().reset();
}

TSpinButtonBitmaps* TSpinButtonBitmapsManager::Acquire(int width, int height, bool customGlyphs,
                                                       TSpinButtonStyle style) {
  const TSpinButtonKey key{width, height, style, customGlyphs};
  auto at = std::lower_bound(entries_.begin(), entries_.end(), key,
                             [](const std::unique_ptr<TSpinButtonBitmaps>& entry, const TSpinButtonKey& k) {
                               return entry->Key() < k;
                             });
  if (at == entries_.end() || (*at)->Key() != key) {
    at = entries_.insert(at, std::make_unique<TSpinButtonBitmaps>(key));
  }
  (*at)->AddClient();
  return at->get();
}

void TSpinButtonBitmapsManager::Release(TSpinButtonBitmaps* entry) {
  const auto at =
      std::find_if(entries_.begin(), entries_.end(),
                   [entry](const std::unique_ptr<TSpinButtonBitmaps>& e) { return e.get() == entry; });
  if (at == entries_.end()) return;
  (*at)->RemoveClient();
  if ((*at)->ClientCount() <= 0) entries_.erase(at);
}

std::vector<TSpinButtonKey> TSpinButtonBitmapsManager::Keys() const {
  std::vector<TSpinButtonKey> keys;
  for (const auto& entry : entries_) keys.push_back(entry->Key());
  return keys;
}

}  // namespace ostrak
