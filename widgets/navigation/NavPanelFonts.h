#pragma once

// TNavPanelFonts: the fonts of a navigation pane's parts. Any attribute change
// of any of the four owned fonts, and a change of the options, fires OnChange.

#include <functional>

#include "core/Persistent.h"
#include "platform/Font.h"
#include "widgets/navigation/TrackFont.h"

namespace ostrak {

class TNavPanelFonts : public TPersistent {
public:
  TNavPanelFonts();
  TNavPanelFonts(const TNavPanelFonts&) = delete;
  TNavPanelFonts& operator=(const TNavPanelFonts&) = delete;
  ~TNavPanelFonts() override;

  std::string ClassName() const override { return "TNavPanelFonts"; }

  // The setters copy the given font's attributes into the owned font.
  const TFont& HeaderFont() const { return headerFont_; }
  TFont& HeaderFont() { return headerFont_; }
  void SetHeaderFont(const TFont& font) { headerFont_.Assign(font); }
  const TFont& NavPanelFont() const { return navPanelFont_; }
  TFont& NavPanelFont() { return navPanelFont_; }
  void SetNavPanelFont(const TFont& font) { navPanelFont_.Assign(font); }
  const TFont& DividerFont() const { return dividerFont_; }
  TFont& DividerFont() { return dividerFont_; }
  void SetDividerFont(const TFont& font) { dividerFont_.Assign(font); }
  const TFont& NavPanelHotTrackFont() const { return navPanelHotTrackFont_; }
  TFont& NavPanelHotTrackFont() { return navPanelHotTrackFont_; }
  void SetNavPanelHotTrackFont(const TFont& font) { navPanelHotTrackFont_.Assign(font); }

  TTrackFontOptions NavPanelHotTrackFontOptions() const { return navPanelHotTrackFontOptions_; }
  void SetNavPanelHotTrackFontOptions(TTrackFontOptions options);

  // Copies NavPanelFont, DividerFont and HeaderFont, in that order, each
  // firing OnChange when it differed; the hot-track font and options stay.
  void Assign(const TPersistent& source) override;

  std::function<void(TNavPanelFonts&)> OnChange;

private:
  void Changed();

  TFont headerFont_;
  TFont navPanelFont_;
  TFont dividerFont_;
  TFont navPanelHotTrackFont_;
  TTrackFontOptions navPanelHotTrackFontOptions_ = kDefaultTrackFontOptions;
};

}  // namespace ostrak
