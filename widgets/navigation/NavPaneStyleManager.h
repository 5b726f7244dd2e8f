#pragma once

// TNavPaneStyleManager holds one theme (colours and fonts) and pushes it to
// the navigation buttons linked to it. TNavStyleLink is a client's side of
// that link. TNavStyleParent lets a container hand its manager to the
// buttons placed on it.

#include <QObject>
#include <QPointer>
#include <functional>
#include <vector>

#include "core/Persistent.h"
#include "widgets/Events.h"
#include "widgets/navigation/NavPanelColors.h"
#include "widgets/navigation/NavPanelFonts.h"
#include "widgets/navigation/NavPanelThemes.h"

class QWidget;

namespace ostrak {

class TNavPaneStyleManager;

// Owned by its client. Change() calls OnChange with the manager the link is
// registered with; destroying a registered link unregisters it.
class TNavStyleLink {
public:
  TNavStyleLink() = default;
  TNavStyleLink(const TNavStyleLink&) = delete;
  TNavStyleLink& operator=(const TNavStyleLink&) = delete;
  ~TNavStyleLink();

  QObject* Sender() const { return sender_; }
  void SetSender(QObject* sender) { sender_ = sender; }

  void Change();

  std::function<void(QObject* sender)> OnChange;

private:
  QObject* sender_ = nullptr;
};

class TNavPaneStyleManager : public QObject, public TPersistent {
  Q_OBJECT

public:
  // A new manager starts with the standard theme.
  explicit TNavPaneStyleManager(QObject* owner = nullptr);
  // Unregisters every client, last first; the buttons then drop their
  // reference when they are told of the removal.
  ~TNavPaneStyleManager() override;

  std::string ClassName() const override { return "TNavPaneStyleManager"; }

  const TNavPanelColors& Colors() const { return colors_; }
  TNavPanelColors& Colors() { return colors_; }
  void SetColors(const TNavPanelColors& colors) { colors_.Assign(colors); }
  const TNavPanelFonts& Fonts() const { return fonts_; }
  TNavPanelFonts& Fonts() { return fonts_; }
  void SetFonts(const TNavPanelFonts& fonts) { fonts_.Assign(fonts); }

  TNavPanelTheme Theme() const { return theme_; }
  // A built-in theme overwrites every colour and the four font colours, then
  // the clients are told once; nptCustom changes no colour.
  void SetTheme(TNavPanelTheme theme);

  const std::vector<TNavStyleLink*>& Clients() const { return clients_; }
  void AddClient(TNavStyleLink& link);
  // A link that is not registered is ignored.
  void RemoveClient(TNavStyleLink& link);
  // Tells every client, in registration order, then raises OnThemeChange.
  virtual void NotifyClients();

  // From another manager: its theme, and for a custom theme its colours and
  // fonts; from a navigation button: its colours.
  void Assign(const TPersistent& source) override;

  TNotifyEvent OnThemeChange;

protected:
  void AssignTo(TPersistent& target) const override;

private:
  void AttachEditEvents();
  void DetachEditEvents();
  // Any edit of the owned colours or fonts makes the theme custom.
  void ThemeEdited();

  TNavPanelColors colors_;
  TNavPanelTheme theme_ = TNavPanelTheme::nptCustom;
  std::vector<TNavStyleLink*> clients_;
  TNavPanelFonts fonts_;
};

// A container that offers a style manager to the navigation buttons on it.
// A button whose ParentStyleManager is true asks its parent for one; a parent
// that is no TNavStyleParent, or has no manager, ignores the request.
class TNavStyleParent {
public:
  virtual ~TNavStyleParent() = default;

  TNavPaneStyleManager* StyleManager() const { return manager_; }
  // Stores the manager and announces it to the container's controls.
  void SetStyleManager(TNavPaneStyleManager* manager);

  // A control on the container asks for its manager.
  void StyleManagerRequest();

  // The request a control sends to its parent widget.
  static void SendRequest(QWidget* parent);

protected:
  // The widget whose children receive the notices.
  virtual QWidget& StyleContainer() = 0;

private:
  void Announce();

  QPointer<TNavPaneStyleManager> manager_;
};

}  // namespace ostrak
