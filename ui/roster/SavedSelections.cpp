#include "ui/roster/SavedSelections.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <algorithm>

#include "platform/Dialogs.h"
#include "platform/ErrorGuard.h"
#include "record/FighterLayout.h"
#include "ui/roster/RosterFolder.h"
#include "ui/roster/RosterWindow.h"

namespace ostrak::roster {

namespace {

const QString kGroup = QStringLiteral("selections");

}  // namespace

std::vector<SavedSelection> LoadSelections() {
  QSettings settings = RosterSettings();
  std::vector<SavedSelection> selections;
  const int count = settings.beginReadArray(kGroup);
  for (int i = 0; i < count; ++i) {
    settings.setArrayIndex(i);
    SavedSelection selection{settings.value(QStringLiteral("name")).toString(),
                             settings.value(QStringLiteral("text")).toString(),
                             settings.value(QStringLiteral("weightClass"), -1).toInt()};
    // A hand-edited file may hold anything: a class that is no item is all of them.
    if (selection.weightClass < -1 || selection.weightClass >= static_cast<int>(kWeightClassItems.size()))
      selection.weightClass = -1;
    if (!selection.name.trimmed().isEmpty()) selections.push_back(std::move(selection));
  }
  settings.endArray();
  return selections;
}

void StoreSelections(const std::vector<SavedSelection>& selections) {
  QSettings settings = RosterSettings();
  settings.remove(kGroup);
  settings.beginWriteArray(kGroup, static_cast<int>(selections.size()));
  for (std::size_t i = 0; i < selections.size(); ++i) {
    settings.setArrayIndex(static_cast<int>(i));
    settings.setValue(QStringLiteral("name"), selections[i].name);
    settings.setValue(QStringLiteral("text"), selections[i].text);
    settings.setValue(QStringLiteral("weightClass"), selections[i].weightClass);
  }
  settings.endArray();
}

SavedSelections::SavedSelections(RosterWindow& window, Dialogs& dialogs)
    : QObject(&window), window_(window), dialogs_(dialogs), menu_(new QMenu(&window)) {
  menu_->setObjectName(QStringLiteral("selections"));
  menu_->setTitle(tr("Se&lections"));
  selections_ = LoadSelections();
  Refill();
}

void SavedSelections::SaveCurrent() {
  const std::optional<QString> typed =
      dialogs_.AskText(tr("Keep the search and the weight class shown under the name:"),
                       tr("Save the selection"), window_.Filter().text());
  if (!typed || typed->trimmed().isEmpty()) return;
  SavedSelection selection{typed->trimmed(), window_.Filter().text(),
                           window_.WeightClasses().currentIndex() - 1};
  const auto same = std::find_if(selections_.begin(), selections_.end(),
                                 [&](const SavedSelection& kept) { return kept.name == selection.name; });
  if (same != selections_.end()) {
    *same = std::move(selection);
  } else {
    selections_.push_back(std::move(selection));
  }
  Store();
}

bool SavedSelections::Apply(const QString& name) {
  const auto found = std::find_if(selections_.begin(), selections_.end(),
                                  [&](const SavedSelection& kept) { return kept.name == name; });
  if (found == selections_.end()) return false;
  const SavedSelection selection = *found;  // the window's signals may refill the list
  window_.Filter().setText(selection.text);
  window_.WeightClasses().setCurrentIndex(selection.weightClass + 1);
  window_.ApplyFilterNow();
  return true;
}

void SavedSelections::Forget(const QString& name) {
  std::erase_if(selections_, [&](const SavedSelection& kept) { return kept.name == name; });
  Store();
}

void SavedSelections::Store() {
  StoreSelections(selections_);
  Refill();
}

void SavedSelections::Refill() {
  // Later: the action that asked for this may still be running.
  for (QAction* action : menu_->actions()) {
    menu_->removeAction(action);
    if (QMenu* submenu = action->menu()) submenu->deleteLater();
    if (action->parent() == menu_) action->deleteLater();
  }
  QAction* save =
      menu_->addAction(tr("&Save the selection…"), this, [this] { Guard([this] { SaveCurrent(); }); });
  save->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L));
  save->setObjectName(QStringLiteral("saveSelection"));
  if (selections_.empty()) return;
  menu_->addSeparator();
  for (const SavedSelection& selection : selections_) {
    // An ampersand in a name is shown, not taken as a shortcut.
    QString label = selection.name;
    label.replace(QLatin1Char('&'), QStringLiteral("&&"));
    menu_->addAction(label, this, [this, name = selection.name] { Guard([&] { Apply(name); }); });
  }
  menu_->addSeparator();
  QMenu* forget = menu_->addMenu(tr("&Forget"));
  for (const SavedSelection& selection : selections_) {
    QString label = selection.name;
    label.replace(QLatin1Char('&'), QStringLiteral("&&"));
    forget->addAction(label, this, [this, name = selection.name] { Guard([&] { Forget(name); }); });
  }
}

}  // namespace ostrak::roster
