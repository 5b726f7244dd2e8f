#include "record/AnsiText.h"

#include <gtest/gtest.h>

namespace ostrak {
namespace {

TEST(AnsiText, EveryByteSurvivesARoundTrip) {
  std::string all;
  for (int byte = 0; byte < 256; ++byte) all.push_back(static_cast<char>(byte));
  EXPECT_EQ(QStringToAnsi(AnsiToQString(all)), all);
}

TEST(AnsiText, DecodesTheCodePageNotLatin1) {
  EXPECT_EQ(AnsiToQString("Pu\xF1os"), QString::fromUtf8("Puños"));
  EXPECT_EQ(AnsiToQString("\x80"), QString::fromUtf8("€"));
  EXPECT_EQ(AnsiToQString("\x93x\x94"), QString::fromUtf8("“x”"));
}

TEST(AnsiText, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  EXPECT_EQ(QStringToAnsi(QString::fromUtf8("Motivación")), "Motivaci\xF3n");
  EXPECT_EQ(QStringToAnsi(QString::fromUtf8("Ж€")), "?\x80");
  EXPECT_EQ(QStringToAnsi(QString::fromUtf8("a😀b")), "a?b");
  EXPECT_EQ(QStringToAnsi(QString(QChar(0x0080))), "?");
}

}  // namespace
}  // namespace ostrak
