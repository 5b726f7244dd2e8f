#pragma once

// The editor's form at exit, kept in the user's history as a draft, so that
// an unsaved fighter can be brought back at the next start: nothing asks at
// exit. A form as created, or as a file holds it (just loaded, just saved),
// is no draft. A draft found at start stays until an exit leaves another, or
// until one recovered has been saved or cleared away.

#include <optional>
#include <string>
#include <string_view>

#include "ui/FormSnapshot.h"

class QString;

namespace ostrak {

class TForm1;
namespace recorded {
class KeptHistory;
}

// The draft's bytes: the record's lines and what each control shows.
std::string EncodeDraft(const FormSnapshot& form);
// None for bytes that are no draft of this form (damaged, or of another version).
std::optional<FormSnapshot> DecodeDraft(std::string_view bytes);

class FormDraft {
public:
  // The form as it is now (as created) needs no draft. The draft lives in
  // `history`, the store the form's saves use.
  FormDraft(TForm1& form, recorded::KeptHistory& history);

  // The form now is as a file holds it.
  void Clean();
  // Keeps the form as a draft unless it needs none. Never throws: a history
  // that cannot be used at exit loses the draft, not the exit.
  void KeepAtExit() noexcept;

  enum class Recovery { Recovered, NoDraft, Unreadable };
  // Puts the kept draft back as one undoable step named `step`.
  Recovery Recover(const QString& step);

private:
  bool NeedsNoDraft(const FormSnapshot& form) const;

  TForm1& form_;
  recorded::KeptHistory& history_;
  FormSnapshot created_;
  std::optional<FormSnapshot> clean_;
  bool recovered_ = false;
};

}  // namespace ostrak
