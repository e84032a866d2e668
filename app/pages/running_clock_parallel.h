#pragma once
// The parallel running-clock page "TempoACorrereParallelo": one heat, lanes "A" and "B", a
// running clock and a gap per lane.
#include <QString>

#include "app/pages/page_codes.h"
#include "app/pages/page_context.h"

namespace razudar {

class PageOnAir;

// Code 25: the page of the selected heat.
void TempoParalleloPagina(PageContext& ctx, PageOnAir& onAir);
// Code 26: the start of the selected heat (the heat is not completed).
void TempoParalleloPartenza(PageContext& ctx, PageOnAir& onAir);
// Code 27 with the gaps switched on.
void MostraDistacchiSfida(PageContext& ctx, const QString& pagina, qint16 sfida);
// The outcome of a heat (code 12 in a parallel turn): the leader's or winner's text and the
// lane gaps.
void MostraEsitoSfida(PageContext& ctx, const QString& pagina, qint16 sfida);
// The clock started at a value in milliseconds, shown unless the discipline shows no clock.
void AvviaTempoParallelo(PageContext& ctx, const QString& pagina, qint32 valore);
// Bib, name and nation of each lane of the heat.
void ScriviConcorrentiSfida(PageContext& ctx, const QString& pagina, qint16 sfida);
// The clock stopped at the better run time of the heat's current run; nothing without one.
void FermaTempoParallelo(PageContext& ctx, const QString& pagina, qint16 sfida);
// The gap clock of the competitor's lane started: from 0 in the first run, from the first run's
// gap later (positive for the first run's winner).
void AvviaDistaccoCorsia(PageContext& ctx, const QString& pagina, qint16 sfida, qint16 concorrente);
// The winner of the heat's first run: lane B only when it arrived and was faster.
qint16 VincitorePrimaManche(const clsKrono& krono, qint16 sfida);

}  // namespace razudar
