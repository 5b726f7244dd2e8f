#pragma once

// An editor window, shown offscreen, on a private copy of the shipped data
// files, with its dialogs scripted and its error display recorded. The
// evaluation window exists hidden, as at start-up. Input goes through real
// key and mouse events.

#include <QDir>
#include <QTest>
#include <functional>
#include <memory>
#include <string>

#include "platform/ErrorGuard.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDirectory.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"

namespace ostrak::test {

// A portable copy keeps its settings beside the program; an installed one
// (its folder read-only) in the user's configuration folder.
enum class Copy { Portable, Installed };

class EditorHarness {
public:
  // `prepare` may change or remove the copied data files before the window
  // is created.
  explicit EditorHarness(const std::function<void(const TempDirectory& program)>& prepare = {});
  // `configHome` is the user's configuration folder, ending in '/'.
  EditorHarness(Copy copy, const std::string& configHome,
                const std::function<void(const TempDirectory& program)>& prepare = {});
  ~EditorHarness();

  TForm1& Form() { return *form_; }
  TForm2& Evaluation() { return *evaluation_; }
  const std::string& ProgramDirectory() const { return program_.path(); }
  // A scratch folder for fighter files.
  const TempDirectory& Files() const { return files_; }

  // Record line `line`, or "(none)" when the record lacks it.
  std::string Line(int line);

  void Click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(3, 3)); }
  // Replaces the text as a user does: select all, then type.
  void Type(QLineEdit* edit, const char* text);
  // Picks item `index` of a list with the down arrow, from no selection.
  void Choose(QWidget* list, int index);
  // Fills the five fields the save command requires.
  void FillRequired();
  // Gives `control` the keyboard in its active window, where shortcuts answer.
  static void Focus(QWidget* control);
  // Everything the form shows, control by control, and the record's bytes.
  std::string FormState();

  ScriptedDialogs dialogs;
  ScopedErrorCapture errors;

private:
  TempDirectory program_;
  TempDirectory files_;
  QString previousDirectory_;
  std::unique_ptr<TForm1> form_;
  TForm2* evaluation_;
};

// What the save command writes: the lines, each followed by CR LF.
std::string FileOf(std::initializer_list<const char*> lines);

}  // namespace ostrak::test
