// Fighter cards for a roster of 1,000 fighters: `ostrak-fighter card` run as
// its users run it (process start included) writing every card as PNG,
// beside its peer in the same run: the same 1,000 fighters loaded into the
// editor, their evaluation windows rendered offscreen and saved with
// QImage::save. Then the cards drawn in this process, and one card with the
// companion, for what one card costs. Goals: the companion at most 1.5x the
// peer; one card at most 20 ms.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <filesystem>
#include <string>
#include <vector>

#include "RatioReporter.h"
#include "SampleFighter.h"
#include "core/IntToStr.h"
#include "platform/ErrorGuard.h"
#include "platform/ProgramDirectory.h"
#include "roster/LoadedFighter.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDirectory.h"
#include "support/TestEnvironment.h"
#include "tools/ToolRunner.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"
#include "ui/card/FighterCard.h"

namespace ostrak {
namespace {

constexpr int kFighters = 1000;

class Roster {
public:
  Roster() {
    std::filesystem::create_directory(directory_ / "roster");
    for (int i = 0; i < kFighters; ++i) {
      names_.push_back("roster/fighter" + IntToStr(i) + ".txt");
      test::WriteBytes(directory_ / names_.back(), SampleFighter(i).Lines().Text());
    }
  }
  const test::TempDirectory& directory() const { return directory_; }
  const std::vector<std::string>& names() const { return names_; }
  // A folder that no iteration has written into yet, ending in '/'.
  std::string FreshFolder() {
    const std::string folder = "out" + IntToStr(folders_++) + "/";
    std::filesystem::create_directory(directory_ / folder);
    return folder;
  }

private:
  test::TempDirectory directory_;
  std::vector<std::string> names_;
  int folders_ = 0;
};

Roster& TheRoster() {
  static Roster roster;
  return roster;
}

void CompanionCards(benchmark::State& state) {
  Roster& roster = TheRoster();
  for (auto _ : state) {
    state.PauseTiming();
    std::vector<std::string> args = {"card", "-o", roster.FreshFolder()};
    args.insert(args.end(), roster.names().begin(), roster.names().end());
    state.ResumeTiming();
    if (test::RunTool(roster.directory(), args).status != 0) state.SkipWithError("card failed");
  }
}
BENCHMARK(CompanionCards)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void EvaluationWindowsSaved(benchmark::State& state) {
  Roster& roster = TheRoster();
  test::ScriptedDialogs dialogs;
  ScopedErrorCapture errors;
  TForm1 editor(dialogs, ProgramDirectory());
  auto* evaluation = new TForm2(editor);
  editor.show();
  editor.NavPanelButton5Click(editor.NavPanelButton5);
  for (auto _ : state) {
    state.PauseTiming();
    const std::string folder = roster.directory() / roster.FreshFolder();
    state.ResumeTiming();
    for (int i = 0; i < kFighters; ++i) {
      // The window follows the loaded fighter, as on screen.
      editor.LoadFighterFile(QString::fromStdString(roster.directory() / roster.names()[i]));
      QImage picture(evaluation->size(), QImage::Format_ARGB32_Premultiplied);
      evaluation->render(&picture);
      if (!picture.save(QString::fromStdString(folder + "fighter" + IntToStr(i) + ".png"), "PNG"))
        state.SkipWithError("save failed");
    }
  }
  if (!errors.messages().empty()) state.SkipWithError(errors.messages().front().c_str());
}
BENCHMARK(EvaluationWindowsSaved)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void CardsInProcess(benchmark::State& state) {
  Roster& roster = TheRoster();
  EvaluationPicture bars;
  const CardCaptions captions = CardCaptionsOf(nullptr);
  for (auto _ : state) {
    state.PauseTiming();
    const std::string folder = roster.directory() / roster.FreshFolder();
    state.ResumeTiming();
    for (int i = 0; i < kFighters; ++i) {
      const roster::LoadedFighter loaded = roster::LoadLikeTheEditor(roster.directory() / roster.names()[i]);
      FighterCard card(CardFighterOf(loaded.form), captions, QString(), bars);
      if (WriteWhole(QString::fromStdString(folder + "fighter" + IntToStr(i) + ".png"),
                     Encode(card, DrawingFormat::Png, 1)))
        state.SkipWithError("write failed");
    }
  }
}
BENCHMARK(CardsInProcess)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// Per iteration; the reporter's figure per card is a thousandth of it.
void OneCardCommand(benchmark::State& state) {
  Roster& roster = TheRoster();
  for (auto _ : state) {
    if (test::RunTool(roster.directory(), {"card", "-o", "one.png", roster.names().front()}).status != 0)
      state.SkipWithError("card failed");
  }
}
BENCHMARK(OneCardCommand)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

}  // namespace
}  // namespace ostrak

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  ostrak::test::PrepareApplication();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  ostrak::RatioReporter reporter(ostrak::kFighters, "card");
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatio("ostrak-fighter card / evaluation windows saved (goal: at most 1.5)", "CompanionCards",
                      "EvaluationWindowsSaved");
  reporter.PrintRatio("cards drawn in process / evaluation windows saved", "CardsInProcess",
                      "EvaluationWindowsSaved");
  if (const double perCard = reporter.PerItemNs("CardsInProcess"); perCard > 0)
    std::printf("one card, drawn and written: %.2f ms (goal: at most 20 ms)\n", perCard / 1e6);
  if (const double run = reporter.PerItemNs("OneCardCommand"); run > 0)
    std::printf("ostrak-fighter card for one fighter, process start included: %.1f ms\n",
                run * ostrak::kFighters / 1e6);
  benchmark::Shutdown();
  return 0;
}
