#include "widgets/navigation/Mnemonic.h"

namespace ostrak {

QChar MnemonicOf(const QString& caption) {
  QChar mnemonic;
  for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != u'&') continue;
    ++i;  // "&&" skips both; "&x" marks x
    if (caption[i] != u'&') mnemonic = caption[i];
  }
  return mnemonic;
}

bool IsAccel(QChar character, const QString& caption) {
  const QChar mnemonic = MnemonicOf(caption);
  if (mnemonic.isNull() || character.isNull()) return false;
  return QString(mnemonic).compare(QString(character), Qt::CaseInsensitive) == 0;
}

}  // namespace ostrak
