// Every prefix of a valid fighter file, loaded as the editor loads it:
// whatever lines the cut leaves load, and the first line the load order
// misses fails with its list error.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/Errors.h"
#include "record/FighterForm.h"
#include "record/LoadOrder.h"
#include "support/TempDirectory.h"

namespace ostrak {
namespace {

// A complete fighter as the editor writes it.
const std::string kFighter =
    "12\r\n9\r\n15\r\n7\r\n11\r\n10\r\n13\r\n8\r\n14\r\n6\r\n5\r\n16\r\n17\r\n18\r\n19\r\n20\r\n4\r\n"
    "Jos\xE9 Mu\xF1oz\r\nPepe\r\n2\r\n0\r\n180 cm\r\n77 kg\r\n3\r\nPer\xFA\r\n01/02/1990\r\n12345\r\n1\r\n";

// Lines of a CR LF text: one per CR, and the unfinished last one.
int LineCount(const std::string& text) {
  int lines = 0;
  for (const char c : text) lines += c == '\r';
  if (!text.empty() && text.back() != '\r' && text.back() != '\n') ++lines;
  return lines;
}

std::optional<std::string> ExpectedFailure(int lines) {
  for (const LoadStep& step : LoadOrder()) {
    if (step.line >= lines) return ListError::IndexOutOfBounds(step.line).message();
  }
  return std::nullopt;
}

TEST(FighterTruncation, EveryPrefixLoadsOrFailsWithTheFirstMissingLine) {
  test::TempDirectory directory;
  const std::string path = directory / "fighter.txt";
  for (std::size_t length = 0; length <= kFighter.size(); ++length) {
    const std::string prefix = kFighter.substr(0, length);
    test::WriteBytes(path, prefix);
    std::optional<std::string> failure;
    FighterRecord record;
    FighterForm form;
    try {
      record.LoadFromFile(path);
      form.Load(record);
    } catch (const Error& error) {
      failure = error.message();
    }
    ASSERT_EQ(failure, ExpectedFailure(LineCount(prefix))) << "cut at " << length;
  }
}

}  // namespace
}  // namespace ostrak
