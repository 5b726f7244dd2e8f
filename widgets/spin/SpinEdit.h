#pragma once

// The attribute spin box: a single-line numeric field with a stepper set into
// its edge. The text is the value: every read of Value parses the text, every
// write clamps the number into the limits and formats it back. Typing,
// stepping, the arrow keys and the wheel all end in the text, and one change
// processing step follows every text change: it normalises the text and
// raises OnChange only when the number shown differs from the one last
// reported.

#include <QString>
#include <cstdint>
#include <memory>

#include "core/Set.h"
#include "widgets/spin/MaskEditEx.h"
#include "widgets/spin/SpinUpDown.h"

namespace ostrak {

class TSpinButton;

enum class TValueType { vtInteger, vtFloat, vtHex };
enum class TSpinButtonKind { bkStandard, bkDiagonal, bkClassic };
enum class TCheckOption { coCheckOnChange, coCheckOnExit, coCropBeyondLimit };
using TCheckOptions = TSet<TCheckOption>;

inline constexpr TCheckOptions kDefaultCheckOptions{
    TCheckOption::coCheckOnChange, TCheckOption::coCheckOnExit, TCheckOption::coCropBeyondLimit};

class TCustomSpinEdit : public TCustomMaskEditEx {
  Q_OBJECT

public:
  explicit TCustomSpinEdit(QWidget* parent = nullptr);
  ~TCustomSpinEdit() override;

  // The number shown, parsed from the text at every read.
  long double Value() const { return ValueFromText(); }
  // Clamps, formats and sets the text; when that changes the text, change
  // processing (and OnChange, when due) has run before this returns.
  void SetValue(long double value) { ValueToText(value); }
  // Value truncated toward zero, low 32 bits.
  std::int32_t IntegerValue() const;

  long double MinValue() const { return minValue_; }
  void SetMinValue(long double value);
  long double MaxValue() const { return maxValue_; }
  void SetMaxValue(long double value);
  bool CheckMinValue() const { return checkMinValue_; }
  void SetCheckMinValue(bool check);
  bool CheckMaxValue() const { return checkMaxValue_; }
  void SetCheckMaxValue(bool check);
  TCheckOptions CheckOptions() const { return checkOptions_; }
  void SetCheckOptions(TCheckOptions options) { checkOptions_ = options; }
  long double Increment() const { return increment_; }
  void SetIncrement(long double increment) { increment_ = increment; }
  TValueType ValueType() const { return valueType_; }
  void SetValueType(TValueType type);
  int Decimal() const { return decimal_; }
  void SetDecimal(std::uint8_t decimal);
  const QString& DisplayFormat() const { return displayFormat_; }
  void SetDisplayFormat(const QString& format);
  bool Thousands() const { return thousands_; }
  void SetThousands(bool thousands);
  bool ArrowKeys() const { return arrowKeys_; }
  void SetArrowKeys(bool arrowKeys);
  TSpinButtonKind ButtonKind() const { return buttonKind_; }
  void SetButtonKind(TSpinButtonKind kind);
  bool ShowButton() const { return showButton_; }
  void SetShowButton(bool show);
  bool EditorEnabled() const { return editorEnabled_; }
  void SetEditorEnabled(bool enabled) { editorEnabled_ = enabled; }

  // The limits applied to a number when the check flags ask for them. The
  // upper test compares the unclamped number and runs second, so it wins.
  long double ClampToLimits(long double value) const;
  // ClampToLimits, but with `report` and a check flag set, a number outside
  // the limits is a RangeError "Value must be between %0:g and %1:g".
  long double EnforceRange(long double value, bool report) const;

  long double LastReportedValue() const { return lastReportedValue_; }
  bool InChange() const { return inChange_; }
  bool FocusedFlag() const { return focusedFlag_; }
  bool AutoCheckMin() const { return autoCheckMin_; }
  bool AutoCheckMax() const { return autoCheckMax_; }

  TSpinButtonKind EffectiveButtonKind() const;
  int StepperWidth() const;
  // The font's text height plus four border heights plus one.
  int MinimumHeight() const;
  // The stepper of the current kind, or null.
  TSpinUpDown* UpDownStepper() const { return upDown_.get(); }
  TSpinButton* ButtonStepper() const { return button_; }

  // What a kind of spin box may replace, in the order the platform's numeric
  // edit declares it. ValueFromText and ValueToText are Value's read and write.
  virtual long double ValueFromText() const = 0;
  virtual void RefreshEditingText();
  virtual void ValueToText(long double value) = 0;
  virtual void ChangeValueType(TValueType type);
  virtual QString StandardDisplayFormat() const;
  virtual bool AcceptsChar(QChar key) const;
  virtual void StepDown(QObject* sender);
  virtual void StepUp(QObject* sender);

  TNotifyEvent OnTopClick;
  TNotifyEvent OnBottomClick;

protected:
  // The number of `text` under the current kind (never raises), and the
  // text of a number that is already clamped.
  long double ParseValueText(const QString& text) const;
  QString FormatValueText(long double clamped) const;

  void CreateWnd() override;
  void Change() override;
  void Loaded() override;
  bool ClipboardRequestAllowed(TClipboardCommand command) const override;
  void DoEnter() override;
  void DoExit() override;
  void FocusLost() override;
  void KeyDown(int& key, TShiftState shift) override;
  void KeyPress(QChar& key) override;
  void FontChanged() override;
  void EnabledChanged() override;
  void ReadingDirectionChanged() override;
  void wheelEvent(QWheelEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

private:
  // Sets InChange for its lifetime and clears it on the way out, also on
  // failure.
  class InChangeScope;

  void RewriteValue() { SetValue(Value()); }
  bool CheckMinHasImpliedValue() const;
  bool CheckMaxHasImpliedValue() const;
  bool ImpliedCheck() const { return minValue_ != 0 || maxValue_ != 0; }
  void RebuildButtons();
  void LayoutButtons();
  void ApplyTextMargins();
  void ApplyMinimumHeight();
  void UpDownClick(TUDBtnType button);

  long double minValue_ = 0;
  long double maxValue_ = 0;
  bool checkMinValue_ = false;
  bool checkMaxValue_ = false;
  TCheckOptions checkOptions_ = kDefaultCheckOptions;
  long double increment_ = 1.0L;
  TValueType valueType_ = TValueType::vtInteger;
  std::uint8_t decimal_ = 2;
  QString displayFormat_;
  bool thousands_ = false;
  bool arrowKeys_ = true;
  TSpinButtonKind buttonKind_ = TSpinButtonKind::bkDiagonal;
  bool showButton_ = true;
  bool editorEnabled_ = true;

  long double lastReportedValue_ = 0;
  bool inChange_ = false;
  bool focusedFlag_ = false;
  bool autoCheckMin_ = true;
  bool autoCheckMax_ = true;
  bool destroying_ = false;

  std::unique_ptr<TSpinUpDown> upDown_;
  std::unique_ptr<QWidget> buttonHost_;
  TSpinButton* button_ = nullptr;  // owned by buttonHost_
};

class TSpinEdit : public TCustomSpinEdit {
  Q_OBJECT

public:
  explicit TSpinEdit(QWidget* parent = nullptr);
  ~TSpinEdit() override;

  long double ValueFromText() const override;
  void ValueToText(long double value) override;
};

// The configuration of the editor window's attribute boxes, applied in
// stored order inside the loading bracket: whole numbers 1 to 20, showing 1,
// the standard stepper, right-aligned, copy and undo only.
void ApplyEditorAttributeConfiguration(TCustomSpinEdit& box);

}  // namespace ostrak
