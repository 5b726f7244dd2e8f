#include "ui/roster/RowWarnings.h"

#include <QCoreApplication>
#include <QStringList>

namespace ostrak::roster {

namespace {

QString Utf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString WarningText(const FileWarning& warning) {
  const QString column = Utf8(warning.column);
  const QString value = Utf8(warning.value);
  switch (warning.kind) {
    case WarningKind::AttributeOutsideRange:
      return QCoreApplication::translate("ostrak::roster::RowWarnings",
                                         "%1 is %2, outside 1..20: the editor shows %3")
          .arg(column, value)
          .arg(warning.shown);
    case WarningKind::NoWeightClass:
      return QCoreApplication::translate("ostrak::roster::RowWarnings",
                                         "%1 '%2' is no weight class: the editor shows none")
          .arg(column, value);
    case WarningKind::NoGamePlan:
      return QCoreApplication::translate("ostrak::roster::RowWarnings",
                                         "%1 '%2' is no game plan: the editor shows none")
          .arg(column, value);
    case WarningKind::EmptyFullName:
    case WarningKind::EmptySherdogId:
      return QCoreApplication::translate("ostrak::roster::RowWarnings",
                                         "%1 is empty: the editor saves no fighter without it")
          .arg(column);
    case WarningKind::Utf8AsWindows1252:
      return QCoreApplication::translate("ostrak::roster::RowWarnings",
                                         "%1 '%2' looks like UTF-8 read as Windows-1252 ('%3')")
          .arg(column, value, Utf8(warning.meant));
  }
  return {};
}

}  // namespace

QString WarningsText(const std::vector<FileWarning>& warnings) {
  QStringList texts;
  for (const FileWarning& warning : warnings) texts << WarningText(warning);
  return texts.join(QStringLiteral("; "));
}

QString ExplanationText(const FailureExplanation& explanation) {
  switch (explanation.kind) {
    case FailureKind::FileEnds:
      return QCoreApplication::translate("ostrak::roster::RowWarnings",
                                         "the file ends after line %1; a fighter file has 28 lines")
          .arg(explanation.lines);
    case FailureKind::NotANumber:
      if (!explanation.column.empty()) {
        return QCoreApplication::translate("ostrak::roster::RowWarnings",
                                           "%1 holds '%2', where the editor reads a whole number")
            .arg(Utf8(explanation.column), Utf8(explanation.text));
      }
      return QCoreApplication::translate("ostrak::roster::RowWarnings",
                                         "'%1' stands where the editor reads a whole number")
          .arg(Utf8(explanation.text));
    case FailureKind::Missing:
      return QCoreApplication::translate("ostrak::roster::RowWarnings", "the file is not there any more");
    case FailureKind::NotAllowed:
      return QCoreApplication::translate("ostrak::roster::RowWarnings", "you may not read this file");
    case FailureKind::TooLarge:
      return QCoreApplication::translate("ostrak::roster::RowWarnings",
                                         "the file is larger than the editor loads");
    case FailureKind::Folder:
      return QCoreApplication::translate("ostrak::roster::RowWarnings", "this is a folder, not a file");
    case FailureKind::Unreadable:
      return QCoreApplication::translate("ostrak::roster::RowWarnings", "the file cannot be read: %1")
          .arg(Utf8(explanation.text));
    case FailureKind::Other:
      break;
  }
  return {};
}

}  // namespace ostrak::roster
