#include "ui/FormDraft.h"

#include <charconv>

#include "recorded/KeptHistory.h"
#include "ui/FormUndo.h"
#include "ui/Unit1.h"

namespace ostrak {

namespace {

constexpr std::string_view kHeader = "ostrak-form-draft 1\n";
// As large as a fighter file the editor loads, with room for what the controls show.
constexpr std::size_t kMaxDraftBytes = 32u << 20;

void PutNumber(std::string& out, long long number, char end) {
  char digits[24];
  const auto [last, error] = std::to_chars(digits, digits + sizeof digits, number);
  out.append(digits, error == std::errc() ? last : digits);
  out += end;
}

void PutBytes(std::string& out, std::string_view bytes) {
  PutNumber(out, static_cast<long long>(bytes.size()), ' ');
  out.append(bytes);
  out += '\n';
}

// Reads what PutNumber and PutBytes wrote, refusing anything else.
class Reader {
public:
  explicit Reader(std::string_view bytes) : rest_(bytes) {}

  bool Literal(std::string_view text) {
    if (!rest_.starts_with(text)) return false;
    rest_.remove_prefix(text.size());
    return true;
  }
  std::optional<long long> Number(char end) {
    long long number = 0;
    const auto [last, error] = std::from_chars(rest_.data(), rest_.data() + rest_.size(), number);
    if (error != std::errc() || last == rest_.data() || last == rest_.data() + rest_.size() || *last != end)
      return std::nullopt;
    rest_.remove_prefix(static_cast<std::size_t>(last - rest_.data()) + 1);
    return number;
  }
  std::optional<std::string_view> Bytes() {
    const std::optional<long long> size = Number(' ');
    if (!size || *size < 0 || static_cast<unsigned long long>(*size) >= rest_.size()) return std::nullopt;
    const std::string_view bytes = rest_.substr(0, static_cast<std::size_t>(*size));
    rest_.remove_prefix(bytes.size());
    if (!Literal("\n")) return std::nullopt;
    return bytes;
  }
  bool AtEnd() const { return rest_.empty(); }

private:
  std::string_view rest_;
};

}  // namespace

std::string EncodeDraft(const FormSnapshot& form) {
  std::string out(kHeader);
  const TStringList lines = form.Lines();
  out += "lines ";
  PutNumber(out, lines.Count(), '\n');
  for (int i = 0; i < lines.Count(); ++i) PutBytes(out, lines.Get(i));
  out += "fields ";
  PutNumber(out, kFighterFieldCount, '\n');
  for (const FieldDescription& field : kFighterFields) {
    const FieldShown& shown = form.Field(field.field);
    PutBytes(out, shown.text.toStdString());
    PutNumber(out, static_cast<long long>(shown.colour), ' ');
    PutNumber(out, shown.itemIndex, '\n');
  }
  return out;
}

std::optional<FormSnapshot> DecodeDraft(std::string_view bytes) {
  if (bytes.size() > kMaxDraftBytes) return std::nullopt;
  Reader reader(bytes);
  if (!reader.Literal(kHeader) || !reader.Literal("lines ")) return std::nullopt;
  const std::optional<long long> count = reader.Number('\n');
  // Each line takes three bytes at least, so a count beyond that is a lie.
  if (!count || *count < 0 || static_cast<unsigned long long>(*count) > bytes.size() / 3) return std::nullopt;
  TStringList lines;
  for (long long i = 0; i < *count; ++i) {
    const std::optional<std::string_view> line = reader.Bytes();
    if (!line) return std::nullopt;
    lines.Add(std::string(*line));
  }
  if (!reader.Literal("fields ") || reader.Number('\n') != kFighterFieldCount) return std::nullopt;
  std::array<FieldShown, kFighterFieldCount> fields{};
  for (const FieldDescription& field : kFighterFields) {
    const std::optional<std::string_view> text = reader.Bytes();
    const std::optional<long long> colour = text ? reader.Number(' ') : std::nullopt;
    const std::optional<long long> item = colour ? reader.Number('\n') : std::nullopt;
    if (!item || *colour < 0 || *colour > 0xFFFFFFFFLL || *item < kNoSelection || *item > 0xFFFF)
      return std::nullopt;
    FieldShown& shown = fields[static_cast<std::size_t>(field.field)];
    shown.text = QString::fromStdString(std::string(*text));
    shown.colour = static_cast<TColor>(*colour);
    shown.itemIndex = static_cast<int>(*item);
  }
  if (!reader.AtEnd()) return std::nullopt;
  return FormSnapshot(lines, fields);
}

FormDraft::FormDraft(TForm1& form, recorded::KeptHistory& history)
    : form_(form), history_(history), created_(FormSnapshot::Of(form)) {}

void FormDraft::Clean() { clean_ = FormSnapshot::Of(form_); }

bool FormDraft::NeedsNoDraft(const FormSnapshot& form) const {
  return form == created_ || (clean_ && form == *clean_);
}

void FormDraft::KeepAtExit() noexcept {
  try {
    if (!form_.Record()) return;
    const FormSnapshot form = FormSnapshot::Of(form_);
    const bool keep = !NeedsNoDraft(form);
    // An older draft, never recovered, is not lost to a form that needs none.
    if (!keep && !recovered_) return;
    history::Store* store = history_.Current().store();
    if (!store) return;
    if (keep) {
      store->SaveDraft(EncodeDraft(form));
    } else {
      store->ClearDraft();
    }
  } catch (...) {
    // Nothing may stop the exit; the draft is lost.
  }
}

FormDraft::Recovery FormDraft::Recover(const QString& step) {
  const history::Store* store = history_.Current().store();
  if (!store) return Recovery::NoDraft;
  std::optional<history::SavedDraft> draft;
  try {
    draft = store->Draft();
  } catch (const std::exception&) {
    return Recovery::Unreadable;
  }
  if (!draft) return Recovery::NoDraft;
  const std::optional<FormSnapshot> form = DecodeDraft(draft->bytes);
  if (!form) return Recovery::Unreadable;
  form_.UndoHistory().Restore(*form, step);
  recovered_ = true;
  return Recovery::Recovered;
}

}  // namespace ostrak
