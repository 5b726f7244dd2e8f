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
  // Beside the program, like the caption tables; without them the texts
  // stay English rather than the window failing to open.
  const QString program = QString::fromStdString(ProgramDirectory());
  for (const auto& [name, folder] :
       {std::pair(QStringLiteral("ostrak_roster_es"), program),
        std::pair(QStringLiteral("ostrak_card_es"), program),
        std::pair(QStringLiteral("qtbase_es"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))}) {
    if (auto translator = Installed(name, folder)) installed_.push_back(std::move(translator));
  }
}

RosterTranslations::~RosterTranslations() {
  for (const auto& translator : installed_) QCoreApplication::removeTranslator(translator.get());
}

}  // namespace ostrak::roster
