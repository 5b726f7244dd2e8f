#pragma once

// TPopupMenu: a menu that pops up at a screen point and blocks until it
// closes, remembering which component popped it up.

#include <QMenu>
#include <QPointer>

namespace ostrak {

// Where the menu sits relative to the point it is shown at.
enum class TPopupAlignment { paLeft, paRight, paCenter };

class TPopupMenu : public QMenu {
  Q_OBJECT

public:
  explicit TPopupMenu(QWidget* parent = nullptr) : QMenu(parent) {}

  TPopupAlignment Alignment() const { return alignment_; }
  void SetAlignment(TPopupAlignment alignment) { alignment_ = alignment; }

  QObject* PopupComponent() const { return popupComponent_; }
  void SetPopupComponent(QObject* component) { popupComponent_ = component; }

  // Shows the menu at screen point (x, y); returns when it closes.
  virtual void Popup(int x, int y);

private:
  TPopupAlignment alignment_ = TPopupAlignment::paLeft;
  QPointer<QObject> popupComponent_;
};

}  // namespace ostrak
