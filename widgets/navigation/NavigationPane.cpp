#include "widgets/navigation/NavigationPane.h"

#include "core/Errors.h"
#include "platform/ErrorGuard.h"
#include "platform/IconTitleFont.h"
#include "widgets/navigation/FillGradient.h"

namespace ostrak {

namespace {

constexpr std::uint8_t kFaceColorCount = 32;
constexpr int kMargin = 4;

class SavedTextColor {
public:
  SavedTextColor(Surface& canvas, TColor color) : canvas_(canvas), previous_(canvas.SetTextColor(color)) {}
  ~SavedTextColor() { canvas_.SetTextColor(previous_); }
  SavedTextColor(const SavedTextColor&) = delete;
  SavedTextColor& operator=(const SavedTextColor&) = delete;

private:
  Surface& canvas_;
  TColor previous_;
};

}  // namespace

TNavPanelButton::TNavPanelButton(QWidget* parent) : TCustomGraphicButton(parent) {
  link_.OnChange = [this](QObject* sender) { ApplyStyle(sender); };
  SetFlat(true);
  SetHotTrack(true);
  SetHeight(28);
  colors_.OnChange = [this](TNavPanelColors&) { Invalidate(); };
  TFont font = IconTitleFont();
  font.SetStyle(font.Style() | TFontStyle::fsBold);
  SetFont(font);
  TFont hotTrackFont(Font());
  hotTrackFont.SetStyle(hotTrackFont.Style() | TFontStyle::fsBold);
  SetHotTrackFont(hotTrackFont);
  SetBounds(Left(), Top(), 125, 28);
}

TNavPanelButton::~TNavPanelButton() {
  QObject::disconnect(styleManagerRemoval_);
  colors_.OnChange = nullptr;
  link_.OnChange = nullptr;
}

void TNavPanelButton::SetImageIndex(int index) {
  if (index == imageIndex_) return;
  imageIndex_ = index;
  Invalidate();
}

void TNavPanelButton::SetImages(TImageList* images) {
  if (images == images_) return;
  images_ = images;
  Invalidate();
}

void TNavPanelButton::SetStyleManager(TNavPaneStyleManager* manager) {
  if (manager == styleManager_) return;
  SetParentStyleManager(false);
  if (styleManager_) {
    QObject::disconnect(styleManagerRemoval_);
    styleManager_->RemoveClient(link_);
  }
  styleManager_ = manager;
  if (!manager) return;
  manager->AddClient(link_);
  // By the time destroyed() arrives the manager has already unlinked us.
  styleManagerRemoval_ =
      connect(manager, &QObject::destroyed, this, [this] { Guard([this] { StyleManagerRemoved(); }); });
  colors_.Assign(manager->Colors());
}

void TNavPanelButton::StyleManagerRemoved() {
  styleManager_ = nullptr;
  SetParentStyleManager(false);
}

void TNavPanelButton::SetParentStyleManager(bool parentStyleManager) {
  if (parentStyleManager == parentStyleManager_) return;
  parentStyleManager_ = parentStyleManager;
  if (parentStyleManager_ && parentWidget()) TNavStyleParent::SendRequest(parentWidget());
}

void TNavPanelButton::ApplyStyle(QObject* sender) {
  auto* manager = qobject_cast<TNavPaneStyleManager*>(sender);
  if (!manager) throw InvalidCastError();
  colors_.Assign(manager->Colors());
  SetFont(manager->Fonts().NavPanelFont());
  SetHotTrackFont(manager->Fonts().NavPanelHotTrackFont());
  SetHotTrackFontOptions(manager->Fonts().NavPanelHotTrackFontOptions());
}

void TNavPanelButton::StyleManagerNotice(QObject* cause, TNavPaneStyleManager* manager) {
  if (cause == this || !parentStyleManager_) return;
  SetStyleManager(manager);
  SetParentStyleManager(true);
}

void TNavPanelButton::ActionChange(TAction& action, TActionLink::Check check) {
  TCustomGraphicButton::ActionChange(action, check);
  if (check == TActionLink::Check::None || imageIndex_ == -1) SetImageIndex(action.ImageIndex());
}

// The hot face hides Down, and the pressed face is the down face upside down.
// Enabled plays no part: a disabled button looks like an enabled one.
void TNavPanelButton::DrawFace(Surface& canvas) {
  const bool hot = HotTrack() && State().Contains(TButtonStateFlag::Hovered);
  const bool pressed = State().Contains(TButtonStateFlag::Pressed);
  const TFont* font = &Font();
  TColor top;
  TColor bottom;
  if (hot && pressed) {
    top = colors_.ButtonSelectedColorTo();
    bottom = colors_.ButtonSelectedColorFrom();
  } else if (hot) {
    top = colors_.ButtonHotColorFrom();
    bottom = colors_.ButtonHotColorTo();
    font = &HotTrackFont();
  } else if (Down()) {
    top = colors_.ButtonSelectedColorFrom();
    bottom = colors_.ButtonSelectedColorTo();
  } else if (pressed) {
    top = colors_.ButtonSelectedColorTo();
    bottom = colors_.ButtonSelectedColorFrom();
  } else {
    top = colors_.ButtonColorFrom();
    bottom = colors_.ButtonColorTo();
  }

  TRect r = Rect(0, 0, Width(), Height());
  FillGradient(canvas, r, top, bottom, TFillDirection::fdTopToBottom, kFaceColorCount);
  InflateRect(r, -kMargin, -kMargin);

  if (images_ && imageIndex_ >= 0) {
    images_->Draw(canvas, kMargin, (Height() - images_->Height()) / 2, imageIndex_);
    r.left += images_->Width() + kMargin;
  }

  if (!Caption().isEmpty()) {
    const SelectedFont selectedFont(canvas, font->ToQFont());
    const SavedTextColor textColor(canvas, font->Color());
    const SavedBkMode transparent(canvas, TRANSPARENT);
    canvas.DrawText(Caption(), r, DT_SINGLELINE | DT_VCENTER);
  }

  const TColor separator = colors_.ButtonSeparatorColor();
  if (separator != clNone) {
    const SelectedPen pen(canvas, Pen{PS_SOLID, 1, separator});
    const int y = Align() == TAlign::alBottom ? 0 : Height() - 1;
    canvas.MoveTo(0, y);
    canvas.LineTo(Width() + 1, y);
  }
}

}  // namespace ostrak
