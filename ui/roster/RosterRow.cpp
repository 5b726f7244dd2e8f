#include "ui/roster/RosterRow.h"

#include <QCoreApplication>
#include <QFile>

#include "core/Errors.h"
#include "platform/AnsiText.h"
#include "record/AnsiText.h"
#include "record/LoadOrder.h"
#include "roster/Roster.h"
#include "roster/SearchText.h"
#include "roster/Utf8Text.h"

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

}  // namespace

QString RosterRow::FileText() const { return QFile::decodeName(QByteArray::fromStdString(file)); }

QCollator RosterCollator() {
  QCollator collator;
  collator.setNumericMode(true);
  return collator;
}

RosterRow ReadRosterRow(const std::string& folder, const std::string& relative, const QCollator& collator,
                        std::optional<QCollatorSortKey> fileKey) {
  const FighterCheck check = CheckFighterFile(folder + relative);
  RosterRow row;
  row.file = relative;
  const TStringList& lines = check.lines;
  row.fullName = LineText(lines, FighterField::FullName);
  row.commonName = LineText(lines, FighterField::ShortName);
  row.nationality = LineText(lines, FighterField::Nationality);
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
  if (!IsUtf8(folder + relative)) {
    // The editor opens files by names Qt can carry, which are UTF-8: a file
    // it would fail to open must not look like one it can.
    row.problem = QCoreApplication::translate(
        "ostrak::roster::RosterRow",
        "Its name is not UTF-8, which the editor cannot open: rename the file to open it");
    row.problemKey = collator.sortKey(row.problem);
  } else if (check.verdict == Verdict::Loads && check.ratings) {
    const auto ratings = check.ratings->InBarOrder();
    for (int i = 0; i < kRatingCount; ++i) row.ratings[i] = static_cast<std::int8_t>(ratings[i]);
  } else {
    row.problem = MessageToQString(check.Message());
    row.problemKey = collator.sortKey(row.problem);
  }

  const QString file = row.FileText();
  const QString texts[] = {file, row.fullName, row.commonName, row.nationality};
  row.textKeys[0] = fileKey ? std::move(fileKey) : collator.sortKey(file);
  for (std::size_t i = 0; i < row.textKeys.size(); ++i) {
    if (i > 0) row.textKeys[i] = collator.sortKey(texts[i]);
    if (i > 0) row.searchKey += '\n';
    row.searchKey += FoldForSearch(texts[i]);
  }
  return row;
}

}  // namespace ostrak::roster
