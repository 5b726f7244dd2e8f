// ostrak-fighter: the fighter-file companion of the editor.

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <exception>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "record/FighterColumns.h"
#include "tools/fighter/CardTargets.h"
#include "tools/fighter/Commands.h"
#include "tools/fighter/Paths.h"
#include "tools/fighter/card/DrawCards.h"

namespace {

using ostrak::fighter::ImportMode;
using ostrak::fighter::RatingsFormat;
using ostrak::fighter::TakeBackRequest;
using ostrak::history::HistoryUse;
using ostrak::recorded::RestorePoint;
using ostrak::recorded::TakeBackKind;
using ostrak::roster::ExportOptions;
using ostrak::roster::ImportMatch;
using ostrak::roster::MatchBy;
using ostrak::roster::SetExpression;
using ostrak::roster::TableFormat;

constexpr int kUsageError = 2;

constexpr const char* kHelp =
    "Usage: ostrak-fighter COMMAND [OPTIONS] FILE...\n"
    "\n"
    "Answers questions about fighter files with exactly the editor's rules, and\n"
    "moves whole rosters into a spreadsheet and back.\n"
    "\n"
    "Commands:\n"
    "  check [--warnings] PATH...\n"
    "                         one line per file: \"FILE: ok\" or \"FILE: MESSAGE\", the\n"
    "                         first failure the editor's load would meet; a file that\n"
    "                         loads with fewer than 28 lines is ok (the editor\n"
    "                         completes it with empty lines). --warnings adds after\n"
    "                         \"ok\" what looks wrong in a file that loads, each as\n"
    "                         \"; warning: TEXT\": an attribute outside 1..20, a code\n"
    "                         that selects no weight class or game plan, an empty\n"
    "                         full name or Sherdog ID, text that looks like UTF-8\n"
    "                         read as Windows-1252\n"
    "  ratings [--format table|csv|json] PATH...\n"
    "                         the six ratings of each file, loaded into a fresh editor\n"
    "                         (attributes clamped into 1..20 as the boxes do). A file\n"
    "                         that fails to load gets its message instead of ratings:\n"
    "                         an extra \"error\" column in csv (present when any file\n"
    "                         fails), an \"error\" field in json. Default: table\n"
    "  show FILE              every field as the editor would show it after loading,\n"
    "                         and the lines it keeps untouched (27 and beyond); for\n"
    "                         a file that fails to load, only its message\n"
    "  export [--format csv|json] [--separator ,|;|tab] [--bom] [--item-texts]\n"
    "         [--ratings] PATH...\n"
    "                         one row per file: the columns file (the path as given),\n"
    "                         punches, kicks, strength, clinch, agility, dodge,\n"
    "                         motivation, takedowns, takedown_defence,\n"
    "                         ground_and_pound, submission, submission_defence,\n"
    "                         stamina, fortitude, pace, aggressivity, ko_resistance,\n"
    "                         full_name, common_name, game_plan, weight_class, height,\n"
    "                         weight, ground_game, nationality, date_of_birth,\n"
    "                         sherdog_id, line_27 (the 28 lines exactly as stored) and\n"
    "                         extra (the lines after line 27 joined with line feeds;\n"
    "                         a single empty line is written as \"\"). Default: csv\n"
    "                         (RFC 4180, CR LF row ends); json is an array of objects\n"
    "                         with extra as an array of strings. --separator puts\n"
    "                         ';' or a tab between CSV cells instead of ',' (as a\n"
    "                         spreadsheet in a locale with a decimal comma expects);\n"
    "                         --bom starts the table with a UTF-8 byte-order mark,\n"
    "                         without which some spreadsheets read it in their own\n"
    "                         code page. A file that fails to load is left out and\n"
    "                         named on stderr as \"FILE: MESSAGE\"; so is a file whose\n"
    "                         name is not UTF-8 or holds a line break (LF or CR),\n"
    "                         which a table cannot name; a shorter one that loads\n"
    "                         has its missing lines empty. --item-texts writes\n"
    "                         game_plan and weight_class as the list's item text\n"
    "                         (\"KO\", \"Lightweight: Max 155 lb / 70 kg\") where the line\n"
    "                         holds an item's code as the editor writes it;\n"
    "                         --ratings adds the columns ground, striking, defense,\n"
    "                         fitness, mental and overall after extra. import takes\n"
    "                         both back; a rating that is not what the attributes\n"
    "                         give is refused (\"ratings follow from the attributes:\n"
    "                         change those\")\n"
    "  import [--dry-run] [--no-history] [--into DIR] [--allow-outside]\n"
    "         [--match file|sherdog_id] TABLE\n"
    "                         writes one fighter file per row of TABLE (CSV, or JSON\n"
    "                         when its name ends in .json) to the row's file, taken\n"
    "                         under DIR (default: the current folder; missing folders\n"
    "                         are made). A CSV table may separate its cells with ',',\n"
    "                         ';' or tabs (seen from the header), end its rows in CR\n"
    "                         LF, LF or CR alone, and be UTF-8, with or without a\n"
    "                         byte-order mark, or Windows-1252 (said on stderr; a\n"
    "                         mark before it is dropped). A JSON table is read one\n"
    "                         object at a time; an object that names a column twice\n"
    "                         is refused (\"column given twice\"). Columns come in any\n"
    "                         order; a column left out (extra, or any line of a file\n"
    "                         that exists) keeps the file's own lines. game_plan and\n"
    "                         weight_class take a code or an item's text: in full,\n"
    "                         its part before the colon (\"Welterweight\") or with\n"
    "                         \"Max Max\" written once, in any case; other text is\n"
    "                         refused as \"'TEXT' is no game plan: write its code (1\n"
    "                         to 3) or one of Submission, KO, GnP\" or \"'TEXT' is no\n"
    "                         weight class: write its code (-1 to 4) or one of\n"
    "                         Featherweight, Lightweight, Welterweight, Middleweight,\n"
    "                         Light Heavyweight, Heavyweight\". Every file must lie\n"
    "                         inside DIR: a name that is absolute (and not under\n"
    "                         DIR), holds \"..\" or passes through a symbolic link is\n"
    "                         refused unless --allow-outside is given, which lets\n"
    "                         names lead anywhere the system resolves them (a link's\n"
    "                         file is the one replaced).\n"
    "                         Folders, pipes and devices are never written, nor the\n"
    "                         table itself. Every row is checked before anything is\n"
    "                         written, including that each folder lets you create\n"
    "                         files and that there is room for all the commit writes\n"
    "                         (the files, its note of them, copies of the old files\n"
    "                         where there are no hard links): each problem is named\n"
    "                         on stderr as \"TABLE:ROW: COLUMN: MESSAGE\" (rows\n"
    "                         counted from 1 after the header) and then nothing is\n"
    "                         written.\n"
    "                         A cell that changes an existing file must hold what the\n"
    "                         editor keeps: attributes 1..20, the full and common\n"
    "                         names and Sherdog ID not empty, codes of a list item.\n"
    "                         Then every changed file is written or none: new files\n"
    "                         go beside their targets and replace them together at\n"
    "                         the end; \"FILE: written\" or \"FILE: unchanged\". A file\n"
    "                         is unchanged, and left as it is, when every cell holds\n"
    "                         what the editor shows for it (a number as a number:\n"
    "                         \" 7\" and \"7\" alike), whatever its line ends or line\n"
    "                         count; a file a cell changes is written with CR LF,\n"
    "                         its own text kept on the lines no cell changes. An\n"
    "                         import cut short is put back by the next one (said on\n"
    "                         stderr), and a probe file a killed run left is removed.\n"
    "                         --dry-run says \"FILE: would create\", \"FILE: would\n"
    "                         change COLUMN OLD -> NEW, ...\" (as set does), \"FILE:\n"
    "                         would replace\" (only its bytes change: line ends, a\n"
    "                         short file's missing lines) or \"FILE: unchanged\" and\n"
    "                         reports every problem a real run would meet, writing\n"
    "                         nothing.\n"
    "                         --match sherdog_id takes each row to the fighter file\n"
    "                         under DIR (and its subfolders) that holds the row's\n"
    "                         Sherdog ID, whatever its file cell says; an ID that no\n"
    "                         file holds makes a new file named by the file cell,\n"
    "                         or, when that is empty or the column is left out, by\n"
    "                         the full name (the editor's save name: the full name\n"
    "                         and \".txt\", with / \\ < > : \" | ? * and control\n"
    "                         characters made '_', and spaces and dots taken off\n"
    "                         its ends). Refused: a row without an ID, an ID held by\n"
    "                         two files (both named) or given by two rows, and a new\n"
    "                         file whose name another fighter's file has. Each line\n"
    "                         of output says why in parentheses: \"(holds Sherdog ID\n"
    "                         12345; the row names old.txt)\", \"(no file holds\n"
    "                         Sherdog ID 12345)\"\n"
    "  set [--dry-run] [--no-history] PATH... ASSIGNMENT...\n"
    "                         changes every file named with the checks and the save\n"
    "                         of import, in one commit: all or none. ASSIGNMENT is\n"
    "                         COLUMN=VALUE, for an attribute also COLUMN+=N or\n"
    "                         COLUMN-=N (added to the value the editor shows and\n"
    "                         clamped into 1..20), for a text field\n"
    "                         COLUMN/FIND/REPLACE (every FIND, which holds no '/',\n"
    "                         replaced); the paths end at the first argument\n"
    "                         written so. game_plan and weight_class also take an\n"
    "                         item's text as import does (\"GnP\", \"Welterweight\").\n"
    "                         \"FILE: written\" or \"FILE: unchanged\"; --dry-run says\n"
    "                         \"FILE: would change COLUMN OLD -> NEW, ...\" or \"FILE:\n"
    "                         unchanged\", writing nothing. A file that does not load\n"
    "                         or that a change takes beyond the editor's limits is\n"
    "                         named with the reason, and nothing is written. A file\n"
    "                         of fewer than 28 lines that loads is completed with\n"
    "                         empty lines, as the editor saves it\n"
    "  duplicates [--format table|csv|json] PATH...\n"
    "                         groups of fighter files that are probably one fighter:\n"
    "                         the same Sherdog ID (not empty; spaces and tabs around\n"
    "                         it aside), or the same full name and date of birth\n"
    "                         (neither empty). Names are compared without case,\n"
    "                         accents or any white space (\"Jos\u00e9 Mu\u00f1oz\" is\n"
    "                         \"JOSE MUNOZ\" and \"JoseMunoz\"); dates as written,\n"
    "                         spaces and tabs around them aside. Files joined by\n"
    "                         either rule, directly or through another file, are\n"
    "                         one group; each group says what joins which file. A\n"
    "                         PATH may be a folder: every *.txt file in it and its\n"
    "                         subfolders, named as FOLDER/PATH-UNDER-IT. A file\n"
    "                         named twice, or under two names (hard links), counts\n"
    "                         once. csv: the columns group, file, reason; json: an\n"
    "                         array of groups with their files and reasons. Exit\n"
    "                         status 1 when there is a group (or a file cannot be\n"
    "                         read, named on stderr)\n"
    "  merge [--dry-run] [--no-history] KEEP OTHER [COLUMN=from-other...]\n"
    "                         makes one file of two files of one fighter: KEEP is\n"
    "                         written with each named column (a line column, or\n"
    "                         extra for the lines after line 27) taken from OTHER\n"
    "                         and the rest its own, and OTHER is removed, in one\n"
    "                         commit: both or neither. \"KEEP: written\" (or\n"
    "                         \"unchanged\") and \"OTHER: removed\". Refused: one file\n"
    "                         under two names (hard links too) and a file that does\n"
    "                         not load. --dry-run says \"KEEP: would replace\", each\n"
    "                         field that differs and the side it would take, and\n"
    "                         \"OTHER: would remove\", writing nothing\n"
    "  diff [--match file|sherdog_id] [--format table|csv|json] A B\n"
    "                         compares two rosters, each a folder (every *.txt file\n"
    "                         in it and its subfolders) or a table (CSV as import\n"
    "                         reads it, or JSON): every fighter added, removed,\n"
    "                         changed or renamed, with each changed field before ->\n"
    "                         after and the six ratings before -> after; the\n"
    "                         unchanged are counted. A fighter is unchanged when\n"
    "                         every line is, whatever its line ends. --match file\n"
    "                         (the default) pairs fighters by their path under the\n"
    "                         folder or their table's file cell (a table beside a\n"
    "                         folder whose every row names a file in that folder,\n"
    "                         as \"Fighters/a.txt\" beside Fighters, is read by the\n"
    "                         path under it); --match sherdog_id pairs them by\n"
    "                         Sherdog ID first and what is left by file, so a\n"
    "                         renamed file is \"renamed\", not removed and added. An\n"
    "                         ID that one side gives to two fighters is reported\n"
    "                         (\"not compared: ...\") and none of its fighters is\n"
    "                         paired. csv: the columns status, file, renamed_to,\n"
    "                         column, before, after (one row per changed field and\n"
    "                         rating); json: an object with the counts, the\n"
    "                         fighters and held_twice. Exit status 0 when the\n"
    "                         rosters hold the same fighters, 1 when they differ, 2\n"
    "                         on a usage error or when a roster cannot be read whole\n"
    "                         (a row refused, a folder or file not read)\n"
    "  card [--lang ES|EN] [--scale N] [--format png|svg|pdf] [-o OUT] FILE...\n"
    "                         draws each fighter's card as the editor saves it: the\n"
    "                         names, body data, weight class and game plan, the six\n"
    "                         rating bars exactly as the evaluation window draws\n"
    "                         them and the eighteen attributes, with the captions of\n"
    "                         the editor in Spanish (ES, the default) or English\n"
    "                         (EN). OUT is a file for one fighter, whose ending\n"
    "                         (.png, .svg or .pdf) names the format, or a folder\n"
    "                         (made when missing) for any number of them; without\n"
    "                         it, the current folder. In a folder each card is named\n"
    "                         after its fighter's file (Someone.txt gives\n"
    "                         Someone.png), in the --format given (default png).\n"
    "                         --scale 2 or 3 draws a PNG at twice or three times the\n"
    "                         size, as a screen of that density shows the windows.\n"
    "                         Needs no display. \"FILE: CARD\" for each card written;\n"
    "                         a fighter that does not load is named on stderr with\n"
    "                         its message and the others are still drawn. The same\n"
    "                         fighter gives the same bytes on every run\n"
    "  history [--format table|csv|json] [PATH...]\n"
    "                         the change sets that touched files under each PATH (a\n"
    "                         file or a folder; default: the current folder), newest\n"
    "                         first: id, time (UTC, ISO 8601), files, whether it was\n"
    "                         undone (and by which set) and the command in its words\n"
    "                         (\"Save\", \"Import roster.csv\", \"Set weight_class for 1\n"
    "                         fighter\", \"Undo 41\", \"Restore\", \"Changed outside\").\n"
    "                         Every write of a fighter file is kept (the editor's\n"
    "                         save, import, set, merge, the roster window, undo,\n"
    "                         redo, restore), recorded before any file changes\n"
    "  history --show ID      each file of the set: created, changed or removed, each\n"
    "                         changed field before -> after, the six ratings\n"
    "  history --prune        removes sets older than 90 days that are not among the\n"
    "                         newest 50 versions of a file; also runs by itself once\n"
    "                         a day, after a command's writes\n"
    "  undo [--dry-run] [PATH]\n"
    "                         takes back the newest change set not yet undone whose\n"
    "                         files all lie under PATH (default: the current folder),\n"
    "                         all or nothing: \"FILE: restored\", \"FILE: removed\" (the\n"
    "                         set created it), \"FILE: recreated\" (the set removed it)\n"
    "                         or \"FILE: unchanged\". It is a change set, \"Undo ID\". A\n"
    "                         file another program changed since is kept in the\n"
    "                         history first: \"FILE: changed outside, kept in history\n"
    "                         as ID\". --dry-run says \"FILE: would restore\" and the\n"
    "                         like, writing nothing\n"
    "  redo [--dry-run] [PATH]\n"
    "                         takes back the newest undo under PATH, unless a later\n"
    "                         change touched its files; as undo otherwise\n"
    "  restore [--before] [--dry-run] FILE ID\n"
    "                         FILE gets the bytes it had right after change set ID\n"
    "                         (right before it with --before); as undo otherwise\n"
    "\n"
    "check, ratings, export and set take folders beside files: a folder stands for\n"
    "every *.txt file in it and its subfolders, as the roster window reads it\n"
    "(links to folders, pipes and devices kept out), named FOLDER/PATH-UNDER-IT in\n"
    "the window's order; a folder that cannot be read is named on stderr.\n"
    "\n"
    "Options:\n"
    "  --no-history           import, set, merge: the change is not kept in the\n"
    "                         history; history=off in\n"
    "                         ~/.config/ostrak-editor/history.ini turns it off for\n"
    "                         every writer. A history that cannot be used never\n"
    "                         stops a write: \"FILE: this change has no history: WHY\"\n"
    "                         on stderr, and the write goes on\n"
    "  -h, --help             this text\n"
    "  --version              the version\n"
    "\n"
    "Output and tables are UTF-8; the files' text is Windows-1252.\n"
    "Exit status: 0 when every file loads (and every write succeeds), 1 when one\n"
    "does not (or there is nothing to take back), 2 on a usage error.\n";

constexpr const char* kCommandList =
    "check, ratings, show, export, import, set, duplicates, merge, diff, card, history, undo, redo or "
    "restore";

int UsageError(const std::string& problem) {
  const std::string text = "ostrak-fighter: " + problem + "\nTry 'ostrak-fighter --help'.\n";
  std::fwrite(text.data(), 1, text.size(), stderr);
  return kUsageError;
}

std::optional<RatingsFormat> ParseRatingsFormat(const std::string& name) {
  if (name == "table") return RatingsFormat::Table;
  if (name == "csv") return RatingsFormat::Csv;
  if (name == "json") return RatingsFormat::Json;
  return std::nullopt;
}

std::optional<TableFormat> ParseTableFormat(const std::string& name) {
  if (name == "csv") return TableFormat::Csv;
  if (name == "json") return TableFormat::Json;
  return std::nullopt;
}

std::optional<char> ParseSeparator(const std::string& name) {
  if (name == "," || name == "comma") return ',';
  if (name == ";" || name == "semicolon") return ';';
  if (name == "tab" || name == "\t") return '\t';
  return std::nullopt;
}

// A change set's ID: digits only, from 1.
std::optional<ostrak::history::ChangeSetId> ParseChangeSetId(const std::string& text) {
  ostrak::history::ChangeSetId id = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), id);
  if (text.empty() || text[0] == '+' || text[0] == '-' || error != std::errc() ||
      end != text.data() + text.size() || id < 1)
    return std::nullopt;
  return id;
}

// The PATH... ASSIGNMENT... of set: paths up to the first argument after
// them that reads as an expression, expressions from there on; the usage
// problem when one is wrong.
std::optional<std::string> ParseSetArguments(const std::vector<std::string>& args,
                                             std::vector<std::string>& paths,
                                             std::vector<SetExpression>& expressions) {
  std::size_t first = 1;
  while (first < args.size() && !ostrak::roster::ParseSetExpression(args[first])) ++first;
  if (args.size() < 2) return std::string("set: no COLUMN=VALUE given");
  if (first == args.size()) return "set: '" + args.back() + "' is not COLUMN=VALUE";
  paths.assign(args.begin(), args.begin() + static_cast<std::ptrdiff_t>(first));
  for (std::size_t i = first; i < args.size(); ++i) {
    const std::string& arg = args[i];
    std::optional<SetExpression> expression = ostrak::roster::ParseSetExpression(arg);
    if (!expression) return "set: '" + arg + "' is not COLUMN=VALUE";
    if (expression->column == ostrak::kFileColumn) return std::string("set: the file column cannot be set");
    if (const auto problem = ostrak::roster::SetExpressionProblem(*expression)) {
      if (*problem == "unknown column") return "set: unknown column '" + expression->column + "'";
      return "set: " + arg + ": " + *problem;
    }
    for (const SetExpression& earlier : expressions) {
      if (earlier.column == expression->column) return "set: column '" + expression->column + "' given twice";
    }
    expressions.push_back(std::move(*expression));
  }
  return std::nullopt;
}

// COLUMN=from-other arguments of merge; the usage problem when one is wrong.
std::optional<std::string> ParseTakenColumns(const std::vector<std::string>& args,
                                             std::vector<std::string>& columns) {
  constexpr std::string_view kFromOther = "=from-other";
  for (const std::string& arg : args) {
    if (!arg.ends_with(kFromOther)) return "merge: '" + arg + "' is not COLUMN=from-other";
    const std::string column = arg.substr(0, arg.size() - kFromOther.size());
    if (column != ostrak::kExtraColumn && !ostrak::LineOfColumn(column)) {
      return "merge: unknown column '" + column + "'";
    }
    if (std::find(columns.begin(), columns.end(), column) != columns.end()) {
      return "merge: column '" + column + "' given twice";
    }
    columns.push_back(column);
  }
  return std::nullopt;
}

int Run(const std::vector<std::string>& args) {
  for (const std::string& arg : args) {
    if (arg == "--") break;
    if (arg == "-h" || arg == "--help") {
      std::fputs(kHelp, stdout);
      return 0;
    }
    if (arg == "--version") {
      std::fputs("ostrak-fighter " OSTRAK_VERSION "\n", stdout);
      return 0;
    }
  }
  if (args.empty()) return UsageError(std::string("missing command (") + kCommandList + ")");

  const std::string& command = args[0];
  static const std::set<std::string> kCommands = {"check",   "ratings",    "show",  "export", "import",
                                                  "set",     "duplicates", "merge", "diff",   "card",
                                                  "history", "undo",       "redo",  "restore"};
  if (!kCommands.count(command)) {
    return UsageError("unknown command '" + command + "' (expected " + kCommandList + ")");
  }

  std::optional<std::string> format;
  std::optional<std::string> into;
  std::optional<std::string> separator;
  std::optional<std::string> match;
  std::optional<std::string> language;
  std::optional<std::string> scale;
  std::optional<std::string> output;
  bool dryRun = false;
  bool allowOutside = false;
  bool byteOrderMark = false;
  bool warnings = false;
  bool itemTexts = false;
  bool ratingColumns = false;
  bool noHistory = false;
  bool before = false;
  bool prune = false;
  std::optional<std::string> showId;
  std::vector<std::string> operands;
  bool optionsEnded = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    // The value of `--name VALUE` or `--name=VALUE` into `value`; the usage problem otherwise.
    const auto valueOf = [&](const std::string& name, const char* what,
                             std::optional<std::string>& value) -> std::optional<std::string> {
      if (value) return name + " given twice";
      if (arg != name) {
        value = arg.substr(name.size() + 1);
      } else if (i + 1 < args.size()) {
        value = args[++i];
      } else {
        return name + " needs a value: " + what;
      }
      return std::nullopt;
    };
    const auto is = [&](const std::string& name) { return arg == name || arg.rfind(name + "=", 0) == 0; };

    std::optional<std::string> problem;
    if (optionsEnded || arg.empty() || arg[0] != '-' || arg == "-") {
      operands.push_back(arg);
    } else if (arg == "--") {
      optionsEnded = true;
    } else if ((command == "ratings" || command == "duplicates" || command == "diff" ||
                command == "history") &&
               is("--format")) {
      problem = valueOf("--format", "table, csv or json", format);
    } else if (command == "export" && is("--format")) {
      problem = valueOf("--format", "csv or json", format);
    } else if (command == "import" && is("--into")) {
      problem = valueOf("--into", "a folder", into);
    } else if ((command == "import" || command == "diff") && is("--match")) {
      problem = valueOf("--match", "file or sherdog_id", match);
    } else if ((command == "import" || command == "merge" || command == "set" || command == "undo" ||
                command == "redo" || command == "restore") &&
               arg == "--dry-run") {
      dryRun = true;
    } else if (command == "history" && is("--show")) {
      problem = valueOf("--show", "a change set's ID", showId);
    } else if (command == "history" && arg == "--prune") {
      prune = true;
    } else if (command == "restore" && arg == "--before") {
      before = true;
    } else if ((command == "import" || command == "set" || command == "merge") && arg == "--no-history") {
      noHistory = true;
    } else if (command == "import" && arg == "--allow-outside") {
      allowOutside = true;
    } else if (command == "export" && is("--separator")) {
      problem = valueOf("--separator", ", ; or tab", separator);
    } else if (command == "check" && arg == "--warnings") {
      warnings = true;
    } else if (command == "export" && arg == "--bom") {
      byteOrderMark = true;
    } else if (command == "export" && arg == "--item-texts") {
      itemTexts = true;
    } else if (command == "export" && arg == "--ratings") {
      ratingColumns = true;
    } else if (command == "card" && is("--lang")) {
      problem = valueOf("--lang", "ES or EN", language);
    } else if (command == "card" && is("--scale")) {
      problem = valueOf("--scale", "1, 2 or 3", scale);
    } else if (command == "card" && is("--format")) {
      problem = valueOf("--format", "png, svg or pdf", format);
    } else if (command == "card" && (arg == "-o" || is("--output"))) {
      problem = valueOf(arg == "-o" ? "-o" : "--output", "a file or a folder", output);
    } else {
      problem = "unknown option '" + arg + "' for " + command;
    }
    if (problem) return UsageError(*problem);
  }

  const auto ratingsFormat = ParseRatingsFormat(format.value_or("table"));
  if ((command == "ratings" || command == "duplicates" || command == "diff" || command == "history") &&
      !ratingsFormat) {
    return UsageError("unknown format '" + *format + "' (expected table, csv or json)");
  }
  const auto tableFormat = ParseTableFormat(format.value_or("csv"));
  if (command == "export" && !tableFormat) {
    return UsageError("unknown format '" + *format + "' (expected csv or json)");
  }
  ExportOptions exportOptions{
      tableFormat.value_or(TableFormat::Csv), ',', byteOrderMark, {}, itemTexts, ratingColumns};
  if (separator) {
    const auto parsed = ParseSeparator(*separator);
    if (!parsed) return UsageError("unknown separator '" + *separator + "' (expected , ; or tab)");
    if (exportOptions.format == TableFormat::Json) return UsageError("--separator is for csv");
    exportOptions.separator = *parsed;
  }
  if (byteOrderMark && exportOptions.format == TableFormat::Json) return UsageError("--bom is for csv");
  const bool byId = match == "sherdog_id";
  if (match && !byId && *match != "file") {
    return UsageError("unknown match '" + *match + "' (expected file or sherdog_id)");
  }
  const ImportMode mode = dryRun ? ImportMode::DryRun : ImportMode::Write;
  const HistoryUse use = noHistory ? HistoryUse::Off : HistoryUse::On;
  if (command == "history") {
    if ((showId || prune) && (format || !operands.empty()))
      return UsageError("history --show and --prune take no --format and no PATH");
    if (showId && prune) return UsageError("history takes --show or --prune, not both");
    if (prune) return ostrak::fighter::RunPrune();
    if (showId) {
      const auto id = ParseChangeSetId(*showId);
      if (!id) return UsageError("'" + *showId + "' is no change set ID (a number from 1)");
      return ostrak::fighter::RunShowChange(*id);
    }
    return ostrak::fighter::RunHistory(operands, *ratingsFormat);
  }
  if (command == "undo" || command == "redo") {
    if (operands.size() > 1) return UsageError(command + " takes one PATH at most");
    TakeBackRequest request;
    request.kind = command == "undo" ? TakeBackKind::Undo : TakeBackKind::Redo;
    request.path = operands.empty() ? "." : operands[0];
    request.dryRun = dryRun;
    return ostrak::fighter::RunTakeBack(request);
  }
  if (command == "restore") {
    if (operands.size() != 2) return UsageError("restore takes FILE and a change set's ID");
    const auto id = ParseChangeSetId(operands[1]);
    if (!id) return UsageError("'" + operands[1] + "' is no change set ID (a number from 1)");
    TakeBackRequest request;
    request.kind = TakeBackKind::Restore;
    request.path = operands[0];
    request.id = *id;
    request.point = before ? RestorePoint::Before : RestorePoint::After;
    request.dryRun = dryRun;
    return ostrak::fighter::RunTakeBack(request);
  }
  if (command == "diff") {
    if (operands.size() != 2) return UsageError("diff takes two rosters, each a folder or a table");
    return ostrak::fighter::RunDiff(operands[0], operands[1], byId ? MatchBy::SherdogId : MatchBy::File,
                                    *ratingsFormat);
  }
  if (command == "merge") {
    if (operands.size() < 2)
      return UsageError("merge takes KEEP, OTHER and COLUMN=from-other for each column to take");
    std::vector<std::string> fromOther;
    if (const auto problem =
            ParseTakenColumns(std::vector<std::string>(operands.begin() + 2, operands.end()), fromOther)) {
      return UsageError(*problem);
    }
    return ostrak::fighter::RunMerge(operands[0], operands[1], fromOther, mode, use);
  }
  if (operands.empty()) {
    return UsageError(command + ": no " + (command == "import" ? "table" : "file") + " given");
  }
  if (command == "card") {
    ostrak::fighter::CardOptions options;
    if (language) {
      if (*language != "ES" && *language != "EN")
        return UsageError("unknown language '" + *language + "' (expected ES or EN)");
      options.language = *language;
    }
    if (scale) {
      if (*scale != "1" && *scale != "2" && *scale != "3")
        return UsageError("unknown scale '" + *scale + "' (expected 1, 2 or 3)");
      options.scale = (*scale)[0] - '0';
    }
    options.format = format;
    options.output = output;
    const ostrak::fighter::CardPlan plan = ostrak::fighter::PlanCards(operands, options);
    if (plan.problem) return UsageError(*plan.problem);
    return ostrak::fighter::DrawCards(plan, options.language);
  }
  if (command == "duplicates") return ostrak::fighter::RunDuplicates(operands, *ratingsFormat);
  if (command == "check" || command == "ratings" || command == "export") {
    const ostrak::fighter::NamedFiles named = ostrak::fighter::FilesNamedBy(operands);
    const int status = command == "check"     ? ostrak::fighter::RunCheck(named.files, warnings)
                       : command == "ratings" ? ostrak::fighter::RunRatings(named.files, *ratingsFormat)
                                              : ostrak::fighter::RunExport(named.files, exportOptions);
    return named.complete ? status : std::max(status, 1);
  }
  if (command == "import") {
    if (operands.size() != 1) return UsageError("import takes exactly one table");
    if (into && into->empty()) return UsageError("--into needs a value: a folder");
    return ostrak::fighter::RunImport(operands[0], {into.value_or(""), allowOutside}, mode,
                                      byId ? ImportMatch::SherdogId : ImportMatch::File, use);
  }
  if (command == "set") {
    std::vector<std::string> paths;
    std::vector<SetExpression> expressions;
    if (const auto problem = ParseSetArguments(operands, paths, expressions)) return UsageError(*problem);
    const ostrak::fighter::NamedFiles named = ostrak::fighter::FilesNamedBy(paths);
    // A change meant for a whole folder is not made to part of it.
    if (!named.complete) return 1;
    return ostrak::fighter::RunSet(named.files, expressions, mode, use);
  }
  if (operands.size() != 1) return UsageError("show takes exactly one file");
  return ostrak::fighter::RunShow(operands[0]);
}

}  // namespace

int main(int argc, char** argv) {
  try {
    const int status = Run(std::vector<std::string>(argv + 1, argv + argc));
    if (std::fflush(stdout) != 0) return 1;
    return status;
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "ostrak-fighter: %s\n", failure.what());
    return 1;
  }
}
