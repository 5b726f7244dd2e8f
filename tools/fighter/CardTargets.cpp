#include "tools/fighter/CardTargets.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <system_error>

#include <sys/stat.h>

namespace ostrak::fighter {

namespace {

namespace fs = std::filesystem;

bool EndsWithCaseless(const std::string& text, const std::string& ending) {
  if (text.size() < ending.size()) return false;
  return std::equal(ending.rbegin(), ending.rend(), text.rbegin(), [](char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
  });
}

std::optional<CardFormat> FormatNamed(const std::string& name) {
  if (name == "png") return CardFormat::Png;
  if (name == "svg") return CardFormat::Svg;
  if (name == "pdf") return CardFormat::Pdf;
  return std::nullopt;
}

// The card's name in a folder: the fighter file's name with its .txt ending
// (or, for another name, nothing) replaced by the format's.
std::string CardName(const std::string& file, CardFormat format) {
  std::string name = fs::path(file).filename().string();
  if (EndsWithCaseless(name, ".txt")) name.resize(name.size() - 4);
  return name + "." + ExtensionOf(format);
}

bool IsFolder(const std::string& path) {
  std::error_code error;
  return fs::is_directory(path, error);
}

}  // namespace

std::optional<CardFormat> CardFormatOfName(const std::string& name) {
  for (const CardFormat format : {CardFormat::Png, CardFormat::Svg, CardFormat::Pdf}) {
    if (EndsWithCaseless(name, std::string(".") + ExtensionOf(format))) return format;
  }
  return std::nullopt;
}

const char* ExtensionOf(CardFormat format) {
  switch (format) {
    case CardFormat::Svg:
      return "svg";
    case CardFormat::Pdf:
      return "pdf";
    case CardFormat::Png:
      break;
  }
  return "png";
}

CardPlan PlanCards(const std::vector<std::string>& files, const CardOptions& options) {
  CardPlan plan;
  const auto refuse = [&plan](std::string problem) {
    plan.problem = "card: " + std::move(problem);
    return plan;
  };
  std::optional<CardFormat> asked;
  if (options.format) {
    asked = FormatNamed(*options.format);
    if (!asked) return refuse("unknown format '" + *options.format + "' (expected png, svg or pdf)");
  }

  std::string folder;  // the current one
  const bool toFolder =
      !options.output || files.size() > 1 || IsFolder(*options.output) || options.output->ends_with('/');
  if (options.output && !toFolder) {
    const auto named = CardFormatOfName(*options.output);
    if (!named) {
      return refuse("cannot tell the format of '" + *options.output +
                    "': name a .png, .svg or .pdf file, or a folder");
    }
    if (asked && *asked != *named)
      return refuse("--format " + *options.format + " but '" + *options.output + "'");
    plan.format = *named;
    plan.jobs.push_back({files.front(), *options.output});
  } else {
    if (options.output) {
      folder = *options.output;
      std::error_code error;
      if (fs::exists(folder, error) && !IsFolder(folder)) {
        return refuse("'" + folder + "' is not a folder: several cards go into a folder");
      }
      plan.makeFolder = !fs::exists(folder, error);
    }
    plan.format = asked.value_or(CardFormat::Png);
    // Two fighters' cards under one name would leave only the last.
    std::map<std::string, std::string> taken;
    for (const std::string& file : files) {
      const std::string name = CardName(file, plan.format);
      const auto [earlier, fresh] = taken.emplace(name, file);
      if (!fresh) return refuse("'" + earlier->second + "' and '" + file + "' would both make " + name);
      plan.jobs.push_back({file, (fs::path(folder) / name).string()});
    }
  }
  plan.folder = folder;
  // A card must not land on a fighter file, under any of its names.
  std::map<std::pair<dev_t, ino_t>, std::string> fighters;
  for (const std::string& file : files) {
    struct stat info {};
    if (::stat(file.c_str(), &info) == 0) fighters.emplace(std::pair(info.st_dev, info.st_ino), file);
  }
  for (const CardJob& job : plan.jobs) {
    struct stat info {};
    if (::stat(job.card.c_str(), &info) != 0) continue;
    if (const auto fighter = fighters.find(std::pair(info.st_dev, info.st_ino)); fighter != fighters.end())
      return refuse("the card of '" + job.file + "' would replace '" + fighter->second + "'");
  }
  if (options.scale && plan.format != CardFormat::Png) return refuse("--scale is for PNG cards");
  plan.scale = options.scale.value_or(1);
  return plan;
}

}  // namespace ostrak::fighter
