// The engine's English messages in the roster window's Spanish: every
// template has its translation and is the one a message of its shape finds,
// the quoted parts kept as the engine quoted them.

#include "ui/roster/EngineMessages.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include "record/FighterLayout.h"
#include "roster/ChangeRules.h"
#include "ui/roster/RosterTranslations.h"

namespace ostrak::roster {
namespace {

// Distinct in every hole, so a template that took another's message shows.
QString Filled(QString text) {
  const char* samples[] = {"«uno»", "«dos»", "«tres»"};
  for (int hole = 0; hole < 3; ++hole)
    text.replace(QStringLiteral("%%1").arg(hole + 1), QString::fromUtf8(samples[hole]));
  return text;
}

TEST(EngineMessages, EveryTemplateIsTranslatedAndFoundByItsOwnMessage) {
  const RosterTranslations spanish(RosterLanguage::Spanish);
  for (const EngineMessageTemplate& source : EngineMessageTemplates()) {
    SCOPED_TRACE(source.english);
    const QString translation = QCoreApplication::translate(kEngineMessageContext, source.english);
    EXPECT_NE(translation, QString::fromUtf8(source.english)) << "no Spanish for it";
    EXPECT_EQ(TranslateEngineMessage(Filled(QString::fromUtf8(source.english))), Filled(translation));
  }
}

TEST(EngineMessages, MessagesOfOtherShapesAndNestedOnesAsTheUserSeesThem) {
  const RosterTranslations spanish(RosterLanguage::Spanish);
  const struct {
    const char* name;
    std::string english;
    const char* shown;  // UTF-8
  } rows[] = {
      {"the editor's own message stays", "'abc' is not a valid integer value",
       "'abc' is not a valid integer value"},
      {"a system's text stays", "Cannot create file \"/r/a.txt\". Permission denied",
       "Cannot create file \"/r/a.txt\". Permission denied"},
      {"a message inside a message", "line 29: '\xC5\x81' (U+0141) has no Windows-1252 byte",
       "línea 29: 'Ł' (U+0141) no tiene byte en Windows-1252"},
      {"a file name in its own bytes", "caf\xE9.txt: put back as it was before an interrupted commit",
       "café.txt: devuelto a como estaba antes de una importación interrumpida"},
      {"a system's text inside a message of ours stays", "not read: Permission denied",
       "no leída: Permission denied"},
      {"a list's item texts stay", *CodeOfItem(LineOf(FighterField::WeightClass), "Welter").problem,
       "'Welter' no es ninguna categoría: escriba su código (de -1 a 4) o una de Featherweight, Lightweight, "
       "Welterweight, Middleweight, Light Heavyweight, Heavyweight"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(TranslateEngineMessage(row.english), QString::fromUtf8(row.shown));
  }
}

}  // namespace
}  // namespace ostrak::roster
