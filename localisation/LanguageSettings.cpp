#include "localisation/LanguageSettings.h"

#include "core/Errors.h"
#include "localisation/CaptionLines.h"

namespace ostrak {

LanguageSettings::LanguageSettings(std::string programDirectory)
    : LanguageSettings(programDirectory, SettingsPlaceFor(programDirectory, ProgramFolder::Portable, "")) {}

LanguageSettings::LanguageSettings(std::string programDirectory, SettingsPlace settings)
    : directory_(std::move(programDirectory)), place_(std::move(settings)) {}

std::string LanguageSettings::SettingsPath() const { return place_.path; }

void LanguageSettings::Load() {
  settings_.Clear();
  captions_.reset();
  captionCode_.clear();
  settings_.LoadFromFile(SeedSettings(place_));
  captions_.emplace();
  const std::string code = settings_.Get(0);
  captions_->LoadFromFile(directory_ + code + "-Translation.txt");
  captionCode_ = code;
}

ShownLanguage LanguageSettings::Shown() const {
  return captionCode_ == kEnglishCode ? ShownLanguage::English : ShownLanguage::Spanish;
}

const std::string& LanguageSettings::Caption(int index) const {
  if (!captions_) throw ListError::IndexOutOfBounds(index);
  return captions_->Get(index);
}

std::string LanguageSettings::CaptionOrDefault(int index) const {
  const int late = index - kFirstLateCaption;
  const bool hasDefault = late >= 0 && late < static_cast<int>(kDefaultLateCaptions.size());
  if (hasDefault && (!captions_ || index >= captions_->Count())) return kDefaultLateCaptions[late];
  return Caption(index);
}

FlagChoice LanguageSettings::Flag() const {
  FlagChoice flag;
  if (settings_.Get(0) == kSpanishCode) {
    flag.fileName = "EnglishLang.jpg";
    flag.hint = "Change to english";
  } else {
    flag.fileName = "SPanishLang.jpg";
    flag.hint = "Cambiar a castellano";
  }
  flag.path = directory_ + flag.fileName;
  return flag;
}

void LanguageSettings::Toggle(const std::function<void(const LanguageMessage&)>& show) {
  LanguageMessage message;
  message.title = "Cambio de idioma";
  if (settings_.Get(0) == kEnglishCode) {
    settings_.Put(0, kSpanishCode);
    message.text = "Idioma cambiado a castellano. Debe reiniciar la aplicación para ver los cambios";
  } else {
    settings_.Put(0, kEnglishCode);
    message.text =
        "Languaje set to english. You must restart the apllication in order to changes to take effect";
  }
  if (show) show(message);
  MakeSettingsFolder(place_);
  settings_.SaveToFile(SettingsPath());
}

}  // namespace ostrak
