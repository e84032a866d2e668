#include "data/object_text_encoder.h"

#include "model/krono.h"

namespace razudar::encoder {

namespace {

const QString kObjectBegin = QStringLiteral("_BF_OG-IN_");
const QString kObjectEnd = QStringLiteral("_BF_OG-FN_");
const QString kSectionSeparator = QStringLiteral("_BF_AT_OG_SP_");
const QString kAttributesBegin = QStringLiteral("_BF_AT-IN_");
const QString kAttributesEnd = QStringLiteral("_BF_AT-FN_");
const QString kValueSeparator = QStringLiteral("_BF_AT-SP_");
const QString kItemSeparator = QStringLiteral("_CL_IT-SP_");
const QString kItemListEnd = QStringLiteral("_BF_OG-SP_");
const QString kAll = QStringLiteral("XXXXX");

QString n(qint64 value) { return QString::number(value); }

// Run results that the text carries for a competitor: runs 1 to the current run.
int resultBlocks(const clsKrono& k) { return k.MancheSfidaCorrente(); }

QStringList sessionValues(const clsKrono& k) {
    const clsGara& g = k.cGara;
    return {k.TurnoCorrente(), n(k.TurnoCorrenteTipo()), n(k.MancheCorrente()),
            n(k.SfidaCorrente()), n(k.RoundCorrente()), k.TurnoCorrenteDescrizione(),
            n(k.StatoSessione()), g.DescrizioneSessione(), g.DescrizioneGara(),
            n(g.TipoFederazione()), g.DisciplinaCodice(), n(g.Disciplina()), n(g.Specialita()),
            n(g.Allenamenti()), n(g.Manches()), n(g.Intermedi()), n(g.Frazionisti()),
            n(g.Risoluzione()), truthText(g.KO()), truthText(g.Tabellone()),
            truthText(g.Parallelo()), g.Lingua(), n(g.TabelloneNumeroDiscese()),
            truthText(g.QualificazioneParallela())};
}

QList<QStringList> categoryItems(const clsKrono& k) {
    QList<QStringList> items;
    for (qint16 i = 1; i <= k.CategoriaCount(); ++i) {
        const auto c = k.CategoriaInOrdine(i);
        items.append({c->Categoria(), c->Descrizione(), n(c->BiathlonSerieTiri()),
                      n(c->BiathlonPenalitaTiro()), c->BiathlonDescrizionePenalita()});
    }
    return items;
}

QList<QStringList> competitorItems(const clsKrono& k) {
    QList<QStringList> items;
    for (qint16 number : k.ElencoConcorrenti()) {
        const clsConcorrente* c = k.findConcorrente(number);
        items.append({n(c->Concorrente()), n(c->Pettorale()), n(c->PettoraleStampa()),
                      c->Cognome(), c->Nome(), c->Nazionalita(), c->SocietaDescrizione()});
    }
    return items;
}

QList<QStringList> competitorCategoryItems(const clsKrono& k) {
    QList<QStringList> items;
    for (qint16 number : k.ElencoConcorrenti()) {
        const clsConcorrente* c = k.findConcorrente(number);
        QStringList item{n(number), n(c->CategoriaCount())};
        for (qint16 i = 1; i <= c->CategoriaCount(); ++i) item.append(c->CategoriaItem(i));
        items.append(item);
    }
    return items;
}

QList<QStringList> resultItems(const clsKrono& k) {
    const int intermediates = k.cGara.Intermedi();
    QList<QStringList> items;
    for (qint16 number : k.ElencoConcorrenti()) {
        const clsConcorrente* c = k.findConcorrente(number);
        QStringList item{n(number)};
        for (int m = 1; m <= resultBlocks(k); ++m) {
            const clsRisultati* r = c->existingResult(m);
            const clsRisultati empty;
            if (r == nullptr) r = &empty;
            item << n(r->OrarioPartenza()) << n(r->OrarioArrivo()) << n(r->Tempo())
                 << n(r->StatoConcorrente());
            for (int j = 1; j <= intermediates; ++j) item << n(r->OrarioIntermedioItem(qint16(j)));
        }
        items.append(item);
    }
    return items;
}

QList<QStringList> startListItems(const clsKrono& k) {
    QList<QStringList> items;
    for (int p = 1; p <= k.TotalePartenti(0, kAll); ++p)
        items.append({n(k.ConcorrentePartenteInPosizione(0, p, kAll))});
    return items;
}

QList<QStringList> heatItems(const clsKrono& k) {
    QList<QStringList> items;
    for (qint16 heat : k.ElencoSfide()) {
        const QList<qint16> competitors = k.ElencoConcorrentiSfida(heat);
        QStringList item{n(heat), n(competitors.size())};
        for (qint16 c : competitors) item.append(n(c));
        items.append(item);
    }
    return items;
}

}  // namespace

QString truthText(bool value) { return value ? QStringLiteral("True") : QStringLiteral("False"); }

QString objectText(const QStringList& sections) {
    return kObjectBegin + sections.join(kSectionSeparator) + kObjectEnd;
}

QString attributeSection(const QStringList& values) {
    return kAttributesBegin + values.join(kValueSeparator) + kAttributesEnd;
}

QString collectionSection(const QList<QStringList>& items) {
    QStringList joined;
    joined.reserve(items.size());
    for (const QStringList& item : items) joined.append(item.join(kValueSeparator));
    return joined.join(kItemSeparator) + kItemListEnd;
}

QStringList raceSections(const clsKrono& k) {
    return {attributeSection(sessionValues(k)),
            collectionSection(categoryItems(k)),
            collectionSection(competitorItems(k)),
            collectionSection(competitorCategoryItems(k)),
            collectionSection(resultItems(k)),
            collectionSection(startListItems(k)),
            collectionSection(heatItems(k)),
            attributeSection({k.SiglaStatoEscluso(), k.SiglaStatoFTM(), k.SiglaStatoNonArrivato(),
                              k.SiglaStatoNonPartito(), k.SiglaStatoPartito()})};
}

QString raceStateText(const clsKrono& krono) { return objectText(raceSections(krono)); }

QString raceStateText(const clsKrono& krono, int sessionValue, const QString& value) {
    QStringList sections = raceSections(krono);
    QStringList values = sessionValues(krono);
    values[sessionValue] = value;
    sections[0] = attributeSection(values);
    return objectText(sections);
}

QString clockText(const QString& time) { return objectText({attributeSection({time})}); }

QString clockText(qint32 packedTime) { return clockText(n(packedTime)); }

QString sessionKeyText(const QString& time, const QString& race, const QString& turnType,
                       const QString& run) {
    return objectText({attributeSection({time, race, turnType, run})});
}

std::shared_ptr<clsKrono> demoRace(const DemoRaceShape& shape) {
    const QStringList kSurnames = {QStringLiteral("Müller"), QStringLiteral("Dell'Òro"),
                                          QStringLiteral("Ñúñez"), QStringLiteral("Łukasiewicz"),
                                          QStringLiteral("Rossi"), QStringLiteral("Brändström")};
    const QStringList kNames = {QStringLiteral("Zoë"), QStringLiteral("José"),
                                       QStringLiteral("Anna"), QString(), QStringLiteral("Åsa")};
    const QList<qint32> kStates = {0, 0, 20, 30, 40, 60, 10, 0, 50};

    auto k = std::make_shared<clsKrono>();
    const int blocks = shape.parallel ? qMax(1, shape.competitors / 2) : shape.runs;
    k->setTurnoCorrente(QStringLiteral("GS1"));
    k->setTurnoCorrenteTipo(shape.parallel ? 3 : 4);
    k->setMancheCorrente(qint16(shape.parallel ? 1 : blocks));
    k->setSfidaCorrente(qint16(shape.parallel ? blocks : 0));
    k->setRoundCorrente(2);
    k->setTurnoCorrenteDescrizione(QStringLiteral("Slalom Gigante – Finale"));
    k->setStatoSessione(3);
    clsGara& g = k->cGara;
    g.setDescrizioneSessione(QStringLiteral("Manche di Qualificazione"));
    g.setDescrizioneGara(QStringLiteral("Trofeo Città di Cortina"));
    g.setTipoFederazione(7);
    g.setDisciplinaCodice(QStringLiteral("SL"));
    g.setDisciplina(5);
    g.setSpecialita(6);
    g.setAllenamenti(1);
    g.setManches(qint16(shape.runs));
    g.setIntermedi(qint16(shape.intermediates));
    g.setFrazionisti(3);
    g.setRisoluzione(3);
    g.setKO(true);
    g.setTabellone(false);
    g.setParallelo(shape.parallel);
    g.setLingua(QStringLiteral("ITA"));
    g.setTabelloneNumeroDiscese(2);
    g.setQualificazioneParallela(true);

    for (int i = 1; i <= shape.categories; ++i) {
        auto c = std::make_shared<clsCategoria>();
        c->setCategoria(QStringLiteral("U%1").arg(14 + 2 * i));
        c->setDescrizione(QStringLiteral("Under %1 è").arg(14 + 2 * i));
        c->setBiathlonSerieTiri(qint16(i));
        c->setBiathlonPenalitaTiro(qint16(100 * i));
        c->setBiathlonDescrizionePenalita(QStringLiteral("%1 minuto").arg(i));
        k->CategoriaAdd(std::move(c));
    }

    for (int i = 1; i <= shape.competitors; ++i) {
        auto c = std::make_shared<clsConcorrente>();
        const qint16 number = qint16(1000 + i);
        c->setConcorrente(number);
        c->setPettorale(qint16(i));
        c->setPettoraleStampa(qint16(100 + i));
        c->setCognome(kSurnames[i % kSurnames.size()] + QString::number(i));
        c->setNome(kNames[i % kNames.size()]);
        c->setNazionalita(i % 3 == 0 ? QStringLiteral("SUI") : QStringLiteral("ITA"));
        c->setSocietaDescrizione(QStringLiteral("Sci Club Val d'Isère %1").arg(i % 7));
        for (int j = 0; j < i % 3 && shape.categories > 0; ++j)
            c->CategoriaAdd(QStringLiteral("U%1").arg(14 + 2 * (1 + (i + j) % shape.categories)));
        if (i % 5 == 0) c->CategoriaAdd(QStringLiteral(" U21 "));
        for (int m = 1; m <= blocks; ++m) {
            const auto r = c->Risultati(qint16(m));
            const qint32 start = 100000000 + m * 1000000 + i * 30000;
            r->setOrarioPartenza(start);
            r->setStatoConcorrente(kStates[(i + m) % kStates.size()]);
            if (r->StatoConcorrente() == 0 || r->StatoConcorrente() == 50) {
                r->setOrarioArrivo(start + 112345 + i * 17);
                r->setTempo(112345 + i * 17);
            }
            for (int j = 1; j <= shape.intermediates; ++j) {
                if ((i + j) % 4 == 0) continue;  // a missed intermediate
                r->OrarioIntermedioAdd(start + j * 20000 + i);
            }
        }
        k->ConcorrenteAdd(std::move(c), number);
    }

    for (int i = shape.competitors; i >= 1; --i) k->PartenteAggiungi(qint16(1000 + i));
    if (shape.parallel) {
        for (int h = 1; 2 * h <= shape.competitors; ++h) {
            k->ElencoCoppieSfideAdd(qint16(h), qint16(1000 + 2 * h - 1));
            k->ElencoCoppieSfideAdd(qint16(h), qint16(1000 + 2 * h));
        }
    }
    k->setSiglaStatoEscluso(QStringLiteral("SQ"));
    k->setSiglaStatoFTM(QStringLiteral("FTM"));
    k->setSiglaStatoNonArrivato(QStringLiteral("NA"));
    k->setSiglaStatoNonPartito(QStringLiteral("NP"));
    k->setSiglaStatoPartito(QStringLiteral("IP"));
    return k;
}

QStringList carriedFieldDifferences(const clsKrono& expected, const clsKrono& actual) {
    QStringList out;
    auto check = [&out](const QString& what, const auto& a, const auto& b) {
        if (a != b) out.append(what + QStringLiteral(" differs"));
    };
    check(QStringLiteral("session"), sessionValues(expected), sessionValues(actual));
    check(QStringLiteral("categories"), categoryItems(expected), categoryItems(actual));
    check(QStringLiteral("competitors"), competitorItems(expected), competitorItems(actual));
    check(QStringLiteral("competitor categories"), competitorCategoryItems(expected),
          competitorCategoryItems(actual));
    check(QStringLiteral("start list"), startListItems(expected), startListItems(actual));
    check(QStringLiteral("heats"), heatItems(expected), heatItems(actual));
    const auto abbreviations = [](const clsKrono& k) {
        return QStringList{k.SiglaStatoEscluso(), k.SiglaStatoFTM(), k.SiglaStatoNonArrivato(),
                           k.SiglaStatoNonPartito(), k.SiglaStatoPartito()};
    };
    check(QStringLiteral("state abbreviations"), abbreviations(expected), abbreviations(actual));
    // Results with the intermediate lists as stored (not as written, where gaps read 0).
    for (qint16 number : expected.ElencoConcorrenti()) {
        const clsConcorrente* e = expected.findConcorrente(number);
        const clsConcorrente* a = actual.findConcorrente(number);
        if (a == nullptr) continue;  // already reported with the competitors
        for (int m = 1; m <= resultBlocks(expected); ++m) {
            const clsRisultati none;
            const clsRisultati* re = e->existingResult(m) ? e->existingResult(m) : &none;
            const clsRisultati* ra = a->existingResult(m) ? a->existingResult(m) : &none;
            QList<qint32> ie, ia;
            for (qint16 j = 1; j <= re->OrarioIntermedioCount(); ++j) ie.append(re->OrarioIntermedioItem(j));
            for (qint16 j = 1; j <= ra->OrarioIntermedioCount(); ++j) ia.append(ra->OrarioIntermedioItem(j));
            const QString what = QStringLiteral("competitor %1 run %2 ").arg(number).arg(m);
            check(what + QStringLiteral("start"), re->OrarioPartenza(), ra->OrarioPartenza());
            check(what + QStringLiteral("finish"), re->OrarioArrivo(), ra->OrarioArrivo());
            check(what + QStringLiteral("time"), re->Tempo(), ra->Tempo());
            check(what + QStringLiteral("state"), re->StatoConcorrente(), ra->StatoConcorrente());
            check(what + QStringLiteral("intermediates"), ie, ia);
        }
    }
    return out;
}

}  // namespace razudar::encoder
