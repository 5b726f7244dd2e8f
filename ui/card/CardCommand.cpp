#include "ui/card/CardCommand.h"

#include <QFileInfo>
#include <QObject>
#include <memory>

#include "platform/DeviceScale.h"
#include "ui/Unit1.h"
#include "ui/card/FighterCard.h"
#include "ui/card/SaveDrawing.h"

namespace ostrak {

class CardSaver : public QObject {
  Q_OBJECT

public:
  CardSaver(TForm1& editor, Dialogs& dialogs) : QObject(&editor), editor_(editor), dialogs_(dialogs) {}

  void Save() {
    const CardFighter fighter = CardFighterOf(editor_);
    const CardCaptions captions = CardCaptionsOf(editor_);
    const DrawingSave save{tr("Save card"), StartFolder(), fighter.Title(tr("card")),
                           DrawingScale(editor_.devicePixelRatioF())};
    const auto folder = SaveDrawingAs(dialogs_, save, [&](const QString& path) {
      if (!bars_) bars_ = std::make_unique<EvaluationPicture>();
      return std::make_unique<FighterCard>(fighter, captions, QFileInfo(path).completeBaseName(), *bars_);
    });
    if (folder) lastFolder_ = *folder;
  }

private:
  // The folder of the last card, else the one the editor's save dialog
  // opens in.
  QString StartFolder() const {
    if (!lastFolder_.isEmpty()) return lastFolder_;
    TFileDialog save = editor_.SaveDialog1;
    if (save.InitialDir().isEmpty()) save.SetInitialDir(QStringLiteral("Fighters"));
    return save.StartDirectory();
  }

  TForm1& editor_;
  Dialogs& dialogs_;
  QString lastFolder_;
  std::unique_ptr<EvaluationPicture> bars_;
};

void InstallCardCommand(TForm1& editor, Dialogs& dialogs) {
  auto* saver = new CardSaver(editor, dialogs);
  editor.SetCardSaver([saver] { saver->Save(); });
}

}  // namespace ostrak

#include "CardCommand.moc"
