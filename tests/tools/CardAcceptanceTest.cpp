// ostrak-fighter card run as its users run it: where each card goes, what
// is refused before anything is drawn, the formats' bytes, the languages,
// and no display needed.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "FighterLines.h"
#include "ToolRunner.h"
#include "support/TempDirectory.h"

namespace ostrak::test {
namespace {

// Width and height from a PNG's header chunk.
std::pair<int, int> PngSize(const std::string& bytes) {
  if (bytes.size() < 24 || bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0) return {0, 0};
  const auto number = [&](std::size_t at) {
    int value = 0;
    for (std::size_t i = 0; i < 4; ++i) value = value * 256 + static_cast<unsigned char>(bytes[at + i]);
    return value;
  };
  return {number(16), number(20)};
}

class CardTool : public testing::Test {
protected:
  CardTool() {
    WriteBytes(dir / "a.txt", Join(Sample()));
    WriteBytes(dir / "b.txt", Join(With(Sample(), 17, "Ana Go\xF1i")));
    std::filesystem::create_directory(dir / "sub");
    WriteBytes(dir / "sub/a.txt", Join(Sample()));
    WriteBytes(dir / "broken.txt", "14\r\nabc\r\n");
    WriteBytes(dir / "f.png", Join(Sample()));
  }
  ToolResult Run(std::vector<std::string> args) const { return RunTool(dir, std::move(args)); }

  TempDirectory dir;
};

struct UsageRow {
  const char* name;
  std::vector<std::string> args;
  std::string err;
};

void PrintTo(const UsageRow& row, std::ostream* os) { *os << row.name; }

class CardUsage : public CardTool, public testing::WithParamInterface<UsageRow> {};

TEST_P(CardUsage, IsRefusedBeforeAnythingIsWritten) {
  const ToolResult r = Run(GetParam().args);
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "ostrak-fighter: " + GetParam().err + "\nTry 'ostrak-fighter --help'.\n");
  EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"a.txt", "b.txt", "broken.txt", "f.png", "sub"}));
}

const UsageRow kUsageRows[] = {
    {"no_file", {"card", "--lang", "EN"}, "card: no file given"},
    {"unknown_language", {"card", "--lang", "FR", "a.txt"}, "unknown language 'FR' (expected ES or EN)"},
    {"scale_beyond_three", {"card", "--scale", "4", "a.txt"}, "unknown scale '4' (expected 1, 2 or 3)"},
    {"unknown_format",
     {"card", "--format", "gif", "a.txt"},
     "card: unknown format 'gif' (expected png, svg or pdf)"},
    {"unknown_ending",
     {"card", "-o", "a.jpg", "a.txt"},
     "card: cannot tell the format of 'a.jpg': name a .png, .svg or .pdf file, or a folder"},
    {"scale_for_a_drawing",
     {"card", "--scale", "2", "-o", "a.svg", "a.txt"},
     "card: --scale is for PNG cards"},
    {"format_against_ending",
     {"card", "--format", "pdf", "-o", "a.png", "a.txt"},
     "card: --format pdf but 'a.png'"},
    {"two_cards_one_name",
     {"card", "a.txt", "sub/a.txt"},
     "card: 'a.txt' and 'sub/a.txt' would both make a.png"},
    {"several_into_a_file",
     {"card", "--output", "f.png", "a.txt", "b.txt"},
     "card: 'f.png' is not a folder: several cards go into a folder"},
    {"card_over_its_own_fighter",
     {"card", "-o", "f.png", "f.png"},
     "card: the card of 'f.png' would replace 'f.png'"},
    {"output_twice", {"card", "-o", "x.png", "-o", "y.png", "a.txt"}, "-o given twice"},
    {"card_option_elsewhere", {"check", "--lang", "EN", "a.txt"}, "unknown option '--lang' for check"},
};

INSTANTIATE_TEST_SUITE_P(Arguments, CardUsage, testing::ValuesIn(kUsageRows),
                         [](const testing::TestParamInfo<UsageRow>& info) { return info.param.name; });

struct PngRow {
  const char* name;
  std::vector<std::string> args;
  std::string out;
  std::string card;
  std::pair<int, int> size;
};

void PrintTo(const PngRow& row, std::ostream* os) { *os << row.name; }

class CardPng : public CardTool, public testing::WithParamInterface<PngRow> {};

TEST_P(CardPng, GoesWhereOutSaysAtTheScaleAsked) {
  const ToolResult r = Run(GetParam().args);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, GetParam().out);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(PngSize(ReadBytes(dir / GetParam().card)), GetParam().size);
}

const PngRow kPngRows[] = {
    {"into_the_current_folder", {"card", "a.txt"}, "a.txt: a.png\n", "a.png", {480, 612}},
    {"a_named_file", {"card", "-o", "Card.PNG", "a.txt"}, "a.txt: Card.PNG\n", "Card.PNG", {480, 612}},
    {"twice_the_size",
     {"card", "--scale", "2", "-o", "x.png", "a.txt"},
     "a.txt: x.png\n",
     "x.png",
     {960, 1224}},
    {"three_times_into_a_folder",
     {"card", "--scale=3", "-o", "sub/", "b.txt"},
     "b.txt: sub/b.png\n",
     "sub/b.png",
     {1440, 1836}},
};

INSTANTIATE_TEST_SUITE_P(Outputs, CardPng, testing::ValuesIn(kPngRows),
                         [](const testing::TestParamInfo<PngRow>& info) { return info.param.name; });

TEST_F(CardTool, AFolderGetsACardPerFighterAndAFighterThatDoesNotLoadIsNamed) {
  const ToolResult r = Run({"card", "--format", "svg", "-o", "cards", "a.txt", "broken.txt", "b.txt"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "a.txt: cards/a.svg\nb.txt: cards/b.svg\n");
  EXPECT_EQ(r.err.rfind("broken.txt: ", 0), 0u) << r.err;
  EXPECT_EQ(TempDirectory::EntriesOf(dir / "cards"), (std::vector<std::string>{"a.svg", "b.svg"}));
  const std::string svg = ReadBytes(dir / "cards/b.svg");
  EXPECT_NE(svg.find("<svg"), std::string::npos);
  EXPECT_NE(svg.find(">Ana Goñi</text>"), std::string::npos);
}

TEST_F(CardTool, SpeaksTheLanguageAskedSpanishUnlessToldAndGivesTheSameBytesEveryTime) {
  for (const char* format : {"png", "svg", "pdf"}) {
    for (const char* language : {"ES", "EN"}) {
      const std::string first = std::string("first.") + format;
      const std::string second = std::string("second.") + format;
      ASSERT_EQ(Run({"card", "--lang", language, "-o", first, "a.txt"}).status, 0);
      ASSERT_EQ(Run({"card", "--lang", language, "-o", second, "a.txt"}).status, 0);
      EXPECT_TRUE(ReadBytes(dir / first) == ReadBytes(dir / second)) << format << " " << language;
    }
  }
  EXPECT_EQ(ReadBytes(dir / "first.pdf").rfind("%PDF-", 0), 0u);
  EXPECT_EQ(ReadBytes(dir / "first.pdf").find("CreationDate"), std::string::npos);
  ASSERT_EQ(Run({"card", "-o", "spanish.svg", "a.txt"}).status, 0);
  const std::string spanish = ReadBytes(dir / "spanish.svg");
  const std::string english = ReadBytes(dir / "second.svg");
  EXPECT_NE(spanish.find(">Puños</text>"), std::string::npos);
  EXPECT_NE(spanish.find(">Categoría</text>"), std::string::npos);
  EXPECT_NE(english.find(">Punches</text>"), std::string::npos);
  EXPECT_NE(english.find(">Weight class</text>"), std::string::npos);
  EXPECT_EQ(english.find(">Puños</text>"), std::string::npos);
}

// Drawn without a display, whatever platform the session names.
TEST_F(CardTool, NeedsNoDisplay) {
  const char* display = std::getenv("DISPLAY");
  const std::optional<std::string> kept = display ? std::optional<std::string>(display) : std::nullopt;
  unsetenv("DISPLAY");
  setenv("QT_QPA_PLATFORM", "xcb", 1);
  const ToolResult r = Run({"card", "-o", "a.pdf", "a.txt"});
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  if (kept) setenv("DISPLAY", kept->c_str(), 1);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(ReadBytes(dir / "a.pdf").rfind("%PDF-", 0), 0u);
}

}  // namespace
}  // namespace ostrak::test
