#include "ui/roster/SearchText.h"

#include <algorithm>
#include <array>
#include <utility>

namespace ostrak::roster {

namespace {

// Letters that decomposition leaves whole, in lower case.
constexpr std::array<std::pair<char16_t, const char*>, 13> kSpelt = {{
    {u'ø', "o"},
    {u'ł', "l"},
    {u'đ', "d"},
    {u'ð', "d"},
    {u'ħ', "h"},
    {u'ı', "i"},
    {u'ŀ', "l"},
    {u'ß', "ss"},
    {u'æ', "ae"},
    {u'œ', "oe"},
    {u'þ', "th"},
    {u'ŧ', "t"},
    {u'ĸ', "k"},
}};

bool Ascii(const QString& text) {
  for (QChar c : text) {
    if (c.unicode() >= 0x80) return false;
  }
  return true;
}

}  // namespace

std::string FoldForSearch(const QString& text) {
  std::string folded;
  folded.reserve(static_cast<std::size_t>(text.size()));
  if (Ascii(text)) {
    for (QChar c : text) {
      const char16_t u = c.unicode();
      folded += static_cast<char>(u >= 'A' && u <= 'Z' ? u + ('a' - 'A') : u);
    }
    return folded;
  }
  // Compatibility decomposition also splits ligatures and full-width forms.
  const QString decomposed = text.normalized(QString::NormalizationForm_KD).toCaseFolded();
  QString kept;
  kept.reserve(decomposed.size());
  for (QChar c : decomposed) {
    if (c.isMark()) continue;
    const char16_t u = c.toLower().unicode();
    const auto spelt =
        std::find_if(kSpelt.begin(), kSpelt.end(), [u](const auto& entry) { return entry.first == u; });
    if (spelt != kSpelt.end()) {
      kept += QLatin1String(spelt->second);
    } else {
      kept += QChar(u);
    }
  }
  return kept.toUtf8().toStdString();
}

}  // namespace ostrak::roster
