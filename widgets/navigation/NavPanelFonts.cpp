#include "widgets/navigation/NavPanelFonts.h"

#include "platform/IconTitleFont.h"

namespace ostrak {

TNavPanelFonts::TNavPanelFonts()
    : headerFont_(QStringLiteral("Arial"), 0, TFontStyle::fsBold, clWhite),
      navPanelFont_(IconTitleFont()),
      dividerFont_(IconTitleFont()) {
  headerFont_.SetSize(12);
  navPanelFont_.SetStyle(navPanelFont_.Style() | TFontStyle::fsBold);
  navPanelHotTrackFont_ = navPanelFont_;
  for (TFont* font : {&headerFont_, &navPanelFont_, &dividerFont_, &navPanelHotTrackFont_}) {
    font->OnChange = [this](TFont&) { Changed(); };
  }
}

TNavPanelFonts::~TNavPanelFonts() {
  for (TFont* font : {&headerFont_, &navPanelFont_, &dividerFont_, &navPanelHotTrackFont_}) {
    font->OnChange = nullptr;
  }
}

void TNavPanelFonts::SetNavPanelHotTrackFontOptions(TTrackFontOptions options) {
  if (options == navPanelHotTrackFontOptions_) return;
  navPanelHotTrackFontOptions_ = options;
  Changed();
}

void TNavPanelFonts::Assign(const TPersistent& source) {
  if (&source == this) return;
  if (const auto* fonts = dynamic_cast<const TNavPanelFonts*>(&source)) {
    navPanelFont_.Assign(fonts->navPanelFont_);
    dividerFont_.Assign(fonts->dividerFont_);
    headerFont_.Assign(fonts->headerFont_);
    return;
  }
  TPersistent::Assign(source);
}

void TNavPanelFonts::Changed() {
  if (OnChange) OnChange(*this);
}

}  // namespace ostrak
