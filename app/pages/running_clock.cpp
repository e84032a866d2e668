#include "app/pages/running_clock.h"

namespace razudar {

// The running-clock steps come with the console and clock pages; until then these codes do
// nothing.
void ScriviConcorrenteTC(PageContext&, const QString&, qint16) {}
void TempoACorrerePronto(PageContext&) {}
void TempoACorrereAvviato(PageContext&) {}
void TempoACorrereFermato(PageContext&) {}

}  // namespace razudar
