#include "app/link/link_batch.h"

namespace razudar {

void LinkBatch::end() {
    open_ = false;
    refreshIfAsked();
}

void LinkBatch::AggiornaClassificheInterfaccia() {
    if (open_) {
        asked_ = true;
    } else {
        console_.AggiornaClassificheInterfaccia();
    }
}

void LinkBatch::MandaInOnda(qint16 codice) {
    // The running-clock pages read places and gaps from the standings.
    refreshIfAsked();
    pages_.MandaInOnda(codice);
}

void LinkBatch::refreshIfAsked() {
    if (!asked_) return;
    asked_ = false;
    console_.AggiornaClassificheInterfaccia();
}

}  // namespace razudar
