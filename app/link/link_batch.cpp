#include "app/link/link_batch.h"

namespace razudar {

void LinkBatch::end() {
    open_ = false;
    settle();
}

void LinkBatch::AggiornaClassificheInterfaccia() {
    if (open_) {
        asked_ = true;
    } else {
        console_.AggiornaClassificheInterfaccia();
    }
}

void LinkBatch::MandaInOnda(qint16 codice) {
    // Pages read places and gaps from the standings, the operator's as the link's.
    settle();
    pages_.MandaInOnda(codice);
}

void LinkBatch::settle() {
    if (!asked_) return;
    asked_ = false;
    console_.AggiornaClassificheInterfaccia();
}

}  // namespace razudar
