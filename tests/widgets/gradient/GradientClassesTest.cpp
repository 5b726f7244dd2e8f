#include <gtest/gtest.h>

#include <functional>

#include "core/Errors.h"
#include "platform/SystemColors.h"
#include "widgets/gradient/GradientClasses.h"

namespace ostrak {
namespace {

// Counts notifications and remembers what the callback saw.
struct Listener {
  explicit Listener(TColorPair& pair) {
    pair.ChangeCallback = [this](TColorPair& changed) {
      ++calls;
      seen = &changed;
    };
  }
  int calls = 0;
  TColorPair* seen = nullptr;
};

TEST(TGradient, WritesNotifyOnceOnlyWhenTheValueChanges) {
  struct Row {
    const char* name;
    std::function<void(TGradient&)> write;
    int notifications;
    std::function<bool(const TGradient&)> holds;
  };
  const Row rows[] = {
      {"from colour", [](TGradient& g) { g.SetFromColor(clRed); }, 1,
       [](const TGradient& g) { return g.FromColor() == clRed && g.FromRGB() == clRed; }},
      {"same from colour", [](TGradient& g) { g.SetFromColor(clGray); }, 0, nullptr},
      {"to colour", [](TGradient& g) { g.SetToColor(clYellow); }, 1,
       [](const TGradient& g) { return g.ToRGB() == clYellow; }},
      {"active", [](TGradient& g) { g.SetActive(true); }, 1, [](const TGradient& g) { return g.Active(); }},
      {"same active", [](TGradient& g) { g.SetActive(false); }, 0, nullptr},
      {"orientation", [](TGradient& g) { g.SetOrientation(TGradientDir::fgdVertical); }, 1,
       [](const TGradient& g) { return g.Orientation() == TGradientDir::fgdVertical; }},
      {"brush style", [](TGradient& g) { g.SetBrushStyle(TBrushStyle::bsCross); }, 1,
       [](const TGradient& g) { return g.BrushStyle() == TBrushStyle::bsCross; }},
      {"buffered draw never notifies", [](TGradient& g) { g.SetBufferedDraw(true); }, 0,
       [](const TGradient& g) { return g.BufferedDraw(); }},
      {"steps 0 stores 1", [](TGradient& g) { g.SetSteps(0); }, 1,
       [](const TGradient& g) { return g.Steps() == 1; }},
      {"steps 300 is the current 255", [](TGradient& g) { g.SetSteps(300); }, 0,
       [](const TGradient& g) { return g.Steps() == 255; }},
      {"steps 300 after 10 stores 255",
       [](TGradient& g) {
         g.SetSteps(10);
         g.SetSteps(300);
       },
       2, [](const TGradient& g) { return g.Steps() == 255; }},
      {"percent 40", [](TGradient& g) { g.SetPercentFilling(40); }, 1,
       [](const TGradient& g) { return g.PercentFilling() == 40; }},
      {"percent 0", [](TGradient& g) { g.SetPercentFilling(0); }, 1,
       [](const TGradient& g) { return g.PercentFilling() == 0; }},
      {"percent 101 ignored", [](TGradient& g) { g.SetPercentFilling(101); }, 0,
       [](const TGradient& g) { return g.PercentFilling() == 100; }},
      {"percent -1 ignored", [](TGradient& g) { g.SetPercentFilling(-1); }, 0,
       [](const TGradient& g) { return g.PercentFilling() == 100; }},
      {"same percent", [](TGradient& g) { g.SetPercentFilling(100); }, 0, nullptr},
  };
  for (const Row& row : rows) {
    TGradient g;
    Listener listener(g);
    row.write(g);
    EXPECT_EQ(listener.calls, row.notifications) << row.name;
    if (row.holds) {
      EXPECT_TRUE(row.holds(g)) << row.name;
    }
    if (row.notifications > 0) {
      EXPECT_EQ(listener.seen, &g) << row.name;
    }
  }
}

TEST(TGradient, TheCallbackSeesTheStoredValue) {
  TGradient g;
  int seen = -1;
  g.ChangeCallback = [&](TColorPair& changed) { seen = static_cast<TGradient&>(changed).PercentFilling(); };
  g.SetPercentFilling(60);
  EXPECT_EQ(seen, 60);
}

TEST(TGradient, ResolvesASystemColourOnceWhenItIsWritten) {
  TGradient g;
  g.SetToColor(clBtnShadow);
  EXPECT_EQ(g.ToColor(), clBtnShadow);
  EXPECT_EQ(g.ToRGB(), GetSysColor(COLOR_BTNSHADOW));
}

TEST(TGradient, AssignCopiesEverythingAndNotifiesOnceMore) {
  TGradient source;
  source.SetFromColor(clRed);
  source.SetActive(true);
  source.SetBufferedDraw(true);
  source.SetOrientation(TGradientDir::fgdRectangle);
  source.SetSteps(7);
  source.SetPercentFilling(33);
  source.SetBrushStyle(TBrushStyle::bsVertical);
  TGradient target;
  Listener listener(target);
  target.Assign(source);
  EXPECT_EQ(listener.calls, 2);  // FromColor, then the settings
  EXPECT_EQ(target.FromRGB(), clRed);
  EXPECT_TRUE(target.Active());
  EXPECT_TRUE(target.BufferedDraw());
  EXPECT_EQ(target.Orientation(), TGradientDir::fgdRectangle);
  EXPECT_EQ(target.Steps(), 7);
  EXPECT_EQ(target.PercentFilling(), 33);
  EXPECT_EQ(target.BrushStyle(), TBrushStyle::bsVertical);
  target.Assign(target);
  EXPECT_EQ(listener.calls, 2);
}

// Each colour write that changes notifies, then the copied settings once more.
TEST(TGradient, AssignNotifiesOncePerChangedColourPlusOnce) {
  const struct {
    const char* name;
    TColor from, to;
    int notifications;
  } rows[] = {
      {"both colours differ", clRed, clBtnShadow, 3},
      {"only the to colour differs", clGray, clYellow, 2},
      {"neither differs", clGray, clBlack, 1},
  };
  for (const auto& row : rows) {
    TGradient source;
    source.SetFromColor(row.from);
    source.SetToColor(row.to);
    TGradient target;
    Listener listener(target);
    target.Assign(source);
    EXPECT_EQ(listener.calls, row.notifications) << row.name;
    EXPECT_EQ(target.ToRGB(), source.ToRGB()) << row.name;
  }
}

// A copy is a detached description: it must not call the original's owner,
// which may be gone by the time the copy changes.
TEST(TGradient, ACopyDoesNotCarryTheOwnersCallback) {
  TGradient owned;
  owned.SetFromColor(clRed);
  Listener listener(owned);
  TGradient copy(owned);
  EXPECT_EQ(copy.FromRGB(), clRed);
  copy.SetToColor(clLime);
  copy.SetSteps(3);
  EXPECT_EQ(listener.calls, 0);
}

TEST(TGradient, AssignBetweenAColourPairAndAGradientCopiesOnlyTheColours) {
  TColorPair pair;
  pair.SetToColor(clLime);
  TGradient gradient;
  gradient.SetSteps(9);
  Listener listener(gradient);
  gradient.Assign(pair);
  EXPECT_EQ(listener.calls, 1);
  EXPECT_EQ(gradient.ToColor(), clLime);
  EXPECT_EQ(gradient.Steps(), 9);

  TColorPair back;
  Listener pairListener(back);
  gradient.SetFromColor(clRed);
  back.Assign(gradient);
  EXPECT_EQ(pairListener.calls, 2);
  EXPECT_EQ(back.ToRGB(), clLime);
}

TEST(TGradient, AssignFromAnotherKindFailsWithTheClassNames) {
  class TFont : public TPersistent {
  public:
    std::string ClassName() const override { return "TFont"; }
  } font;
  TGradient gradient;
  Listener listener(gradient);
  try {
    gradient.Assign(font);
    FAIL() << "no error";
  } catch (const AssignError& error) {
    EXPECT_STREQ(error.what(), "Cannot assign a TFont to a TGradient");
  }
  EXPECT_EQ(listener.calls, 0);
  TColorPair pair;
  EXPECT_THROW(font.Assign(pair), AssignError);
}

}  // namespace
}  // namespace ostrak
