#include "ui/roster/ComparisonWindow.h"

#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/AnsiText.h"
#include "platform/Fonts.h"
#include "record/FighterForm.h"
#include "roster/Roster.h"
#include "ui/Unit2.h"
#include "widgets/gradient/GradientProgress.h"

namespace ostrak::roster {

namespace {

// The evaluation window's client area and its bars' places in it.
constexpr int kPanelWidth = 294;
constexpr int kBarsHeight = 148;
constexpr int kNameHeight = 24;
constexpr std::array<int, kRatingCount> kBarTops = {8, 28, 48, 68, 88, 117};

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

ComparisonWindow::ComparisonWindow(std::array<QString, kRatingCount> ratingCaptions,
                                   std::array<QString, kAttributeCount> attributeCaptions, QWidget* parent)
    : QWidget(parent, Qt::Window),
      ratingCaptions_(std::move(ratingCaptions)),
      attributeCaptions_(std::move(attributeCaptions)) {
  setObjectName(QStringLiteral("ComparisonWindow"));
  setWindowTitle(tr("Compare fighters"));
  setAttribute(Qt::WA_QuitOnClose, false);
  auto* layout = new QVBoxLayout(this);
  panelRow_ = new QHBoxLayout;
  panelRow_->setSpacing(6);
  layout->addLayout(panelRow_);
  attributes_ = new QTableWidget(this);
  attributes_->setObjectName(QStringLiteral("attributes"));
  attributes_->setAccessibleName(tr("Attributes"));
  attributes_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  attributes_->setSelectionMode(QAbstractItemView::NoSelection);
  attributes_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  attributes_->verticalHeader()->setDefaultSectionSize(attributes_->fontMetrics().height() + 6);
  layout->addWidget(attributes_, 1);
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void ComparisonWindow::Compare(const std::string& folder, const std::vector<std::string>& files) {
  fighters_.clear();
  for (const std::string& file : files) {
    const QString name = QFile::decodeName(QByteArray::fromStdString(file));
    if (auto fighter = LoadCompared(folder + file, name)) fighters_.push_back(std::move(*fighter));
  }
  for (QWidget* panel : panels_) delete panel;
  panels_.clear();
  for (const ComparedFighter& fighter : fighters_) {
    panels_.push_back(NewPanel(fighter));
    panelRow_->addWidget(panels_.back());
  }
  FillAttributes();
  adjustSize();
}

QWidget* ComparisonWindow::NewPanel(const ComparedFighter& fighter) {
  auto* panel = new QWidget(this);
  panel->setFixedSize(kPanelWidth, kNameHeight + kBarsHeight);
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
  for (int i = 0; i < kRatingCount; ++i) {
    auto* bar = new TGradientProgress(panel);
    bar->setObjectName(QStringLiteral("bar%1").arg(i));
    bar->SetBounds(9, kNameHeight + kBarTops[static_cast<std::size_t>(i)], 276, 20);
    const bool overall = i == kRatingCount - 1;
    ApplyEvaluationBarConfiguration(*bar, overall ? clTeal : clRed, overall ? clLime : clYellow);
    bar->Gradient().SetPercentFilling(fighter.ratings[static_cast<std::size_t>(i)]);
    const QString caption = ratingCaptions_[static_cast<std::size_t>(i)] +
                            QStringLiteral(" %1").arg(bar->Gradient().PercentFilling());
    // The bar reads its caption as a format with its Percent: "%%" draws one '%'.
    bar->SetCaption(caption + QStringLiteral("%%"));
    bar->setAccessibleName(caption + QLatin1Char('%'));
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
  attributes_->setMinimumHeight(attributes_->horizontalHeader()->height() +
                                kAttributeCount * attributes_->verticalHeader()->defaultSectionSize() + 4);
}

std::vector<TGradientProgress*> ComparisonWindow::Bars(int fighter) const {
  std::vector<TGradientProgress*> bars;
  const QWidget* panel = panels_.at(static_cast<std::size_t>(fighter));
  for (int i = 0; i < kRatingCount; ++i)
    bars.push_back(panel->findChild<TGradientProgress*>(QStringLiteral("bar%1").arg(i)));
  return bars;
}

}  // namespace ostrak::roster
