#include "model/race_record.h"

#include "model/basic.h"

namespace razudar {

void clsGara::setDescrizioneGara(const QString& value) { descrizioneGara_ = basic::Trim(value); }

void clsGara::setDescrizioneSessione(const QString& value) { descrizioneSessione_ = basic::Trim(value); }

const clsGara::TimingPoint* clsGara::point(qint16 index) const
{
    if (index < 0 || index >= kTimingPointCount)
        return nullptr;
    return &points_[static_cast<std::size_t>(index)];
}

clsGara::TimingPoint* clsGara::point(qint16 index)
{
    return const_cast<TimingPoint*>(std::as_const(*this).point(index));
}

qint32 clsGara::PuntoRilevamentoTipo(qint16 IndicePunto) const
{
    const TimingPoint* p = point(IndicePunto);
    return p ? p->Tipo : 0;
}

void clsGara::setPuntoRilevamentoTipo(qint16 IndicePunto, qint32 value)
{
    if (TimingPoint* p = point(IndicePunto))
        p->Tipo = value;
}

QString clsGara::PuntoRilevamentoDescrizione(qint16 IndicePunto) const
{
    const TimingPoint* p = point(IndicePunto);
    return p ? p->Descrizione : QString();
}

void clsGara::setPuntoRilevamentoDescrizione(qint16 IndicePunto, const QString& value)
{
    if (TimingPoint* p = point(IndicePunto))
        p->Descrizione = value;
}

qint16 clsGara::PuntoRilevamentoCom(qint16 IndicePunto) const
{
    const TimingPoint* p = point(IndicePunto);
    return p ? p->Com : 0;
}

void clsGara::setPuntoRilevamentoCom(qint16 IndicePunto, qint16 value)
{
    if (TimingPoint* p = point(IndicePunto))
        p->Com = value;
}

QString clsGara::PuntoRilevamentoSettings(qint16 IndicePunto) const
{
    const TimingPoint* p = point(IndicePunto);
    return p ? p->Settings : QString(kSettingsLength, QLatin1Char(' '));
}

void clsGara::setPuntoRilevamentoSettings(qint16 IndicePunto, const QString& value)
{
    if (TimingPoint* p = point(IndicePunto))
        p->Settings = value.left(kSettingsLength).leftJustified(kSettingsLength, QLatin1Char(' '));
}

qint32 clsGara::PuntoRilevamentoOrologio(qint16 IndicePunto) const
{
    const TimingPoint* p = point(IndicePunto);
    return p ? p->Orologio : 0;
}

void clsGara::setPuntoRilevamentoOrologio(qint16 IndicePunto, qint32 value)
{
    if (TimingPoint* p = point(IndicePunto))
        p->Orologio = value;
}

// The lookups scan slots 1 to 10: slots 0 and 11 are never looked at.
qint16 clsGara::IndicePuntoRilevamentoPartenza() const
{
    for (qint16 i = 1; i <= 10; ++i) {
        const qint32 tipo = points_[static_cast<std::size_t>(i)].Tipo;
        if (tipo == 8 || tipo == 10 || tipo == 1)
            return i;
    }
    return 0;
}

qint16 clsGara::IndicePuntoRilevamento(qint32 TipoPunto) const
{
    for (qint16 i = 1; i <= 10; ++i) {
        if (points_[static_cast<std::size_t>(i)].Tipo == TipoPunto)
            return i;
    }
    return 0;
}

qint32 clsGara::PuntoRilevamentoDaCom(qint16 Com) const
{
    for (qint16 i = 1; i <= 10; ++i) {
        const TimingPoint& p = points_[static_cast<std::size_t>(i)];
        if (p.Com == Com)
            return p.Tipo;
    }
    return 0;
}

}  // namespace razudar
