#include "model/competitor.h"

#include "model/basic.h"

#include <algorithm>

namespace razudar {

QString clsConcorrente::CognomeNomePuntato() const
{
    if (nome_.isEmpty())
        return cognome_;
    return cognome_ + QLatin1Char(' ') + nome_.left(1) + QLatin1Char('.');
}

void clsConcorrente::CategoriaAdd(const QString& Value)
{
    categorie_.append(Value);
    if (categoryWatch_)
        ++*categoryWatch_;
}

QString clsConcorrente::CategoriaItem(qint16 Index) const
{
    if (Index < 1 || Index > categorie_.size())
        return QString();
    return categorie_.at(Index - 1);
}

bool clsConcorrente::CategoriaPresente(const QString& Categoria) const
{
    if (Categoria == kAllCategories)
        return true;
    return std::any_of(categorie_.cbegin(), categorie_.cend(),
                       [&Categoria](const QString& code) { return code == Categoria; });
}

qint16 clsConcorrente::CategoriaCount() const
{
    return basic::narrowToInteger(categorie_.size());
}

std::shared_ptr<clsRisultati>& clsConcorrente::resultSlot(qint16 Manche)
{
    if (Manche < kInlineRuns)
        return firstRuns_[static_cast<std::size_t>(Manche)];
    const std::size_t later = static_cast<std::size_t>(Manche - kInlineRuns);
    if (later >= laterRuns_.size())
        laterRuns_.resize(later + 1);
    return laterRuns_[later];
}

std::shared_ptr<clsRisultati> clsConcorrente::Risultati(qint16 Manche)
{
    if (Manche < 0 || Manche >= kRunSlots)
        return std::make_shared<clsRisultati>();
    auto& result = resultSlot(Manche);
    if (!result)
        result = std::make_shared<clsRisultati>();
    return result;
}

void clsConcorrente::setRisultati(qint16 Manche, std::shared_ptr<clsRisultati> value)
{
    if (Manche < 0 || Manche >= kRunSlots)
        return;
    resultSlot(Manche) = std::move(value);
}

}  // namespace razudar
