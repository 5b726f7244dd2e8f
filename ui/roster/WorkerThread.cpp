#include "ui/roster/WorkerThread.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <exception>
#include <string>

#include "platform/ErrorGuard.h"

namespace ostrak::roster {

WorkerThread::WorkerThread(Threading threading) : threading_(threading) {
  if (threading_ == Threading::Inline) return;
  context_ = std::make_unique<QObject>();
  context_->moveToThread(&thread_);
  thread_.setObjectName(QStringLiteral("roster worker"));
  thread_.start();
}

WorkerThread::~WorkerThread() {
  if (threading_ == Threading::Inline) return;
  thread_.quit();
  thread_.wait();
}

void WorkerThread::Post(std::function<void()> work) {
  if (threading_ == Threading::Inline) {
    work();
    return;
  }
  // No exception may leave the thread's event loop; the failure is shown by
  // the window's thread, as any other.
  QMetaObject::invokeMethod(
      context_.get(),
      [work = std::move(work)] {
        std::string failure;
        try {
          work();
          return;
        } catch (const std::exception& error) {
          failure = error.what();
        } catch (...) {
          failure = "Unknown failure";
        }
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [failure] { ShowError(failure); }, Qt::QueuedConnection);
      },
      Qt::QueuedConnection);
}

void WorkerThread::Deliver(QObject* receiver, std::function<void()> call) const {
  if (threading_ == Threading::Inline) {
    call();
    return;
  }
  QMetaObject::invokeMethod(receiver, std::move(call), Qt::QueuedConnection);
}

}  // namespace ostrak::roster
