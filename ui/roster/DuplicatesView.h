#pragma once

// The roster table narrowed to the files that are probably one fighter: the
// same Sherdog ID, or the same full name and date of birth. A toggle beside
// the weight classes turns it on; the groups are looked for again whenever
// the folder's rows change, so the view follows the folder.

#include <QObject>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "roster/Duplicates.h"
#include "ui/roster/RosterRow.h"
#include "ui/roster/RowGroups.h"

class QCheckBox;
class QLabel;

namespace ostrak::roster {

class RosterWindow;

// "same Sherdog ID 12345", in the window's language.
QString DuplicateReasonText(const DuplicateLink& link);

// The groups among `rows`, files under `folder` (ending in '/'): in the order
// of their first file by name, each row labelled with its group's number and
// the reasons that hold it. One file under two names (hard links) is one
// fighter, not two.
RowGroups GroupDuplicateRows(const std::vector<RosterRow>& rows, const std::string& folder);

// Whether the rules make the two rows, files under `folder`, one fighter's:
// two names of one file are not two fighters.
bool OneFighter(const RosterRow& a, const RosterRow& b, const std::string& folder);

class DuplicatesView : public QObject {
  Q_OBJECT

public:
  explicit DuplicatesView(RosterWindow& window);

  QCheckBox& Toggle() const { return *toggle_; }
  // How many groups there are, while the toggle is on.
  QLabel& Note() const { return *note_; }
  bool On() const;
  void SetOn(bool on);
  // Looks for the groups again among every row read.
  void Regroup();

  // The two selected rows' files, when they are one fighter's.
  std::optional<std::pair<std::string, std::string>> SelectedPair() const;

signals:
  // The table shows the groups as they are now (or every row again).
  void Regrouped();
  // What SelectedPair answers may have changed.
  void PairChanged();

private:
  RosterWindow& window_;
  QCheckBox* toggle_;
  QLabel* note_;
};

}  // namespace ostrak::roster
