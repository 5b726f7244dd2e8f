// ostrak-fighter: the fighter-file companion of the editor.

#include <cstdio>
#include <exception>
#include <optional>
#include <string>
#include <vector>

#include "tools/fighter/Commands.h"

namespace {

using ostrak::fighter::RatingsFormat;

constexpr int kUsageError = 2;

constexpr const char* kHelp =
    "Usage: ostrak-fighter COMMAND [OPTIONS] FILE...\n"
    "\n"
    "Answers questions about fighter files with exactly the editor's rules.\n"
    "\n"
    "Commands:\n"
    "  check FILE...          one line per file: \"FILE: ok\" or \"FILE: MESSAGE\", the\n"
    "                         first failure the editor's load would meet; a file that\n"
    "                         loads but that the editor could not save back (fewer than\n"
    "                         28 lines) gives \"FILE: ok (cannot be saved: MESSAGE)\"\n"
    "  ratings [--format table|csv|json] FILE...\n"
    "                         the six ratings of each file, loaded into a fresh editor\n"
    "                         (attributes clamped into 1..20 as the boxes do). A file\n"
    "                         that fails to load gets its message instead of ratings:\n"
    "                         an extra \"error\" column in csv (present when any file\n"
    "                         fails), an \"error\" field in json. Default: table\n"
    "  show FILE              every field as the editor would show it after loading,\n"
    "                         and the lines it keeps untouched (27 and beyond)\n"
    "\n"
    "Options:\n"
    "  -h, --help             this text\n"
    "  --version              the version\n"
    "\n"
    "Output is UTF-8; the files' text is Windows-1252.\n"
    "Exit status: 0 when every file loads, 1 when one does not, 2 on a usage error.\n";

int UsageError(const std::string& problem) {
  const std::string text = "ostrak-fighter: " + problem + "\nTry 'ostrak-fighter --help'.\n";
  std::fwrite(text.data(), 1, text.size(), stderr);
  return kUsageError;
}

std::optional<RatingsFormat> ParseFormat(const std::string& name) {
  if (name == "table") return RatingsFormat::Table;
  if (name == "csv") return RatingsFormat::Csv;
  if (name == "json") return RatingsFormat::Json;
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
  if (args.empty()) return UsageError("missing command (check, ratings or show)");

  const std::string& command = args[0];
  if (command != "check" && command != "ratings" && command != "show") {
    return UsageError("unknown command '" + command + "' (expected check, ratings or show)");
  }

  std::optional<RatingsFormat> format;
  std::vector<std::string> files;
  bool optionsEnded = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded || arg.empty() || arg[0] != '-' || arg == "-") {
      files.push_back(arg);
    } else if (arg == "--") {
      optionsEnded = true;
    } else if (command == "ratings" && (arg == "--format" || arg.rfind("--format=", 0) == 0)) {
      std::string value;
      if (arg == "--format") {
        if (i + 1 >= args.size()) return UsageError("--format needs a value: table, csv or json");
        value = args[++i];
      } else {
        value = arg.substr(9);
      }
      if (format) return UsageError("--format given twice");
      format = ParseFormat(value);
      if (!format) return UsageError("unknown format '" + value + "' (expected table, csv or json)");
    } else {
      return UsageError("unknown option '" + arg + "' for " + command);
    }
  }

  if (files.empty()) return UsageError(command + ": no file given");
  if (command == "check") return ostrak::fighter::RunCheck(files);
  if (command == "ratings") return ostrak::fighter::RunRatings(files, format.value_or(RatingsFormat::Table));
  if (files.size() != 1) return UsageError("show takes exactly one file");
  return ostrak::fighter::RunShow(files[0]);
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
