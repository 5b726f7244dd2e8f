#pragma once

// The editor's one document: the fighter held as text lines, which are also,
// byte for byte, the fighter file. Every control writes its own line when it
// reports a change; saving writes the list; loading replaces it.

#include <string>

#include "record/FighterLayout.h"
#include "record/StringList.h"

namespace ostrak {

// What an empty line becomes at save time, whatever its field.
inline constexpr const char* kFillValue = "1";

// The attribute encoding: general format, 15 significant digits, '.' as the
// separator ("7" for the whole numbers the editor holds).
std::string EncodeAttribute(long double value);

// A loaded file shorter than kFighterLineCount lines gets empty lines up to
// that count, so every field has its line and the save's fill reaches them.
void CompleteFighterLines(TStringList& lines);

class FighterRecord {
public:
  // A new record: kFighterLineCount empty lines.
  FighterRecord();

  TStringList& Lines() { return lines_; }
  const TStringList& Lines() const { return lines_; }

  // Put field: the line of `field` receives the control's text, value or
  // code. Each fails with the list error when the record is shorter than the
  // field's line (a short file was loaded).
  void PutText(FighterField field, std::string text);
  void PutAttribute(FighterField field, long double value);
  void PutGamePlanIndex(int index);
  void PutWeightClassIndex(int index);

  // The fill rule: lines 0 to 27 in order, each empty one becomes kFillValue.
  // A shorter record fails at its first missing line, after the lines before
  // it were filled.
  void PrepareForSave();

  // Saving is the roster engine's (roster/SaveFile.h): every write of a
  // fighter file goes through its commit.
  void LoadFromFile(const std::string& path) { lines_.LoadFromFile(path); }

private:
  TStringList lines_;
};

}  // namespace ostrak
