#pragma once

// What every self-drawn control's accessibility interface needs from Qt:
// one factory per control class, installed once, and presses that wait for
// the request to be answered.

#include <QAccessible>
#include <QKeySequence>
#include <QLatin1String>
#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include "platform/ErrorGuard.h"

namespace ostrak {

// Gives every object whose class is exactly `Control` (a subclass with an
// interface of its own keeps it) an `Interface` built on it. Installed on the
// first call only.
template <typename Control, typename Interface>
void InstallAccessibleFactory() {
  static const bool installed = [] {
    QAccessible::installFactory([](const QString& className, QObject* object) -> QAccessibleInterface* {
      auto* control = qobject_cast<Control*>(object);
      if (!control || className != QLatin1String(object->metaObject()->className())) return nullptr;
      return new Interface(control);
    });
    return true;
  }();
  (void)installed;
}

// The key of a control's command, announced with its press action as Qt's
// own buttons announce theirs; `otherwise` for other actions or no key.
inline QStringList PressKeyBindings(const QString& action, const QKeySequence& key, QStringList otherwise) {
  if (action != QAccessibleActionInterface::pressAction() || key.isEmpty()) return otherwise;
  return QStringList{key.toString()};
}

// Runs `press` on `control` once the accessibility request has been
// answered: the command may open a modal dialog, and the assistive
// technology that asked would wait for its answer until the dialog closed.
// Nothing happens if the control is gone or disabled by then.
template <typename Control, typename Press>
void PressWhenAnswered(Control* control, Press press) {
  QPointer<Control> target = control;
  QMetaObject::invokeMethod(
      target,
      [target, press] {
        if (target && target->isEnabled()) Guard([&target, &press] { press(*target); });
      },
      Qt::QueuedConnection);
}

}  // namespace ostrak
