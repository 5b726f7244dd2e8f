// A fighter opened from outside the open dialog: dropped on the window.

#include <gtest/gtest.h>

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "ui/EditorHarness.h"
#include "ui/FileDrop.h"

namespace ostrak {
namespace {

TEST(FileDrop, AFighterDroppedOnAControlLoadsAndTheOpenDialogNextStartsBesideIt) {
  test::EditorHarness editor;
  TForm1& form = editor.Form();
  const QString folder = QStringLiteral(OSTRAK_SHIPPED_DATA_DIR "samples");
  const QString path = folder + QStringLiteral("/iker-solano.txt");
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(path), QUrl::fromLocalFile(path)});
  EXPECT_EQ(DroppedFile(&data), QString()) << "one file at a time";
  data.setUrls({QUrl::fromLocalFile(folder)});
  EXPECT_EQ(DroppedFile(&data), QString()) << "not a folder";

  data.setUrls({QUrl::fromLocalFile(path)});
  QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(form.edNombre, &enter);
  QDropEvent drop(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(form.edNombre, &drop);
  EXPECT_TRUE(enter.isAccepted() && drop.isAccepted());
  QCoreApplication::sendPostedEvents();  // loaded once the drop has ended
  EXPECT_EQ(form.edNombreCorto->Text(), QStringLiteral("Solano"));

  editor.dialogs.Answer(std::nullopt);
  editor.Click(form.NavPanelButton2);
  ASSERT_EQ(editor.dialogs.fileDialogs.size(), 1u);
  EXPECT_EQ(editor.dialogs.fileDialogs[0].startDirectory, QDir::cleanPath(folder));
  EXPECT_EQ(editor.dialogs.fileDialogs[0].fileName, QDir::cleanPath(path));
}

}  // namespace
}  // namespace ostrak
