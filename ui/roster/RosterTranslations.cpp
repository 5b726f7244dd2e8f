#include "ui/roster/RosterTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

#include "localisation/LanguageSettings.h"
#include "platform/ProgramDirectory.h"

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
  // Beside the program, like the caption tables; without it the texts stay
  // English rather than the window failing to open.
  own_ = Installed(QStringLiteral("ostrak_roster_es"), QString::fromStdString(ProgramDirectory()));
  qt_ = Installed(QStringLiteral("qtbase_es"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

RosterTranslations::~RosterTranslations() {
  for (const auto& translator : {own_.get(), qt_.get()}) {
    if (translator) QCoreApplication::removeTranslator(translator);
  }
}

}  // namespace ostrak::roster
