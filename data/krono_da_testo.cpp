#include "data/krono_da_testo.h"

#include <optional>
#include <span>

#include "data/krono_text_layout.h"
#include "data/object_text_values.h"
#include "model/krono.h"

namespace razudar {

namespace {

using namespace object_text;

void setSession(const std::vector<QStringView>& v, const RaceTextLayout& layout, clsKrono& k) {
    k.setTurnoCorrente(textValue(v[kTurnoCorrente]));
    k.setTurnoCorrenteTipo(integerValue(v[kTurnoCorrenteTipo]));
    k.setMancheCorrente(integerValue(v[kMancheCorrente]));
    k.setSfidaCorrente(integerValue(v[kSfidaCorrente]));
    k.setRoundCorrente(integerValue(v[kRoundCorrente]));
    k.setTurnoCorrenteDescrizione(textValue(v[kTurnoCorrenteDescrizione]));
    k.setStatoSessione(integerValue(v[kStatoSessione]));
    clsGara& g = k.cGara;
    g.setDescrizioneSessione(textValue(v[kDescrizioneSessione]));
    g.setDescrizioneGara(textValue(v[kDescrizioneGara]));
    g.setTipoFederazione(integerValue(v[kTipoFederazione]));
    g.setDisciplinaCodice(textValue(v[kDisciplinaCodice]));
    g.setDisciplina(integerValue(v[kDisciplina]));
    g.setSpecialita(integerValue(v[kSpecialita]));
    g.setAllenamenti(integerValue(v[kAllenamenti]));
    g.setManches(integerValue(v[kManches]));
    g.setIntermedi(integerValue(v[kIntermedi]));
    g.setFrazionisti(integerValue(v[kFrazionisti]));
    g.setRisoluzione(integerValue(v[kRisoluzione]));
    g.setKO(layout.ko);
    g.setTabellone(layout.tabellone);
    g.setParallelo(layout.parallelo);
    g.setLingua(textValue(v[kLingua]));
    g.setTabelloneNumeroDiscese(integerValue(v[kTabelloneNumeroDiscese]));
    g.setQualificazioneParallela(layout.qualificazioneParallela);
}

void addCategories(const CollectionValues& items, clsKrono& k) {
    for (std::size_t i = 0; i < items.itemCount(); ++i) {
        const std::span<const QStringView> v = items.item(i);
        auto category = std::make_shared<clsCategoria>();
        category->setCategoria(textValue(v[0]));
        category->setDescrizione(textValue(v[1]));
        category->setBiathlonSerieTiri(integerValue(v[2]));
        category->setBiathlonPenalitaTiro(integerValue(v[3]));
        category->setBiathlonDescrizionePenalita(textValue(v[4]));
        k.CategoriaAdd(std::move(category));
    }
}

void addCompetitors(const CollectionValues& items, clsKrono& k) {
    for (std::size_t i = 0; i < items.itemCount(); ++i) {
        const std::span<const QStringView> v = items.item(i);
        auto competitor = std::make_shared<clsConcorrente>();
        competitor->setConcorrente(integerValue(v[0]));
        competitor->setPettorale(integerValue(v[1]));
        competitor->setPettoraleStampa(integerValue(v[2]));
        competitor->setCognome(textValue(v[3]));
        competitor->setNome(textValue(v[4]));
        competitor->setNazionalita(textValue(v[5]));
        competitor->setSocietaDescrizione(textValue(v[6]));
        const qint16 number = competitor->Concorrente();
        k.ConcorrenteAdd(std::move(competitor), number);
    }
}

// The registered competitor of an item's first value; null for a number section 2 did not add
// (whatever the item carries for it is not kept).
std::shared_ptr<clsConcorrente> registered(clsKrono& k, QStringView number) {
    const qint16 key = integerValue(number);
    return k.ConcorrenteExists(key) ? k.ConcorrenteItem(key) : nullptr;
}

void addCompetitorCategories(const CollectionValues& items, clsKrono& k) {
    for (std::size_t i = 0; i < items.itemCount(); ++i) {
        const std::span<const QStringView> v = items.item(i);
        const std::shared_ptr<clsConcorrente> competitor = registered(k, v[0]);
        if (!competitor) continue;
        const int count = integerValue(v[1]);
        for (int j = 1; j <= count; ++j) competitor->CategoriaAdd(v[1 + j].toString());
    }
}

void addResults(const CollectionValues& items, const RaceTextLayout& layout, clsKrono& k, QStringList& notices) {
    const int intermediates = layout.intermediates;
    const int blockSize = intermediates + kResultFixedValues;
    for (std::size_t i = 0; i < items.itemCount(); ++i) {
        const std::span<const QStringView> v = items.item(i);
        const std::shared_ptr<clsConcorrente> competitor = registered(k, v[0]);
        if (!competitor) continue;
        for (int m = 1; m <= layout.resultBlocks; ++m) {
            const qint64 b = qint64(blockSize) * (m - 1);
            const std::shared_ptr<clsRisultati> result = competitor->Risultati(qint16(m));
            result->setOrarioPartenza(longValue(v[b + 1]));
            result->setOrarioArrivo(longValue(v[b + 2]));
            result->setTempo(longValue(v[b + 3]));
            if (const std::optional<qint32> stato = CodiceStatoDaTesto(v[b + 4])) {
                result->setStatoConcorrente(*stato);
            } else {
                notices << QStringLiteral("Stato \"%1\" del concorrente %2, manche %3: non è un numero intero da 0 a 99, ignorato")
                               .arg(v[b + 4].toString(), QString::number(competitor->Concorrente()), QString::number(m));
            }
            for (int j = 1; j <= intermediates; ++j) {
                const qint32 time = longValue(v[b + 4 + j]);
                if (time > 0) result->OrarioIntermedioAdd(time);
            }
        }
    }
}

void addStartList(const CollectionValues& items, clsKrono& k) {
    for (std::size_t i = 0; i < items.itemCount(); ++i) k.PartenteAggiungi(integerValue(items.item(i)[0]));
}

void addHeats(const CollectionValues& items, clsKrono& k) {
    for (std::size_t i = 0; i < items.itemCount(); ++i) {
        const std::span<const QStringView> v = items.item(i);
        const qint16 heat = integerValue(v[0]);
        const int count = integerValue(v[1]);
        for (int j = 1; j <= count; ++j) k.ElencoCoppieSfideAdd(heat, integerValue(v[1 + j]));
    }
}

void setAbbreviations(const std::vector<QStringView>& v, clsKrono& k) {
    k.setSiglaStatoEscluso(textValue(v[kSiglaStatoEscluso]));
    k.setSiglaStatoFTM(textValue(v[kSiglaStatoFTM]));
    k.setSiglaStatoNonArrivato(textValue(v[kSiglaStatoNonArrivato]));
    k.setSiglaStatoNonPartito(textValue(v[kSiglaStatoNonPartito]));
    k.setSiglaStatoPartito(textValue(v[kSiglaStatoPartito]));
}

}  // namespace

KronoDaTestoResult KronoDaTesto(const QString& payload, MonitorSettingsReloader& monitorSettings) {
    RaceTextLayout layout;
    QString reason;
    if (!readRaceText(payload, layout, &reason)) return {nullptr, reason, {}};

    auto krono = std::make_shared<clsKrono>(monitorSettings);
    setSession(layout.session, layout, *krono);
    addCategories(layout.categories, *krono);
    addCompetitors(layout.competitors, *krono);
    addCompetitorCategories(layout.competitorCategories, *krono);
    QStringList notices;
    addResults(layout.results, layout, *krono, notices);
    addStartList(layout.startList, *krono);
    addHeats(layout.heats, *krono);
    setAbbreviations(layout.abbreviations, *krono);
    return {std::move(krono), QString(), notices};
}

}  // namespace razudar
