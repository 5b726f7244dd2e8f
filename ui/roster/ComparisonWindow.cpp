#include "ui/roster/ComparisonWindow.h"

#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QShowEvent>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/AnsiText.h"
#include "platform/DeviceScale.h"
#include "platform/ErrorGuard.h"
#include "platform/Fonts.h"
#include "record/FighterForm.h"
#include "roster/Roster.h"
#include "ui/EvaluationBars.h"
#include "ui/WindowPlacement.h"
#include "ui/card/RadarView.h"
#include "ui/card/SaveDrawing.h"
#include "widgets/gradient/GradientProgress.h"

namespace ostrak::roster {

namespace {

// The evaluation window's client area below the fighter's name.
constexpr int kNameHeight = 24;
constexpr int kPanelWidth = kEvaluationWidth;

template <std::size_t N>
RadarChart Radar(const std::vector<ComparedFighter>& fighters, const std::array<QString, N>& captions,
                 int maximum, const QString& unit, std::array<int, N> ComparedFighter::*values) {
  RadarChart chart;
  chart.axes.assign(captions.begin(), captions.end());
  chart.maximum = maximum;
  chart.unit = unit;
  for (const ComparedFighter& fighter : fighters)
    chart.series.push_back(
        {fighter.name, std::vector<int>((fighter.*values).begin(), (fighter.*values).end())});
  return chart;
}

}  // namespace

std::optional<ComparedFighter> LoadCompared(const std::string& path, const QString& file) {
  const FighterCheck check = CheckFighterFile(path);
  if (check.verdict == Verdict::Fails || !check.ratings) return std::nullopt;
  FighterRecord record;
  record.Lines() = check.lines;
  FighterForm form;
  try {
    form.Load(record);
  } catch (const Error&) {
    return std::nullopt;
  }
  ComparedFighter fighter;
  fighter.name = AnsiToQString(form.Text(FighterField::FullName));
  if (fighter.name.isEmpty()) fighter.name = file;
  const auto ratings = check.ratings->InBarOrder();
  std::copy(ratings.begin(), ratings.end(), fighter.ratings.begin());
  for (std::size_t i = 0; i < kAttributeFields.size(); ++i)
    fighter.attributes[i] = form.Attribute(kAttributeFields[i]);
  return fighter;
}

RadarChart RatingsRadar(const std::vector<ComparedFighter>& fighters,
                        const std::array<QString, kRatingCount>& captions) {
  return Radar(fighters, captions, 100, QStringLiteral("%"), &ComparedFighter::ratings);
}

RadarChart AttributesRadar(const std::vector<ComparedFighter>& fighters,
                           const std::array<QString, kAttributeCount>& captions) {
  return Radar(fighters, captions, 20, QString(), &ComparedFighter::attributes);
}

ComparisonWindow::ComparisonWindow(std::array<QString, kRatingCount> ratingCaptions,
                                   std::array<QString, kAttributeCount> attributeCaptions, Dialogs& dialogs,
                                   QWidget* parent)
    : QWidget(parent, Qt::Window),
      ratingCaptions_(std::move(ratingCaptions)),
      attributeCaptions_(std::move(attributeCaptions)),
      dialogs_(dialogs) {
  setObjectName(QStringLiteral("ComparisonWindow"));
  setWindowTitle(tr("Compare fighters"));
  setAttribute(Qt::WA_QuitOnClose, false);
  auto* layout = new QVBoxLayout(this);
  scroll_ = new QScrollArea(this);
  scroll_->setObjectName(QStringLiteral("scroll"));
  scroll_->setWidgetResizable(true);
  scroll_->setFrameShape(QFrame::NoFrame);
  content_ = new QWidget(scroll_);
  auto* contentLayout = new QVBoxLayout(content_);
  contentLayout->setContentsMargins(0, 0, 0, 0);
  panelRow_ = new QHBoxLayout;
  panelRow_->setSpacing(6);
  contentLayout->addLayout(panelRow_);

  auto* lower = new QHBoxLayout;
  radars_ = new QTabWidget(content_);
  radars_->setObjectName(QStringLiteral("radars"));
  ratingsView_ = new RadarView(radars_);
  ratingsView_->setObjectName(QStringLiteral("ratingsRadar"));
  ratingsView_->setAccessibleName(tr("Ratings radar"));
  attributesView_ = new RadarView(radars_);
  attributesView_->setObjectName(QStringLiteral("attributesRadar"));
  attributesView_->setAccessibleName(tr("Attributes radar"));
  radars_->addTab(ratingsView_, tr("&Ratings"));
  radars_->addTab(attributesView_, tr("A&ttributes"));
  lower->addWidget(radars_, 0, Qt::AlignTop);

  attributes_ = new QTableWidget(content_);
  attributes_->setObjectName(QStringLiteral("attributes"));
  attributes_->setAccessibleName(tr("Attributes"));
  attributes_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  attributes_->setSelectionMode(QAbstractItemView::NoSelection);
  attributes_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  attributes_->horizontalHeader()->setStretchLastSection(true);
  attributes_->verticalHeader()->setDefaultSectionSize(attributes_->fontMetrics().height() + 6);
  attributes_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  lower->addWidget(attributes_, 1, Qt::AlignTop);
  contentLayout->addLayout(lower);
  contentLayout->addStretch(1);
  scroll_->setWidget(content_);
  layout->addWidget(scroll_, 1);

  auto* buttons = new QHBoxLayout;
  auto* save = new QPushButton(tr("&Save comparison…"), this);
  save->setObjectName(QStringLiteral("saveComparison"));
  save->setToolTip(tr("The radar on show as a picture or a page (%1)")
                       .arg(QKeySequence(QKeySequence::Save).toString(QKeySequence::NativeText)));
  connect(save, &QPushButton::clicked, this, [this] { Guard([this] { SaveComparison(); }); });
  buttons->addWidget(save);
  buttons->addStretch(1);
  layout->addLayout(buttons);

  auto* saveKey = new QShortcut(QKeySequence::Save, this);
  connect(saveKey, &QShortcut::activated, this, [this] { Guard([this] { SaveComparison(); }); });
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void ComparisonWindow::Compare(const std::string& folder, const std::vector<std::string>& files) {
  folder_ = QFile::decodeName(QByteArray::fromStdString(folder));
  fighters_.clear();
  for (const std::string& file : files) {
    const QString name = QFile::decodeName(QByteArray::fromStdString(file));
    if (auto fighter = LoadCompared(folder + file, name)) fighters_.push_back(std::move(*fighter));
  }
  while (QLayoutItem* item = panelRow_->takeAt(0)) delete item;
  for (QWidget* panel : panels_) delete panel;
  panels_.clear();
  for (const ComparedFighter& fighter : fighters_) {
    panels_.push_back(NewPanel(fighter));
    panelRow_->addWidget(panels_.back());
    // Added to a window on screen, a panel would show only once the event
    // loop runs, and count for the window's size only then.
    panels_.back()->show();
  }
  panelRow_->addStretch(1);
  ratingsView_->SetChart(RatingsRadar(fighters_, ratingCaptions_));
  attributesView_->SetChart(AttributesRadar(fighters_, attributeCaptions_));
  radars_->setFixedSize(radars_->sizeHint());
  FillAttributes();
  FitToScreen();
}

QWidget* ComparisonWindow::NewPanel(const ComparedFighter& fighter) {
  auto* panel = new QWidget(content_);
  panel->setFixedSize(kPanelWidth, kNameHeight + kEvaluationHeight);
  QPalette colours = panel->palette();
  colours.setColor(QPalette::Window, Qt::black);
  colours.setColor(QPalette::WindowText, Qt::white);
  panel->setPalette(colours);
  panel->setAutoFillBackground(true);
  QFont font = TahomaFont().ToQFont();
  panel->setFont(font);
  auto* name = new QLabel(fighter.name, panel);
  font.setBold(true);
  name->setFont(font);
  name->setTextFormat(Qt::PlainText);
  name->setGeometry(9, 4, kPanelWidth - 18, kNameHeight - 4);
  for (std::size_t i = 0; i < kEvaluationBars.size(); ++i) {
    TGradientProgress* bar = NewEvaluationBar(panel, i);
    bar->setObjectName(QStringLiteral("bar%1").arg(i));
    bar->move(bar->Left(), kNameHeight + bar->Top());
    ShowRating(*bar, fighter.ratings[i], ratingCaptions_[i]);
    bar->setAccessibleName(ratingCaptions_[i] + QStringLiteral(" %1%").arg(bar->Gradient().PercentFilling()));
  }
  panel->setAccessibleName(fighter.name);
  return panel;
}

void ComparisonWindow::FillAttributes() {
  const int columns = static_cast<int>(fighters_.size());
  attributes_->clear();
  attributes_->setRowCount(kAttributeCount);
  attributes_->setColumnCount(columns);
  QStringList names;
  for (const ComparedFighter& fighter : fighters_) names << fighter.name;
  attributes_->setHorizontalHeaderLabels(names);
  attributes_->setVerticalHeaderLabels(QStringList(attributeCaptions_.begin(), attributeCaptions_.end()));
  for (int row = 0; row < kAttributeCount; ++row) {
    int highest = 0;
    for (const ComparedFighter& fighter : fighters_)
      highest = std::max(highest, fighter.attributes[static_cast<std::size_t>(row)]);
    for (int column = 0; column < columns; ++column) {
      const int value = fighters_[static_cast<std::size_t>(column)].attributes[static_cast<std::size_t>(row)];
      auto* item = new QTableWidgetItem(QString::number(value));
      item->setTextAlignment(Qt::AlignCenter);
      if (value == highest) {
        QFont bold = item->font();
        bold.setBold(true);
        item->setFont(bold);
        item->setBackground(QColor(198, 239, 206));
        item->setForeground(QColor(0, 97, 0));
        item->setData(Qt::AccessibleTextRole, tr("%1, highest").arg(value));
      }
      attributes_->setItem(row, column, item);
    }
  }
  // Every row shows: the window scrolls, not the table.
  attributes_->setFixedHeight(attributes_->horizontalHeader()->sizeHint().height() +
                              kAttributeCount * attributes_->verticalHeader()->defaultSectionSize() +
                              2 * attributes_->frameWidth());
  int namesWidth = 0;
  for (int column = 0; column < columns; ++column)
    namesWidth += std::max(attributes_->horizontalHeader()->sectionSizeHint(column), 56);
  attributes_->setMinimumWidth(attributes_->verticalHeader()->sizeHint().width() + namesWidth +
                               2 * attributes_->frameWidth());
}

QSize ComparisonWindow::WholeSize() {
  // Laid out anew first: the nested rows keep the sizes their controls had
  // before this comparison's were set.
  content_->layout()->activate();
  const QMargins margins = layout()->contentsMargins();
  const QSize content = content_->sizeHint();
  const QSize buttons = layout()->itemAt(1)->sizeHint();
  return QSize(content.width() + margins.left() + margins.right(),
               content.height() + layout()->spacing() + buttons.height() + margins.top() + margins.bottom());
}

void ComparisonWindow::FitToScreen() {
  const QScreen* screen = this->screen();
  const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 1024);
  // The frame is the window manager's: known once the window was shown,
  // else a title bar and a border's worth is kept free.
  const bool framed = isVisible() && frameGeometry().size() != size();
  const QMargins frame =
      framed ? QMargins(geometry().left() - frameGeometry().left(), geometry().top() - frameGeometry().top(),
                        frameGeometry().right() - geometry().right(),
                        frameGeometry().bottom() - geometry().bottom())
             : QMargins(0, 32, 0, 0);
  QSize wanted = WholeSize();
  const QSize room = available.size().shrunkBy(frame);
  // Cut on one side, the window needs room for the other side's scroll bar.
  const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2;
  if (wanted.height() > room.height()) wanted.rwidth() += bar;
  if (wanted.width() > room.width()) wanted.rheight() += bar;
  resize(wanted.boundedTo(room));
  PlaceCentred(*this, available.center(), screen, frame);
}

// Shown, the window learns its frame; a frame larger than was allowed for
// is fitted again.
void ComparisonWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (event->spontaneous() || fighters_.empty()) return;
  const QScreen* screen = this->screen();
  if (screen && !screen->availableGeometry().contains(frameGeometry())) FitToScreen();
}

std::vector<TGradientProgress*> ComparisonWindow::Bars(int fighter) const {
  std::vector<TGradientProgress*> bars;
  const QWidget* panel = panels_.at(static_cast<std::size_t>(fighter));
  for (int i = 0; i < kRatingCount; ++i)
    bars.push_back(panel->findChild<TGradientProgress*>(QStringLiteral("bar%1").arg(i)));
  return bars;
}

void ComparisonWindow::SaveComparison() {
  const RadarView& shown = radars_->currentIndex() == 1 ? *attributesView_ : *ratingsView_;
  QStringList names;
  for (const ComparedFighter& fighter : fighters_) names << fighter.name;
  const QString title = names.join(QStringLiteral(" – "));
  const DrawingSave save{tr("Save comparison"), folder_, title, DrawingScale(devicePixelRatioF())};
  const auto folder = SaveDrawingAs(
      dialogs_, save, [&](const QString&) { return std::make_unique<RadarDrawing>(shown.Chart(), title); });
  if (folder) folder_ = *folder;
}

}  // namespace ostrak::roster
