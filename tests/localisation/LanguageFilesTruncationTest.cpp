// Every prefix of the shipped settings file and caption table, read as the
// editor reads them at start-up: each loads, or fails with the message of
// what the cut took away.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/Errors.h"
#include "localisation/CaptionLines.h"
#include "localisation/LanguageSettings.h"
#include "support/TempDirectory.h"

namespace ostrak {
namespace {

const std::string kShipped = OSTRAK_SHIPPED_DATA_DIR;

std::optional<std::string> LoadFailure(LanguageSettings& language) {
  try {
    language.Load();
  } catch (const Error& error) {
    return error.message();
  }
  return std::nullopt;
}

TEST(LanguageFilesTruncation, EveryPrefixOfTheSettingsFile) {
  const std::string settings = test::ReadBytes(kShipped + "Config.txt");
  ASSERT_EQ(settings, "ES\r\n");
  test::TempDirectory dir;
  test::WriteBytes(dir / "ES-Translation.txt", test::ReadBytes(kShipped + "ES-Translation.txt"));
  const std::optional<std::string> expected[] = {
      "List index out of bounds (0)",
      "Cannot open file \"" + dir.path() + "E-Translation.txt\". No such file or directory",
      std::nullopt,
      std::nullopt,
      std::nullopt,
  };
  for (std::size_t length = 0; length <= settings.size(); ++length) {
    test::WriteBytes(dir / "Config.txt", settings.substr(0, length));
    LanguageSettings language(dir.path());
    EXPECT_EQ(LoadFailure(language), expected[length]) << "cut at " << length;
  }
}

// The captions are read in line order, so the first one a cut table lacks
// is its line count, or the first caption line when the cut is earlier.
TEST(LanguageFilesTruncation, EveryPrefixOfTheCaptionTable) {
  const std::string table = test::ReadBytes(kShipped + "ES-Translation.txt");
  test::TempDirectory dir;
  test::WriteBytes(dir / "Config.txt", "ES\r\n");
  for (std::size_t length = 0; length <= table.size(); ++length) {
    const std::string prefix = table.substr(0, length);
    test::WriteBytes(dir / "ES-Translation.txt", prefix);
    LanguageSettings language(dir.path());
    ASSERT_EQ(LoadFailure(language), std::nullopt) << "cut at " << length;
    int lines = 0;
    for (const char c : prefix) lines += c == '\r';
    if (!prefix.empty() && prefix.back() != '\r' && prefix.back() != '\n') ++lines;
    std::optional<std::string> failure;
    try {
      for (int line = kStartupCaptions.front().line; line < kCaptionTableMinLines; ++line)
        language.Caption(line);
    } catch (const ListError& error) {
      failure = error.message();
    }
    const int firstMissing = std::max(lines, kStartupCaptions.front().line);
    ASSERT_EQ(failure, lines >= kCaptionTableMinLines
                           ? std::nullopt
                           : std::optional<std::string>("List index out of bounds (" +
                                                        std::to_string(firstMissing) + ")"))
        << "cut at " << length;
  }
}

}  // namespace
}  // namespace ostrak
