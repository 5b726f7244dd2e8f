#include "ui/roster/RosterRow.h"

#include <QCoreApplication>
#include <QFile>

#include <array>

#include "core/Errors.h"
#include "core/FileAccess.h"
#include "platform/AnsiText.h"
#include "record/AnsiText.h"
#include "record/LoadOrder.h"
#include "record/Ratings.h"
#include "roster/FileWarnings.h"
#include "roster/LoadedFighter.h"
#include "roster/Roster.h"
#include "roster/SearchText.h"
#include "roster/Utf8Text.h"
#include "ui/roster/RowWarnings.h"

namespace ostrak::roster {

namespace {

QString LineText(const TStringList& lines, FighterField field) {
  const int line = LineOf(field);
  return line < lines.Count() ? AnsiToQString(lines.Get(line)) : QString();
}

// The item a list shows after the load, read the way the load reads it.
std::int8_t ItemIndex(const TStringList& lines, FighterField field) {
  for (const LoadStep& step : LoadOrder()) {
    if (step.target != field) continue;
    try {
      return static_cast<std::int8_t>(step.Number(lines));
    } catch (const Error&) {
      return static_cast<std::int8_t>(kNoSelection);
    }
  }
  return static_cast<std::int8_t>(kNoSelection);
}

// "31/01/1990", "31-1-1990" or "31.01.1990" as 19900131; anything else -1.
std::int32_t BirthKey(const QString& text) {
  std::array<int, 3> parts{};
  std::size_t part = 0;
  int digits = 0;
  const QString trimmed = text.trimmed();
  for (const QChar c : trimmed) {
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9') && digits < 4) {
      parts[part] = parts[part] * 10 + (c.unicode() - '0');
      ++digits;
    } else if ((c == QLatin1Char('/') || c == QLatin1Char('.') || c == QLatin1Char('-')) && digits > 0 &&
               digits <= 2 && part < 2) {
      ++part;
      digits = 0;
    } else {
      return -1;
    }
  }
  const auto [day, month, year] = parts;
  if (part != 2 || digits != 4 || day < 1 || day > 31 || month < 1 || month > 12) return -1;
  return year * 10000 + month * 100 + day;
}

// The file loaded as CheckFighterFile loads it, from bytes read once, so the
// row can keep their digest.
LoadedFighter LoadFile(const std::string& path, std::optional<std::uint64_t>& digest) {
  std::string bytes;
  try {
    bytes = ReadWholeFile(path);
  } catch (const Error& failure) {
    LoadedFighter unread;
    unread.failure = failure.message();
    return unread;
  }
  digest = DigestOf(bytes);
  TStringList lines;
  lines.SetText(bytes);
  return LoadLinesLikeTheEditor(std::move(lines));
}

}  // namespace

std::uint64_t DigestOf(std::string_view bytes) {
  // FNV-1a: a change the user did not see is told apart, not an attack.
  std::uint64_t hash = 14695981039346656037ull;
  for (const char c : bytes) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ull;
  }
  return hash ^ bytes.size();
}

QString RosterRow::Text(TextColumn column) const {
  switch (column) {
    case TextColumn::File:
      return FileText();
    case TextColumn::FullName:
      return fullName;
    case TextColumn::CommonName:
      return commonName;
    case TextColumn::Nationality:
      return nationality;
    case TextColumn::Height:
      return height;
    case TextColumn::Weight:
      return weight;
    case TextColumn::DateOfBirth:
      return dateOfBirth;
    case TextColumn::SherdogId:
      return sherdogId;
    case TextColumn::Warnings:
      return warnings;
    case TextColumn::Count:
      break;
  }
  return {};
}

QString RosterRow::FileText() const { return QFile::decodeName(QByteArray::fromStdString(file)); }

QCollator RosterCollator() {
  QCollator collator;
  collator.setNumericMode(true);
  return collator;
}

RosterRow ReadRosterRow(const std::string& folder, const std::string& relative, const QCollator& collator,
                        std::optional<QCollatorSortKey> fileKey) {
  RosterRow row;
  const LoadedFighter loaded = LoadFile(folder + relative, row.digest);
  row.file = relative;
  const TStringList& lines = loaded.fileLines;
  row.fullName = LineText(lines, FighterField::FullName);
  row.commonName = LineText(lines, FighterField::ShortName);
  row.nationality = LineText(lines, FighterField::Nationality);
  row.height = LineText(lines, FighterField::Height);
  row.weight = LineText(lines, FighterField::Weight);
  row.dateOfBirth = LineText(lines, FighterField::DateOfBirth);
  row.sherdogId = LineText(lines, FighterField::SherdogId);
  row.birthKey = BirthKey(row.dateOfBirth);
  row.weightClass = ItemIndex(lines, FighterField::WeightClass);
  row.gamePlan = ItemIndex(lines, FighterField::GamePlan);
  const auto utf8 = [&](FighterField field) {
    const int line = LineOf(field);
    return line < lines.Count() ? Utf8FromFileText(lines.Get(line)) : std::string();
  };
  row.identity = {utf8(FighterField::SherdogId), utf8(FighterField::FullName),
                  utf8(FighterField::DateOfBirth)};
  row.idKey = TrimmedId(row.identity.sherdogId);
  if (std::string name = NameKey(row.identity.fullName), born = TrimmedId(row.identity.dateOfBirth);
      !name.empty() && !born.empty()) {
    row.nameAndBirthKey = std::move(name) + '\0' + born;
  }
  row.attributes.fill(-1);
  if (!IsUtf8(folder + relative)) {
    // The editor opens files by names Qt can carry, which are UTF-8: a file
    // it would fail to open must not look like one it can.
    row.problem = QCoreApplication::translate(
        "ostrak::roster::RosterRow",
        "Its name is not UTF-8, which the editor cannot open: rename the file to open it");
    row.problemKey = collator.sortKey(row.problem);
  } else if (!loaded.failure) {
    const auto ratings = EvaluateRatings(loaded.form.Attributes()).InBarOrder();
    for (int i = 0; i < kRatingCount; ++i) row.ratings[i] = static_cast<std::int8_t>(ratings[i]);
    for (std::size_t i = 0; i < kAttributeCount; ++i) {
      row.attributes[i] = static_cast<std::int8_t>(loaded.form.Attribute(kAttributeFields[i]));
    }
    row.warnings = WarningsText(WarningsOf(lines));
  } else {
    row.problem = MessageToQString(*loaded.failure);
    row.explanation = ExplanationText(ExplainFailure(*loaded.failure, &lines));
    row.problemKey = collator.sortKey(row.problem);
  }

  row.textKeys[0] = fileKey ? std::move(fileKey) : collator.sortKey(row.FileText());
  for (std::size_t i = 0; i < row.textKeys.size(); ++i) {
    const QString text = row.Text(static_cast<TextColumn>(i));
    if (i > 0) row.textKeys[i] = collator.sortKey(text);
    // The filter looks in the file, the names and the nationality.
    if (i > static_cast<std::size_t>(TextColumn::Nationality)) continue;
    if (i > 0) row.searchKey += '\n';
    row.searchKey += FoldForSearch(text);
  }
  return row;
}

}  // namespace ostrak::roster
