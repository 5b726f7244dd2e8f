#pragma once

// TImage: shows a picture, stretched over the whole control or at its own
// size from the top-left corner and clipped to the control. A click is a
// left press and release on it. The picture is composed once per change and
// size, so repaints only copy it; an opaque picture of exactly the control's
// size needs no composing and is shown from its own pixels.

#include <QImage>
#include <QKeySequence>
#include <QWidget>

#include "platform/Picture.h"
#include "widgets/Events.h"

namespace ostrak {

class TImage : public QWidget {
  Q_OBJECT

public:
  explicit TImage(QWidget* parent = nullptr);
  ~TImage() override;

  TPicture& Picture() { return picture_; }
  bool Stretch() const { return stretch_; }
  void SetStretch(bool stretch);

  QString Hint() const { return toolTip(); }
  // Also the name assistive technology reads.
  void SetHint(const QString& hint) {
    setToolTip(hint);
    setAccessibleName(hint);
  }

  void SetBounds(int left, int top, int width, int height) { setGeometry(left, top, width, height); }

  // The key that runs the click's command from anywhere in the window: the
  // window listens for it, the image only tells assistive technology.
  const QKeySequence& Shortcut() const { return shortcut_; }
  void SetShortcut(const QKeySequence& shortcut) { shortcut_ = shortcut; }

  TNotifyEvent OnClick;

protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  bool event(QEvent* event) override;

private:
  void Invalidate();
  // Fills the cache at `scale` device pixels a pixel. A picture that fails
  // to draw (a JPEG whose data is corrupt) leaves it empty; its failure is
  // reported after the paint, as a modal box cannot open inside one.
  void Compose(int scale);
  // Shares the pixels of an opaque picture of the control's size; false,
  // touching nothing, for any other.
  bool ShareCoveringPicture();
  void DrawPicture(int scale);

  TPicture picture_;
  QKeySequence shortcut_;
  bool stretch_ = false;
  QImage composed_;
  int composedScale_ = 1;
  bool stale_ = true;
  bool pressed_ = false;
};

}  // namespace ostrak
