#pragma once

// The shared face cache of the self-drawn spin buttons. Buttons of the same
// size, style and glyph use share one entry with its six faces; the manager
// keeps the entries sorted by key and lives from the first spin button's
// construction to the last one's destruction.

#include <QImage>
#include <array>
#include <compare>
#include <memory>
#include <optional>
#include <vector>

#include "platform/Surface.h"

namespace ostrak {

enum class TSpinButtonStyle { sbsDefault, sbsClassic };
// The pressed half: none, up (1) or down (2).
enum class TSpinButtonState { sbNotDown = 0, sbTopDown = 1, sbBottomDown = 2 };

struct TSpinButtonKey {
  int width = 0;
  int height = 0;
  TSpinButtonStyle style = TSpinButtonStyle::sbsDefault;
  bool customGlyphs = false;
  friend auto operator<=>(const TSpinButtonKey&, const TSpinButtonKey&) = default;
};

class TSpinButtonBitmaps {
public:
  explicit TSpinButtonBitmaps(const TSpinButtonKey& key);
  TSpinButtonBitmaps(const TSpinButtonBitmaps&) = delete;
  TSpinButtonBitmaps& operator=(const TSpinButtonBitmaps&) = delete;

  const TSpinButtonKey& Key() const { return key_; }
  int ClientCount() const { return clients_; }
  void AddClient() { ++clients_; }
  void RemoveClient() { --clients_; }
  // Whether the faces were drawn with visual themes; never on this platform.
  bool Themed() const { return themed_; }

  // Asks for the faces to be drawn anew at the next Draw (system colours
  // changed).
  void Reset() { renderPending_ = true; }

  // Copies the face of the state to (0, 0); the faces are drawn anew when
  // the canvas has another scale than they have.
  void Draw(Surface& canvas, TSpinButtonState pressed, bool hotUp, bool hotDown, bool enabled);
  // Draws the custom glyphs over a face, each centred on its half and
  // transparent where it has its bottom-left pixel's colour; a pressed half
  // moves its glyph one pixel right and down.
  void DrawGlyphs(Surface& canvas, TSpinButtonState pressed, const QImage& up, const QImage& down) const;

private:
  enum Face { UpPressed, DownPressed, NonePressed, Disabled, UpHot, DownHot, FaceCount };

  void Render(int scale);
  void RenderFace(Surface& face, TSpinButtonState pressed, bool enabled) const;

  TSpinButtonKey key_;
  int clients_ = 0;
  bool themed_ = false;
  bool renderPending_ = true;
  int scale_ = 1;
  std::array<std::unique_ptr<Surface>, FaceCount> faces_;
};

class TSpinButtonBitmapsManager {
public:
  // Made by the first AddClient only.
  TSpinButtonBitmapsManager() = default;
  TSpinButtonBitmapsManager(const TSpinButtonBitmapsManager&) = delete;
  TSpinButtonBitmapsManager& operator=(const TSpinButtonBitmapsManager&) = delete;

  // The manager while any spin button lives; null otherwise.
  static TSpinButtonBitmapsManager* Instance();
  // A spin button registers at construction and unregisters at destruction;
  // the last one to go frees the manager and every entry.
  static void AddClient();
  static void RemoveClient();

  // The entry of the key, made and inserted in order when absent; the caller
  // becomes one of its clients.
  TSpinButtonBitmaps* Acquire(int width, int height, bool customGlyphs, TSpinButtonStyle style);
  // The entry goes when its last client releases it.
  void Release(TSpinButtonBitmaps* entry);

  int ClientCount() const { return clients_; }
  std::vector<TSpinButtonKey> Keys() const;

private:
  int clients_ = 0;
  std::vector<std::unique_ptr<TSpinButtonBitmaps>> entries_;  // sorted by key
};

}  // namespace ostrak
