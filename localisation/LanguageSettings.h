#pragma once

// The settings file (line 0 is the language code), the caption table chosen
// by that code beside the program, and the language toggle. The editor
// window applies the captions, shows the flag picture and the messages; this
// class decides what they are and keeps the files' rules.

#include <functional>
#include <optional>
#include <string>

#include "localisation/EditorTexts.h"
#include "localisation/SettingsPlace.h"
#include "record/StringList.h"

namespace ostrak {

inline constexpr const char* kSpanishCode = "ES";
inline constexpr const char* kEnglishCode = "EN";

// The flag shows the language the user can switch to.
struct FlagChoice {
  std::string fileName;  // beside the program
  std::string path;
  std::string hint;  // UTF-8
};

// Shown by the toggle before the settings file is saved; OK button, no icon.
struct LanguageMessage {
  std::string text;   // UTF-8
  std::string title;  // UTF-8
};

class LanguageSettings {
public:
  // `programDirectory` ends in a path separator; the caption tables and the
  // flags are looked up by appending their names to it. The settings file is
  // `settings`, by default the one beside the program.
  explicit LanguageSettings(std::string programDirectory);
  LanguageSettings(std::string programDirectory, SettingsPlace settings);

  std::string SettingsPath() const;

  // Start-up: seeds the settings file if its place says so, loads the
  // settings list (from the seed when the user's copy cannot be made), then
  // creates the caption table and loads it from the program directory +
  // line 0 as written + "-Translation.txt". The first failure propagates and
  // leaves what came before it: a missing settings file (or a seed that
  // cannot be read) leaves an empty settings list and no caption table; an
  // empty one leaves an empty caption table and fails with the list error
  // for index 0.
  void Load();

  const TStringList& Settings() const { return settings_; }
  bool HasCaptionTable() const { return captions_.has_value(); }
  // The caption table as loaded; null without one.
  const TStringList* CaptionTable() const { return captions_ ? &*captions_ : nullptr; }
  // Line `index` of the caption table; the list error beyond its end (and for
  // every index when there is no caption table).
  const std::string& Caption(int index) const;
  // Line `index` of lines 78 to 88, or its default text when the caption
  // table is missing or too short; outside those lines, as Caption.
  std::string CaptionOrDefault(int index) const;

  // English when the caption table in use was chosen by "EN"; otherwise
  // Spanish, as the design-time captions are. The toggle does not change it.
  ShownLanguage Shown() const;

  // From line 0: exactly "ES" offers English, anything else Spanish. The
  // list error when the settings list is empty.
  FlagChoice Flag() const;

  // Line 0 "EN" becomes "ES", anything else becomes "EN"; then `show` is
  // called with the message in the new language, then the settings list is
  // saved with its other lines kept. A failed save leaves the new code in memory.
  void Toggle(const std::function<void(const LanguageMessage&)>& show);

private:
  std::string directory_;
  SettingsPlace place_;
  TStringList settings_;
  std::optional<TStringList> captions_;
  // Line 0 when the caption table was loaded from it.
  std::string captionCode_;
};

}  // namespace ostrak
