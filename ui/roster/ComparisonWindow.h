#pragma once

// Two to four fighters side by side: for each, the name and the six rating
// bars exactly as the evaluation window draws them; beside them a radar of
// the six ratings, or, one click away, of the eighteen attributes; and the
// attributes in a table with the highest value of each row marked. The radar
// on show is saved as a picture or a page. The window fits the screen's
// free area and scrolls what does not fit.

#include <QWidget>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "record/FighterLayout.h"
#include "ui/card/Radar.h"
#include "ui/roster/RosterRow.h"

class QHBoxLayout;
class QScrollArea;
class QTableWidget;
class QTabWidget;

namespace ostrak {
class Dialogs;
class RadarView;
class TGradientProgress;
}  // namespace ostrak

namespace ostrak::roster {

struct ComparedFighter {
  QString name;  // the full name; the file when it has none
  std::array<int, kRatingCount> ratings{};
  std::array<int, kAttributeCount> attributes{};  // as the editor's boxes show them, kAttributeFields order
};

// The file loaded as the editor loads it; nothing when it does not load.
std::optional<ComparedFighter> LoadCompared(const std::string& path, const QString& file);

// The radars of the fighters: over the six ratings (0 to 100%) and over the
// eighteen attributes (1 to 20), with the captions given.
RadarChart RatingsRadar(const std::vector<ComparedFighter>& fighters,
                        const std::array<QString, kRatingCount>& captions);
RadarChart AttributesRadar(const std::vector<ComparedFighter>& fighters,
                           const std::array<QString, kAttributeCount>& captions);

class ComparisonWindow : public QWidget {
  Q_OBJECT

public:
  ComparisonWindow(std::array<QString, kRatingCount> ratingCaptions,
                   std::array<QString, kAttributeCount> attributeCaptions, Dialogs& dialogs, QWidget* parent);

  // `files` under `folder` (ending in '/'); one that no longer loads is left out.
  void Compare(const std::string& folder, const std::vector<std::string>& files);

  const std::vector<ComparedFighter>& Fighters() const { return fighters_; }
  // The bars of fighter `fighter`, in bar order.
  std::vector<TGradientProgress*> Bars(int fighter) const;
  QTableWidget& Attributes() const { return *attributes_; }
  QTabWidget& Radars() const { return *radars_; }
  RadarView& RatingsView() const { return *ratingsView_; }
  RadarView& AttributesView() const { return *attributesView_; }
  QScrollArea& Scroll() const { return *scroll_; }
  // The window's size that shows everything without scrolling.
  QSize WholeSize();

  // "Save comparison…" (Ctrl+S): the radar on show, as the user chooses.
  void SaveComparison();

protected:
  void showEvent(QShowEvent* event) override;

private:
  QWidget* NewPanel(const ComparedFighter& fighter);
  void FillAttributes();
  // As large as the content, within the free area of the window's screen.
  void FitToScreen();

  std::array<QString, kRatingCount> ratingCaptions_;
  std::array<QString, kAttributeCount> attributeCaptions_;
  Dialogs& dialogs_;
  QString folder_;
  std::vector<ComparedFighter> fighters_;
  std::vector<QWidget*> panels_;
  QScrollArea* scroll_;
  QWidget* content_;
  QHBoxLayout* panelRow_;
  QTabWidget* radars_;
  RadarView* ratingsView_;
  RadarView* attributesView_;
  QTableWidget* attributes_;
};

}  // namespace ostrak::roster
