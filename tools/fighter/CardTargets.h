#pragma once

// Where `ostrak-fighter card` writes each fighter's card, decided before
// anything is drawn: OUT names a file for one fighter (its ending names the
// format) or a folder for any number of them, where each card is named after
// its fighter's file. Without OUT, the cards go into the current folder.

#include <optional>
#include <string>
#include <vector>

namespace ostrak::fighter {

enum class CardFormat { Png, Svg, Pdf };

struct CardOptions {
  std::string language = "ES";        // ES or EN
  std::optional<int> scale;           // 1 to 3, PNG only
  std::optional<std::string> format;  // png, svg or pdf, for a folder of cards
  std::optional<std::string> output;  // OUT
};

struct CardJob {
  std::string file;  // the fighter file, as given
  std::string card;  // where its card goes
};

struct CardPlan {
  std::vector<CardJob> jobs;
  CardFormat format = CardFormat::Png;
  int scale = 1;
  bool makeFolder = false;  // OUT is a folder that does not exist yet
  std::string folder;       // that folder
  // A usage problem; nothing is drawn or written then.
  std::optional<std::string> problem;
};

std::optional<CardFormat> CardFormatOfName(const std::string& name);
const char* ExtensionOf(CardFormat format);

CardPlan PlanCards(const std::vector<std::string>& files, const CardOptions& options);

}  // namespace ostrak::fighter
