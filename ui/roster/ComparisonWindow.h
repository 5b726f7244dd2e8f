#pragma once

// Two to four fighters side by side: for each, the name and the six rating
// bars exactly as the evaluation window draws them, then the eighteen
// attributes in a table with the highest value of each row marked.

#include <QWidget>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "record/FighterLayout.h"
#include "ui/roster/RosterRow.h"

class QHBoxLayout;
class QTableWidget;

namespace ostrak {
class TGradientProgress;
}

namespace ostrak::roster {

struct ComparedFighter {
  QString name;  // the full name; the file when it has none
  std::array<int, kRatingCount> ratings{};
  std::array<int, kAttributeCount> attributes{};  // as the editor's boxes show them, kAttributeFields order
};

// The file loaded as the editor loads it; nothing when it does not load.
std::optional<ComparedFighter> LoadCompared(const std::string& path, const QString& file);

class ComparisonWindow : public QWidget {
  Q_OBJECT

public:
  ComparisonWindow(std::array<QString, kRatingCount> ratingCaptions,
                   std::array<QString, kAttributeCount> attributeCaptions, QWidget* parent);

  // `files` under `folder` (ending in '/'); one that no longer loads is left out.
  void Compare(const std::string& folder, const std::vector<std::string>& files);

  const std::vector<ComparedFighter>& Fighters() const { return fighters_; }
  // The bars of fighter `fighter`, in bar order.
  std::vector<TGradientProgress*> Bars(int fighter) const;
  QTableWidget& Attributes() const { return *attributes_; }

private:
  QWidget* NewPanel(const ComparedFighter& fighter);
  void FillAttributes();

  std::array<QString, kRatingCount> ratingCaptions_;
  std::array<QString, kAttributeCount> attributeCaptions_;
  std::vector<ComparedFighter> fighters_;
  std::vector<QWidget*> panels_;
  QHBoxLayout* panelRow_;
  QTableWidget* attributes_;
};

}  // namespace ostrak::roster
