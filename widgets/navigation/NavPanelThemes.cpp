#include "widgets/navigation/NavPanelThemes.h"

#include <array>

namespace ostrak {

namespace {

// Columns in theme order; rows in the colour set's stored order.
const std::array<TNavPanelThemeValues, 4> kThemes{{
    {// nptStandard
     {clWhite, 0x00BDBEBD, 0x00C68284, 0x00C68284, 0x00DECFCE, 0x00DECFCE, clGray, 0x00C6C3C6, 0x008C8E8C,
      0x00EFF3EF, 0x00C6C3C6, 0x00848284, 0x00848284, 0x00848484, clWindow, clWindow, clWhite, 0x00BDBEBD},
     clWindow,
     clWindowText,
     clWindow,
     clWindowText},
    {// nptXPBlue
     {0x00F7E2CD, 0x00F3A080, 0x00DBFBFF, 0x005FC8FB, 0x00BBE2EA, 0x00389FDD, 0x002D9600, 0x00B78676,
      0x00A03D09, 0x00FFDBBC, 0x00F2C0A4, 0x00D0835C, 0x00903B09, 0x006F2F0C, clWindow, clWindow, 0x00F7E2CD,
      0x00F3A080},
     clWindow,
     clWindowText,
     clWindowText,
     clWindowText},
    {// nptXPSilver
     {0x00F4E2E1, 0x00B09494, 0x00DBFBFF, 0x005FC8FB, 0x00BBE2EA, 0x00389FDD, 0x00947C7C, 0x00B8ABA9,
      0x0081767E, 0x00F8F3F4, 0x00EADADB, 0x00BAA8BA, 0x00917275, 0x00527D92, clWindow, clWindow, 0x00F4E2E1,
      0x00B09494},
     clWindow,
     clWindowText,
     clWindowText,
     clWindowText},
    {// nptXPOlive
     {0x00D6F3E3, 0x0093BFB2, 0x00DBFBFF, 0x005FC8FB, 0x00BBE2EA, 0x00389FDD, 0x00588060, 0x00758D81,
      0x003A584D, 0x00D2F4EE, 0x00B5DFD8, 0x0094BFB4, 0x00427665, 0x005A7972, clWindow, clWindow, 0x00D6F3E3,
      0x0093BFB2},
     clWindow,
     clWindowText,
     clWindowText,
     clWindowText},
}};

}  // namespace

const TNavPanelThemeValues* BuiltInTheme(TNavPanelTheme theme) {
  const auto index = static_cast<std::size_t>(theme);
  return index < kThemes.size() ? &kThemes[index] : nullptr;
}

}  // namespace ostrak
