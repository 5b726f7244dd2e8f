#include "ui/card/FighterCard.h"

#include <QPainter>

#include "platform/Fonts.h"
#include "platform/Surface.h"
#include "ui/AttributeBands.h"

namespace ostrak {

namespace {

constexpr int kWidth = 480;
constexpr int kMargin = 16;
constexpr int kColumnWidth = 216;
constexpr int kSecondColumn = kWidth - kMargin - kColumnWidth;
constexpr int kFieldsTop = 70;
constexpr int kFieldPitch = 44;
constexpr int kBoxHeight = 21;
constexpr int kBarsTop = 215;
constexpr int kAttributesTop = 383;
constexpr int kAttributePitch = 24;
constexpr int kAttributeRows = 9;
constexpr int kValueBoxWidth = 40;
// A whole number of points at 96 pixels an inch, so a page is the card exactly.
constexpr int kHeight = kAttributesTop + (kAttributeRows - 1) * kAttributePitch + 20 + kMargin + 1;
static_assert(kHeight % 4 == 0 && kWidth % 4 == 0);

constexpr TColor kBackground = RGB(28, 34, 46);
constexpr TColor kRule = RGB(70, 82, 104);
constexpr TColor kSoftText = RGB(200, 208, 220);
constexpr TColor kBoxFrame = RGB(160, 160, 160);

// The editor's two columns of attribute boxes, top to bottom, as indexes
// into kAttributeFields.
constexpr std::array<std::size_t, kAttributeCount> kAttributeOrder = {0, 1,  2,  3,  4,  5,  6,  7,  8,
                                                                      9, 17, 10, 11, 12, 13, 14, 15, 16};

TFont Coloured(TFont font, TColor colour) {
  font.SetColor(colour);
  return font;
}

QColor ToQColor(TColor colour) { return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour)); }

TSize Extent(Surface& measure, const QString& text) { return measure.GetTextExtentPoint32(text); }

// Outlines placed as designed: the hinted advances of the screen's faces
// would spread the letters of a page apart.
QFont VectorFont(const TFont& font) {
  QFont face = font.ToQFont();
  face.setStyleStrategy(QFont::PreferDefault);
  face.setHintingPreference(QFont::PreferNoHinting);
  return face;
}

}  // namespace

FighterCard::FighterCard(const CardFighter& fighter, const CardCaptions& captions,
                         const QString& fallbackTitle, EvaluationPicture& bars)
    : title_(fighter.Title(fallbackTitle)),
      bars_(bars),
      percents_(fighter.Ratings()),
      captions_(captions.bars) {
  LayOut(fighter, captions);
}

QSize FighterCard::Size() const { return QSize(kWidth, kHeight); }

QRect FighterCard::BarsArea() {
  return QRect((kWidth - kEvaluationWidth) / 2, kBarsTop, kEvaluationWidth, kEvaluationHeight);
}

void FighterCard::AddText(int x, int y, int width, const QString& text, const TFont& font, bool alignRight) {
  Surface measure(1, 1);
  const SelectedFont selected(measure, font.ToQFont());
  QString shown = text;
  // A text that does not fit keeps as much of its start as fits before "…".
  if (Extent(measure, shown).cx > width) {
    const QString ellipsis = QStringLiteral("\u2026");
    while (!shown.isEmpty() && Extent(measure, shown + ellipsis).cx > width) shown.chop(1);
    shown = shown.trimmed() + ellipsis;
  }
  const int left = alignRight ? x + width - Extent(measure, shown).cx : x;
  // Finer faces run a little wider than their measure at scale 1: the clip
  // leaves them room short of the box's frame.
  runs_.push_back({left, y, x + width + 3, measure.GetTextAscent(), shown, font});
}

void FighterCard::AddField(int x, int y, int width, const QString& caption, const QString& value) {
  AddText(x, y, width, caption, Coloured(TahomaFont(), clWhite));
  const int boxTop = y + 16;
  boxes_.push_back({Rect(x, boxTop, x + width, boxTop + kBoxHeight), clWhite, kBoxFrame});
  AddText(x + 4, boxTop + 4, width - 8, value, Coloured(TahomaFont(), clBlack));
}

void FighterCard::AddAttribute(int x, int y, int width, const QString& caption, int value) {
  AddText(x, y + 4, width - kValueBoxWidth - 8, caption, Coloured(TahomaFont(), clWhite));
  const int boxLeft = x + width - kValueBoxWidth;
  boxes_.push_back({Rect(boxLeft, y, x + width, y + 20), clWhite, kBoxFrame});
  AddText(boxLeft + 4, y + 4, kValueBoxWidth - 8, QString::number(value),
          Coloured(TahomaBoldFont(), AttributeBandColor(value)), true);
}

void FighterCard::LayOut(const CardFighter& fighter, const CardCaptions& captions) {
  using F = FighterField;
  const auto caption = [&](F field) { return captions.fields[static_cast<std::size_t>(field)]; };
  const int inner = kWidth - 2 * kMargin;
  constexpr int kSherdogWidth = 110;

  AddText(kMargin, 14, inner - kSherdogWidth - 12, fighter.Text(F::FullName),
          Coloured(TFont(QStringLiteral("Tahoma"), -17, TFontStyle::fsBold), clWhite));
  AddText(kMargin, 38, inner - kSherdogWidth - 12, fighter.Text(F::ShortName),
          Coloured(TahomaFont(), kSoftText));
  AddText(kWidth - kMargin - kSherdogWidth, 10, kSherdogWidth, caption(F::SherdogId),
          Coloured(TahomaFont(), clWhite), true);
  const int idTop = 26;
  boxes_.push_back({Rect(kWidth - kMargin - kSherdogWidth, idTop, kWidth - kMargin, idTop + kBoxHeight),
                    clWhite, kBoxFrame});
  AddText(kWidth - kMargin - kSherdogWidth + 4, idTop + 4, kSherdogWidth - 8, fighter.Text(F::SherdogId),
          Coloured(TahomaFont(), clBlack));

  const auto rule = [&](int y) {
    boxes_.push_back({Rect(kMargin, y, kWidth - kMargin, y + 1), kRule, clNone});
  };
  rule(kFieldsTop - 10);
  const std::array<std::pair<std::pair<QString, QString>, std::pair<QString, QString>>, 3> rows = {{
      {{caption(F::Nationality), fighter.Text(F::Nationality)},
       {caption(F::DateOfBirth), fighter.Text(F::DateOfBirth)}},
      {{caption(F::Height), fighter.Text(F::Height)}, {caption(F::Weight), fighter.Text(F::Weight)}},
      {{caption(F::WeightClass), fighter.WeightClass()}, {caption(F::GamePlan), fighter.GamePlan()}},
  }};
  for (std::size_t row = 0; row < rows.size(); ++row) {
    const int y = kFieldsTop + static_cast<int>(row) * kFieldPitch;
    AddField(kMargin, y, kColumnWidth, rows[row].first.first, rows[row].first.second);
    AddField(kSecondColumn, y, kColumnWidth, rows[row].second.first, rows[row].second.second);
  }
  rule(kBarsTop - 10);
  const QRect bars = BarsArea().adjusted(-1, -1, 1, 1);
  boxes_.push_back({Rect(bars.left(), bars.top(), bars.right() + 1, bars.bottom() + 1), clBlack, kRule});
  rule(kAttributesTop - 10);
  for (std::size_t i = 0; i < kAttributeOrder.size(); ++i) {
    const std::size_t attribute = kAttributeOrder[i];
    const int column = static_cast<int>(i) / kAttributeRows;
    const int y = kAttributesTop + (static_cast<int>(i) % kAttributeRows) * kAttributePitch;
    AddAttribute(column == 0 ? kMargin : kSecondColumn, y, kColumnWidth, caption(kAttributeFields[attribute]),
                 fighter.Attribute(attribute));
  }
}

QImage FighterCard::Raster(int scale) {
  Surface surface(kWidth, kHeight, kBackground, scale);
  for (const Box& box : boxes_) {
    surface.FillRect(box.rect, Brush::Solid(box.fill));
    if (box.frame == clNone) continue;
    const TRect& r = box.rect;
    const Brush frame = Brush::Solid(box.frame);
    surface.FillRect(Rect(r.left, r.top, r.right, r.top + 1), frame);
    surface.FillRect(Rect(r.left, r.bottom - 1, r.right, r.bottom), frame);
    surface.FillRect(Rect(r.left, r.top, r.left + 1, r.bottom), frame);
    surface.FillRect(Rect(r.right - 1, r.top, r.right, r.bottom), frame);
  }
  surface.SetBkMode(TRANSPARENT);
  for (const Run& run : runs_) {
    const SelectedFont font(surface, run.font.ToQFont());
    surface.SetTextColor(run.font.Color());
    const TRect clip = Rect(run.x, run.y, run.right, kHeight);
    surface.ExtTextOut(run.x, run.y, ETO_CLIPPED, &clip, run.text);
  }
  const QRect bars = BarsArea();
  bars_.Draw(surface, bars.left(), bars.top(), percents_, captions_);
  return surface.Image();
}

void FighterCard::Paint(QPainter& painter) {
  painter.fillRect(QRect(0, 0, kWidth, kHeight), ToQColor(kBackground));
  for (const Box& box : boxes_) {
    const QRectF r(box.rect.left, box.rect.top, box.rect.right - box.rect.left,
                   box.rect.bottom - box.rect.top);
    painter.fillRect(r, ToQColor(box.fill));
    if (box.frame == clNone) continue;
    painter.setPen(QPen(ToQColor(box.frame), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
  }
  for (const Run& run : runs_) {
    painter.setFont(VectorFont(run.font));
    painter.setPen(ToQColor(run.font.Color()));
    painter.drawText(QPointF(run.x, run.y + run.ascent), run.text);
  }

  // The bars as the window draws them, finely enough to stay sharp when the
  // page is enlarged; their captions once more as text that shows nothing,
  // so that the ratings can be found and copied like the rest.
  const QRect area = BarsArea();
  Surface bars(kEvaluationWidth, kEvaluationHeight, clBlack, kMaxDrawingScale);
  bars_.Draw(bars, 0, 0, percents_, captions_);
  painter.drawImage(QRectF(area), bars.Image());
  const QFont font = VectorFont(TahomaFont());
  painter.setFont(font);
  painter.setPen(QColor(255, 255, 255, 0));
  const QFontMetricsF metrics(font);
  for (std::size_t i = 0; i < kEvaluationBars.size(); ++i) {
    const QString text = bars_.ShownCaption(i, percents_[i], captions_[i]);
    const QRectF bar(area.left() + kEvaluationBarLeft, area.top() + kEvaluationBars[i].top,
                     kEvaluationBarWidth, kEvaluationBarHeight);
    painter.drawText(QPointF(bar.center().x() - metrics.horizontalAdvance(text) / 2,
                             bar.center().y() + (metrics.ascent() - metrics.descent()) / 2),
                     text);
  }
}

}  // namespace ostrak
