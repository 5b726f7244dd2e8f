// A table read back into the roster window, previewed as "Set for
// selected…" previews it, as a user and a screen reader meet it.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QCheckBox>
#include <QHeaderView>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>

#include "record/FighterLayout.h"
#include "record/StringList.h"
#include "roster/RosterRows.h"
#include "ui/EditorHarness.h"
#include "ui/roster/ImportPreview.h"
#include "ui/roster/RosterFixtures.h"
#include "ui/roster/RosterTransfer.h"
#include "ui/roster/RosterWindowOpening.h"

namespace ostrak::roster {
namespace {

using test::FighterFile;
using test::ReadBytes;

const test::FighterTraits kFighters[] = {
    {"Lucas Ferreira", "Brasil", 1, 8, 5}, {"Ana Go\xF1i"}, {"Ivo Lind"}};
const char* const kFiles[] = {"ferreira.txt", "goni.txt", "lind.txt"};

QString Name(QWidget& control) {
  return QAccessible::queryAccessibleInterface(&control)->text(QAccessible::Name);
}

TEST(ImportPreview, ShowsEachChangeBeforeAndAfterNamesTheFileOfEachRefusalNarrowsSortsAndIsNamedAloud) {
  test::TempDirectory config;
  test::TempDirectory folder;
  qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(config.path()));
  const std::unique_ptr<void, void (*)(void*)> unset(&config, [](void*) { qunsetenv("XDG_CONFIG_HOME"); });
  test::EditorHarness editor;
  std::string table;
  AppendCsvHeader(table);
  for (std::size_t i = 0; i < std::size(kFiles); ++i) {
    test::WriteFighter(folder, kFiles[i], kFighters[i]);
    TStringList lines;
    lines.SetText(FighterFile(kFighters[i]));
    if (i == 0) lines.Put(LineOf(FighterField::Punches), "10");
    if (i == 0) lines.Put(LineOf(FighterField::WeightClass), "3");
    if (i == 1) lines.Put(LineOf(FighterField::Kicks), "abc");
    AppendCsvRow(table, kFiles[i], lines);
  }
  test::WriteBytes(config / "roster.csv", table);
  const auto window = OpenRosterWindow(editor, folder.path(), RosterLanguage::Spanish);
  editor.dialogs.Answer(QString::fromStdString(config / "roster.csv"));
  window->Transfer().ImportTable();
  ImportPreview* preview = window->Transfer().Preview();
  ASSERT_NE(preview, nullptr);
  ChangePreview& shown = preview->Preview();
  const auto lines = [&] {
    std::vector<std::string> all;
    for (int row = 0; row < shown.ShownCount(); ++row) {
      std::string line = shown.Text(row, PreviewModel::File).toStdString();
      for (int column = PreviewModel::Result; column <= PreviewModel::Problem; ++column)
        line += " | " + shown.Text(row, column).toStdString();
      all.push_back(line);
    }
    return all;
  };
  // The attributes and ratings are headed by the editor's captions; the
  // refusal is the editor's own message.
  const std::string changes =
      "Puños: 5 → 10; Categoría: Welterweight: Max 170 lb / 77 kg → Light Heavyweight: Max 205 lb / 93 kg";
  const std::string ferreira =
      "ferreira.txt | se sustituiría | " + changes + " | Golpeo 35% → 43%; Global 39% → 41% | ";
  const std::string goni = "goni.txt | rechazado |  |  | Patadas: 'abc' is not a valid integer value";
  EXPECT_EQ(lines(), (std::vector<std::string>{ferreira, goni, "lind.txt | sin cambios |  |  | "}));
  ASSERT_EQ(preview->Problems().count(), 1);
  EXPECT_EQ(preview->Problems().item(0)->text().toStdString(),
            "goni.txt (fila 2): Patadas: 'abc' is not a valid integer value");
  EXPECT_FALSE(preview->ApplyButton().isEnabled());

  shown.OnlyChanged().click();
  shown.Table().horizontalHeader()->setSortIndicator(PreviewModel::Result, Qt::AscendingOrder);
  EXPECT_EQ(lines(), (std::vector<std::string>{goni, ferreira}));  // "rechazado" before "se sustituiría"

  // Each control the keyboard reaches is named aloud.
  for (QWidget* control : preview->findChildren<QWidget*>()) {
    if (control->focusPolicy() != Qt::NoFocus && control->isVisibleTo(preview)) {
      EXPECT_FALSE(Name(*control).isEmpty()) << control->metaObject()->className();
    }
  }
  EXPECT_EQ(Name(shown.Table()), "Archivos");

  preview->CancelButton().click();
  for (std::size_t i = 0; i < std::size(kFiles); ++i)
    EXPECT_EQ(ReadBytes(folder / kFiles[i]), FighterFile(kFighters[i]));
}

}  // namespace
}  // namespace ostrak::roster
