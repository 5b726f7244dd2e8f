// A preview's rows told as they are shown: each row's ratings before → after
// as its own file and plan give them, whichever row is looked at first, and a
// sort by them that orders the rows never shown too.

#include <gtest/gtest.h>

#include <QTableView>

#include "ui/roster/ChangePreview.h"
#include "ui/roster/RosterFixtures.h"

namespace ostrak::roster {
namespace {

TEST(ChangePreview, ARowToldWhenShownHoldsItsOwnRatingsAndTheRatingsSortEveryRow) {
  test::TempDirectory folder;
  // Striking is (punches + kicks + strength) / 3; only it and Overall move.
  for (const auto& [file, punches] : {std::pair("low.txt", 5), {"high.txt", 15}, {"same.txt", 10}})
    test::WriteFighter(folder, file, {"Name", "Brasil", 0, 10, punches});
  SetExpression expression;
  expression.column = "punches";
  expression.value = "10";
  auto plan = std::make_shared<RosterPlan>(
      PlanSet({"low.txt", "high.txt", "same.txt"}, {expression}, RosterOptions{folder.path()}));
  PreviewCaptions captions;
  captions.ratings = {"Ground", "Striking", "Defense", "Fitness", "Mental", "Overall"};
  ChangePreview preview;
  preview.Show(PreviewOf(plan, captions));

  // The second row first: a row told out of turn would show another's.
  EXPECT_EQ(preview.Text(1, PreviewModel::Ratings), "Striking 58% → 50%; Overall 52% → 50%");
  EXPECT_EQ(preview.Text(0, PreviewModel::Ratings), "Striking 42% → 50%; Overall 48% → 50%");
  preview.Table().sortByColumn(PreviewModel::Ratings, Qt::DescendingOrder);
  QStringList order;
  for (int row = 0; row < preview.ShownCount(); ++row) order << preview.Text(row, PreviewModel::File);
  EXPECT_EQ(order, QStringList({"high.txt", "low.txt", "same.txt"}));
}

}  // namespace
}  // namespace ostrak::roster
