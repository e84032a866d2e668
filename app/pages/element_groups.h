#pragma once
// The element groups of the running-clock pages: the competitor on course, the reference
// competitor, the gap, the position, the run time, the previous run, the small classification,
// and the lane gaps and winner texts of the parallel page. Hiding routines only set visibility;
// the others also write texts, images and clock values.
#include <QString>

#include "app/pages/page_context.h"

namespace razudar {

void NascondiClassificaTC(PageContext& ctx, const QString& pagina);
void NascondiPosizioneAssoluta(PageContext& ctx, const QString& pagina);
void NascondiConcorrenteTC(PageContext& ctx, const QString& pagina);
void MostraConcorrenteTC(PageContext& ctx, const QString& pagina);
void NascondiConcorrenteRiferimento(PageContext& ctx, const QString& pagina);
void NascondiDistacco(PageContext& ctx, const QString& pagina);
void NascondiTempoManche(PageContext& ctx, const QString& pagina);
void NascondiManchePrecedente(PageContext& ctx, const QString& pagina);
void NascondiDistacchiSfida(PageContext& ctx, const QString& pagina);
void NascondiDescrizioniSfida(PageContext& ctx, const QString& pagina);

// False when the category has no leader and nothing was written.
bool MostraManchePrecedente(PageContext& ctx, const QString& pagina, const QString& categoria);
// Hides the group when no gap can be computed (the leader has not arrived, no reference, a
// missing time), so the gap of an earlier split never stays beside the new one.
void MostraDistacco(PageContext& ctx, const QString& pagina, const QString& categoria, const QString& split);
// Hides the group when there is no reference to show (no time at the split, or the followed
// competitor is the leader himself).
void MostraConcorrenteRiferimento(PageContext& ctx, const QString& pagina, const QString& categoria,
                                  const QString& split);
void MostraTempoManche(PageContext& ctx, const QString& pagina);
void MostraPosizioneAssoluta(PageContext& ctx, const QString& pagina, const QString& split);

// Row kinds of RigaDisponibile.
inline constexpr qint16 kElencoClassifica = 1;
inline constexpr qint16 kElencoPartenti = 2;
// The row (a position in the list) lies within the classification (kind 1) or the start list
// (kind 2) of the category; any other kind: false.
bool RigaDisponibile(const PageContext& ctx, int riga, qint16 tipo, const QString& categoria);

// Object names of each group, in the order their visibility is written.
QStringList oggettiGruppo(const QString& gruppo);

}  // namespace razudar
