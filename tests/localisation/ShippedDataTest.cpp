// The settings and translation files that ship beside the program.

#include <gtest/gtest.h>

#include "localisation/CaptionLines.h"
#include "localisation/LanguageSettings.h"
#include "support/TempDirectory.h"

namespace ostrak {
namespace {

const std::string kDataDirectory = OSTRAK_SHIPPED_DATA_DIR;

TEST(ShippedData, SettingsSelectSpanish) {
  EXPECT_EQ(test::ReadBytes(kDataDirectory + "Config.txt"), "ES\r\n");
}

class ShippedTable : public ::testing::TestWithParam<const char*> {};

TEST_P(ShippedTable, HasEveryCaptionLineInWindows1252WithCrLf) {
  const std::string bytes = test::ReadBytes(kDataDirectory + GetParam() + "-Translation.txt");
  // CR LF only, no lone breaks, no UTF-8 sequences, no byte-order mark.
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r') {
      ASSERT_EQ(bytes.at(i + 1), '\n') << i;
    }
    if (bytes[i] == '\n') {
      ASSERT_EQ(bytes.at(i - 1), '\r') << i;
    }
    ASSERT_NE(static_cast<unsigned char>(bytes[i]), 0xC3) << "UTF-8 at " << i;
    ASSERT_EQ(std::string("\x81\x8D\x8F\x90\x9D").find(bytes[i]), std::string::npos)
        << "a byte Windows-1252 leaves unassigned at " << i;
  }
  ASSERT_EQ(bytes.substr(bytes.size() - 2), "\r\n");

  test::TempDirectory dir;
  test::WriteBytes(dir / "Config.txt", std::string(GetParam()) + "\r\n");
  test::WriteBytes(dir / (std::string(GetParam()) + "-Translation.txt"), bytes);
  LanguageSettings language(dir.path());
  language.Load();
  for (int line = 47; line < kCaptionTableMinLines; ++line) {
    EXPECT_FALSE(language.Caption(line).empty()) << line;
  }
}

INSTANTIATE_TEST_SUITE_P(Languages, ShippedTable, ::testing::Values("ES", "EN"));

TEST(ShippedData, SpanishCaptionsUseWindows1252) {
  test::TempDirectory dir;
  test::WriteBytes(dir / "Config.txt", "ES\r\n");
  test::WriteBytes(dir / "ES-Translation.txt", test::ReadBytes(kDataDirectory + "ES-Translation.txt"));
  LanguageSettings language(dir.path());
  language.Load();
  EXPECT_EQ(language.Caption(53), "Pu\xF1os");
  EXPECT_EQ(language.Caption(78), "Evaluar");
}

TEST(ShippedData, PicturesAreJpeg) {
  for (const char* name : {"Fondo6.jpg", "EnglishLang.jpg", "SPanishLang.jpg"}) {
    EXPECT_EQ(test::ReadBytes(kDataDirectory + name).substr(0, 3), "\xFF\xD8\xFF") << name;
  }
}

}  // namespace
}  // namespace ostrak
