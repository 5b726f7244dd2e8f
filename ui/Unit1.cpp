#include "ui/Unit1.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <stdexcept>

#include "platform/AnsiText.h"
#include "platform/ErrorGuard.h"
#include "platform/Fonts.h"
#include "platform/SystemColors.h"
#include "recorded/KeptHistory.h"
#include "ui/FormDraft.h"
#include "ui/FormUndo.h"
#include "ui/WindowPlacement.h"

namespace ostrak {

TForm1::TForm1(Dialogs& dialogs, std::string programDirectory, QWidget* parent)
    : TForm1(dialogs, programDirectory, SettingsPlaceFor(programDirectory, ProgramFolder::Portable, ""),
             parent) {}

TForm1::TForm1(Dialogs& dialogs, std::string programDirectory, SettingsPlace settings, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      dialogs_(dialogs),
      programDirectory_(std::move(programDirectory)),
      language_(programDirectory_, std::move(settings)) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QString::fromLatin1(kApplicationTitle));
  setFixedSize(463, 587);
  const TColor face = GetSysColor(COLOR_BTNFACE);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, QColor(GetRValue(face), GetGValue(face), GetBValue(face)));
  setPalette(colours);
  setAutoFillBackground(true);
  setFont(TahomaFont().ToQFont());
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    PlaceCentred(*this, screen->availableGeometry().center(), screen);
  }

  CreateControls();
  FindFieldControls();
  AssignHandlers();
  // A failure here is shown and the window opens all the same, with the
  // rest of the creation skipped.
  Guard([this] { FormCreate(this); });
  // The form as created is where undo ends.
  undo_ = new FormUndo(*this);
  history_ = std::make_unique<recorded::KeptHistory>();
  draft_ = std::make_unique<FormDraft>(*this, *history_);
  AttachKeyboardAndDrops();
}

TForm1::~TForm1() = default;

void TForm1::FormCreate(QObject*) {
  record_ = std::make_unique<FighterRecord>();
  // The directory ends in a separator already; the doubled one is harmless.
  imFondo->Picture().LoadFromFile(programDirectory_ + "/Fondo6.jpg");
  LoadLanguage();
}

// The form at exit is kept as a draft before the record goes.
void TForm1::FormClose(QObject*) {
  if (draft_) draft_->KeepAtExit();
  record_.reset();
}

void TForm1::closeEvent(QCloseEvent* event) {
  Guard([this] { FormClose(this); });
  event->accept();
}

QString TForm1::CaptionText(int line) const { return AnsiToQString(language_.CaptionOrDefault(line)); }

void TForm1::FindFieldControls() {
  for (const FieldDescription& field : kFighterFields) {
    fieldControls_[static_cast<std::size_t>(field.field)] =
        findChild<QWidget*>(QLatin1String(field.control), Qt::FindDirectChildrenOnly);
  }
}

TSpinEdit& TForm1::AttributeBox(FighterField field) const {
  auto* box = qobject_cast<TSpinEdit*>(fieldControls_[static_cast<std::size_t>(field)]);
  if (!box) throw std::logic_error("no attribute box for this field");
  return *box;
}

TLabeledEdit& TForm1::TextEdit(FighterField field) const {
  auto* edit = qobject_cast<TLabeledEdit*>(fieldControls_[static_cast<std::size_t>(field)]);
  if (!edit) throw std::logic_error("no edit for this field");
  return *edit;
}

FighterRecord& TForm1::LiveRecord() const {
  if (!record_) throw std::runtime_error("The fighter record is not available");
  return *record_;
}

}  // namespace ostrak
