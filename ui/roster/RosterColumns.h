#pragma once

// Which of the roster table's columns show, in what order and how wide: the
// header's menu (and the window's Columns menu) chooses them, and the user's
// choice, order and widths are kept per user, beside the last folder. Until
// the user has any, the columns shown are sized to their contents once the
// first rows are in.

#include <QObject>

class QMenu;
class QTableView;

namespace ostrak::roster {

class RosterColumns : public QObject {
  Q_OBJECT

public:
  // Restores what the user kept, if anything; the table's model is set.
  explicit RosterColumns(QTableView& table);

  // The menu of columns; its checks follow the header each time it opens.
  QMenu& Menu() const { return *menu_; }
  bool Shown(int column) const;
  // File stays: a row must say which file it is.
  void SetShown(int column, bool shown);
  void ShowAllAttributes();
  void HideAttributes();
  // The columns, their order and widths as at first.
  void Reset();

  // Sizes the shown columns to their contents, the first time only and not
  // at all when the user's own widths were restored.
  void FitOnce();
  // Keeps the order, widths and choice for the next start.
  void Save() const;

private:
  void Refill();
  void Fit();

  QTableView& table_;
  QMenu* menu_;
  bool fitted_ = false;
};

}  // namespace ostrak::roster
