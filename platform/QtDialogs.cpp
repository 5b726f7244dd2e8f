#include "platform/QtDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QShowEvent>
#include <algorithm>

#include "platform/FileDialog.h"
#include "platform/NoticeDialog.h"

namespace ostrak {
namespace {

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information:
      return QMessageBox::Information;
    case MessageIcon::Stop:
      return QMessageBox::Critical;
    case MessageIcon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

// "*.*" lists every file on the desktop these filters come from; in Qt it
// would list only names with a dot.
QString QtPattern(const QString& pattern) {
  return pattern == QLatin1String("*.*") ? QStringLiteral("*") : pattern;
}

// Hands the keyboard back to the dialog's owner once the dialog has closed:
// a window manager would, a bare X server does not.
class KeyboardReturn {
public:
  explicit KeyboardReturn(QWidget* owner) : window_(owner) {}
  ~KeyboardReturn() {
    if (window_ && window_->isVisible()) window_->activateWindow();
  }
  KeyboardReturn(const KeyboardReturn&) = delete;
  KeyboardReturn& operator=(const KeyboardReturn&) = delete;

private:
  QPointer<QWidget> window_;
};

// Raises the dialog's OnShow once the window is open, and asks before a
// save replaces a file when the dialog says so.
class ShowingFileDialog : public QFileDialog {
public:
  ShowingFileDialog(QWidget* parent, TFileDialog& dialog) : QFileDialog(parent), dialog_(dialog) {}

  // Qt's own question in Qt's words; asked here so that the keyboard comes
  // back to the dialog after a No.
  void accept() override {
    const QStringList chosen = selectedFiles();
    if (dialog_.Kind() == FileDialogKind::Save &&
        dialog_.OnExistingFile() == ExistingFile::AskBeforeReplacing && !chosen.isEmpty()) {
      const QFileInfo file(chosen.first());
      if (file.exists() && !file.isDir() && !MayReplace(file)) return;
    }
    QFileDialog::accept();
  }

protected:
  void showEvent(QShowEvent* event) override {
    QFileDialog::showEvent(event);
    if (!event->spontaneous()) dialog_.DoShow();
  }

private:
  bool MayReplace(const QFileInfo& file) {
    const KeyboardReturn keyboard(this);
    QMessageBox question(
        QMessageBox::Warning, windowTitle(),
        QCoreApplication::translate("QFileDialog", "%1 already exists.\nDo you want to replace it?")
            .arg(file.fileName()),
        QMessageBox::Yes | QMessageBox::No, this);
    question.setTextFormat(Qt::PlainText);
    question.setDefaultButton(QMessageBox::No);
    return question.exec() == QMessageBox::Yes;
  }

  TFileDialog& dialog_;
};

}  // namespace

QWidget* QtDialogs::Owner() {
  if (QWidget* active = QApplication::activeWindow()) owner_ = active;
  return owner_.data();
}

void QtDialogs::ShowMessage(const QString& text, const QString& title, MessageIcon icon) {
  QWidget* owner = Owner();
  const KeyboardReturn keyboard(owner);
  QMessageBox box(ToQtIcon(icon), title, text, QMessageBox::Ok, owner);
  box.setTextFormat(Qt::PlainText);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

void QtDialogs::ShowNotice(const QString& text, const QString& title) {
  const KeyboardReturn keyboard(Owner());
  NoticeDialog notice(text, title);
  notice.exec();
}

void ConfigureQtFileDialog(QFileDialog& qt, const TFileDialog& dialog) {
  qt.setOption(QFileDialog::DontUseNativeDialog);
  // Asked by ShowingFileDialog, which hands the keyboard back after it.
  qt.setOption(QFileDialog::DontConfirmOverwrite);
  qt.setOption(QFileDialog::HideNameFilterDetails);
  qt.setWindowModality(Qt::ApplicationModal);
  qt.setWindowTitle(dialog.Title());
  qt.setAcceptMode(dialog.Kind() == FileDialogKind::Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  // Neither the file nor its folder has to exist.
  qt.setFileMode(QFileDialog::AnyFile);
  qt.setDirectory(dialog.StartDirectory());

  QStringList filters;
  for (const FileFilter& filter : dialog.Filters()) {
    filters << QStringLiteral("%1 (%2)").arg(filter.name, QtPattern(filter.pattern));
  }
  if (!filters.isEmpty()) {
    qt.setNameFilters(filters);
    const int index = dialog.FilterIndex() - 1;
    qt.selectNameFilter(filters.value(index >= 0 && index < filters.size() ? index : 0));
  }
  qt.setDefaultSuffix(dialog.DefaultExt());

  // The name box shows the text as it is, a full path too, without moving
  // the dialog to that path's folder.
  if (auto* name = qt.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) name->setText(dialog.FileName());
}

bool QtDialogs::RunFileDialog(TFileDialog& dialog) {
  QWidget* owner = Owner();
  const KeyboardReturn keyboard(owner);
  ShowingFileDialog qt(owner, dialog);
  ConfigureQtFileDialog(qt, dialog);
  if (qt.exec() != QDialog::Accepted) return false;
  const QStringList chosen = qt.selectedFiles();
  if (chosen.isEmpty()) return false;
  dialog.SetFileName(chosen.first());
  return true;
}

std::optional<QString> QtDialogs::ChooseDirectory(const QString& title, const QString& start) {
  QWidget* owner = Owner();
  const KeyboardReturn keyboard(owner);
  QFileDialog qt(owner, title, start);
  qt.setOption(QFileDialog::DontUseNativeDialog);
  qt.setOption(QFileDialog::ShowDirsOnly);
  qt.setFileMode(QFileDialog::Directory);
  qt.setWindowModality(Qt::ApplicationModal);
  if (qt.exec() != QDialog::Accepted || qt.selectedFiles().isEmpty()) return std::nullopt;
  return qt.selectedFiles().first();
}

void ConfigureQtFileChoice(QFileDialog& qt, const FileChoice& choice) {
  qt.setWindowTitle(choice.title);
  qt.setDirectory(choice.directory);
  qt.setOption(QFileDialog::DontUseNativeDialog);
  qt.setWindowModality(Qt::ApplicationModal);
  const bool save = choice.kind == FileDialogKind::Save;
  qt.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  qt.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  QStringList filters;
  for (const FileFilter& filter : choice.filters)
    filters << QStringLiteral("%1 (%2)").arg(filter.name, filter.pattern);
  if (!filters.isEmpty()) {
    qt.setNameFilters(filters);
    qt.selectNameFilter(filters.value(choice.filter, filters.first()));
  }
  const auto suffixOf = [choice](qsizetype filter) {
    if (choice.suffixRule == DefaultSuffix::Given) return choice.defaultSuffix;
    return filter >= 0 && filter < static_cast<qsizetype>(choice.filters.size())
               ? FilterSuffix(choice.filters[static_cast<std::size_t>(filter)])
               : QString();
  };
  qt.setDefaultSuffix(suffixOf(choice.filter));
  if (choice.suffixRule == DefaultSuffix::OfFilter) {
    QObject::connect(&qt, &QFileDialog::filterSelected, &qt, [&qt, filters, suffixOf](const QString& filter) {
      qt.setDefaultSuffix(suffixOf(filters.indexOf(filter)));
    });
  }
  if (!choice.fileName.isEmpty()) qt.selectFile(choice.fileName);
}

std::optional<ChosenFile> QtDialogs::ChooseFile(const FileChoice& choice) {
  QWidget* owner = Owner();
  const KeyboardReturn keyboard(owner);
  QFileDialog qt(owner);
  ConfigureQtFileChoice(qt, choice);
  if (qt.exec() != QDialog::Accepted || qt.selectedFiles().isEmpty()) return std::nullopt;
  return ChosenFile{qt.selectedFiles().first(),
                    std::max(0, static_cast<int>(qt.nameFilters().indexOf(qt.selectedNameFilter())))};
}

bool QtDialogs::Ask(const QString& text, const QString& title) {
  QWidget* owner = Owner();
  const KeyboardReturn keyboard(owner);
  QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, owner);
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(QMessageBox::Yes);
  box.setWindowModality(Qt::ApplicationModal);
  return box.exec() == QMessageBox::Yes;
}

std::optional<QString> QtDialogs::AskText(const QString& label, const QString& title,
                                          const QString& initial) {
  QWidget* owner = Owner();
  const KeyboardReturn keyboard(owner);
  QInputDialog dialog(owner);
  dialog.setWindowTitle(title);
  dialog.setLabelText(label);
  dialog.setTextValue(initial);
  dialog.setWindowModality(Qt::ApplicationModal);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.textValue();
}

}  // namespace ostrak
