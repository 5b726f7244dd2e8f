#pragma once

// Shared set-up of the edit tests: an active window to put controls in and
// typing as key clicks.

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <ostream>

// Readable QStrings in test failures.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace ostrak::test {

// A shown, active top-level window, so focus and key events behave as on a
// desktop.
class ActiveWindow {
public:
  ActiveWindow() {
    window.resize(300, 200);
    window.show();
    QApplication::setActiveWindow(&window);
  }
  QWidget window;
};

// Types ASCII text as key clicks.
inline void Type(QWidget* widget, const char* text) { QTest::keyClicks(widget, QString::fromLatin1(text)); }

}  // namespace ostrak::test
