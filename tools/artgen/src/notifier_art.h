// The pop-up notifier's skin: a card with a tab on its top edge and one on
// its bottom edge; magenta marks the notches cut away beside them.
#pragma once

#include "pixkit.h"

namespace artgen {

bool MakeNotifierSkin(CDIB& out);

} // namespace artgen
