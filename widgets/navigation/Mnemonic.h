#pragma once

// Mnemonics in captions: a single '&' marks the next character, "&&" is a
// literal ampersand.

#include <QChar>
#include <QString>

namespace ostrak {

// The marked character, the last one when several are marked; a null QChar
// when there is none.
QChar MnemonicOf(const QString& caption);

// Whether `character` is the caption's mnemonic, regardless of case.
bool IsAccel(QChar character, const QString& caption);

}  // namespace ostrak
