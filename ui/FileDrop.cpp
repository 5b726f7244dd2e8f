#include "ui/FileDrop.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include "platform/ErrorGuard.h"

namespace ostrak {

QString DroppedFile(const QMimeData* data) {
  if (!data || !data->hasUrls()) return QString();
  const QList<QUrl> urls = data->urls();
  if (urls.size() != 1 || !urls.front().isLocalFile()) return QString();
  const QString path = urls.front().toLocalFile();
  return QFileInfo(path).isDir() ? QString() : path;
}

FileDrop::FileDrop(QWidget& window, std::function<void(const QString& path)> open)
    : QObject(&window), open_(std::move(open)) {
  // The controls take no drops: whatever they are dragged over, the window
  // is offered it.
  window.setAcceptDrops(true);
  window.installEventFilter(this);
}

bool FileDrop::eventFilter(QObject*, QEvent* event) {
  switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      auto* drag = static_cast<QDropEvent*>(event);
      if (DroppedFile(drag->mimeData()).isEmpty()) return false;
      drag->acceptProposedAction();
      return true;
    }
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(event);
      const QString path = DroppedFile(drop->mimeData());
      if (path.isEmpty()) return false;
      drop->acceptProposedAction();
      QMetaObject::invokeMethod(
          this, [this, path] { Guard([&] { open_(path); }); }, Qt::QueuedConnection);
      return true;
    }
    default:
      return false;
  }
}

}  // namespace ostrak
