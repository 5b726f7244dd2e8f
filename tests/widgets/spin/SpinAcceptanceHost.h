#pragma once

// A shown, active window holding one spin box and a plain edit to move the
// focus to. Every OnChange records the Value read inside the handler.

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <vector>

#include "EditTestSupport.h"
#include "widgets/spin/SpinEdit.h"

namespace ostrak::test {

enum class BoxSetup { Editor, Fresh };

class SpinHost {
public:
  explicit SpinHost(BoxSetup setup = BoxSetup::Editor) {
    window_.resize(240, 80);
    box_ = new TSpinEdit(&window_);
    if (setup == BoxSetup::Editor) ApplyEditorAttributeConfiguration(*box_);
    box_->SetBounds(10, 10, 65, 21);
    other_ = new QLineEdit(&window_);
    other_->setGeometry(120, 10, 60, 21);
    box_->OnChange = [this](QObject* sender) {
      EXPECT_EQ(sender, box_);
      changes.push_back(box_->Value());
    };
    window_.show();
    QApplication::setActiveWindow(&window_);
  }

  TSpinEdit& box() { return *box_; }
  QLineEdit& other() { return *other_; }
  QWidget& window() { return window_; }

  // Gives the box the focus as Tab would, then forgets what that recorded.
  void FocusBox() {
    other_->setFocus(Qt::OtherFocusReason);
    box_->setFocus(Qt::TabFocusReason);
    changes.clear();
  }
  // The box shows `value`, has the focus with all its text selected, and no
  // change is recorded.
  void Show(long double value) {
    box_->SetValue(value);
    FocusBox();
    box_->SelectAll();
  }
  void Type(const char* keys) { QTest::keyClicks(box_, keys); }
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(box_, key, modifiers);
  }

  std::vector<long double> changes;

private:
  QWidget window_;
  TSpinEdit* box_;    // owned by window_
  QLineEdit* other_;  // owned by window_
};

}  // namespace ostrak::test
