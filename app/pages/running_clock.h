#pragma once
// The running-clock page "TempoACorrere": one competitor on course with a clock that the
// graphics control counts, stopped at each split and at the finish. The dispatcher has tested
// each code's condition; these routines do its steps (loading the page when it is not on air).
#include <QString>

#include "app/pages/page_context.h"

namespace razudar {

inline constexpr char16_t kPaginaTempoACorrere[] = u"TempoACorrere";
inline constexpr char16_t kOggettoTempoACorrere[] = u"txtTempoACorrere";

// Bib, name and nation of the competitor on the page.
void ScriviConcorrenteTC(PageContext& ctx, const QString& pagina, qint16 concorrente);
// Code 9: the clock ready at the start (a competitor is selected).
void TempoACorrerePronto(PageContext& ctx);
// Code 20: the clock started from the time elapsed since the start (the competitor has started
// and has no run time).
void TempoACorrereAvviato(PageContext& ctx);
// Code 12: the clock stopped at the official time or at a split, or the outcome of a heat.
void TempoACorrereFermato(PageContext& ctx);

}  // namespace razudar
