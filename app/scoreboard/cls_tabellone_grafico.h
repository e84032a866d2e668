#pragma once
// clsTabelloneGrafico: the settings and display state of an external scoreboard (its serial
// port settings, size, intervals, what each row shows, free texts) and its queue of arriving
// competitors. It only holds values: it opens no port and writes to no device.
//
// It belongs to the program's main-window and on-air side as one of its public classes, but no
// unit creates one, since the program drives no external scoreboard: only its test uses it. It
// needs no widgets, so it lives in the logic library, in a folder of its own rather than among
// the page units, which it does not feed.
#include <QString>
#include <QtGlobal>

#include <array>
#include <deque>

namespace razudar {

class clsTabelloneGrafico {
public:
    // The queue keeps at most this many arrivals; a further one drops the oldest.
    static constexpr int kMaxArrivi = 1000;

    qint16 TipoTabellone() const { return tipoTabellone_; }
    void setTipoTabellone(qint16 v) { tipoTabellone_ = v; }

    // Appends the competitor, also when already queued. When the queue is full the oldest
    // arrival is dropped to make room: the result is then False and CodaArriviScartati counts it.
    bool CodaArriviAdd(qint16 Concorrente);
    // Removes the first entry equal to the competitor, from the front; nothing when none.
    void CodaArriviDelete(qint16 Concorrente);
    qint16 CodaArriviCount() const { return static_cast<qint16>(coda_.size()); }
    // The entry at the 1-based position; -1 outside 1..count.
    qint16 CodaArriviItem(qint16 Posizione) const;
    // Arrivals dropped because the queue was full.
    int CodaArriviScartati() const { return scartati_; }

    qint16 Com() const { return com_; }
    void setCom(qint16 v) { com_ = v; }
    QString BitVelocita() const { return bitVelocita_; }
    void setBitVelocita(const QString& v) { bitVelocita_ = v; }
    QString BitDati() const { return bitDati_; }
    void setBitDati(const QString& v) { bitDati_ = v; }
    QString Parita() const { return parita_; }
    void setParita(const QString& v) { parita_ = v; }
    QString BitStop() const { return bitStop_; }
    void setBitStop(const QString& v) { bitStop_ = v; }
    // Speed, parity, data bits and stop bits joined by ",".
    QString Settings() const;
    qint16 Righe() const { return righe_; }
    void setRighe(qint16 v) { righe_ = v; }
    qint16 Colonne() const { return colonne_; }
    void setColonne(qint16 v) { colonne_ = v; }
    qint16 VelocitaTestoScorrevole() const { return velocitaTestoScorrevole_; }
    void setVelocitaTestoScorrevole(qint16 v) { velocitaTestoScorrevole_ = v; }
    qint16 IntervalloClassifica() const { return intervalloClassifica_; }
    void setIntervalloClassifica(qint16 v) { intervalloClassifica_ = v; }
    qint16 IntervalloNuovoConcorrente() const { return intervalloNuovoConcorrente_; }
    void setIntervalloNuovoConcorrente(qint16 v) { intervalloNuovoConcorrente_ = v; }
    qint16 ConcorrentiClassifica() const { return concorrentiClassifica_; }
    void setConcorrentiClassifica(qint16 v) { concorrentiClassifica_ = v; }
    // Rows 0 to 3; another row throws std::out_of_range and changes nothing.
    qint16 TipoVisualizzazioneRiga(qint16 Riga) const;
    void setTipoVisualizzazioneRiga(qint16 Riga, qint16 v);
    bool TabelloneAttivo() const { return tabelloneAttivo_; }
    void setTabelloneAttivo(bool v) { tabelloneAttivo_ = v; }
    qint16 PosizioneClassifica() const { return posizioneClassifica_; }
    void setPosizioneClassifica(qint16 v) { posizioneClassifica_ = v; }
    qint16 ConcorrenteTempoCorrere() const { return concorrenteTempoCorrere_; }
    void setConcorrenteTempoCorrere(qint16 v) { concorrenteTempoCorrere_ = v; }
    qint16 ConcorrenteTraguardo() const { return concorrenteTraguardo_; }
    void setConcorrenteTraguardo(qint16 v) { concorrenteTraguardo_ = v; }
    // Rows 0 to 3, sub-rows 0 to 2; others throw std::out_of_range and change nothing.
    QString TestoLibero(qint16 Riga, qint16 SottoRiga) const;
    void setTestoLibero(qint16 Riga, qint16 SottoRiga, const QString& v);
    // Rows 1 to 3 showing a classification (type 2), times the columns.
    qint16 PosizioniClassificaVisualizzabili() const;

private:
    qint16 tipoTabellone_ = 0;
    qint16 com_ = 0;
    QString bitVelocita_, bitDati_, parita_, bitStop_;
    qint16 righe_ = 0, colonne_ = 0;
    qint16 velocitaTestoScorrevole_ = 0, intervalloClassifica_ = 0, intervalloNuovoConcorrente_ = 0;
    qint16 concorrentiClassifica_ = 0;
    std::array<qint16, 4> tipoVisualizzazioneRiga_{};
    bool tabelloneAttivo_ = false;
    qint16 posizioneClassifica_ = 0, concorrenteTempoCorrere_ = 0, concorrenteTraguardo_ = 0;
    std::array<std::array<QString, 3>, 4> testoLibero_;
    std::deque<qint16> coda_;
    int scartati_ = 0;
};

}  // namespace razudar
