#include "widgets/navigation/NavPaneStyleManager.h"

#include <QWidget>
#include <algorithm>

#include "platform/AliveWatch.h"
#include "platform/ErrorGuard.h"
#include "widgets/navigation/NavigationPane.h"

namespace ostrak {

TNavStyleLink::~TNavStyleLink() {
  if (auto* manager = qobject_cast<TNavPaneStyleManager*>(sender_)) manager->RemoveClient(*this);
}

void TNavStyleLink::Change() {
  if (OnChange) OnChange(sender_);
}

TNavPaneStyleManager::TNavPaneStyleManager(QObject* owner) : QObject(owner) {
  AttachEditEvents();
  theme_ = TNavPanelTheme::nptCustom;
  SetTheme(TNavPanelTheme::nptStandard);
}

TNavPaneStyleManager::~TNavPaneStyleManager() {
  DetachEditEvents();
  while (!clients_.empty()) RemoveClient(*clients_.back());
}

void TNavPaneStyleManager::AttachEditEvents() {
  colors_.OnChange = [this](TNavPanelColors&) { ThemeEdited(); };
  fonts_.OnChange = [this](TNavPanelFonts&) { ThemeEdited(); };
}

void TNavPaneStyleManager::DetachEditEvents() {
  colors_.OnChange = nullptr;
  fonts_.OnChange = nullptr;
}

// The clients and the theme handler told at the end may destroy the manager.
void TNavPaneStyleManager::SetTheme(TNavPanelTheme theme) {
  if (theme == theme_) return;
  DetachEditEvents();
  struct Reattach {
    TNavPaneStyleManager& manager;
    AliveWatch alive{&manager};
    ~Reattach() {
      if (alive) manager.AttachEditEvents();
    }
  } reattach{*this};
  if (const TNavPanelThemeValues* values = BuiltInTheme(theme)) {
    colors_.SetAllSilently(values->colors);
    fonts_.HeaderFont().SetColor(values->headerFontColor);
    fonts_.NavPanelFont().SetColor(values->navPanelFontColor);
    fonts_.NavPanelHotTrackFont().SetColor(values->navPanelHotTrackFontColor);
    fonts_.DividerFont().SetColor(values->dividerFontColor);
  }
  theme_ = theme;
  NotifyClients();
}

void TNavPaneStyleManager::ThemeEdited() {
  const AliveWatch alive(this);
  SetTheme(TNavPanelTheme::nptCustom);
  if (alive) NotifyClients();
}

void TNavPaneStyleManager::AddClient(TNavStyleLink& link) {
  link.SetSender(this);
  clients_.push_back(&link);
}

void TNavPaneStyleManager::RemoveClient(TNavStyleLink& link) {
  const auto found = std::find(clients_.begin(), clients_.end(), &link);
  if (found == clients_.end()) return;
  link.SetSender(nullptr);
  clients_.erase(found);
}

void TNavPaneStyleManager::NotifyClients() {
  // A client may unlink itself (or another), or destroy the manager, while
  // being told.
  const AliveWatch alive(this);
  const std::vector<TNavStyleLink*> snapshot = clients_;
  for (TNavStyleLink* link : snapshot) {
    if (!alive) return;
    if (std::find(clients_.begin(), clients_.end(), link) != clients_.end()) link->Change();
  }
  if (alive && OnThemeChange) OnThemeChange(this);
}

void TNavPaneStyleManager::Assign(const TPersistent& source) {
  if (&source == this) return;
  if (const auto* manager = dynamic_cast<const TNavPaneStyleManager*>(&source)) {
    const AliveWatch alive(this);
    SetTheme(manager->theme_);
    if (alive && theme_ == TNavPanelTheme::nptCustom) {
      colors_.Assign(manager->colors_);
      if (alive) fonts_.Assign(manager->fonts_);
    }
    return;
  }
  if (const auto* button = dynamic_cast<const TNavPanelButton*>(&source)) {
    colors_.Assign(button->Colors());
    return;
  }
  TPersistent::Assign(source);
}

void TNavPaneStyleManager::AssignTo(TPersistent& target) const {
  if (auto* manager = dynamic_cast<TNavPaneStyleManager*>(&target)) {
    const AliveWatch alive(manager);
    manager->SetTheme(theme_);
    if (alive && theme_ == TNavPanelTheme::nptCustom) {
      manager->colors_.Assign(colors_);
      if (alive) manager->fonts_.Assign(fonts_);
    }
    return;
  }
  if (auto* button = dynamic_cast<TNavPanelButton*>(&target)) {
    button->Colors().Assign(colors_);
    return;
  }
  TPersistent::AssignTo(target);
}

void TNavStyleParent::SetStyleManager(TNavPaneStyleManager* manager) {
  if (manager == manager_) return;
  manager_ = manager;
  Announce();
}

void TNavStyleParent::StyleManagerRequest() {
  if (manager_) Announce();
}

void TNavStyleParent::SendRequest(QWidget* parent) {
  if (auto* host = dynamic_cast<TNavStyleParent*>(parent)) host->StyleManagerRequest();
}

void TNavStyleParent::Announce() {
  QWidget& container = StyleContainer();
  // Snapshot: a button's answer may lead to further announcements.
  std::vector<QPointer<TNavPanelButton>> buttons;
  for (QObject* child : container.children()) {
    if (auto* button = qobject_cast<TNavPanelButton*>(child)) buttons.emplace_back(button);
  }
  for (const QPointer<TNavPanelButton>& button : buttons) {
    if (button) button->StyleManagerNotice(&container, manager_);
  }
}

}  // namespace ostrak
