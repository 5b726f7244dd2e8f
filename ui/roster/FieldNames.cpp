#include "ui/roster/FieldNames.h"

#include <QCoreApplication>

namespace ostrak::roster {

namespace {

struct Named {
  const char* column;
  const char* name;
};

constexpr Named kNames[] = {
    {"punches", QT_TRANSLATE_NOOP("ostrak::roster::FieldNames", "Punches")},
    {"kicks", QT_TRANSLATE_NOOP("ostrak::roster::FieldNames", "Kicks")},
    {"strength", QT_TRANSLATE_NOOP("ostrak::roster::FieldNames", "Strength")},
    {"clinch", QT_TRANSLATE_NOOP("ostrak::roster::FieldNames", "Clinch")},
    {"agility", QT_TRANSLATE_NOOP("ostrak::roster::FieldNames", "Agility")},
    {"dodge", QT_TRANSLATE_NOOP("ostrak::roster::FieldNames", "Dodge")},
    {"motivation", QT_TRANSLATE_NOOP("ostrak::roster::FieldNames", "Motivation")},
    {"takedowns", QT_TRANSLATE_NOOP("ostrak::roster::FieldNames", "Takedowns")},
    {"takedown_defence", QT_TRANSLATE_NOOP("ostrak::roster::FieldNames", "Takedown defence")},
    {"ground_and_pound", QT_TRANSLATE_NOOP("ostrak::roster::FieldNames", "Ground'n'Pound")},
    {"submission", QT_TRANSLATE_NOOP("ostrak::roster::FieldNames", "Submission")},
    {"submission_defence", QT_TRANSLATE_NOOP("ostrak::roster::FieldNames", "Submission defence")},
    {"stamina", QT_TRANSLATE_NOOP("ostrak::roster::FieldNames", "Stamina")},
    {"fortitude", QT_TRANSLATE_NOOP("ostrak::roster::FieldNames", "Fortitude")},
    {"pace", QT_TRANSLATE_NOOP("ostrak::roster::FieldNames", "Pace")},
    {"aggressivity", QT_TRANSLATE_NOOP("ostrak::roster::FieldNames", "Aggressivity")},
    {"ko_resistance", QT_TRANSLATE_NOOP("ostrak::roster::FieldNames", "KO resistance")},
    {"full_name", QT_TRANSLATE_NOOP("ostrak::roster::FieldNames", "Full name")},
    {"common_name", QT_TRANSLATE_NOOP("ostrak::roster::FieldNames", "Common name")},
    {"game_plan", QT_TRANSLATE_NOOP("ostrak::roster::FieldNames", "Game plan")},
    {"weight_class", QT_TRANSLATE_NOOP("ostrak::roster::FieldNames", "Weight class")},
    {"height", QT_TRANSLATE_NOOP("ostrak::roster::FieldNames", "Height")},
    {"weight", QT_TRANSLATE_NOOP("ostrak::roster::FieldNames", "Weight")},
    {"ground_game", QT_TRANSLATE_NOOP("ostrak::roster::FieldNames", "Ground game")},
    {"nationality", QT_TRANSLATE_NOOP("ostrak::roster::FieldNames", "Nationality")},
    {"date_of_birth", QT_TRANSLATE_NOOP("ostrak::roster::FieldNames", "Date of birth")},
    {"sherdog_id", QT_TRANSLATE_NOOP("ostrak::roster::FieldNames", "Sherdog ID")},
    {"line_27", QT_TRANSLATE_NOOP("ostrak::roster::FieldNames", "Line 28")},
    {"extra", QT_TRANSLATE_NOOP("ostrak::roster::FieldNames", "Lines after line 28")},
};

}  // namespace

QString FieldName(const std::string& column) {
  for (const Named& named : kNames) {
    if (column == named.column) return QCoreApplication::translate("ostrak::roster::FieldNames", named.name);
  }
  return QString::fromStdString(column);
}

}  // namespace ostrak::roster
