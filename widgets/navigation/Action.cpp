#include "widgets/navigation/Action.h"

#include <QPointer>
#include <algorithm>

namespace ostrak {

namespace {

// The click handler a linked control takes from its action.
struct ActionExecuteThunk {
  QPointer<TAction> action;
  void operator()(QObject*) const {
    if (action) action->Execute();
  }
};

}  // namespace

TActionLink::~TActionLink() { SetAction(nullptr); }

void TActionLink::SetAction(TAction* action) {
  if (action == action_) return;
  if (action_) std::erase(action_->links_, this);
  action_ = action;
  if (action_) {
    action_->links_.push_back(this);
    if (onChange_) onChange_(*action_, Check::Defaults);
  }
}

TAction::~TAction() {
  for (TActionLink* link : links_) link->action_ = nullptr;
}

void TAction::SetCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Changed();
}

void TAction::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Changed();
}

void TAction::SetHint(const QString& hint) {
  if (hint == hint_) return;
  hint_ = hint;
  Changed();
}

void TAction::SetImageIndex(int index) {
  if (index == imageIndex_) return;
  imageIndex_ = index;
  Changed();
}

void TAction::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  Changed();
}

bool TAction::Execute() {
  if (!OnExecute) return false;
  OnExecute(this);
  return true;
}

TNotifyEvent TAction::ExecuteHandler() { return ActionExecuteThunk{this}; }

bool TAction::IsExecuteHandler(const TNotifyEvent& handler) const {
  const auto* thunk = handler.target<ActionExecuteThunk>();
  return thunk && thunk->action == this;
}

void TAction::Changed() {
  const std::vector<TActionLink*> links = links_;
  for (TActionLink* link : links) {
    if (std::find(links_.begin(), links_.end(), link) != links_.end() && link->onChange_) {
      link->onChange_(*this, TActionLink::Check::None);
    }
  }
}

}  // namespace ostrak
