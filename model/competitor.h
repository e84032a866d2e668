#pragma once
// One competitor: identity, bibs, names, team, the codes of the categories it belongs to and one
// result object per run (runs 0 to 50).
#include "model/run_result.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <array>
#include <memory>
#include <vector>

namespace razudar {

class clsConcorrente {
public:
    // Result slots: runs 0 to 50.
    static constexpr int kRunSlots = 51;
    // Category code meaning "all categories".
    static inline const QString kAllCategories = QStringLiteral("XXXXX");

    qint16 Concorrente() const { return concorrente_; }
    void setConcorrente(qint16 value) { concorrente_ = value; }
    qint16 Pettorale() const { return pettorale_; }
    void setPettorale(qint16 value) { pettorale_ = value; }
    qint16 PettoraleStampa() const { return pettoraleStampa_; }
    void setPettoraleStampa(qint16 value) { pettoraleStampa_ = value; }
    QString Cognome() const { return cognome_; }
    void setCognome(const QString& value) { cognome_ = value; }
    QString Nome() const { return nome_; }
    void setNome(const QString& value) { nome_ = value; }
    // Surname, then " ", the first name's first character and "." when there is a first name.
    QString CognomeNomePuntato() const;
    QString Squadra() const { return squadra_; }
    void setSquadra(const QString& value) { squadra_ = value; }
    QString Nazionalita() const { return nazionalita_; }
    void setNazionalita(const QString& value) { nazionalita_ = value; }
    QString SocietaDescrizione() const { return societaDescrizione_; }
    void setSocietaDescrizione(const QString& value) { societaDescrizione_ = value; }
    QString Societa() const { return societa_; }
    void setSocieta(const QString& value) { societa_ = value; }

    void CategoriaAdd(const QString& Value);
    QString CategoriaItem(qint16 Index) const;  // "" outside 1..count
    // True for "XXXXX" or a code of the competitor (exact, case-sensitive).
    bool CategoriaPresente(const QString& Categoria) const;
    qint16 CategoriaCount() const;

    // The result of run Manche (0..50), created empty on first read; later reads return the
    // same object. A run outside 0..50 gives a new empty result that is not kept.
    std::shared_ptr<clsRisultati> Risultati(qint16 Manche);
    // Puts the given object (shared, not copied) in the slot; a run outside 0..50 is ignored.
    void setRisultati(qint16 Manche, std::shared_ptr<clsRisultati> value);

    // The result of run Manche when it has been created, else nullptr; never creates one.
    // An absent result reads as state 0 and time 0.
    const clsRisultati* existingResult(int Manche) const
    {
        if (Manche >= 0 && Manche < kInlineRuns)
            return firstRuns_[static_cast<std::size_t>(Manche)].get();
        const std::size_t later = static_cast<std::size_t>(Manche - kInlineRuns);
        if (Manche < 0 || later >= laterRuns_.size())
            return nullptr;
        return laterRuns_[later].get();
    }

    // Counter that changes whenever the category codes change; lets the race state notice that
    // positions indexed by category must be rebuilt.
    void watchCategoryChanges(std::shared_ptr<quint64> counter) { categoryWatch_ = std::move(counter); }

private:
    // Runs 0..5 are held in the object itself, later runs in a list grown on demand: the
    // classification reads the first runs of every competitor, so they sit next to the bib.
    static constexpr int kInlineRuns = 6;
    std::shared_ptr<clsRisultati>& resultSlot(qint16 Manche);

    qint16 concorrente_ = 0;
    qint16 pettorale_ = 0;
    qint16 pettoraleStampa_ = 0;
    std::array<std::shared_ptr<clsRisultati>, kInlineRuns> firstRuns_{};
    QString cognome_;
    QString nome_;
    QString squadra_;
    QString nazionalita_;
    QString societaDescrizione_;
    QString societa_;
    QStringList categorie_;
    // Runs 6 and up; an empty pointer is a run never read or set.
    std::vector<std::shared_ptr<clsRisultati>> laterRuns_;
    std::shared_ptr<quint64> categoryWatch_;
};

}  // namespace razudar
