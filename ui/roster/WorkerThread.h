#pragma once

// A thread that runs the roster window's long work (reading a folder,
// writing and checking tables) in the order it is handed over, and a way
// back to the window's thread. Inline runs everything in the caller's thread
// before the call returns: tests drive the window that way, without waits.

#include <QObject>
#include <QThread>
#include <functional>
#include <memory>

namespace ostrak::roster {

enum class Threading { Worker, Inline };

class WorkerThread {
public:
  explicit WorkerThread(Threading threading);
  // Waits for the work in hand to end; what is still queued is dropped.
  ~WorkerThread();
  WorkerThread(const WorkerThread&) = delete;
  WorkerThread& operator=(const WorkerThread&) = delete;

  Threading Mode() const { return threading_; }

  // Runs `work` on the thread, after everything handed over before it.
  void Post(std::function<void()> work);

  // Runs `call` on `receiver`'s thread, unless the receiver is gone by then.
  // Safe from any thread.
  void Deliver(QObject* receiver, std::function<void()> call) const;

private:
  Threading threading_;
  QThread thread_;
  std::unique_ptr<QObject> context_;  // lives on the thread; work is queued to it
};

}  // namespace ostrak::roster
