#include "ui/roster/RosterTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

#include "localisation/LanguageSettings.h"

namespace ostrak::roster {

namespace {

std::unique_ptr<QTranslator> Installed(const QString& name, const QString& folder) {
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(name, folder) || !QCoreApplication::installTranslator(translator.get()))
    return nullptr;
  return translator;
}

}  // namespace

RosterLanguage RosterLanguageOf(const LanguageSettings& settings) {
  const TStringList& lines = settings.Settings();
  return lines.Count() > 0 && lines.Get(0) == kEnglishCode ? RosterLanguage::English
                                                           : RosterLanguage::Spanish;
}

RosterTranslations::RosterTranslations(RosterLanguage language) : language_(language) {
  if (language == RosterLanguage::English) return;
  own_ = Installed(QStringLiteral("ostrak_roster_es"), QStringLiteral(":/i18n"));
  qt_ = Installed(QStringLiteral("qtbase_es"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

RosterTranslations::~RosterTranslations() {
  for (const auto& translator : {own_.get(), qt_.get()}) {
    if (translator) QCoreApplication::removeTranslator(translator);
  }
}

}  // namespace ostrak::roster
