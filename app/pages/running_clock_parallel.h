#pragma once
// The parallel running-clock page "TempoACorrereParallelo": one heat, lanes "A" and "B", a
// running clock and a gap per lane.
#include <QString>

#include "app/pages/page_context.h"

namespace razudar {

inline constexpr char16_t kPaginaTempoACorrereParallelo[] = u"TempoACorrereParallelo";

// Code 25: the page of the selected heat.
void TempoParalleloPagina(PageContext& ctx);
// Code 26: the start of the selected heat (the heat is not completed).
void TempoParalleloPartenza(PageContext& ctx);
// Code 27 with the gaps switched on.
void MostraDistacchiSfida(PageContext& ctx, const QString& pagina, qint16 sfida);
// The outcome of a heat (code 12 in a parallel turn).
void MostraEsitoSfida(PageContext& ctx, const QString& pagina, qint16 sfida);

}  // namespace razudar
