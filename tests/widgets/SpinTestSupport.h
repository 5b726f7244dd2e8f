#pragma once

// Shared set-up of the spin box tests: an active window to put boxes in, the
// editor's box, and a record of what each OnChange saw.

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <ostream>
#include <vector>

#include "platform/Fonts.h"
#include "widgets/SpinEdit.h"

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

// The box as the editor window builds it.
inline TSpinEdit* MakeEditorBox(QWidget* parent, int top = 0) {
  auto* box = new TSpinEdit(parent);
  box->SetBounds(8, top, 65, 21);
  box->SetFont(TahomaBoldFont());
  ApplyEditorAttributeConfiguration(*box);
  box->show();
  return box;
}

struct Reported {
  QString text;
  long double value;
  friend bool operator==(const Reported&, const Reported&) = default;
};

// What each OnChange saw, read inside the handler.
inline void RecordChanges(TCustomSpinEdit& box, std::vector<Reported>& log) {
  box.OnChange = [&box, &log](QObject*) { log.push_back(Reported{box.Text(), box.Value()}); };
}

inline std::vector<long double> ValuesOf(const std::vector<Reported>& log) {
  std::vector<long double> values;
  for (const Reported& r : log) values.push_back(r.value);
  return values;
}

// Types ASCII text as key clicks.
inline void Type(QWidget* widget, const char* text) { QTest::keyClicks(widget, QString::fromLatin1(text)); }

}  // namespace ostrak::test
