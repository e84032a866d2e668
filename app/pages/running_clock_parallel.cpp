#include "app/pages/running_clock_parallel.h"

namespace razudar {

// The parallel clock steps come with the console and clock pages; until then these codes do
// nothing.
void TempoParalleloPagina(PageContext&) {}
void TempoParalleloPartenza(PageContext&) {}
void MostraDistacchiSfida(PageContext&, const QString&, qint16) {}
void MostraEsitoSfida(PageContext&, const QString&, qint16) {}

}  // namespace razudar
