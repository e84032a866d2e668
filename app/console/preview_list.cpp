#include "app/console/preview_list.h"

#include <algorithm>
#include <cmath>

#include "app/controls/stovak_proxy.h"
#include "model/krono.h"

namespace razudar {

void RowTrackingList::Pulisci() {
    lastRow_ = 0;
    list_.Pulisci();
}

void RowTrackingList::Scrivi(const QString& s, const ScriviArgs& args) {
    // Without X the position is a 1-based row; with X it is a Y in surface units.
    if (args.p && !args.X && std::isfinite(*args.p)) lastRow_ = std::max(lastRow_, *args.p);
    list_.Scrivi(s, args);
}

qint16 RowTrackingList::rowsNeeded() const {
    // A row written at p lies from p - 1 to p rows down: p whole rows, plus the one it reaches into.
    return qint16(std::clamp(std::floor(lastRow_) + 1.0, 1.0, 32767.0));
}

void writeSizedPreview(const clsKrono& k, controls::StovakProxy& lst, CaptionLabel& lbl, qint32 classifica,
                       const QString& categoria) {
    RowTrackingList tracked(lst);
    k.VisualizzaPreview(tracked, lbl, classifica, categoria);
    const qint16 needed = tracked.rowsNeeded();
    const int rows = lst.NumeroRighe().toInt();
    if (needed == rows) return;
    // The control raises a count below its visible rows to them; rows beyond the old surface
    // were not kept, so a list that grew is written again.
    lst.setNumeroRighe(QString::number(needed));
    if (needed > rows) k.VisualizzaPreview(lst, lbl, classifica, categoria);
}

}  // namespace razudar
