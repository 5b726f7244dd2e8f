#pragma once

// "Save cards": the card of each selected fighter into a folder the user
// chooses, named after the fighter's file (a file in a subfolder gets its
// card in the same subfolder there), with a progress bar in the status line.
// The cards are drawn one at a time between the window's other work, so the
// window stays in use and the drawing can be stopped.

#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "ui/card/CardFighter.h"
#include "ui/card/Drawing.h"
#include "ui/roster/WorkerThread.h"

class QProgressBar;
class QToolButton;

namespace ostrak {
class Dialogs;
class EvaluationPicture;
}  // namespace ostrak

namespace ostrak::roster {

class RosterWindow;

class RosterCards : public QObject {
  Q_OBJECT

public:
  RosterCards(RosterWindow& window, Dialogs& dialogs, CardCaptions captions, Threading threading);
  ~RosterCards() override;

  // The cards of `files` (under the roster's folder) in `format`, at `scale`
  // for PNG, after the folder is chosen.
  void Save(const std::vector<std::string>& files, DrawingFormat format, int scale);
  bool Busy() const { return next_ < jobs_.size(); }
  // Ends the saving after the card in hand; what was written stays.
  void Stop();

  QProgressBar& Progress() const { return *progress_; }

signals:
  // Every card is written or was given up, or the saving was stopped.
  void Finished(int written);

private:
  struct Job {
    std::string file;  // under the roster's folder
    QString card;      // where its card goes
  };
  struct Failure {
    QString file;
    QString reason;
  };

  void WriteNext();
  void Finish();

  RosterWindow& window_;
  Dialogs& dialogs_;
  CardCaptions captions_;
  Threading threading_;
  std::unique_ptr<EvaluationPicture> bars_;
  QString lastFolder_;
  QString folder_;
  DrawingFormat format_ = DrawingFormat::Png;
  int scale_ = 1;
  std::vector<Job> jobs_;
  std::size_t next_ = 0;
  int written_ = 0;
  std::vector<Failure> failures_;
  QProgressBar* progress_;
  QToolButton* stop_;
};

}  // namespace ostrak::roster
