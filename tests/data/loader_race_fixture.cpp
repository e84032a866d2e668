#include "data/loader_race_fixture.h"

#include <QStringList>

#include <algorithm>

#include "model/basic.h"
#include "model/krono.h"
#include "model/race_times.h"

namespace razudar::testing {

namespace {

const QString kTurn = QStringLiteral("GA");
constexpr qint32 kTurnType = 2;
const QStringList kSurnames = {QStringLiteral("Dell'Òro"), QStringLiteral("Müller"),
                               QStringLiteral("Ñúñez"), QStringLiteral("Brändström"),
                               QStringLiteral("Rossi"), QStringLiteral("de la Cruz")};
const QStringList kNames = {QStringLiteral("Zoë"), QStringLiteral("José"), QString(),
                            QStringLiteral("Åsa"), QStringLiteral("Luca")};
const QStringList kNations = {QStringLiteral("ITA"), QStringLiteral("SUI"), QStringLiteral("AUT")};

// State of competitor i in run m: the last run is under way (open and on course left), the
// earlier ones are over.
qint32 stateOf(int i, int m, int runs) {
    static const qint32 kOver[] = {0, 0, 0, 30, 0, 40, 0, 60, 0, 50, 0};
    static const qint32 kCurrent[] = {0, 10, 0, 20, 10, 30, 0, 10, 40, 60, 10};
    return m < runs ? kOver[(i * 3 + m) % 11] : kCurrent[(i * 7) % 11];
}

QString categoryCode(int c) { return QStringLiteral("C%1").arg(c); }

void exec(const db::Database& d, const char* sql, const QVariantList& params) {
    d.execute(QString::fromUtf8(sql), params);
}

}  // namespace

std::shared_ptr<clsKrono> fixtureRace(const FixtureShape& shape) {
    auto k = std::make_shared<clsKrono>();
    k->setTurnoCorrente(kTurn);
    k->setTurnoCorrenteTipo(kTurnType);
    k->setMancheCorrente(qint16(shape.runs));
    k->setSfidaCorrente(4);
    k->setRoundCorrente(2);
    k->setTurnoCorrenteDescrizione(QStringLiteral("Gara"));
    k->setStatoSessione(1);
    clsGara& g = k->cGara;
    g.setDescrizioneSessione(QStringLiteral("Manche %1").arg(shape.runs));
    g.setDescrizioneGara(QStringLiteral("Coppa delle Nazioni – Città di Bormio"));
    g.setTipoFederazione(2);
    g.setDisciplinaCodice(QStringLiteral("SA"));
    g.setDisciplina(1);
    g.setSpecialita(shape.speciality);
    g.setAllenamenti(1);
    g.setManches(qint16(shape.runs));
    g.setIntermedi(qint16(shape.intermediates));
    g.setFrazionisti(0);
    g.setRisoluzione(3);
    g.setKO(true);
    g.setLingua(QStringLiteral("ITA"));
    g.setTabelloneNumeroDiscese(2);

    for (int c = 1; c <= shape.categories; ++c) {
        auto category = std::make_shared<clsCategoria>();
        category->setCategoria(categoryCode(c));
        category->setDescrizione(QStringLiteral("Categoria %1 è").arg(c));
        category->setBiathlonSerieTiri(qint16(c));
        category->setBiathlonPenalitaTiro(qint16(10 * c));
        category->setBiathlonDescrizionePenalita(QStringLiteral("%1 giri").arg(c));
        k->CategoriaAdd(std::move(category));
    }

    const int n = shape.competitors;
    for (int i = 1; i <= n; ++i) {
        auto c = std::make_shared<clsConcorrente>();
        c->setConcorrente(qint16(i));
        c->setPettorale(qint16((i * 7) % n + 1));
        c->setPettoraleStampa(qint16(i % 9 == 0 ? 0 : 100 + i));
        c->setCognome(basic::UCase(kSurnames[i % kSurnames.size()] + QString::number(i)));
        c->setNome(kNames[i % kNames.size()]);
        c->setNazionalita(kNations[i % kNations.size()]);
        c->setSocietaDescrizione(QStringLiteral("Sci Club Val d'Isère %1").arg(i % 5));
        QStringList codes;
        if (shape.categories > 0) {
            for (int j = 0; j < i % 3; ++j) codes.append(categoryCode(1 + (i + j) % shape.categories));
            if (i % 10 == 3) codes.append(QStringLiteral(" U21 "));
        }
        codes.removeDuplicates();
        // The database gives a competitor's categories in code order, ignoring case.
        std::sort(codes.begin(), codes.end(),
                  [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
        if (codes.isEmpty()) codes.append(QString());
        for (const QString& code : codes) c->CategoriaAdd(code);

        for (int m = 1; m <= shape.runs; ++m) {
            const auto r = c->Risultati(qint16(m));
            const qint32 state = stateOf(i, m, shape.runs);
            r->setStatoConcorrente(state);
            if (state == 10 || state == 40) continue;
            const qint32 startMs = (9 + 3 * m) * 3600000 + i * 45000;
            const qint32 runMs = 58000 + (i * 7919) % 9000 + m * 250;
            r->setOrarioPartenza(MillesimiInTempo(startMs));
            if (state == 0 || state == 50 || state == 60) {
                r->setOrarioArrivo(MillesimiInTempo(startMs + runMs));
                r->setTempo(MillesimiInTempo(runMs));
            }
            for (int j = 1; j <= shape.intermediates; ++j) {
                if ((i + j) % 5 == 0) continue;  // a missed intermediate
                if (state == 20 && j > 1) break;  // on course: only the first so far
                r->OrarioIntermedioAdd(MillesimiInTempo(startMs + j * runMs / (shape.intermediates + 1)));
            }
        }
        k->ConcorrenteAdd(std::move(c), qint16(i));
    }
    // Start order of the current run: by bib, descending.
    QList<qint16> order = k->ElencoConcorrenti();
    std::sort(order.begin(), order.end(), [&](qint16 a, qint16 b) {
        return k->ConcorrenteItem(a)->Pettorale() > k->ConcorrenteItem(b)->Pettorale();
    });
    for (qint16 id : order) k->PartenteAggiungi(id);
    k->setSiglaStatoEscluso(QStringLiteral("SQ"));
    k->setSiglaStatoFTM(QStringLiteral("FTM"));
    k->setSiglaStatoNonArrivato(QStringLiteral("NA"));
    k->setSiglaStatoNonPartito(QStringLiteral("NP"));
    k->setSiglaStatoPartito(QStringLiteral("PAR"));
    return k;
}

void writeFixtureRace(const clsKrono& k, const db::Database& d) {
    const clsGara& g = k.cGara;
    const int race = kFixtureRace;
    const int runs = k.MancheCorrente();
    d.execute(QStringLiteral("BEGIN"));
    exec(d, "INSERT INTO Lingue (li_Lingua, li_SiglaEscluso, li_SiglaFTM, li_SiglaNonArrivato,"
            " li_SiglaNonPartito, li_SiglaPartito) VALUES (?, ?, ?, ?, ?, ?)",
         {g.Lingua(), k.SiglaStatoEscluso(), k.SiglaStatoFTM(), k.SiglaStatoNonArrivato(),
          k.SiglaStatoNonPartito(), k.SiglaStatoPartito()});
    exec(d, "INSERT INTO Discipline (ds_Id, ds_Disciplina) VALUES (?, ?)", {g.Disciplina(), g.DisciplinaCodice()});
    exec(d, "INSERT INTO Specialita (sp_Id, sp_Specialita) VALUES (?, ?)",
         {g.Specialita(), QStringLiteral("S%1").arg(g.Specialita())});
    exec(d, "INSERT INTO TipiTurni (tt_Id, tt_TipoTurno, tt_Descrizione) VALUES (?, ?, ?)",
         {k.TurnoCorrenteTipo(), basic::LCase(k.TurnoCorrente()), k.TurnoCorrenteDescrizione()});
    exec(d, "INSERT INTO Gare (ga_Gara, ga_Anno, ga_CodiceEquipe, ga_Descrizione, ga_TipoFederazione,"
            " ga_Disciplina, ga_Specialita, ga_Allenamenti, ga_Frazionisti, ga_Risoluzione, ga_Internet,"
            " ga_Intranet, ga_KO, ga_Tabellone, ga_Parallelo, ga_QualificazioneParallela, ga_Lingua,"
            " ga_PagineMonitor, ga_NumeroDisceseTabellone, ga_Manches, ga_Intermedi)"
            " VALUES (?, 2024, 3, ?, ?, ?, ?, ?, ?, ?, 0, -1, ?, ?, ?, ?, ?, 2, ?, 9, ?)",
         {race, g.DescrizioneGara(), g.TipoFederazione(), g.DisciplinaCodice(),
          QStringLiteral("S%1").arg(g.Specialita()), g.Allenamenti(), g.Frazionisti(), g.Risoluzione(),
          g.KO() ? -1 : 0, g.Tabellone() ? -1 : 0, g.Parallelo() ? -1 : 0,
          g.QualificazioneParallela() ? -1 : 0, g.Lingua(), g.TabelloneNumeroDiscese(), g.Intermedi()});
    // Start and finish points, and one numbered point per intermediate.
    exec(d, "INSERT INTO TipiPuntiRilevamento (tp_Id, tp_Descrizione, tp_Ordine, tp_NumeroIntermedio)"
            " VALUES (3, 'Partenza', 0, 0), (4, 'Arrivo', 6, 0)", {});
    // Every point has its port and clock type; the serial-line settings may stay empty.
    exec(d, "INSERT INTO PuntiRilevamento (pr_Gara, pr_PuntoRilevamento, pr_TipoPuntoRilevamento,"
            " pr_Com, pr_TipoOrologio) VALUES (?, 1, 3, 1, 1), (?, 2, 4, 2, 1)", {race, race});
    for (int j = 1; j <= g.Intermedi(); ++j) {
        exec(d, "INSERT INTO TipiPuntiRilevamento (tp_Id, tp_Descrizione, tp_Ordine, tp_NumeroIntermedio)"
                " VALUES (?, ?, ?, ?)", {10 + j, QStringLiteral("Intermedio %1").arg(j), j, j});
        exec(d, "INSERT INTO PuntiRilevamento (pr_Gara, pr_PuntoRilevamento, pr_TipoPuntoRilevamento,"
                " pr_Com, pr_TipoOrologio) VALUES (?, ?, ?, ?, 1)", {race, 2 + j, 10 + j, 2 + j});
    }
    for (int m = 1; m <= runs; ++m) {
        exec(d, "INSERT INTO Sessioni (se_Gara, se_TipoTurno, se_Manche, se_Descrizione,"
                " se_StatoSessione, se_TabelloneRound, se_TabelloneSfida) VALUES (?, ?, ?, ?, ?, ?, ?)",
             {race, k.TurnoCorrente(), m, QStringLiteral("Manche %1").arg(m),
              m == runs ? k.StatoSessione() : 2, k.RoundCorrente(), k.SfidaCorrente()});
    }
    for (qint16 c = 1; c <= k.CategoriaCount(); ++c) {
        const auto category = k.CategoriaInOrdine(c);
        exec(d, "INSERT INTO Categorie (ca_Gara, ca_Categoria, ca_Descrizione, ca_Ordine, ca_SerieTiri,"
                " ca_PenalitaTiri, ca_DescrizioneSerieTiri) VALUES (?, ?, ?, ?, ?, ?, ?)",
             {race, category->Categoria(), category->Descrizione(), c, category->BiathlonSerieTiri(),
              category->BiathlonPenalitaTiro(), category->BiathlonDescrizionePenalita()});
    }
    QStringList clubs;
    for (qint16 id : k.ElencoConcorrenti()) {
        const clsConcorrente* c = k.findConcorrente(id);
        const QString club = c->SocietaDescrizione();
        if (!clubs.contains(club)) {
            exec(d, "INSERT INTO Societa (ss_Societa, ss_Descrizione) VALUES (?, ?)",
                 {QStringLiteral("SC%1").arg(clubs.size()), club});
            clubs.append(club);
        }
        exec(d, "INSERT INTO Concorrenti (co_Gara, co_Concorrente, co_Pettorale, co_PettoraleStampa,"
                " co_Cognome, co_Nome, co_Squadra, co_Nazionalita, co_Societa) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)",
             {race, id, c->Pettorale(),
              c->PettoraleStampa() == 0 ? QVariant() : QVariant(c->PettoraleStampa()),
              basic::LCase(c->Cognome()), c->Nome(), c->Squadra(), basic::LCase(c->Nazionalita()),
              QStringLiteral("SC%1").arg(clubs.indexOf(club))});
        for (qint16 j = 1; j <= c->CategoriaCount(); ++j) {
            if (c->CategoriaItem(j).isEmpty()) continue;
            exec(d, "INSERT INTO ConcorrentiCategorie (cc_Gara, cc_Concorrente, cc_Categoria) VALUES (?, ?, ?)",
                 {race, id, c->CategoriaItem(j)});
        }
        for (int m = 1; m <= runs; ++m) {
            const clsRisultati* r = c->existingResult(m);
            if (r == nullptr) continue;
            // Who has not started has no stored result yet, except every fourth one.
            if (r->StatoConcorrente() != 10 || id % 4 == 0) {
                exec(d, "INSERT INTO SessioniConcorrenti (sc_Gara, sc_TipoTurno, sc_Manche, sc_Concorrente,"
                        " sc_OrarioPartenza, sc_OrarioArrivo, sc_Tempo, sc_StatoConcorrente)"
                        " VALUES (?, ?, ?, ?, ?, ?, ?, ?)",
                     {race, k.TurnoCorrente(), m, id, r->OrarioPartenza(), r->OrarioArrivo(), r->Tempo(),
                      r->StatoConcorrente()});
            }
            // Intermediate times by point; a missed one is a row of 0 or no row.
            int point = 0;
            for (qint16 j = 1; j <= r->OrarioIntermedioCount(); ++j) {
                ++point;
                if ((id + point) % 5 == 0) {
                    if (id % 2 == 0)
                        exec(d, "INSERT INTO SessioniConcorrentiIntermedi (si_Gara, si_TipoTurno, si_Manche,"
                                " si_Concorrente, si_Intermedio, si_Orario) VALUES (?, ?, ?, ?, ?, 0)",
                             {race, k.TurnoCorrente(), m, id, point});
                    ++point;
                }
                exec(d, "INSERT INTO SessioniConcorrentiIntermedi (si_Gara, si_TipoTurno, si_Manche,"
                        " si_Concorrente, si_Intermedio, si_Orario) VALUES (?, ?, ?, ?, ?, ?)",
                     {race, k.TurnoCorrente(), m, id, point, r->OrarioIntermedioItem(j)});
            }
        }
    }
    // The start list of the current run, with one empty position half way.
    int position = 0;
    const int total = k.TotalePartenti(0, QStringLiteral("XXXXX"));
    for (int p = 1; p <= total; ++p) {
        if (p == total / 2 + 1)
            exec(d, "INSERT INTO OrdinePartenza (op_Gara, op_TipoTurno, op_Manche, op_OrdinePartenza,"
                    " op_Concorrente) VALUES (?, ?, ?, ?, NULL)", {race, k.TurnoCorrente(), runs, ++position});
        exec(d, "INSERT INTO OrdinePartenza (op_Gara, op_TipoTurno, op_Manche, op_OrdinePartenza,"
                " op_OrarioPartenzaTeorico, op_Concorrente) VALUES (?, ?, ?, ?, ?, ?)",
             {race, k.TurnoCorrente(), runs, ++position, 100000000 + position * 100,
              k.ConcorrentePartenteInPosizione(0, p, QStringLiteral("XXXXX"))});
    }
    d.execute(QStringLiteral("COMMIT"));
}

}  // namespace razudar::testing
