#pragma once
// The running-clock page "TempoACorrere": one competitor on course with a clock that the
// graphics control counts, stopped at each split and at the finish. The dispatcher has tested
// each code's condition; these routines do its steps (loading the page when it is not on air).
#include <QString>

#include <optional>

#include "app/pages/page_codes.h"
#include "app/pages/page_context.h"

namespace razudar {

class PageOnAir;

inline constexpr char16_t kOggettoTempoACorrere[] = u"txtTempoACorrere";

// Milliseconds of the run times of the runs before `manche`.
qint64 TempoMancheConcluse(const clsKrono& krono, qint16 concorrente, qint16 manche);
// The value the clock starts from: the time elapsed since the competitor's start in the current
// run (a start before midnight counts across it), the earlier runs' times and the offset; never
// below 0.
qint64 ValoreAvvioTempoACorrere(const clsKrono& krono, qint16 concorrente, qint32 orarioAttuale, qint32 offset);
// The value the clock stops at for the split shown ("1", "2", "F"; any other text 0); none when
// the split has no time of day (the clock keeps running).
std::optional<qint64> ValoreArrestoTempoACorrere(const clsKrono& krono, qint16 concorrente, const QString& split);

// Bib, name and nation of the competitor on the page.
void ScriviConcorrenteTC(PageContext& ctx, const QString& pagina, qint16 concorrente);
// Code 9: the clock ready at the start (a competitor is selected).
void TempoACorrerePronto(PageContext& ctx, PageOnAir& onAir);
// Code 20: the clock started from the time elapsed since the start (the competitor has started
// and has no run time).
void TempoACorrereAvviato(PageContext& ctx, PageOnAir& onAir);
// Code 12: the clock stopped at the official time or at a split, or the outcome of a heat.
void TempoACorrereFermato(PageContext& ctx);

}  // namespace razudar
