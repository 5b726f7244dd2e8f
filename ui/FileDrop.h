#pragma once

// A fighter file dropped on a window goes to the window's load, whatever
// control it lands on. One local file at a time; a folder, several files or
// anything else is refused while it is dragged, so the pointer says so.

#include <QObject>
#include <QString>
#include <functional>

class QMimeData;
class QWidget;

namespace ostrak {

// The local file a drag carries, or an empty string.
QString DroppedFile(const QMimeData* data);

class FileDrop : public QObject {
  Q_OBJECT

public:
  // `open` runs once the drop has ended, so the drag's source is not kept
  // waiting behind a message the load may show.
  FileDrop(QWidget& window, std::function<void(const QString& path)> open);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  std::function<void(const QString& path)> open_;
};

}  // namespace ostrak
