#pragma once

// TNavPanelButton: the navigation pane's command button. It draws its whole
// face: a vertical gradient chosen by its state, an optional picture, a
// left-aligned caption and a one-pixel separator line; it is not opaque and
// draws no frame or focus rectangle. Its colours may come from a style
// manager, explicitly or through its parent container.

#include <QMetaObject>
#include <QPointer>

#include "core/Persistent.h"
#include "widgets/navigation/GraphicButton.h"
#include "widgets/navigation/ImageList.h"
#include "widgets/navigation/NavPaneStyleManager.h"
#include "widgets/navigation/NavPanelColors.h"
#include "widgets/navigation/NavPanelFonts.h"

namespace ostrak {

class TNavPanelButton : public TCustomGraphicButton, public TPersistent {
  Q_OBJECT

public:
  explicit TNavPanelButton(QWidget* parent = nullptr);
  ~TNavPanelButton() override;

  std::string ClassName() const override { return "TNavPanelButton"; }

  // Negative: no picture. An index beyond the list is passed to it as is.
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index);
  // Not owned; a destroyed list is forgotten.
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* images);

  const TNavPanelColors& Colors() const { return colors_; }
  TNavPanelColors& Colors() { return colors_; }
  void SetColors(const TNavPanelColors& colors) { colors_.Assign(colors); }

  TNavPaneStyleManager* StyleManager() const { return styleManager_; }
  // Linking takes the manager's colours at once and its fonts at its next
  // notification; setting it directly ends the parent relation.
  void SetStyleManager(TNavPaneStyleManager* manager);
  bool ParentStyleManager() const { return parentStyleManager_; }
  // Turning it on asks the parent container for its manager.
  void SetParentStyleManager(bool parentStyleManager);

  // The style link's change handler: takes the manager's colours and fonts.
  // A sender that is not a style manager is an invalid type cast.
  void ApplyStyle(QObject* sender);
  // A container announces its manager; `cause` is the control it came from.
  void StyleManagerNotice(QObject* cause, TNavPaneStyleManager* manager);
  TNavStyleLink& StyleLink() { return link_; }

protected:
  void DrawFace(Surface& canvas) override;
  void ActionChange(TAction& action, TActionLink::Check check) override;

private:
  void StyleManagerRemoved();

  int imageIndex_ = 0;
  QPointer<TImageList> images_;
  TNavPanelColors colors_;
  TNavPaneStyleManager* styleManager_ = nullptr;
  QMetaObject::Connection styleManagerRemoval_;
  bool parentStyleManager_ = true;
  TNavStyleLink link_;
};

}  // namespace ostrak
