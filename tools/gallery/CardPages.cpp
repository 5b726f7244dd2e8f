// The fighter card of a sample fighter in both languages, as its PNG is
// drawn, with the captions of the caption tables beside the gallery.

#include "platform/ProgramDirectory.h"
#include "platform/Surface.h"
#include "record/StringList.h"
#include "roster/LoadedFighter.h"
#include "tools/gallery/Gallery.h"
#include "ui/card/FighterCard.h"

namespace {

using namespace ostrak;

void RenderCard(gallery::Output& out, const char* code, const QString& suffix) {
  TStringList table;
  table.LoadFromFile(ProgramDirectory() + code + "-Translation.txt");
  const roster::LoadedFighter loaded = roster::LoadLikeTheEditor(OSTRAK_SAMPLES_DIR "/iker-solano.txt");
  EvaluationPicture bars;
  FighterCard card(CardFighterOf(loaded.form), CardCaptionsOf(&table), QStringLiteral("iker-solano"), bars);
  QImage picture = card.Raster(out.Scale());
  out.Save(Surface(&picture), QStringLiteral("card-") + suffix);
}

}  // namespace

OSTRAK_GALLERY_PAGE(FighterCards) {
  RenderCard(out, "EN", QStringLiteral("en"));
  RenderCard(out, "ES", QStringLiteral("es"));
}
