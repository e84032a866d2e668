#include "app/scoreboard/cls_tabellone_grafico.h"

#include "model/basic.h"

#include <algorithm>
#include <stdexcept>

namespace razudar {

namespace {

size_t checkedIndex(qint16 index, int count, const char* what) {
    if (index < 0 || index >= count) throw std::out_of_range(what);
    return static_cast<size_t>(index);
}

}  // namespace

bool clsTabelloneGrafico::CodaArriviAdd(qint16 Concorrente) {
    bool kept = true;
    if (coda_.size() >= size_t(kMaxArrivi)) {
        coda_.pop_front();
        ++scartati_;
        kept = false;
    }
    coda_.push_back(Concorrente);
    return kept;
}

void clsTabelloneGrafico::CodaArriviDelete(qint16 Concorrente) {
    const auto it = std::find(coda_.begin(), coda_.end(), Concorrente);
    if (it != coda_.end()) coda_.erase(it);
}

qint16 clsTabelloneGrafico::CodaArriviItem(qint16 Posizione) const {
    if (Posizione < 1 || Posizione > CodaArriviCount()) return -1;
    return coda_[size_t(Posizione - 1)];
}

QString clsTabelloneGrafico::Settings() const {
    return bitVelocita_ + u',' + parita_ + u',' + bitDati_ + u',' + bitStop_;
}

qint16 clsTabelloneGrafico::TipoVisualizzazioneRiga(qint16 Riga) const {
    return tipoVisualizzazioneRiga_[checkedIndex(Riga, 4, "TipoVisualizzazioneRiga: riga fuori intervallo")];
}

void clsTabelloneGrafico::setTipoVisualizzazioneRiga(qint16 Riga, qint16 v) {
    tipoVisualizzazioneRiga_[checkedIndex(Riga, 4, "TipoVisualizzazioneRiga: riga fuori intervallo")] = v;
}

QString clsTabelloneGrafico::TestoLibero(qint16 Riga, qint16 SottoRiga) const {
    const size_t r = checkedIndex(Riga, 4, "TestoLibero: riga fuori intervallo");
    return testoLibero_[r][checkedIndex(SottoRiga, 3, "TestoLibero: sottoriga fuori intervallo")];
}

void clsTabelloneGrafico::setTestoLibero(qint16 Riga, qint16 SottoRiga, const QString& v) {
    const size_t r = checkedIndex(Riga, 4, "TestoLibero: riga fuori intervallo");
    testoLibero_[r][checkedIndex(SottoRiga, 3, "TestoLibero: sottoriga fuori intervallo")] = v;
}

qint16 clsTabelloneGrafico::PosizioniClassificaVisualizzabili() const {
    int rows = 0;
    for (size_t r = 1; r <= 3; ++r)
        if (tipoVisualizzazioneRiga_[r] == 2) ++rows;
    // A 16-bit result: a product beyond it raises the overflow error.
    return basic::requireInteger(qint64(rows) * colonne_);
}

}  // namespace razudar
