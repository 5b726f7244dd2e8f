#pragma once

// The one part of the companion that draws: the cards of a plan, on Qt's
// offscreen platform, with the editor's own drawing. Nothing else in the
// companion uses Qt's GUI modules.

#include "tools/fighter/CardTargets.h"

namespace ostrak::fighter {

// Writes every card of `plan` in `language`'s captions; a fighter that does
// not load or a card that cannot be written is named on stderr and the rest
// go on. The exit status: 0 when every card was written.
int DrawCards(const CardPlan& plan, const std::string& language);

}  // namespace ostrak::fighter
