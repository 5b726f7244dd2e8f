#pragma once

// TNavPanelColors: the eighteen colours of a navigation pane's parts, of which
// the navigation button uses the seven Button* ones. Colours are stored as
// given (system colours stay symbolic until drawing).

#include <array>
#include <cstdint>
#include <functional>

#include "core/Colors.h"
#include "core/Persistent.h"

namespace ostrak {

// In the order the colours are stored in a form.
enum class TNavPanelColor : std::uint8_t {
  ButtonColorFrom,
  ButtonColorTo,
  ButtonHotColorFrom,
  ButtonHotColorTo,
  ButtonSelectedColorFrom,
  ButtonSelectedColorTo,
  ButtonSeparatorColor,
  SplitterColorFrom,
  SplitterColorTo,
  DividerColorFrom,
  DividerColorTo,
  HeaderColorFrom,
  HeaderColorTo,
  FrameColor,
  ToolPanelColorFrom,
  ToolPanelColorTo,
  ToolPanelHeaderColorFrom,
  ToolPanelHeaderColorTo,
};

class TNavPanelColors : public TPersistent {
public:
  static constexpr int kCount = 18;
  using Values = std::array<TColor, kCount>;

  // The stand-alone defaults: the blue theme with a grey separator.
  static const Values& Defaults();

  TNavPanelColors();
  TNavPanelColors(const TNavPanelColors&) = delete;
  TNavPanelColors& operator=(const TNavPanelColors&) = delete;

  std::string ClassName() const override { return "TNavPanelColors"; }

  TColor Get(TNavPanelColor which) const { return values_[Index(which)]; }
  // A different value is stored, then OnChange fires; an equal one does nothing.
  void Set(TNavPanelColor which, TColor color);
  const Values& All() const { return values_; }

  // Copies all eighteen colours and fires OnChange once, even when nothing
  // differed; assigning the set to itself does nothing. Any other source
  // fails with an assignment error.
  void Assign(const TPersistent& source) override;
  // Stores all eighteen values without firing OnChange (themes applied by a
  // style manager whose notifications are detached).
  void SetAllSilently(const Values& values) { values_ = values; }

  TColor ButtonColorFrom() const { return Get(TNavPanelColor::ButtonColorFrom); }
  void SetButtonColorFrom(TColor c) { Set(TNavPanelColor::ButtonColorFrom, c); }
  TColor ButtonColorTo() const { return Get(TNavPanelColor::ButtonColorTo); }
  void SetButtonColorTo(TColor c) { Set(TNavPanelColor::ButtonColorTo, c); }
  TColor ButtonHotColorFrom() const { return Get(TNavPanelColor::ButtonHotColorFrom); }
  void SetButtonHotColorFrom(TColor c) { Set(TNavPanelColor::ButtonHotColorFrom, c); }
  TColor ButtonHotColorTo() const { return Get(TNavPanelColor::ButtonHotColorTo); }
  void SetButtonHotColorTo(TColor c) { Set(TNavPanelColor::ButtonHotColorTo, c); }
  TColor ButtonSelectedColorFrom() const { return Get(TNavPanelColor::ButtonSelectedColorFrom); }
  void SetButtonSelectedColorFrom(TColor c) { Set(TNavPanelColor::ButtonSelectedColorFrom, c); }
  TColor ButtonSelectedColorTo() const { return Get(TNavPanelColor::ButtonSelectedColorTo); }
  void SetButtonSelectedColorTo(TColor c) { Set(TNavPanelColor::ButtonSelectedColorTo, c); }
  TColor ButtonSeparatorColor() const { return Get(TNavPanelColor::ButtonSeparatorColor); }
  void SetButtonSeparatorColor(TColor c) { Set(TNavPanelColor::ButtonSeparatorColor, c); }
  TColor SplitterColorFrom() const { return Get(TNavPanelColor::SplitterColorFrom); }
  void SetSplitterColorFrom(TColor c) { Set(TNavPanelColor::SplitterColorFrom, c); }
  TColor SplitterColorTo() const { return Get(TNavPanelColor::SplitterColorTo); }
  void SetSplitterColorTo(TColor c) { Set(TNavPanelColor::SplitterColorTo, c); }
  TColor DividerColorFrom() const { return Get(TNavPanelColor::DividerColorFrom); }
  void SetDividerColorFrom(TColor c) { Set(TNavPanelColor::DividerColorFrom, c); }
  TColor DividerColorTo() const { return Get(TNavPanelColor::DividerColorTo); }
  void SetDividerColorTo(TColor c) { Set(TNavPanelColor::DividerColorTo, c); }
  TColor HeaderColorFrom() const { return Get(TNavPanelColor::HeaderColorFrom); }
  void SetHeaderColorFrom(TColor c) { Set(TNavPanelColor::HeaderColorFrom, c); }
  TColor HeaderColorTo() const { return Get(TNavPanelColor::HeaderColorTo); }
  void SetHeaderColorTo(TColor c) { Set(TNavPanelColor::HeaderColorTo, c); }
  TColor FrameColor() const { return Get(TNavPanelColor::FrameColor); }
  void SetFrameColor(TColor c) { Set(TNavPanelColor::FrameColor, c); }
  TColor ToolPanelColorFrom() const { return Get(TNavPanelColor::ToolPanelColorFrom); }
  void SetToolPanelColorFrom(TColor c) { Set(TNavPanelColor::ToolPanelColorFrom, c); }
  TColor ToolPanelColorTo() const { return Get(TNavPanelColor::ToolPanelColorTo); }
  void SetToolPanelColorTo(TColor c) { Set(TNavPanelColor::ToolPanelColorTo, c); }
  TColor ToolPanelHeaderColorFrom() const { return Get(TNavPanelColor::ToolPanelHeaderColorFrom); }
  void SetToolPanelHeaderColorFrom(TColor c) { Set(TNavPanelColor::ToolPanelHeaderColorFrom, c); }
  TColor ToolPanelHeaderColorTo() const { return Get(TNavPanelColor::ToolPanelHeaderColorTo); }
  void SetToolPanelHeaderColorTo(TColor c) { Set(TNavPanelColor::ToolPanelHeaderColorTo, c); }

  std::function<void(TNavPanelColors&)> OnChange;

private:
  static constexpr std::size_t Index(TNavPanelColor which) { return static_cast<std::size_t>(which); }
  void Changed();

  Values values_;
};

}  // namespace ostrak
