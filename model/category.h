#pragma once
// One category of the race with its shooting-penalty settings.
#include <QString>
#include <QtGlobal>

namespace razudar {

class clsCategoria {
public:
    QString Categoria() const { return categoria_; }
    void setCategoria(const QString& value) { categoria_ = value; }
    QString Descrizione() const { return descrizione_; }
    void setDescrizione(const QString& value) { descrizione_ = value; }
    qint16 BiathlonSerieTiri() const { return biathlonSerieTiri_; }
    void setBiathlonSerieTiri(qint16 value) { biathlonSerieTiri_ = value; }
    // Penalty per missed shot, in the packed form's minutes-and-seconds digits: 100 is one
    // minute, 30 is thirty seconds.
    qint16 BiathlonPenalitaTiro() const { return biathlonPenalitaTiro_; }
    void setBiathlonPenalitaTiro(qint16 value) { biathlonPenalitaTiro_ = value; }
    QString BiathlonDescrizionePenalita() const { return biathlonDescrizionePenalita_; }
    void setBiathlonDescrizionePenalita(const QString& value) { biathlonDescrizionePenalita_ = value; }

private:
    QString categoria_;
    QString descrizione_;
    qint16 biathlonSerieTiri_ = 0;
    qint16 biathlonPenalitaTiro_ = 0;
    QString biathlonDescrizionePenalita_;
};

}  // namespace razudar
