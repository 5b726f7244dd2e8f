#pragma once

// TComboBox: a pick-only drop-down list. Selecting an item from code raises
// nothing and an index outside the items selects nothing; OnChange is raised
// for the user's choice only. It may draw a bevel inside its bounds, around
// the list box itself.

#include <QComboBox>

#include "platform/Font.h"
#include "widgets/ControlBevel.h"
#include "widgets/Events.h"

namespace ostrak {

class TComboBox : public QComboBox {
  Q_OBJECT

public:
  explicit TComboBox(QWidget* parent = nullptr);

  int ItemIndex() const { return currentIndex(); }
  void SetItemIndex(int index);

  const TControlBevel& Bevel() const { return bevel_; }
  void SetBevel(const TControlBevel& bevel);

  TFont& Font() { return font_; }
  void SetFont(const TFont& font) { font_.Assign(font); }

  // Reading right to left applies only where the user's locale reads that
  // way (the button then on the left, the text still aligned left);
  // elsewhere the list stays left to right.
  void UseRightToLeftReadingWhereTheLocaleDoes();

  TNotifyEvent OnChange;

protected:
  void paintEvent(QPaintEvent* event) override;
  // A pick-only list has no menu of its own; Qt's list would take the
  // request all the same, and the window's menu would never show.
  void contextMenuEvent(QContextMenuEvent* event) override;

private:
  void UserChose();

  TControlBevel bevel_;
  TBevelOverlay bevelOverlay_;
  TFont font_;
};

}  // namespace ostrak
