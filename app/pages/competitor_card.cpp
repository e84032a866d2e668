#include "app/pages/competitor_card.h"

namespace razudar {

// Until the card and podium builders are written, the pages go on air with the contents of
// their definitions.
void PaginaScheda(PageContext&, const QString&, qint16, const QString&) {}
void PaginaSchedaArrivo(PageContext&, const QString&, qint16, const QString&) {}
void PaginaPodio(PageContext&, const QString&, const QString&) {}

}  // namespace razudar
