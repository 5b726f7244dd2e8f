#include "platform/NoticeDialog.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

namespace ostrak {

NoticeDialog::NoticeDialog(const QString& text, const QString& title, QWidget* parent)
    : QDialog(parent), label_(new QLabel(text, this)), ok_(new QPushButton(QStringLiteral("OK"), this)) {
  setWindowTitle(title);
  setWindowModality(Qt::ApplicationModal);
  // No help or maximise button: a title and a close box, like a message box.
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

  const QScreen* screen = QGuiApplication::primaryScreen();
  const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
  label_->setTextFormat(Qt::PlainText);
  label_->setWordWrap(true);
  // Left alone, a word-wrapped label picks a narrow width and breaks even a
  // short sentence: it takes the text's own width, up to half the screen.
  const int widest = area.width() / 2;
  const QRect natural = label_->fontMetrics().boundingRect(QRect(0, 0, widest, 0), Qt::TextWordWrap, text);
  label_->setMinimumWidth(std::min(natural.width(), widest));
  label_->setMaximumWidth(widest);

  // Enter presses the default button; Esc rejects, which closes the notice
  // just the same.
  ok_->setDefault(true);
  ok_->setAutoDefault(true);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label_);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  adjustSize();
  move(area.center() - rect().center());
}

}  // namespace ostrak
