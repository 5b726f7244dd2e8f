#include "widgets/navigation/NavPanelColors.h"

namespace ostrak {

const TNavPanelColors::Values& TNavPanelColors::Defaults() {
  static const Values defaults{
      0x00F7E2CD,  // ButtonColorFrom
      0x00F3A080,  // ButtonColorTo
      0x00DBFBFF,  // ButtonHotColorFrom
      0x005FC8FB,  // ButtonHotColorTo
      0x00BBE2EA,  // ButtonSelectedColorFrom
      0x00389FDD,  // ButtonSelectedColorTo
      clGray,      // ButtonSeparatorColor
      0x00B78676,  // SplitterColorFrom
      0x00A03D09,  // SplitterColorTo
      0x00FFDBBC,  // DividerColorFrom
      0x00F2C0A4,  // DividerColorTo
      0x00D0835C,  // HeaderColorFrom
      0x00903B09,  // HeaderColorTo
      0x006F2F0C,  // FrameColor
      clWindow,    // ToolPanelColorFrom
      clWindow,    // ToolPanelColorTo
      0x00F7E2CD,  // ToolPanelHeaderColorFrom
      0x00F3A080,  // ToolPanelHeaderColorTo
  };
  return defaults;
}

TNavPanelColors::TNavPanelColors() : values_(Defaults()) {}

void TNavPanelColors::Set(TNavPanelColor which, TColor color) {
  TColor& slot = values_[Index(which)];
  if (slot == color) return;
  slot = color;
  Changed();
}

void TNavPanelColors::Assign(const TPersistent& source) {
  if (&source == this) return;
  if (const auto* colors = dynamic_cast<const TNavPanelColors*>(&source)) {
    values_ = colors->values_;
    Changed();
    return;
  }
  TPersistent::Assign(source);
}

void TNavPanelColors::Changed() {
  if (OnChange) OnChange(*this);
}

}  // namespace ostrak
