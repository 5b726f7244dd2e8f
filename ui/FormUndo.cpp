#include "ui/FormUndo.h"

#include <QAction>
#include <QUndoCommand>
#include <utility>

#include "ui/Unit1.h"

namespace ostrak {
namespace {

// Enough for a long session; the oldest steps go first.
constexpr int kStepLimit = 1000;
constexpr int kNoMerge = -1;

// What happens when the stack first runs a new step.
enum class FirstRedo { AlreadyShown, Shows };

// The focused edit whose own history the keys may take, obeyed like its
// undo request: none when its gate refuses that, and the key goes to the form.
const TCustomMaskEditEx* EditWithOwnHistory(const QObject* control) {
  const auto* edit = qobject_cast<const TCustomMaskEditEx*>(control);
  if (!edit || edit->ReadOnly() || !edit->ClipboardCommands().Contains(TClipboardCommand::caUndo))
    return nullptr;
  return edit;
}

}  // namespace

class FormUndo::FormStep : public QUndoCommand {
public:
  FormStep(FormUndo& owner, std::shared_ptr<const FormSnapshot> before,
           std::shared_ptr<const FormSnapshot> after, const QString& text, int mergeId, FirstRedo first)
      : QUndoCommand(text),
        owner_(owner),
        before_(std::move(before)),
        after_(std::move(after)),
        mergeId_(mergeId),
        skipRedo_(first == FirstRedo::AlreadyShown) {}

  void undo() override { owner_.Show(before_); }
  void redo() override {
    if (std::exchange(skipRedo_, false)) return;
    owner_.Show(after_);
  }
  int id() const override { return mergeId_; }
  // Typing that ends where the step began leaves no step at all.
  bool mergeWith(const QUndoCommand* other) override {
    if (other->id() != mergeId_) return false;
    after_ = static_cast<const FormStep*>(other)->after_;
    setObsolete(*before_ == *after_);
    return true;
  }

private:
  FormUndo& owner_;
  std::shared_ptr<const FormSnapshot> before_;
  std::shared_ptr<const FormSnapshot> after_;
  int mergeId_;
  bool skipRedo_;
};

class FormUndo::RestoringScope {
public:
  explicit RestoringScope(FormUndo& undo) : undo_(undo) { ++undo_.restoring_; }
  ~RestoringScope() { --undo_.restoring_; }
  RestoringScope(const RestoringScope&) = delete;
  RestoringScope& operator=(const RestoringScope&) = delete;

private:
  FormUndo& undo_;
};

FormUndo::FormUndo(TForm1& form)
    : QObject(&form), form_(form), shown_(std::make_shared<const FormSnapshot>(FormSnapshot::Of(form))) {
  setObjectName(QStringLiteral("FormUndo"));
  stack_.setUndoLimit(kStepLimit);
  for (const TLabel* label : form.findChildren<TLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
    const int field = FieldOf(label->FocusControl());
    if (field != kNoMerge) labels_[static_cast<std::size_t>(field)] = label;
  }
}

// The stack says it is empty as it goes; the actions that follow it may
// outlive this object by a moment and need not hear it.
FormUndo::~FormUndo() { stack_.blockSignals(true); }

FormSnapshot FormUndo::Capture() const { return FormSnapshot::Of(form_, shown_.get()); }

void FormUndo::ControlChanged(FighterField field) {
  if (Restoring() || grouping_ > 0) return;
  // Lists change by a choice at a time; typed fields merge.
  const int mergeId = IsAttribute(field) || Describe(field).content == FieldContent::FreeText
                          ? static_cast<int>(field)
                          : kNoMerge;
  Record(FieldCaption(field), mergeId);
}

void FormUndo::Record(const QString& text, int mergeId) {
  auto after = std::make_shared<const FormSnapshot>(Capture());
  if (*after == *shown_) return;
  stack_.push(new FormStep(*this, shown_, after, text, mergeId, FirstRedo::AlreadyShown));
  shown_ = std::move(after);
}

FormUndo::Step::Step(FormUndo& undo, QString text) : undo_(undo), text_(std::move(text)) {
  ++undo_.grouping_;
}

FormUndo::Step::~Step() {
  if (--undo_.grouping_ > 0 || undo_.Restoring()) return;
  try {
    undo_.Record(text_, kNoMerge);
  } catch (...) {
    // Only memory can run out here; the step is lost, the form stays.
  }
}

// Asked from a handler while a form is being put back, these would run the
// stack inside its own step: they do nothing then.
void FormUndo::Restore(const FormSnapshot& snapshot, const QString& text) {
  if (Restoring()) return;
  auto target = std::make_shared<const FormSnapshot>(snapshot);
  if (*target == *shown_) return;
  stack_.push(new FormStep(*this, shown_, std::move(target), text, kNoMerge, FirstRedo::Shows));
  RethrowPending();
}

void FormUndo::Adopt() { shown_ = std::make_shared<const FormSnapshot>(Capture()); }

void FormUndo::Undo() {
  if (Restoring()) return;
  stack_.undo();
  RethrowPending();
}

void FormUndo::Redo() {
  if (Restoring()) return;
  stack_.redo();
  RethrowPending();
}

void FormUndo::Show(const std::shared_ptr<const FormSnapshot>& target) noexcept {
  const auto keep = [this] {
    if (!pending_) pending_ = std::current_exception();
  };
  bool complete = true;
  {
    const RestoringScope restoring(*this);
    try {
      target->ShowIn(form_);
    } catch (...) {
      keep();
      complete = false;
    }
  }
  try {
    // A handler that failed may have left its control short of the
    // snapshot: the next step starts from what the form really shows.
    shown_ = complete ? target : std::make_shared<const FormSnapshot>(Capture());
    if (form_.OnRecordChange) form_.OnRecordChange();
  } catch (...) {
    keep();
  }
}

void FormUndo::RethrowPending() {
  if (std::exception_ptr failure = std::exchange(pending_, nullptr)) std::rethrow_exception(failure);
}

int FormUndo::FieldOf(const QObject* control) const {
  for (const FieldDescription& field : kFighterFields) {
    if (control && form_.FieldControl(field.field) == control) return static_cast<int>(field.field);
  }
  return kNoMerge;
}

bool FormUndo::ControlUndoesFirst(const QObject* control) const {
  const TCustomMaskEditEx* edit = EditWithOwnHistory(control);
  if (!edit || !edit->isUndoAvailable()) return false;
  const int index = stack_.index();
  if (index == 0) return true;
  const int field = FieldOf(control);
  return field != kNoMerge && stack_.command(index - 1)->id() == field;
}

bool FormUndo::ControlRedoesFirst(const QObject* control) const {
  const TCustomMaskEditEx* edit = EditWithOwnHistory(control);
  return edit && edit->isRedoAvailable() && !stack_.canRedo();
}

QString FormUndo::FieldCaption(FighterField field) const {
  const TLabel* label = labels_[static_cast<std::size_t>(field)];
  return label ? label->Caption() : QString();
}

void FormUndo::FollowIn(QAction& undo, QAction& redo) {
  const auto follow = [](QAction& action, const QString& command, bool can, QString step) {
    action.setEnabled(can);
    // Shown as written: a single '&' would mark a mnemonic.
    action.setText(step.isEmpty()
                       ? command
                       : command + QLatin1Char(' ') + step.replace(QLatin1Char('&'), QStringLiteral("&&")));
  };
  // Typing merged into the step before changes neither text; the stack says
  // so all the same, at every keystroke.
  struct Around {
    int index = -1;
    int count = -1;
    const QUndoCommand* before = nullptr;
    const QUndoCommand* after = nullptr;
    bool operator==(const Around&) const = default;
  };
  auto refresh = [this, follow, undoAction = &undo, redoAction = &redo, undoText = undo.text(),
                  redoText = redo.text(), last = Around()]() mutable {
    const int index = stack_.index();
    const Around now{index, stack_.count(), stack_.command(index - 1), stack_.command(index)};
    if (now == last) return;
    last = now;
    follow(*undoAction, undoText, stack_.canUndo(), stack_.undoText());
    follow(*redoAction, redoText, stack_.canRedo(), stack_.redoText());
  };
  connect(&stack_, &QUndoStack::indexChanged, &undo, refresh);
  refresh();
}

}  // namespace ostrak
