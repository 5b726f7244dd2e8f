#include "ui/roster/EngineMessages.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <vector>

#include "platform/AnsiText.h"

namespace ostrak::roster {

namespace {

// One line per message the engine builds; a new message is one more line
// here and its translation in the .ts file.
constexpr EngineMessageTemplate kTemplates[] = {
    // A cell's value against the editor's limits.
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "is empty: the editor saves no fighter without it")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages",
                       "'%1' is outside 1..20: the editor would make it %2")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages",
                       "'%1' selects no game plan: the editor saves no fighter without one")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages",
                       "'%1' selects no weight class: the editor saves no fighter without one")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages",
                       "'%1' is no game plan: write its code (1 to 3) or one of Submission, KO, GnP")},
    {QT_TRANSLATE_NOOP(
        "ostrak::roster::EngineMessages",
        "'%1' is no weight class: write its code (-1 to 4) or one of Featherweight, Lightweight, "
        "Welterweight, Middleweight, Light Heavyweight, Heavyweight")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "'%1' names more than one game plan: %2")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "'%1' names more than one weight class: %2")},
    {QT_TRANSLATE_NOOP(
        "ostrak::roster::EngineMessages",
        "holds a NUL byte (byte %1), where the editor stops reading: what follows it would be lost")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages",
                       "holds a CR inside line %1, which the editor would split in two")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "'%1' (%2) has no Windows-1252 byte")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "line %1: %2"), 0b10},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "would be larger than the %1 MiB the editor loads")},
    // The table's own shape.
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages",
                       "a quote inside a cell that does not start with one")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "a quoted cell has no closing quote")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "text after a closing quote")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "is not JSON: %1 at byte %2")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "is not a JSON array of objects")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "is not a JSON array of strings")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "is not a JSON object")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "is not a JSON string")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "has no header row")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "has %1 cells where the header has %2")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "is not UTF-8: read as Windows-1252")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "is not UTF-8 text")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "a column has no name")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "unknown column")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "column given twice")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "missing column")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "is empty")},
    // Where a row's file lies, and what it is.
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "leaves the base folder \"%1\" through \"..\"")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages",
                       "is an absolute name, outside the base folder \"%1\"")},
    {QT_TRANSLATE_NOOP(
        "ostrak::roster::EngineMessages",
        "goes through the symbolic link \"%1\", which could lead out of the base folder \"%2\"")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "leads out of the base folder \"%1\"")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages",
                       "is a symbolic link, which could lead out of the base folder \"%1\"")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages",
                       "is the table itself, which an import never replaces")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "names the same file as row %1")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "changed while it was checked")},
    {QT_TRANSLATE_NOOP(
        "ostrak::roster::EngineMessages",
        "has %1 names (hard links): a new file would part them, leaving the others with the old lines")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages",
                       "belongs to another user: a new file in its place would belong to you")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages",
                       "its name is not UTF-8, which a table cannot hold: rename the file to take it in")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages",
                       "its name holds a line break (%1), which a table cannot hold: rename the file to take "
                       "it in")},
    // Rows matched to files by Sherdog ID, and two files of one fighter merged.
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "holds Sherdog ID %1; the row names %2")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "holds Sherdog ID %1")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages",
                       "no file holds Sherdog ID %1; named after the full name")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "no file holds Sherdog ID %1")},
    {QT_TRANSLATE_NOOP(
        "ostrak::roster::EngineMessages",
        "already holds another fighter (no file holds Sherdog ID %1): name the row's new file in "
        "its file cell")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "%1: its Sherdog ID is unknown"), 0b1},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "%1: the Sherdog IDs there are unknown"), 0b1},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "missing column: rows are matched by it")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "is empty: rows are matched by it")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "%1 is given by row %2 too")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "%1 is held by %2: merge them, or import by file")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "is empty, and the full name gives no file name")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages",
                       "is the same file as %1: there is nothing to merge")},
    // Room and folders, before anything is written.
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages",
                       "the base folder \"%1\" cannot hold the note of the files in flight: %2")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages",
                       "not enough room: the new files need %1 file entries on the file system of \"%2\", "
                       "which has %3 free")},
    {QT_TRANSLATE_NOOP(
        "ostrak::roster::EngineMessages",
        "not enough room: the new files need %1 on the file system of \"%2\", which has %3 free")},
    // The commit, and what an interrupted one left.
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "changed since it was checked")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "the plan has been committed already")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "the plan has problems: nothing is written")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages",
                       "%1; not every file could be put back yet: the next run puts them back"),
     0b1},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "killed")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages",
                       "another commit is writing into \"%1\": try again when it has ended")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages",
                       "an interrupted commit left files in \"%1\": they must be put back first")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages",
                       "%1: would be put back as it was before an interrupted commit")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages",
                       "%1: put back as it was before an interrupted commit")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages",
                       "%1: would be removed: an interrupted commit had created it")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages",
                       "%1: removed: an interrupted commit had created it")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages",
                       "%1: an interrupted commit would be put back (%2 temporary file)")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages",
                       "%1: an interrupted commit would be put back (%2 temporary files)")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages",
                       "%1: an interrupted commit was put back (%2 temporary file)")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages",
                       "%1: an interrupted commit was put back (%2 temporary files)")},
    // The history: the words its change sets are listed by, and why a change cannot be taken back.
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "Save")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "Restore")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "Changed outside")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "Import %1")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "Undo %1")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "Redo %1")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "Set %1 for 1 fighter")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "Set %1 for %2 fighters")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "Merge %1 into %2")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "this change has no history: %1"), 0b1},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "the history is turned off")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "nothing to undo under \"%1\"")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "nothing to redo under \"%1\"")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages",
                       "change set %1 (%2) also changed files outside \"%3\": %4; undo it from a folder "
                       "that holds them all")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages",
                       "change set %1 (%2) also changed files outside \"%3\": %4; redo it from a folder "
                       "that holds them all")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "change set %1 is not in the history")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "change set %1 holds no file")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages",
                       "change set %1 records another program's change: restore its files instead")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages",
                       "change set %1 is already taken back by change set %2")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages",
                       "changed outside, and the history cannot keep it: %1; nothing was changed"),
     0b1},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "it is turned off")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "cannot find \"%1\"")},
    // A roster folder's walk.
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "not read: it lies more than %1 folders deep")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "not read: %1")},
    // Where a large plan keeps its files' bytes.
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages",
                       "cannot keep the planned files' bytes in \"%1\": %2")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages",
                       "cannot read back the planned files' bytes from \"%1\": %2")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "a planned file is too large")},
    {QT_TRANSLATE_NOOP("ostrak::roster::EngineMessages", "a planned file's bytes are not in its plan")},
};

const QRegularExpression kHole(QStringLiteral("%([1-9])"));

struct Matcher {
  const EngineMessageTemplate* source;
  QRegularExpression pattern;
  QString longestLiteral;  // a message without it cannot match: most are turned away by it alone
};

std::vector<Matcher> BuildMatchers() {
  std::vector<Matcher> matchers;
  for (const EngineMessageTemplate& source : kTemplates) {
    const QString english = QString::fromUtf8(source.english);
    QString pattern;
    QString longest;
    qsizetype at = 0;
    const auto literal = [&](qsizetype end) {
      const QString piece = english.mid(at, end - at);
      if (piece.size() > longest.size()) longest = piece;
      pattern += QRegularExpression::escape(piece);
    };
    for (const QRegularExpressionMatch& hole : kHole.globalMatch(english)) {
      literal(hole.capturedStart());
      pattern += QStringLiteral("(.*?)");
      at = hole.capturedEnd();
    }
    literal(english.size());
    matchers.push_back({&source,
                        QRegularExpression(QRegularExpression::anchoredPattern(pattern),
                                           QRegularExpression::DotMatchesEverythingOption),
                        longest});
  }
  return matchers;
}

const std::vector<Matcher>& Matchers() {
  static const std::vector<Matcher> matchers = BuildMatchers();
  return matchers;
}

// %1… in one pass, so a hole's text that holds "%2" is not taken for one.
QString FillHoles(const QString& translation, const QStringList& holes) {
  QString filled;
  for (qsizetype i = 0; i < translation.size(); ++i) {
    const QChar c = translation[i];
    if (c == QLatin1Char('%') && i + 1 < translation.size() && translation[i + 1] >= QLatin1Char('1') &&
        translation[i + 1] <= QLatin1Char('9')) {
      const qsizetype hole = translation[i + 1].unicode() - '1';
      if (hole < holes.size()) {
        filled += holes[hole];
        ++i;
        continue;
      }
    }
    filled += c;
  }
  return filled;
}

}  // namespace

std::span<const EngineMessageTemplate> EngineMessageTemplates() { return kTemplates; }

QString TranslateEngineMessage(const QString& message) {
  for (const Matcher& matcher : Matchers()) {
    if (!message.contains(matcher.longestLiteral)) continue;
    const QRegularExpressionMatch match = matcher.pattern.match(message);
    if (!match.hasMatch()) continue;
    QStringList holes;
    for (int hole = 1; hole <= match.lastCapturedIndex(); ++hole) {
      const QString text = match.captured(hole);
      holes << ((matcher.source->nested >> (hole - 1)) & 1 ? TranslateEngineMessage(text) : text);
    }
    return FillHoles(QCoreApplication::translate(kEngineMessageContext, matcher.source->english), holes);
  }
  return message;
}

QString TranslateEngineMessage(const std::string& message) {
  return TranslateEngineMessage(MessageToQString(message));
}

}  // namespace ostrak::roster
