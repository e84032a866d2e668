#pragma once
// One competitor's result in one run: start and finish times of day, run time, state, start
// position, the misses of each shooting series and the intermediate times of day. Times are
// packed hhmmssttt values.
#include <QList>
#include <QStringView>
#include <QtGlobal>

#include <optional>

namespace razudar {

// A competitor state code as the timekeeping application sends it: a whole number from 0 to 99
// written in decimal digits (blanks around it allowed). Anything else ("3O", "", "-20", "7.5",
// "100") is no state code and gives nothing, so the caller keeps the state it has.
std::optional<qint32> CodiceStatoDaTesto(QStringView text);

class clsRisultati {
public:
    qint32 OrarioPartenza() const { return orarioPartenza_; }
    void setOrarioPartenza(qint32 value) { orarioPartenza_ = value; }
    qint32 OrarioArrivo() const { return orarioArrivo_; }
    void setOrarioArrivo(qint32 value) { orarioArrivo_ = value; }
    qint32 Tempo() const { return tempo_; }  // 0 = no run time
    void setTempo(qint32 value) { tempo_ = value; }
    qint32 StatoConcorrente() const { return statoConcorrente_; }
    void setStatoConcorrente(qint32 value) { statoConcorrente_ = value; }
    // Start position, kept as a 16-bit value. A value outside -32768..32767 is refused: the
    // stored position stays as it was and the setter returns false.
    qint32 OrdinePartenza() const { return ordinePartenza_; }
    bool setOrdinePartenza(qint32 value);

    // Misses of each shooting series, in arrival order (positions from 1).
    void PenalitaClear() { penalita_.clear(); }
    void PenalitaAdd(qint16 Penalita) { penalita_.append(Penalita); }
    qint16 PenalitaItem(qint16 NumeroTiro) const;  // 0 outside 1..count
    qint16 PenalitaCount() const;
    // Sum of every entry. Computed in 32 bits, so a sum beyond the 16-bit range is still exact.
    qint32 TotalePenalita() const;

    // Intermediate times of day, in arrival order (positions from 1).
    void OrarioIntermedioAdd(qint32 Orario) { intermedi_.append(Orario); }
    void OrarioIntermedioDeleteAll() { intermedi_.clear(); }
    qint32 OrarioIntermedioItem(qint16 Intermedio) const;  // 0 outside 1..count
    // Replaces item Intermedio when 1 <= Intermedio <= count; below 1 (on a non-empty list)
    // changes nothing; on an empty list or above the count the time is appended at the end.
    void setOrarioIntermedioItem(qint16 Intermedio, qint32 value);
    qint16 OrarioIntermedioCount() const;

private:
    qint32 orarioPartenza_ = 0;
    qint32 orarioArrivo_ = 0;
    qint32 tempo_ = 0;
    qint32 statoConcorrente_ = 0;
    qint16 ordinePartenza_ = 0;
    QList<qint16> penalita_;
    QList<qint32> intermedi_;
};

}  // namespace razudar
