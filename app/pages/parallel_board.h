#pragma once
// The parallel board "TabelloneParallelo": the heats of the current turn, two rows each.
#include <QString>

#include "app/pages/page_codes.h"
#include "app/pages/page_context.h"

namespace razudar {

class PageOnAir;

inline constexpr int kRigheTabelloneParallelo = 8;
inline constexpr int kMancheTabelloneParallelo = 2;

// Loads, fills and starts the board (page code 2 in a parallel turn). The heats are those of
// ElencoSfide by their own numbers, not 1 to their count.
void MostraTabelloneParallelo(PageContext& ctx, PageOnAir& onAir);
// Empties rows 1 to 8 of the board.
void PulisciTabelloneParallelo(PageContext& ctx, const QString& pagina);

}  // namespace razudar
