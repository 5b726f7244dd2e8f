#pragma once

// TAction: a shared command (caption, enabled flag, hint, image index, visible
// flag and execute handler) that controls link to. Every change of a property
// is pushed to the linked controls synchronously.

#include <QObject>
#include <QString>
#include <vector>

#include "widgets/Events.h"

namespace ostrak {

class TAction;

// A control's side of the link; the control owns it. Destroying either side
// unlinks it from the other.
class TActionLink {
public:
  // Told on linking (Check::Defaults: copy only into properties still unset)
  // and on every later change of the action (Check::None).
  enum class Check { None, Defaults };
  using Handler = std::function<void(TAction& action, Check check)>;

  explicit TActionLink(Handler onChange) : onChange_(std::move(onChange)) {}
  TActionLink(const TActionLink&) = delete;
  TActionLink& operator=(const TActionLink&) = delete;
  ~TActionLink();

  TAction* Action() const { return action_; }
  void SetAction(TAction* action);

private:
  friend class TAction;
  Handler onChange_;
  TAction* action_ = nullptr;
};

class TAction : public QObject {
  Q_OBJECT

public:
  explicit TAction(QObject* owner = nullptr) : QObject(owner) {}
  ~TAction() override;

  const QString& Caption() const { return caption_; }
  void SetCaption(const QString& caption);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  const QString& Hint() const { return hint_; }
  void SetHint(const QString& hint);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);

  // Runs OnExecute with the action as sender; false when there is none.
  bool Execute();

  TNotifyEvent OnExecute;

  // A handler that runs this action, for a control's OnClick: a click handler
  // that is this action's own is told apart from one set by hand.
  TNotifyEvent ExecuteHandler();
  bool IsExecuteHandler(const TNotifyEvent& handler) const;

private:
  friend class TActionLink;
  void Changed();

  QString caption_;
  bool enabled_ = true;
  QString hint_;
  int imageIndex_ = -1;
  bool visible_ = true;
  std::vector<TActionLink*> links_;
};

}  // namespace ostrak
