#pragma once

// Any call that runs foreign code (an event handler, an overridable
// operation, Qt's own handling of an event) may destroy the object that made
// it: the handler closed the window, rebuilt a control or deleted it. An
// AliveWatch taken before such a call says afterwards whether the object
// still exists; code that goes on after the call touches the object only
// while it does.

#include <QObject>
#include <QPointer>

namespace ostrak {

class AliveWatch {
public:
  explicit AliveWatch(QObject* object) : object_(object) {}

  // False once the object has been destroyed.
  bool Alive() const { return !object_.isNull(); }
  explicit operator bool() const { return Alive(); }

private:
  QPointer<QObject> object_;
};

}  // namespace ostrak
