// The language at start-up: settings, caption table, the 32 captions in
// table order, then the flag picture and its hint. The first failure ends
// it; what was not set keeps its design-time text.

#include "localisation/CaptionLines.h"
#include "platform/AnsiText.h"
#include "ui/Unit1.h"

namespace ostrak {

void TForm1::LoadLanguage() {
  language_.Load();
  for (const StartupCaption& caption : kStartupCaptions) {
    ApplyCaption(caption.control, AnsiToQString(language_.Caption(caption.line)));
  }
  const FlagChoice flag = language_.Flag();
  imIdioma->Picture().LoadFromFile(flag.path);
  imIdioma->SetHint(QString::fromUtf8(flag.hint));
}

// A label shows the caption, an edit's attached label does, a button does.
void TForm1::ApplyCaption(const char* controlName, const QString& caption) {
  QObject* control = findChild<QObject*>(QLatin1String(controlName), Qt::FindDirectChildrenOnly);
  if (auto* label = qobject_cast<TLabel*>(control)) {
    label->SetCaption(caption);
  } else if (auto* edit = qobject_cast<TLabeledEdit*>(control)) {
    edit->EditLabel()->SetCaption(caption);
  } else if (auto* button = qobject_cast<TNavPanelButton*>(control)) {
    button->SetCaption(caption);
  }
}

}  // namespace ostrak
