#include "model/run_result.h"

#include "model/basic.h"

namespace razudar {

std::optional<qint32> CodiceStatoDaTesto(QStringView text)
{
    constexpr qint32 kLargestStateCode = 99;
    const QStringView digits = text.trimmed();
    if (digits.isEmpty() || digits.size() > 9)  // nine digits cannot overflow
        return std::nullopt;
    qint32 value = 0;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value <= kLargestStateCode ? std::optional<qint32>(value) : std::nullopt;
}

bool clsRisultati::setOrdinePartenza(qint32 value)
{
    const auto narrowed = basic::toInteger(value);
    if (!narrowed)
        return false;
    ordinePartenza_ = *narrowed;
    return true;
}

qint16 clsRisultati::PenalitaItem(qint16 NumeroTiro) const
{
    if (NumeroTiro < 1 || NumeroTiro > penalita_.size())
        return 0;
    return penalita_.at(NumeroTiro - 1);
}

qint16 clsRisultati::PenalitaCount() const
{
    return basic::narrowToInteger(penalita_.size());
}

qint32 clsRisultati::TotalePenalita() const
{
    qint32 total = 0;
    for (const qint16 misses : penalita_)
        total += misses;
    return total;
}

qint32 clsRisultati::OrarioIntermedioItem(qint16 Intermedio) const
{
    if (Intermedio < 1 || Intermedio > intermedi_.size())
        return 0;
    return intermedi_.at(Intermedio - 1);
}

void clsRisultati::setOrarioIntermedioItem(qint16 Intermedio, qint32 value)
{
    // Times that arrive out of order or with gaps in their numbering stay in arrival order.
    if (intermedi_.isEmpty() || Intermedio > intermedi_.size()) {
        intermedi_.append(value);
        return;
    }
    if (Intermedio >= 1)
        intermedi_[Intermedio - 1] = value;
}

qint16 clsRisultati::OrarioIntermedioCount() const
{
    return basic::narrowToInteger(intermedi_.size());
}

}  // namespace razudar
