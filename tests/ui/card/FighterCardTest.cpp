// The fighter card: its bars are the evaluation window's pixels, its three
// formats read back, and the same fighter gives the same bytes every time.

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include "ui/EditorHarness.h"
#include "ui/card/FighterCard.h"

namespace ostrak {
namespace {

using test::EditorHarness;

const std::string kSample = std::string(OSTRAK_SHIPPED_DATA_DIR) + "samples/iker-solano.txt";

std::unique_ptr<EditorHarness> EditorIn(const char* language) {
  const std::string settings = std::string(language) + "\r\n";
  auto editor = std::make_unique<EditorHarness>(
      [&](const test::TempDirectory& program) { test::WriteBytes(program / "Config.txt", settings); });
  EXPECT_TRUE(editor->Form().LoadFighterFile(QString::fromStdString(kSample)));
  return editor;
}

// The window as a screen of `scale` shows it.
QImage Grab(QWidget& window, int scale) {
  QImage picture(window.size() * scale, QImage::Format_ARGB32_Premultiplied);
  picture.setDevicePixelRatio(scale);
  picture.fill(Qt::transparent);
  window.render(&picture, QPoint(), QRegion(window.rect()),
                QWidget::DrawWindowBackground | QWidget::DrawChildren);
  return picture;
}

struct BarsCase {
  const char* name;
  const char* language;
  int scale;
};

class CardBars : public ::testing::TestWithParam<BarsCase> {};

TEST_P(CardBars, AreTheEvaluationWindowsPixels) {
  const BarsCase& c = GetParam();
  auto editor = EditorIn(c.language);
  TForm1& form = editor->Form();
  // A change not saved yet shows on the card as in the window.
  form.spPunch->SetValue(20);
  form.NavPanelButton5Click(form.NavPanelButton5);
  const QImage window = Grab(editor->Evaluation(), c.scale).convertToFormat(QImage::Format_RGB32);

  EvaluationPicture bars;
  FighterCard card(CardFighterOf(form), CardCaptionsOf(form), QString(), bars);
  const QImage picture = card.Raster(c.scale).convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(picture.size(), card.Size() * c.scale);
  const QPoint origin = FighterCard::BarsArea().topLeft() * c.scale;
  ASSERT_EQ(window.size(), FighterCard::BarsArea().size() * c.scale);
  int differing = 0;
  int lit = 0;
  for (int y = 0; y < window.height(); ++y) {
    for (int x = 0; x < window.width(); ++x) {
      const QRgb shown = window.pixel(x, y);
      if (picture.pixel(origin.x() + x, origin.y() + y) != shown) ++differing;
      if (qGray(shown) > 100) ++lit;
    }
  }
  EXPECT_EQ(differing, 0);
  EXPECT_GT(lit, window.width() * window.height() / 4) << "the bars were drawn, not only the black";
}

INSTANTIATE_TEST_SUITE_P(EachLanguageAndScale, CardBars,
                         ::testing::Values(BarsCase{"SpanishAtOne", "ES", 1},
                                           BarsCase{"SpanishAtTwo", "ES", 2},
                                           BarsCase{"EnglishAtOne", "EN", 1},
                                           BarsCase{"EnglishAtTwo", "EN", 2}),
                         [](const auto& info) { return std::string(info.param.name); });

// The card of the sample fighter, with the English captions.
struct SampleCard {
  SampleCard()
      : editor(EditorIn("EN")),
        card(CardFighterOf(editor->Form()), CardCaptionsOf(editor->Form()), {}, bars) {}
  std::unique_ptr<EditorHarness> editor;
  EvaluationPicture bars;
  FighterCard card;
};

QString RunTool(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(30000) || process.exitCode() != 0) {
    ADD_FAILURE() << program.toStdString() << " failed (it comes with poppler-utils): "
                  << process.readAllStandardError().toStdString();
    return QString();
  }
  return QString::fromUtf8(process.readAllStandardOutput());
}

TEST(CardFormats, PngIsTheRasterAtItsScaleAndDensity) {
  SampleCard sample;
  for (int scale = 1; scale <= kMaxDrawingScale; ++scale) {
    QByteArray bytes = Encode(sample.card, DrawingFormat::Png, scale);
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, "png");
    const QImage image = reader.read();
    ASSERT_FALSE(image.isNull()) << scale;
    EXPECT_EQ(image.size(), sample.card.Size() * scale);
    EXPECT_EQ(image.dotsPerMeterX(), qRound(96 * scale / 0.0254));
    EXPECT_EQ(image.convertToFormat(QImage::Format_RGB32),
              sample.card.Raster(scale).convertToFormat(QImage::Format_RGB32));
  }
}

TEST(CardFormats, SvgParsesWithItsTextAsText) {
  SampleCard sample;
  const QByteArray svg = Encode(sample.card, DrawingFormat::Svg, 1);
  QSvgRenderer renderer(svg);
  ASSERT_TRUE(renderer.isValid());
  EXPECT_EQ(renderer.viewBox(), QRect(QPoint(0, 0), sample.card.Size()));
  const QString text = QString::fromUtf8(svg);
  for (const char* shown :
       {">Iker Solano Núñez</text>", ">Ground 64%</text>", ">Weight class</text>",
        ">Lightweight: Max 155 lb / 70 kg</text>", ">Ground game</text>", "<title>Iker Solano Núñez"})
    EXPECT_TRUE(text.contains(QString::fromUtf8(shown))) << shown;
}

TEST(CardFormats, PdfIsOnePageWithEmbeddedFontsAndSelectableText) {
  SampleCard sample;
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("card.pdf"));
  ASSERT_EQ(WriteWhole(path, Encode(sample.card, DrawingFormat::Pdf, 1)), std::nullopt);

  const QString info = RunTool(QStringLiteral("pdfinfo"), {path});
  EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n")))) << info.toStdString();
  EXPECT_TRUE(info.contains(QStringLiteral("Page size:       360 x 459 pts"))) << info.toStdString();
  EXPECT_FALSE(info.contains(QStringLiteral("CreationDate"))) << info.toStdString();
  // Every font row says "yes" under emb.
  const QStringList fonts =
      RunTool(QStringLiteral("pdffonts"), {path}).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  ASSERT_GT(fonts.size(), 2);
  for (qsizetype row = 2; row < fonts.size(); ++row)
    EXPECT_TRUE(fonts[row].contains(QRegularExpression(QStringLiteral("\\byes\\s+\\w+\\s+yes\\b"))))
        << fonts[row].toStdString();
  const QString text = RunTool(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
  for (const char* shown : {"Iker Solano Núñez", "Ground 64%", "Overall 65%", "Takedown defence", "104729"})
    EXPECT_TRUE(text.contains(QString::fromUtf8(shown))) << shown;

  // Rendered back, the page shows the bars where the card has them.
  RunTool(QStringLiteral("pdftoppm"),
          {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("96"), QStringLiteral("-singlefile"),
           path, folder.filePath(QStringLiteral("page"))});
  const QImage page(folder.filePath(QStringLiteral("page.png")));
  ASSERT_EQ(page.size(), sample.card.Size());
  const QRect bars = FighterCard::BarsArea();
  const QColor fill = page.pixelColor(bars.left() + 12, bars.top() + 20);
  EXPECT_GT(fill.red(), 200) << "the ground bar's red start";
  EXPECT_LT(fill.green(), 80);
}

class CardDeterminism : public ::testing::TestWithParam<DrawingFormat> {};

TEST_P(CardDeterminism, TheSameFighterGivesTheSameBytes) {
  SampleCard first;
  const QByteArray bytes = Encode(first.card, GetParam(), 2);
  // Another card with other bars; the writer's time stamp is not kept.
  EvaluationPicture otherBars;
  FighterCard again(CardFighterOf(first.editor->Form()), CardCaptionsOf(first.editor->Form()), {}, otherBars);
  EXPECT_EQ(Encode(again, GetParam(), 2), bytes);
  EXPECT_FALSE(bytes.contains("CreationDate"));
}

INSTANTIATE_TEST_SUITE_P(EachFormat, CardDeterminism,
                         ::testing::Values(DrawingFormat::Png, DrawingFormat::Svg, DrawingFormat::Pdf));

TEST(CardContent, NumbersInTheEditorsBandColoursAndLongTextsShortened) {
  auto editor = EditorIn("ES");
  TForm1& form = editor->Form();
  const std::pair<TSpinEdit*, TColor> bands[] = {
      {form.spPunch, clRed}, {form.spKick, clBlack}, {form.spStrenght, clBlack}, {form.spClinch, clGreen}};
  const int values[] = {7, 8, 14, 15};
  for (std::size_t i = 0; i < std::size(bands); ++i) bands[i].first->SetValue(values[i]);
  form.edNombre->SetText(QString(80, QLatin1Char('W')));
  EvaluationPicture bars;
  const FighterCard card(CardFighterOf(form), CardCaptionsOf(form), {}, bars);
  const auto runOf = [&](const QString& text) -> const FighterCard::Run* {
    for (const FighterCard::Run& run : card.Runs())
      if (run.text == text) return &run;
    return nullptr;
  };
  for (std::size_t i = 0; i < std::size(bands); ++i) {
    // The caption, then its number's run in the box beside it.
    const auto& runs = card.Runs();
    const auto caption = std::find_if(runs.begin(), runs.end(), [&](const FighterCard::Run& run) {
      return run.text == form.findChild<TLabel*>(QStringLiteral("Label%1").arg(i + 2))->Caption();
    });
    ASSERT_NE(caption, runs.end()) << i;
    ASSERT_NE(caption + 1, runs.end());
    EXPECT_EQ((caption + 1)->text, QString::number(values[i]));
    EXPECT_EQ((caption + 1)->font.Color(), bands[i].second) << values[i];
  }
  EXPECT_NE(runOf(QStringLiteral("Puños")), nullptr);
  const auto name = std::find_if(card.Runs().begin(), card.Runs().end(), [](const FighterCard::Run& run) {
    return run.text.startsWith(QLatin1Char('W'));
  });
  ASSERT_NE(name, card.Runs().end());
  EXPECT_TRUE(name->text.endsWith(QStringLiteral("…")));
  EXPECT_LT(name->text.size(), 40);
}

}  // namespace
}  // namespace ostrak
