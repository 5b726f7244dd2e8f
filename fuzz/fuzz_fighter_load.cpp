// Loads the input as a fighter file into a fresh editor form, the way the
// load command does, then checks what must hold for every input: the line
// rules round-trip, the integer syntax agrees with a plain second reading of
// it, shown attributes stay in 1..20 and ratings in 5..100, and only a
// record shorter than 28 lines refuses to be prepared for saving. Failures of
// the system's own kinds are expected; anything else is a finding.

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "core/Errors.h"
#include "core/FloatFormat.h"
#include "core/IntegerSyntax.h"
#include "record/FighterForm.h"
#include "record/FighterRecord.h"
#include "record/Ratings.h"

namespace {

using namespace ostrak;

void Check(bool condition) {
  if (!condition) std::abort();
}

bool IsHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

// The integer syntax read a second, plainer way.
std::optional<std::int32_t> ReferenceInteger(std::string_view text) {
  const auto start = text.find_first_not_of(' ');
  if (start == std::string_view::npos) return std::nullopt;
  text.remove_prefix(start);
  const bool negative = text.front() == '-';
  if (text.front() == '-' || text.front() == '+') text.remove_prefix(1);
  bool hex = false;
  if (text.substr(0, 2) == "0x" || text.substr(0, 2) == "0X") {
    hex = true;
    text.remove_prefix(2);
  } else if (!text.empty() && (text.front() == '$' || text.front() == 'x' || text.front() == 'X')) {
    hex = true;
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  for (const char c : text) {
    if (hex ? !IsHexDigit(c) : (c < '0' || c > '9')) return std::nullopt;
  }
  const auto first = text.find_first_not_of('0');
  const std::string_view digits = first == std::string_view::npos ? std::string_view() : text.substr(first);
  if (digits.size() > (hex ? 8u : 10u)) return std::nullopt;
  const long long value = digits.empty() ? 0 : std::stoll(std::string(digits), nullptr, hex ? 16 : 10);
  if (hex) {
    const auto pattern = static_cast<std::uint32_t>(value);
    return static_cast<std::int32_t>(negative ? 0u - pattern : pattern);
  }
  const long long signedValue = negative ? -value : value;
  if (signedValue < INT32_MIN || signedValue > INT32_MAX) return std::nullopt;
  return static_cast<std::int32_t>(signedValue);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  FighterRecord record;
  record.Lines().SetText(bytes);

  TStringList again;
  again.SetText(record.Lines().Text());
  Check(again == record.Lines());

  for (int i = 0; i < record.Lines().Count() && i < 32; ++i) {
    const std::string& line = record.Lines().Get(i);
    const auto value = TryStrToInt(line);
    Check(value == ReferenceInteger(line));
    if (value) Check(FormatFloatGeneral(*value) == std::to_string(*value));
  }

  FighterForm form;
  try {
    form.Load(record);
  } catch (const ListError&) {
  } catch (const ConversionError&) {
  }
  for (const FighterField field : kAttributeFields) {
    Check(form.Attribute(field) >= kAttributeMinValue && form.Attribute(field) <= kAttributeMaxValue);
  }
  for (const int percentage : EvaluateRatings(form.Attributes()).InBarOrder()) {
    Check(percentage >= 5 && percentage <= 100);
  }

  FighterRecord prepared = record;
  try {
    prepared.PrepareForSave();
    Check(prepared.Lines().Count() >= kFighterLineCount);
  } catch (const ListError&) {
    Check(prepared.Lines().Count() < kFighterLineCount);
  }
  return 0;
}
