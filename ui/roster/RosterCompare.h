#pragma once

// "Compare with folder or table…": the roster shown beside another, a folder
// or a table (CSV in any dialect an import reads, or JSON), fighters paired
// by their file or by their Sherdog ID. Every fighter added, removed, changed
// or renamed is a row (status, file, changed fields); the unchanged are
// counted. A row opens both versions side by side: every field and the six
// ratings, before and after. The reading and comparing run on the worker.

#include <QWidget>
#include <array>
#include <memory>
#include <vector>

#include "roster/RosterDiff.h"
#include "ui/roster/WorkerThread.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace ostrak {
class Dialogs;
}

namespace ostrak::roster {

class RosterWindow;

// What a comparison found: both rosters as read and how they differ.
struct RosterComparison {
  std::string other;        // the roster compared with, as named
  RosterContents sides[2];  // the window's folder first
  RosterDiff diff;
  QStringList problems;  // why it could not compare; nothing else then
};

// The window's folder (ending in '/') beside `other`, paired by `match`.
std::shared_ptr<RosterComparison> CompareWithFolder(const std::string& folder, const std::string& other,
                                                    MatchBy match);

class RosterCompare : public QWidget {
  Q_OBJECT

public:
  enum ResultColumn { Status, File, ChangedFields, ResultColumnCount };
  enum DetailColumn { DetailField, DetailChanged, Before, After, DetailColumnCount };

  RosterCompare(RosterWindow& window, Dialogs& dialogs, std::array<QString, 6> ratingCaptions,
                Threading threading);
  ~RosterCompare() override;

  QLineEdit& Source() const { return *source_; }
  QComboBox& Match() const { return *match_; }
  QPushButton& CompareButton() const { return *compare_; }
  QLabel& Summary() const { return *summary_; }
  QTableWidget& Results() const { return *results_; }
  QTableWidget& Detail() const { return *detail_; }

  // Compares the window's folder with the source named now.
  void CompareNow();
  // Both versions of the result row `row`, side by side.
  void ShowDetail(int row);

signals:
  void Compared();

private:
  void ChooseFolder();
  void ChooseTable();
  void Show(const std::shared_ptr<RosterComparison>& comparison);

  RosterWindow& window_;
  Dialogs& dialogs_;
  std::array<QString, 6> ratingCaptions_;
  std::shared_ptr<RosterComparison> shown_;
  QLineEdit* source_;
  QComboBox* match_;
  QPushButton* compare_;
  QLabel* summary_;
  QTableWidget* results_;
  QLabel* detailTitle_;
  QTableWidget* detail_;
  WorkerThread worker_;  // last: it ends before the rest goes
};

}  // namespace ostrak::roster
