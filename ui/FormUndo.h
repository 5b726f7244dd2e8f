#pragma once

// The editor form's undo: each change the user makes is one step on a
// QUndoStack (typing in one field, or stepping one box, merges into the step
// before it while that was the same field's), and Clear all and a load are
// one step each. A step holds the whole form before and after it, so undo
// and redo put back the record's lines byte for byte and what every control
// shows. The stack covers the form between saves; a file's own history is
// kept elsewhere.
//
// Putting a form back runs the controls' handlers like any change; while it
// runs, their changes are the undo's own: they push no step, and the
// editor's record-change notification is raised once, at the end. A failure
// in a handler is thrown only after the stack and the form agree again.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QUndoStack>
#include <array>
#include <exception>
#include <memory>

#include "record/FighterLayout.h"
#include "ui/FormSnapshot.h"

class QAction;

namespace ostrak {

class TForm1;
class TLabel;

class FormUndo : public QObject {
  Q_OBJECT

public:
  // Takes the form as it is now as its starting point; a child of `form`.
  explicit FormUndo(TForm1& form);
  ~FormUndo() override;

  const QUndoStack& Stack() const { return stack_; }

  // A control's change has reached the record: one step, or part of the
  // open Step. Nothing while a form is being put back.
  void ControlChanged(FighterField field);
  // While true, control changes belong to undo, redo or Restore.
  bool Restoring() const { return restoring_ > 0; }

  // Every change made during its life is one step named `text`, recorded on
  // the way out, also when left by a failure after the form changed. Steps
  // opened inside it are part of it.
  class Step {
  public:
    Step(FormUndo& undo, QString text);
    ~Step();
    Step(const Step&) = delete;
    Step& operator=(const Step&) = delete;

  private:
    FormUndo& undo_;
    QString text_;
  };

  FormSnapshot Capture() const;
  // Puts `snapshot` back as one step named `text`, which undo takes back.
  void Restore(const FormSnapshot& snapshot, const QString& text);
  // The form as it is now, changed without a step (the save's fill, which
  // no control shows), is where the next step starts from.
  void Adopt();

  void Undo();
  void Redo();
  // The focused edit keeps the key of undo or redo while its own history is
  // newer than the form's: to undo, when the step undo would take is its
  // own field's typing (or there is none); to redo, when the form has
  // nothing to redo: the edit's own undo was a change, which dropped the
  // form's redo steps, so any the form has are newer.
  bool ControlUndoesFirst(const QObject* control) const;
  bool ControlRedoesFirst(const QObject* control) const;

  // The two actions follow the stack: enabled while there is a step to
  // take, their texts naming it after their own ("Undo Clear all").
  void FollowIn(QAction& undo, QAction& redo);

private:
  class FormStep;
  class RestoringScope;

  // Pushes the change from the current form to the form as it is now.
  void Record(const QString& text, int mergeId);
  // Never throws: the first failure waits in pending_ until the stack's
  // frame has been left (RethrowPending).
  void Show(const std::shared_ptr<const FormSnapshot>& target) noexcept;
  void RethrowPending();
  QString FieldCaption(FighterField field) const;
  int FieldOf(const QObject* control) const;

  TForm1& form_;
  // The label naming each field's control, whose caption names its steps.
  std::array<QPointer<const TLabel>, kFighterFieldCount> labels_;
  QUndoStack stack_;
  // The form as the stack's current step leaves it.
  std::shared_ptr<const FormSnapshot> shown_;
  int restoring_ = 0;
  int grouping_ = 0;
  std::exception_ptr pending_;
};

}  // namespace ostrak
