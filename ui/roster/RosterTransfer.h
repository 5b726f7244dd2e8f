#pragma once

// The roster to a spreadsheet table and back, through the roster engine:
// the shown rows exported in their order, a table checked, previewed and
// applied. The engine's work runs on a thread of its own.

#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "roster/Roster.h"
#include "ui/roster/ImportPreview.h"
#include "ui/roster/WorkerThread.h"

namespace ostrak {
class Dialogs;
}

namespace ostrak::roster {

class RosterWindow;

class RosterTransfer : public QObject {
  Q_OBJECT

public:
  RosterTransfer(RosterWindow& window, Dialogs& dialogs, Threading threading);
  ~RosterTransfer() override;

  // "Export shown rows…": the table of the shown rows' files, in the order
  // shown, as `ostrak-fighter export` writes it in the dialect the dialog's
  // filter names, under a name that ends as that type's do. The file is
  // replaced only once it is whole.
  void ExportShownRows();
  // "Import table…": the table checked against the folder, then the preview.
  void ImportTable();

  // The preview on screen, if any.
  ImportPreview* Preview() const { return preview_; }

signals:
  void ExportFinished();
  void PreviewShown();
  void ImportFinished(bool applied);

private:
  struct ExportTarget {
    QString path;
    std::size_t kind;  // of the types the dialog offers
  };
  std::optional<ExportTarget> ChooseExportTarget();
  struct Written {
    std::size_t rows = 0;
    std::vector<FileFailure> leftOut;
    QString failure;  // the table could not be written
  };
  void Exported(const QString& path, const Written& written);
  void Plan(const QString& path, ImportMatch match);
  void Planned(const QString& path, const std::shared_ptr<RosterPlan>& plan, PreviewLines lines,
               const std::vector<std::string>& recovered, ImportMatch match);
  // `path`: the table's, which names the change set.
  void Apply(const std::shared_ptr<RosterPlan>& plan, const QString& path);
  // `noHistory`: why the history could not keep the import, if it could not.
  void Committed(const CommitResult& result, const std::string& noHistory);
  QString StartDirectory() const;

  RosterWindow& window_;
  Dialogs& dialogs_;
  QString lastDirectory_;
  QPointer<ImportPreview> preview_;
  bool replanning_ = false;  // the preview closes for one of the other match
  WorkerThread worker_;
};

}  // namespace ostrak::roster
