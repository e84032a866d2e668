#pragma once
// The results-monitor pages written on a text list in row scale: the standings block (with the
// page title and headings when it starts at position 1), the heat page of a parallel run, and
// the on-course block. Every text is one Scrivi with its colour, row, X and size change; every
// colour but the blanking 0 is read from the monitor settings when it is written.
#include <QString>
#include <QtGlobal>

namespace razudar {

class clsKrono;
class Clock;
class MonitorPageSettings;
class TextListSurface;

namespace monitor {

// The blanking: 200 spaces in colour 0 from X 0.
void rigaVuota(TextListSurface& Pic, double riga);

void scriviClassifica(const clsKrono& k, const MonitorPageSettings& settings, TextListSurface& Pic,
                      qint32 Classifica, int Inizio, int Fine, int Riga, bool PrimaPulisciPagina);
void scriviParallelo(const clsKrono& k, const MonitorPageSettings& settings, TextListSurface& Pic);
// `clock` gives the time of day of the running times; without one they are left out.
void scriviTempoCorrere(const clsKrono& k, const MonitorPageSettings& settings, const Clock* clock,
                        TextListSurface& Pic);

}  // namespace monitor
}  // namespace razudar
