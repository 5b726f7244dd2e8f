#include "roster/SearchText.h"

#include <algorithm>
#include <array>
#include <string_view>
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

// The general rule, for any text.
QString FoldSlowly(const QString& text) {
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
  return kept;
}

// The letters of most names, from Latin-1 and Latin Extended-A, each worked
// out once by the general rule: a roster is folded letter by letter.
constexpr char16_t kTableEnd = 0x180;

const std::array<std::string, kTableEnd>& FoldedLetters() {
  static const std::array<std::string, kTableEnd> table = [] {
    std::array<std::string, kTableEnd> made;
    for (char16_t u = 0; u < kTableEnd; ++u) made[u] = FoldSlowly(QString(QChar(u))).toUtf8().toStdString();
    return made;
  }();
  return table;
}

}  // namespace

std::string FoldForSearch(const QString& text) {
  const bool common = std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < kTableEnd; });
  if (!common) return FoldSlowly(text).toUtf8().toStdString();
  const auto& letters = FoldedLetters();
  std::string folded;
  folded.reserve(static_cast<std::size_t>(text.size()));
  for (QChar c : text) {
    const char16_t u = c.unicode();
    if (u < 0x80) {
      folded += static_cast<char>(u >= 'A' && u <= 'Z' ? u + ('a' - 'A') : u);
    } else {
      folded += letters[u];
    }
  }
  return folded;
}

}  // namespace ostrak::roster
