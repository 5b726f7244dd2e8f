#include "widgets/spin/SpinEdit.h"

#include <cmath>
#include <optional>

#include "core/Errors.h"
#include "core/FloatFormat.h"
#include "core/FloatPicture.h"
#include "core/IntegerSyntax.h"
#include "core/Rounding.h"
#include "platform/AliveWatch.h"
#include "platform/AnsiText.h"
#include "platform/LocaleSeparators.h"
#include "widgets/spin/AccessibleSpinEdit.h"
#include "widgets/spin/SpinValueText.h"

namespace ostrak {

class TCustomSpinEdit::InChangeScope {
public:
  explicit InChangeScope(TCustomSpinEdit& box) : box_(box) { box_.inChange_ = true; }
  ~InChangeScope() { box_.inChange_ = false; }
  InChangeScope(const InChangeScope&) = delete;
  InChangeScope& operator=(const InChangeScope&) = delete;

private:
  TCustomSpinEdit& box_;
};

namespace {

// Restores the edit's modified flag on the way out, also on failure, unless
// a change handler destroyed the edit meanwhile.
class KeepModified {
public:
  explicit KeepModified(TCustomMaskEditEx& edit) : edit_(edit), alive_(&edit), modified_(edit.Modified()) {}
  ~KeepModified() {
    if (alive_) edit_.SetModified(modified_);
  }
  KeepModified(const KeepModified&) = delete;
  KeepModified& operator=(const KeepModified&) = delete;

private:
  TCustomMaskEditEx& edit_;
  AliveWatch alive_;
  bool modified_;
};

std::string Utf8(QChar c) { return QString(c).toStdString(); }

int CountOf(const QString& text, qsizetype end, QChar c) { return static_cast<int>(text.left(end).count(c)); }

}  // namespace

TCustomSpinEdit::TCustomSpinEdit(QWidget* parent) : TCustomMaskEditEx(parent) {
  InstallAccessibleSpinEdits();
  ApplyMinimumHeight();
  RebuildButtons();
}

// Tearing down never reports a change.
TCustomSpinEdit::~TCustomSpinEdit() {
  inChange_ = true;
  destroying_ = true;
  DestroyHandle();
  upDown_.reset();
  button_ = nullptr;
  buttonHost_.reset();
}

std::int32_t TCustomSpinEdit::IntegerValue() const { return TruncateToInt32(Value()); }

long double TCustomSpinEdit::ClampToLimits(long double value) const {
  long double result = value;
  if (checkMinValue_ && minValue_ > value) result = minValue_;
  if (checkMaxValue_ && value > maxValue_) result = maxValue_;
  return result;
}

long double TCustomSpinEdit::EnforceRange(long double value, bool report) const {
  const long double result = ClampToLimits(value);
  if (report && (checkMinValue_ || checkMaxValue_) && result != value) {
    const std::string decimal = Utf8(DecimalSeparator());
    const QString message = QStringLiteral("Value must be between %1 and %2")
                                .arg(QString::fromStdString(FormatFloatGeneral(minValue_, 15, decimal)),
                                     QString::fromStdString(FormatFloatGeneral(maxValue_, 15, decimal)));
    throw RangeError(QStringToAnsi(message));
  }
  return result;
}

long double TCustomSpinEdit::ParseValueText(const QString& text) const {
  const QChar thousands = ThousandsSeparator();
  // The decimal separator is read only when the text holds a group mark:
  // without one there is nothing to take out either way.
  const auto withoutGroups = [&](const QString& t) {
    return !t.contains(thousands) || thousands == DecimalSeparator() ? t : WithoutSeparator(t, thousands);
  };
  const long double roundedMinimum = RoundHalfEven(minValue_);
  switch (valueType_) {
    case TValueType::vtInteger: {
      const auto parsed = ParseDecimalInt32(withoutGroups(text));
      return parsed ? static_cast<long double>(*parsed) : roundedMinimum;
    }
    case TValueType::vtHex: {
      const auto parsed = TryStrToInt("$" + QStringToAnsi(text));
      return parsed ? static_cast<long double>(*parsed) : roundedMinimum;
    }
    case TValueType::vtFloat: {
      const QChar decimal = DecimalSeparator();
      const QString plain = displayFormat_.isEmpty() ? withoutGroups(text) : CleanPictureText(text, decimal);
      return ParseFloat(plain, decimal).value_or(minValue_);
    }
  }
  return minValue_;
}

QString TCustomSpinEdit::FormatValueText(long double clamped) const {
  const std::string decimal = Utf8(DecimalSeparator());
  const std::string thousands = Utf8(ThousandsSeparator());
  switch (valueType_) {
    case TValueType::vtInteger:
      return QString::fromStdString(thousands_ ? FormatFloatNumber(clamped, 0, decimal, thousands)
                                               : FormatFloatFixed(clamped, 0, decimal));
    case TValueType::vtHex:
      return Hex32Text(TruncateToInt32(RoundHalfEven(clamped)));
    case TValueType::vtFloat:
      if (!displayFormat_.isEmpty()) {
        const auto text = FormatFloatPicture(clamped, displayFormat_.toStdString(), decimal, thousands);
        return QString::fromStdString(text ? *text : FormatFloatGeneral(clamped, 15, decimal));
      }
      return QString::fromStdString(thousands_ ? FormatFloatNumber(clamped, decimal_, decimal, thousands)
                                               : FormatFloatFixed(clamped, decimal_, decimal));
  }
  return QString();
}

// The float kind with a display picture shows a plain editing picture while
// the box has the focus; every other box is left alone.
void TCustomSpinEdit::RefreshEditingText() {
  if (valueType_ != TValueType::vtFloat || !focusedFlag_ || displayFormat_.isEmpty()) return;
  QString picture = QStringLiteral("0");
  if (decimal_ > 0) picture += QStringLiteral(".") + QString(decimal_, u'0');
  const auto text = FormatFloatPicture(Value(), picture.toStdString(), Utf8(DecimalSeparator()),
                                       Utf8(ThousandsSeparator()));
  if (!text) return;
  KeepModified keep(*this);
  SetText(QString::fromStdString(*text));
}

void TCustomSpinEdit::Change() {
  if (inChange_ || !HandleAllocated()) return;
  const int caret = SelStart();
  const QString before = Text();
  // The number typed, read once: while no handler runs, the same text reads
  // as the same number.
  std::optional<long double> typed;
  {
    InChangeScope scope(*this);
    if (checkOptions_.Contains(TCheckOption::coCheckOnChange)) {
      typed = Value();
      try {
        EnforceRange(*typed, !checkOptions_.Contains(TCheckOption::coCropBeyondLimit));
      } catch (const RangeError&) {
        // Cropped below all the same.
      }
      SetValue(ClampToLimits(*typed));
    }
  }
  SetSelStart(caret);
  const long double value = typed && Text() == before ? *typed : Value();
  if (value == lastReportedValue_) return;
  if (thousands_ && SelStart() == caret) {
    const QChar separator = ThousandsSeparator();
    SetSelStart(caret + CountOf(Text(), caret, separator) - CountOf(before, caret, separator));
  }
  const AliveWatch alive(this);
  AnnounceValueChange(*this);
  TCustomMaskEditEx::Change();
  // A handler may have written another number, already reported from inside
  // it: the number shown now is the one last reported.
  if (alive) lastReportedValue_ = Value();
}

void TCustomSpinEdit::Loaded() {
  autoCheckMin_ = true;
  autoCheckMax_ = true;
  lastReportedValue_ = Value();
}

void TCustomSpinEdit::StepUp(QObject*) {
  if (ReadOnly()) {
    ErrorBeep();
    return;
  }
  const QString before = Text();
  {
    InChangeScope scope(*this);
    SetValue(Value() + increment_);
  }
  if (QString::compare(before, Text(), Qt::CaseInsensitive) != 0) {
    const AliveWatch alive(this);
    SetModified(true);
    Change();
    if (!alive) return;
  }
  if (OnTopClick) OnTopClick(this);
}

void TCustomSpinEdit::StepDown(QObject*) {
  if (ReadOnly()) {
    ErrorBeep();
    return;
  }
  const QString before = Text();
  {
    InChangeScope scope(*this);
    SetValue(Value() - increment_);
  }
  if (QString::compare(before, Text(), Qt::CaseInsensitive) != 0) {
    const AliveWatch alive(this);
    SetModified(true);
    Change();
    if (!alive) return;
  }
  if (OnBottomClick) OnBottomClick(this);
}

// Setting a flag while its limit is not zero always stores true.
void TCustomSpinEdit::SetCheckMinValue(bool check) {
  checkMinValue_ = minValue_ != 0 ? true : check;
  if (Loading()) autoCheckMin_ = false;
  RewriteValue();
}

void TCustomSpinEdit::SetCheckMaxValue(bool check) {
  checkMaxValue_ = maxValue_ != 0 ? true : check;
  if (Loading()) autoCheckMax_ = false;
  RewriteValue();
}

// A flag is explicit only where a limit of zero leaves it different from what
// the other limit implies; everywhere else it has its implied value.
bool TCustomSpinEdit::CheckMinHasImpliedValue() const {
  return !(minValue_ == 0 && checkMinValue_ == (maxValue_ == 0));
}

bool TCustomSpinEdit::CheckMaxHasImpliedValue() const {
  return !(maxValue_ == 0 && checkMaxValue_ == (minValue_ == 0));
}

void TCustomSpinEdit::SetMaxValue(long double value) {
  if (value == maxValue_) return;
  const bool wasImplied = CheckMaxHasImpliedValue();
  const bool crossedZero = (maxValue_ == 0) != (value == 0);
  maxValue_ = value;
  const AliveWatch alive(this);
  if (crossedZero && autoCheckMax_) {
    SetCheckMaxValue(ImpliedCheck());
    if (alive && wasImplied && autoCheckMin_) SetCheckMinValue(ImpliedCheck());
  }
  if (alive) RewriteValue();
}

void TCustomSpinEdit::SetMinValue(long double value) {
  if (value == minValue_) return;
  const bool wasImplied = CheckMinHasImpliedValue();
  const bool crossedZero = (minValue_ == 0) != (value == 0);
  minValue_ = value;
  const AliveWatch alive(this);
  if (crossedZero && autoCheckMin_) {
    SetCheckMinValue(ImpliedCheck());
    if (alive && wasImplied && autoCheckMax_) SetCheckMaxValue(ImpliedCheck());
  }
  if (alive) RewriteValue();
}

void TCustomSpinEdit::SetValueType(TValueType type) {
  if (type == valueType_) return;
  ChangeValueType(type);
}

void TCustomSpinEdit::ChangeValueType(TValueType type) {
  valueType_ = type;
  if (type == TValueType::vtInteger || type == TValueType::vtHex) {
    increment_ = RoundHalfEven(increment_);
    if (increment_ == 0) increment_ = 1;
  }
  if (type == TValueType::vtHex) thousands_ = false;
  RewriteValue();
}

void TCustomSpinEdit::SetDecimal(std::uint8_t decimal) {
  if (decimal == decimal_) return;
  decimal_ = decimal;
  RewriteValue();
}

// Repaints only: the text takes the new picture at the next write.
void TCustomSpinEdit::SetDisplayFormat(const QString& format) {
  if (format == displayFormat_) return;
  displayFormat_ = format;
  update();
}

// Stored without reformatting; hexadecimal never groups.
void TCustomSpinEdit::SetThousands(bool thousands) {
  if (valueType_ == TValueType::vtHex) return;
  thousands_ = thousands;
}

QString TCustomSpinEdit::StandardDisplayFormat() const { return QStringLiteral(",0.##"); }

TSpinEdit::TSpinEdit(QWidget* parent) : TCustomSpinEdit(parent) {
  SetText(QStringLiteral("0"));
  CreateHandle();
}

TSpinEdit::~TSpinEdit() = default;

long double TSpinEdit::ValueFromText() const { return ParseValueText(Text()); }

void TSpinEdit::ValueToText(long double value) {
  KeepModified keep(*this);
  const AliveWatch alive(this);
  SetText(FormatValueText(ClampToLimits(value)));
  if (alive) RefreshEditingText();
}

void ApplyEditorAttributeConfiguration(TCustomSpinEdit& box) {
  box.BeginLoading();
  box.SetValueType(TValueType::vtInteger);
  box.SetDecimal(0);
  box.SetMaxValue(20.0L);
  box.SetMinValue(1.0L);
  box.SetValue(1.0L);
  box.SetButtonKind(TSpinButtonKind::bkStandard);
  box.SetAlignment(TAlignment::taRightJustify);
  box.SetClipboardCommands(TClipboardCommands{TClipboardCommand::caCopy, TClipboardCommand::caUndo});
  box.EndLoading();
}

}  // namespace ostrak
