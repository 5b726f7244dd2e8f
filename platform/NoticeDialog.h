#pragma once

// The editor's own small modal notice: the title, the text word-wrapped at
// most half the screen wide, no icon, and one "OK" that Enter and Esc both
// press. It opens centred on the screen.

#include <QDialog>

class QLabel;
class QPushButton;

namespace ostrak {

class NoticeDialog : public QDialog {
  Q_OBJECT

public:
  NoticeDialog(const QString& text, const QString& title, QWidget* parent = nullptr);

  QLabel* TextLabel() const { return label_; }
  QPushButton* OkButton() const { return ok_; }

private:
  QLabel* label_;
  QPushButton* ok_;
};

}  // namespace ostrak
