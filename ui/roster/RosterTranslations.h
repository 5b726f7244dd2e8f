#pragma once

// The roster windows' and the cards' own texts in the language the editor's
// settings name, and Qt's own (the stock dialogs, the edits' menus) in the
// same language.
// Installed while a roster window exists; English is the texts' own language.

#include <QTranslator>
#include <memory>
#include <vector>

namespace ostrak {
class LanguageSettings;
}

namespace ostrak::roster {

enum class RosterLanguage { Spanish, English };

// "EN" on the settings' first line is English; anything else is Spanish, as
// for the caption table.
RosterLanguage RosterLanguageOf(const LanguageSettings& settings);

class RosterTranslations {
public:
  explicit RosterTranslations(RosterLanguage language);
  ~RosterTranslations();
  RosterTranslations(const RosterTranslations&) = delete;
  RosterTranslations& operator=(const RosterTranslations&) = delete;

  RosterLanguage Language() const { return language_; }

private:
  RosterLanguage language_;
  std::vector<std::unique_ptr<QTranslator>> installed_;
};

}  // namespace ostrak::roster
