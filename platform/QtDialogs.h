#pragma once

// The dialogs as Qt shows them: message boxes, the notice, and Qt's own
// widget-based file dialog (never a desktop portal), so they look and take
// the keyboard the same on every desktop.

#include <QPointer>
#include <QString>
#include <QWidget>

#include "platform/Dialogs.h"

class QFileDialog;

namespace ostrak {

class QtDialogs : public Dialogs {
public:
  void ShowMessage(const QString& text, const QString& title, MessageIcon icon) override;
  void ShowNotice(const QString& text, const QString& title) override;
  bool RunFileDialog(TFileDialog& dialog) override;
  std::optional<QString> ChooseDirectory(const QString& title, const QString& start) override;
  std::optional<ChosenFile> ChooseFile(const FileChoice& choice) override;
  bool Ask(const QString& text, const QString& title) override;
  std::optional<QString> AskText(const QString& label, const QString& title, const QString& initial) override;

private:
  // The window a dialog belongs to: the active one or, while no window is
  // active because a dialog has just closed, the one that was active last.
  QWidget* Owner();

  QPointer<QWidget> owner_;
};

// Sets `qt` up as `dialog` asks, for opening; shared with the tests.
void ConfigureQtFileDialog(QFileDialog& qt, const TFileDialog& dialog);
// The same for a file the program chooses on its own account.
void ConfigureQtFileChoice(QFileDialog& qt, const FileChoice& choice);

}  // namespace ostrak
