// The race loader's rules, each on a small race written into a fresh database.
#include <gtest/gtest.h>

#include "data/krono_da_database.h"
#include "data/loader_test_support.h"
#include "data/monitor_settings.h"
#include "model/krono.h"
#include "platform/fakes/fake_services.h"

namespace razudar {
namespace {

using testing::LoaderDatabase;

const QString kGA = QStringLiteral("GA");

// A clock whose every reading is `stepSeconds` after the one before.
class SteppingClock : public FakeClock {
public:
    SteppingClock(QTime start, double stepSeconds) : step_(stepSeconds) {
        setNow(QDateTime(QDate(2026, 1, 15), start));
    }
    double secondsSinceMidnight() const override {
        const double reading = FakeClock::secondsSinceMidnight() + readings_ * step_;
        ++readings_;
        return reading >= 86400 ? reading - 86400 : reading;
    }

private:
    double step_;
    mutable int readings_ = 0;
};

QList<qint16> expectedStarters(const clsKrono& k) {
    QList<qint16> out;
    for (int p = 1; p <= k.TotalePartentiAttesi(); ++p) out.append(k.PartenteInPosizione(p));
    return out;
}

class LoaderRules : public ::testing::Test {
protected:
    void SetUp() override { base.addLookups(); }
    // A race with sessions GA 1 and 2 and competitors 1..n (bib = id).
    void race(const QString& discipline = QStringLiteral("SA"), const QString& speciality = QStringLiteral("GS"),
              int competitors = 4) {
        base.addRace(1, discipline, speciality);
        base.addSession(1, kGA, 1, 2);
        base.addSession(1, kGA, 2, 1);
        for (int id = 1; id <= competitors; ++id) base.addCompetitor(1, id, id);
    }
    KronoDaDatabaseResult loadResult(int run = 2, const QString& turn = kGA, int race = 1) {
        return KronoDaDatabase(base.state, monitor, clock, qint16(race), turn, qint16(run));
    }
    std::shared_ptr<clsKrono> load(int run = 2, const QString& turn = kGA, int race = 1) {
        KronoDaDatabaseResult r = loadResult(run, turn, race);
        EXPECT_TRUE(r.error.isEmpty()) << r.error.toStdString();
        return r.krono;
    }
    LoaderDatabase base;
    MonitorState monitor;
    FakeClock clock;
};

TEST_F(LoaderRules, CompetitorCategoriesOnePerRowAndOneEmptyWithout) {
    race();
    base.addCategoryOf(1, 1, QStringLiteral("C1"));
    base.addCategoryOf(1, 1, QStringLiteral("a1"));
    base.addCategoryOf(1, 1, QStringLiteral("B1"));
    const auto k = load();
    ASSERT_TRUE(k);
    // In the order the database keeps them: by code, ignoring case.
    const auto three = k->ConcorrenteItem(1);
    ASSERT_EQ(three->CategoriaCount(), 3);
    EXPECT_EQ(three->CategoriaItem(1), QStringLiteral("a1"));
    EXPECT_EQ(three->CategoriaItem(2), QStringLiteral("B1"));
    EXPECT_EQ(three->CategoriaItem(3), QStringLiteral("C1"));
    const auto none = k->ConcorrenteItem(2);
    ASSERT_EQ(none->CategoriaCount(), 1);
    EXPECT_EQ(none->CategoriaItem(1), QString());
    EXPECT_EQ(k->ElencoConcorrenti(), (QList<qint16>{1, 2, 3, 4}));
}

TEST_F(LoaderRules, FieldsThatMayBeNullReadAsEmptyOrZero) {
    race(QStringLiteral("SA"), QStringLiteral("GS"), 0);
    base.addCompetitor(1, 7, 3, QStringLiteral("de la cruz"), QVariant());
    base.addCompetitor(1, 8, 4, QStringLiteral("x"), 104);
    base.exec(QStringLiteral("UPDATE Concorrenti SET co_Nome = NULL WHERE co_Concorrente = 7"));
    base.exec(QStringLiteral("INSERT INTO Categorie (ca_Gara, ca_Categoria) VALUES (1, 'M')"));
    base.exec(QStringLiteral("UPDATE Gare SET ga_NumeroDisceseTabellone = NULL"));
    const auto k = load();
    ASSERT_TRUE(k);
    EXPECT_EQ(k->ConcorrenteItem(7)->PettoraleStampa(), 0);
    EXPECT_EQ(k->ConcorrenteItem(7)->Cognome(), QStringLiteral("DE LA CRUZ"));
    EXPECT_EQ(k->ConcorrenteItem(7)->Nome(), QString());
    EXPECT_EQ(k->ConcorrenteItem(7)->Nazionalita(), QStringLiteral("ITA"));
    EXPECT_EQ(k->ConcorrenteItem(8)->PettoraleStampa(), 104);
    EXPECT_EQ(k->CategoriaItem(QStringLiteral("M"))->Descrizione(), QString());
    EXPECT_EQ(k->cGara.TabelloneNumeroDiscese(), 0);
}

TEST_F(LoaderRules, AnEmptyStartPositionStillCounts) {
    race();
    base.addStart(1, kGA, 2, 1, 3);
    base.addStart(1, kGA, 2, 2, 1);
    base.addStart(1, kGA, 2, 3, QVariant());
    base.addStart(1, kGA, 2, 4, 2);
    const auto k = load();
    ASSERT_TRUE(k);
    EXPECT_EQ(expectedStarters(*k), (QList<qint16>{3, 1, 2}));
    EXPECT_EQ(k->OrdinePartenza(2, 3), 1);
    EXPECT_EQ(k->OrdinePartenza(2, 1), 2);
    EXPECT_EQ(k->OrdinePartenza(2, 2), 4);
    EXPECT_EQ(k->slotOrder(11), (std::vector<qint16>{4, 3, 1, 2}));  // 4 has no start position
}

TEST_F(LoaderRules, CrossCountryAndBiathlonStartByPlannedTimeOthersByPosition) {
    for (const auto& [discipline, expected] :
         {std::pair{QStringLiteral("SF"), QList<qint16>{3, 2, 1}}, std::pair{QStringLiteral("BT"), QList<qint16>{3, 2, 1}},
          std::pair{QStringLiteral("SA"), QList<qint16>{1, 2, 3}}}) {
        LoaderDatabase fresh;
        fresh.addLookups();
        fresh.addRace(1, discipline);
        fresh.addSession(1, kGA, 1);
        for (int id = 1; id <= 3; ++id) fresh.addCompetitor(1, id, 10 - id);
        fresh.addStart(1, kGA, 1, 1, 1, 100100000);
        fresh.addStart(1, kGA, 1, 2, 2, 100000000);
        fresh.addStart(1, kGA, 1, 3, 3, 100000000);  // same planned time: bib 7 before bib 8
        const auto r = KronoDaDatabase(fresh.state, monitor, clock, 1, kGA, 1);
        ASSERT_TRUE(r) << r.error.toStdString();
        EXPECT_EQ(expectedStarters(*r.krono), expected) << discipline.toStdString();
    }
}

TEST_F(LoaderRules, AnOrdinaryTurnReadsNoHeatPairs) {
    race();
    base.exec(QStringLiteral("UPDATE Gare SET ga_Parallelo = -1"));
    base.exec(QStringLiteral("INSERT INTO TabelloneParallelo VALUES (1, 'GA', 2, 1, 1, 2)"));
    EXPECT_TRUE(load()->ElencoSfide().isEmpty());  // GA is turn type 2: never parallel
}

TEST_F(LoaderRules, DetectionPointsGoToTheirSlotNullOrderToSlotZero) {
    race();
    base.exec(QStringLiteral("INSERT INTO TipiPuntiRilevamento (tp_Id, tp_Descrizione, tp_Ordine) VALUES"
                             " (3, 'Partenza', NULL), (4, 'Arrivo', 11)"));
    base.exec(QStringLiteral("INSERT INTO PuntiRilevamento (pr_Gara, pr_PuntoRilevamento,"
                             " pr_TipoPuntoRilevamento, pr_Com, pr_BaudVelocita, pr_Parita, pr_BitDati,"
                             " pr_BitStop, pr_TipoOrologio) VALUES"
                             " (1, 1, 3, 2, 19200, NULL, 7, 2, 5), (1, 2, 4, 3, 9600, 'E', 8, 1, 1)"));
    const auto k = load();
    ASSERT_TRUE(k);
    EXPECT_EQ(k->cGara.PuntoRilevamentoTipo(0), 3);
    EXPECT_EQ(k->cGara.PuntoRilevamentoDescrizione(0), QStringLiteral("Partenza"));
    EXPECT_EQ(k->cGara.PuntoRilevamentoCom(0), 2);
    EXPECT_EQ(k->cGara.PuntoRilevamentoSettings(0), QStringLiteral("19200,,7,2 "));
    EXPECT_EQ(k->cGara.PuntoRilevamentoOrologio(0), 5);
    EXPECT_EQ(k->cGara.PuntoRilevamentoTipo(11), 4);
    EXPECT_EQ(k->cGara.PuntoRilevamentoSettings(11), QStringLiteral("9600,E,8,1 "));
}

TEST_F(LoaderRules, StartersAlreadyStartedOrOutAreNoLongerExpected) {
    race(QStringLiteral("SA"), QStringLiteral("GS"), 7);
    const int states[] = {0, 30, 40, 60, 10, 20};
    for (int id = 1; id <= 7; ++id) base.addStart(1, kGA, 2, id, id);
    for (int id = 1; id <= 6; ++id) base.addResult(1, kGA, 2, id, 0, states[id - 1]);
    base.addResult(1, kGA, 1, 7, 0, 40);  // out in run 1 does not remove from run 2
    const auto k = load();
    ASSERT_TRUE(k);
    EXPECT_EQ(expectedStarters(*k), (QList<qint16>{5, 6, 7}));
    EXPECT_EQ(k->ConcorrenteItem(7)->Risultati(2)->StatoConcorrente(), 10);
    EXPECT_EQ(k->ConcorrenteItem(7)->Risultati(1)->StatoConcorrente(), 40);
}

TEST_F(LoaderRules, CombinedFirstRunCountsInWholeSecondsFromRunTwo) {
    race(QStringLiteral("SA"), QStringLiteral("SC"));
    base.addResult(1, kGA, 1, 1, 105432, 0, 100000432, 100105864);
    base.addResult(1, kGA, 2, 1, 104321, 0);
    const auto runTwo = load(2);
    ASSERT_TRUE(runTwo);
    const auto r1 = runTwo->ConcorrenteItem(1)->Risultati(1);
    EXPECT_EQ(r1->Tempo(), 105000);
    EXPECT_EQ(r1->OrarioPartenza(), 100000432);
    EXPECT_EQ(r1->OrarioArrivo(), 100105864);
    EXPECT_EQ(runTwo->ConcorrenteItem(1)->Risultati(2)->Tempo(), 104321);
    EXPECT_EQ(load(1)->ConcorrenteItem(1)->Risultati(1)->Tempo(), 105432);
}

TEST_F(LoaderRules, SprintReadsOnlyTheCurrentRunOthersEveryRunSoFar) {
    race(QStringLiteral("SA"), QStringLiteral("SP"));
    base.addSession(1, QStringLiteral("QR"), 1);
    base.addSession(1, QStringLiteral("QR"), 2);
    for (const QString& turn : {kGA, QStringLiteral("QR")}) {
        base.addResult(1, turn, 1, 1, 100000, 0);
        base.addResult(1, turn, 2, 1, 200000, 0);
    }
    const auto sprint = load(2, QStringLiteral("QR"));
    ASSERT_TRUE(sprint);
    ASSERT_TRUE(sprint->MancheSprint());
    EXPECT_EQ(sprint->ConcorrenteItem(1)->Risultati(2)->Tempo(), 200000);
    EXPECT_EQ(sprint->ConcorrenteItem(1)->Risultati(1)->Tempo(), 0);
    EXPECT_EQ(sprint->ConcorrenteItem(1)->Risultati(1)->StatoConcorrente(), 10);
    const auto race = load(2, kGA);  // turn type 2 is never a sprint
    ASSERT_TRUE(race);
    ASSERT_FALSE(race->MancheSprint());
    EXPECT_EQ(race->ConcorrenteItem(1)->Risultati(1)->Tempo(), 100000);
    EXPECT_EQ(race->ConcorrenteItem(1)->Risultati(2)->Tempo(), 200000);
}

TEST_F(LoaderRules, ParallelResultsGoUnderTheHeatNumber) {
    base.addRace(1, QStringLiteral("SB"), QStringLiteral("PGS"), true);
    for (int id = 1; id <= 4; ++id) base.addCompetitor(1, id, id);
    base.addSession(1, QStringLiteral("FI"), 1, 1, /*round*/ 2, /*heat*/ 3);
    base.addSession(1, QStringLiteral("FI"), 2, 1, 2, 4);
    base.addSession(1, QStringLiteral("FI"), 3, 0, 3, 5);  // a later round: not read
    base.addStart(1, QStringLiteral("FI"), 1, 1, 1);
    base.addStart(1, QStringLiteral("FI"), 1, 2, 2);
    base.addStart(1, QStringLiteral("FI"), 1, 3, QVariant());
    base.addStart(1, QStringLiteral("FI"), 2, 1, 3);
    base.addStart(1, QStringLiteral("FI"), 3, 1, 4);
    base.addResult(1, QStringLiteral("FI"), 1, 1, 41000, 0);
    base.addResult(1, QStringLiteral("FI"), 2, 3, 42000, 0);
    base.addResult(1, QStringLiteral("FI"), 3, 4, 43000, 0);
    base.exec(QStringLiteral("INSERT INTO TabelloneParallelo VALUES (1, 'FI', 1, 3, 1, 2), (1, 'FI', 1, 2, 5, 6)"));
    const auto k = load(1, QStringLiteral("FI"));
    ASSERT_TRUE(k);
    ASSERT_TRUE(k->MancheParallelo());
    EXPECT_EQ(k->SfidaCorrente(), 3);
    EXPECT_EQ(k->ConcorrenteItem(1)->Risultati(3)->Tempo(), 41000);
    EXPECT_EQ(k->ConcorrenteItem(1)->Risultati(1)->Tempo(), 0);
    EXPECT_EQ(k->ConcorrenteItem(3)->Risultati(4)->Tempo(), 42000);
    EXPECT_EQ(k->ConcorrenteItem(4)->Risultati(5)->Tempo(), 0);
    EXPECT_EQ(k->OrdinePartenza(3, 2), 2);
    EXPECT_EQ(k->ElencoSfide(), (QList<qint16>{2, 3}));
    EXPECT_EQ(k->ElencoConcorrentiSfida(3), (QList<qint16>{1, 2}));
    EXPECT_EQ(expectedStarters(*k), (QList<qint16>{2}));
}

TEST_F(LoaderRules, BiathlonPenaltiesFourPerRowOtherDisciplinesNone) {
    race(QStringLiteral("BT"));
    base.exec(QStringLiteral("INSERT INTO SessioniConcorrentiPenalita VALUES"
                             " (1, 'GA', 1, 1, 1, 0, 2, 0), (1, 'GA', 2, 1, 0, 0, 0, 3),"
                             " (1, 'GA', 1, 9, 5, 5, 5, 5)"));  // 9 is no competitor: skipped
    const auto k = load();
    ASSERT_TRUE(k);
    const auto r1 = k->ConcorrenteItem(1)->Risultati(1);
    ASSERT_EQ(r1->PenalitaCount(), 4);
    EXPECT_EQ((QList<qint16>{r1->PenalitaItem(1), r1->PenalitaItem(2), r1->PenalitaItem(3), r1->PenalitaItem(4)}),
              (QList<qint16>{1, 0, 2, 0}));
    EXPECT_EQ(k->ConcorrenteItem(1)->Risultati(2)->PenalitaItem(4), 3);
    base.exec(QStringLiteral("UPDATE Gare SET ga_Disciplina = 'SA'"));
    EXPECT_EQ(load()->ConcorrenteItem(1)->Risultati(1)->PenalitaCount(), 0);
}

TEST_F(LoaderRules, IntermediateTimesOfZeroAreNotRead) {
    race();
    base.addIntermediate(1, kGA, 1, 1, 1, 0);
    base.addIntermediate(1, kGA, 1, 1, 3, 100030000);
    base.addIntermediate(1, kGA, 1, 1, 2, 100020000);
    base.addIntermediate(1, kGA, 1, 2, 1, 0);
    base.addIntermediate(1, kGA, 1, 2, 2, 100025000);
    base.addIntermediate(1, kGA, 3, 2, 1, 100040000);  // a later run: not read
    const auto k = load();
    ASSERT_TRUE(k);
    const auto r1 = k->ConcorrenteItem(1)->Risultati(1);
    ASSERT_EQ(r1->OrarioIntermedioCount(), 2);
    EXPECT_EQ(r1->OrarioIntermedioItem(1), 100020000);
    EXPECT_EQ(r1->OrarioIntermedioItem(2), 100030000);
    const auto r2 = k->ConcorrenteItem(2)->Risultati(1);
    ASSERT_EQ(r2->OrarioIntermedioCount(), 1);
    EXPECT_EQ(r2->OrarioIntermedioItem(1), 100025000);
    EXPECT_EQ(k->ConcorrenteItem(2)->Risultati(3)->OrarioIntermedioCount(), 0);
}

TEST_F(LoaderRules, RowsOfUnregisteredCompetitorsAreLostQuietly) {
    race();
    base.addResult(1, kGA, 1, 99, 100000, 0);
    base.addIntermediate(1, kGA, 1, 99, 1, 100020000);
    const auto k = load();
    ASSERT_TRUE(k);
    EXPECT_FALSE(k->ConcorrenteExists(99));
    EXPECT_EQ(k->ElencoConcorrenti().size(), 4);
}

TEST_F(LoaderRules, AnUnknownRaceGivesAnEmptyRaceStateWithDefaults) {
    base.addRace(1);
    const auto k = load(1, kGA, 8);
    ASSERT_TRUE(k);
    EXPECT_EQ(k->cGara.Anno(), 0);
    EXPECT_EQ(k->cGara.DescrizioneGara(), QString());
    EXPECT_EQ(k->SfidaCorrente(), 1);  // no session: the run itself
    EXPECT_TRUE(k->ElencoConcorrenti().isEmpty());
    EXPECT_EQ(k->SiglaStatoPartito(), QString());
}

TEST_F(LoaderRules, LoadTimeIsMeasuredAcrossMidnight) {
    race();
    SteppingClock late(QTime(23, 59, 59, 500), 1.5);
    const auto r = KronoDaDatabase(base.state, monitor, late, 1, kGA, 2);
    ASSERT_TRUE(r);
    EXPECT_FLOAT_EQ(r.TempoCaricamento, 1.5f);
}

TEST_F(LoaderRules, MissingMonitorSettingsAreReportedWithTheLoadedRace) {
    race();
    const auto complete = loadResult();
    ASSERT_TRUE(complete);
    EXPECT_EQ(complete.warning, QString());

    base.exec(QStringLiteral("UPDATE Monitor SET mo_FontBold = NULL, mo_TempoCorrere = NULL"));
    const auto nulls = loadResult();
    ASSERT_TRUE(nulls) << nulls.error.toStdString();
    EXPECT_EQ(nulls.warning, QStringLiteral("Impostazioni del monitor senza valore valido in: mo_FontBold, "
                                            "mo_TempoCorrere. Si usano i valori predefiniti."));
    EXPECT_EQ(monitor.ImpostazioniMonitor.FontName(), QStringLiteral("Arial"));

    base.exec(QStringLiteral("DELETE FROM Monitor"));
    monitor.ImpostazioniMonitor.setFontName(QStringLiteral("Installed"));
    const auto empty = loadResult();
    ASSERT_TRUE(empty) << empty.error.toStdString();
    EXPECT_EQ(empty.error, QString());
    EXPECT_EQ(empty.warning,
              QStringLiteral("La tabella Monitor è vuota: si usano le impostazioni predefinite del monitor."));
    // The defaults of new settings are installed, with the race's layout.
    EXPECT_EQ(monitor.ImpostazioniMonitor.FontName(), clsMonitor().FontName());
    EXPECT_EQ(monitor.layout.MonitorPosizioniFisse, 10);
}

// ---- loads that fail ------------------------------------------------------------------------

class LoaderFailures : public LoaderRules {
protected:
    void SetUp() override {
        LoaderRules::SetUp();
        race();
        monitor.ImpostazioniMonitor.setFontName(QStringLiteral("Installed"));
        monitor.layout.MonitorPosizioniFisse = 77;
    }
    // The load fails with `message`, returns no race state and leaves the monitor settings as
    // they were.
    void expectFailure(const QString& message) {
        const KronoDaDatabaseResult r = loadResult();
        EXPECT_FALSE(r);
        EXPECT_EQ(r.krono, nullptr);
        EXPECT_EQ(r.error, message);
        EXPECT_EQ(monitor.ImpostazioniMonitor.FontName(), QStringLiteral("Installed"));
        EXPECT_EQ(monitor.layout.MonitorPosizioniFisse, 77);
    }
};

TEST_F(LoaderFailures, AMissingQueryReturnsTheDatabaseMessage) {
    base.exec(QStringLiteral("DROP VIEW QOrdinePartenza"));
    const KronoDaDatabaseResult r = loadResult();
    EXPECT_FALSE(r);
    EXPECT_TRUE(r.error.startsWith(QStringLiteral("Errore "))) << r.error.toStdString();
    EXPECT_TRUE(r.error.contains(QStringLiteral("nel database manca la tabella QOrdinePartenza"))) << r.error.toStdString();
    EXPECT_EQ(monitor.layout.MonitorPosizioniFisse, 77);
}

TEST_F(LoaderFailures, AMissingMonitorTableLeavesEverythingAsItWas) {
    base.exec(QStringLiteral("DROP TABLE Monitor"));
    const KronoDaDatabaseResult r = loadResult();
    EXPECT_FALSE(r);
    EXPECT_TRUE(r.error.contains(QStringLiteral("Monitor"))) << r.error.toStdString();
    EXPECT_EQ(monitor.ImpostazioniMonitor.FontName(), QStringLiteral("Installed"));
}

TEST_F(LoaderFailures, APointSlotOutsideTheRaceRecordIsRejected) {
    base.exec(QStringLiteral("INSERT INTO TipiPuntiRilevamento (tp_Id, tp_Ordine) VALUES (4, 14)"));
    base.exec(QStringLiteral("INSERT INTO PuntiRilevamento (pr_Gara, pr_PuntoRilevamento,"
                             " pr_TipoPuntoRilevamento) VALUES (1, 1, 4)"));
    expectFailure(QStringLiteral("Valore fuori intervallo nel campo tp_Ordine: 14 (ammessi da 0 a 11)"));
}

TEST_F(LoaderFailures, ARunOutsideTheResultSlotsIsRejected) {
    base.addIntermediate(1, kGA, -1, 1, 1, 100020000);
    expectFailure(QStringLiteral("Valore fuori intervallo nel campo si_Manche: -1 (ammessi da 0 a 50)"));
}

TEST_F(LoaderFailures, AHeatOutsideTheResultSlotsIsRejected) {
    base.exec(QStringLiteral("UPDATE Gare SET ga_Parallelo = -1"));
    base.addSession(1, QStringLiteral("FI"), 1, 1, 1, 51);
    base.addStart(1, QStringLiteral("FI"), 1, 1, 1);
    const KronoDaDatabaseResult r = loadResult(1, QStringLiteral("FI"));
    EXPECT_FALSE(r);
    EXPECT_EQ(r.error, QStringLiteral("Valore fuori intervallo nel campo se_TabelloneSfida: 51 (ammessi da 0 a 50)"));
}

TEST_F(LoaderFailures, ANullWhereAValueIsNeededFailsTheLoadNamingTheRow) {
    base.addResult(1, kGA, 2, 3, 100500, 0);
    base.exec(QStringLiteral("INSERT INTO Categorie (ca_Gara, ca_Categoria) VALUES (1, 'M')"));
    const struct {
        const char* setNull;
        const char* message;
    } cases[] = {
        {"UPDATE SessioniConcorrenti SET sc_StatoConcorrente = NULL",
         "Valore mancante nel campo sc_StatoConcorrente (gara 1, turno 'GA', manche 2, concorrente 3)"},
        {"UPDATE SessioniConcorrenti SET sc_Tempo = NULL",
         "Valore mancante nel campo sc_Tempo (gara 1, turno 'GA', manche 2, concorrente 3)"},
        {"UPDATE Gare SET ga_Anno = NULL", "Valore mancante nel campo ga_Anno (gara 1)"},
        {"UPDATE Gare SET ga_KO = NULL", "Valore mancante nel campo ga_KO (gara 1)"},
        {"UPDATE Categorie SET ca_PenalitaTiri = NULL",
         "Valore mancante nel campo ca_PenalitaTiri (gara 1, categoria 'M')"},
        {"UPDATE Concorrenti SET co_Pettorale = NULL WHERE co_Concorrente = 2",
         "Valore mancante nel campo co_Pettorale (gara 1, concorrente 2)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.setNull);
        base.exec(QStringLiteral("SAVEPOINT one_null"));
        base.exec(QString::fromUtf8(c.setNull));
        expectFailure(QString::fromUtf8(c.message));
        base.exec(QStringLiteral("ROLLBACK TO one_null"));
        base.exec(QStringLiteral("RELEASE one_null"));
    }
    EXPECT_TRUE(loadResult()) << "the race loads once every field holds a value";
}

TEST_F(LoaderFailures, ANullHeatOfAParallelTurnFailsTheLoad) {
    base.exec(QStringLiteral("UPDATE Gare SET ga_Parallelo = -1"));
    base.addSession(1, QStringLiteral("FI"), 1, 1, 1, QVariant());
    base.addStart(1, QStringLiteral("FI"), 1, 1, 1);
    base.addResult(1, QStringLiteral("FI"), 1, 1, 41000, 0);
    const KronoDaDatabaseResult r = loadResult(1, QStringLiteral("FI"));
    EXPECT_FALSE(r);
    EXPECT_EQ(r.error, QStringLiteral("Valore mancante nel campo se_TabelloneSfida"
                                      " (gara 1, turno 'FI', manche 1, sfida (vuoto), concorrente 1)"));
}

TEST_F(LoaderFailures, ACompetitorIdOutsideTheIntegerRangeIsRejected) {
    base.addCompetitor(1, 40000, 5);
    expectFailure(QStringLiteral("Valore fuori intervallo nel campo co_Concorrente: 40000"));
}

TEST_F(LoaderFailures, AResultIdOutsideTheIntegerRangeIsRejected) {
    base.addResult(1, kGA, 1, 70000, 100, 0);
    expectFailure(QStringLiteral("Valore fuori intervallo nel campo sc_Concorrente: 70000"));
}

TEST_F(LoaderFailures, ATextInANumberFieldIsRejected) {
    base.exec(QStringLiteral("UPDATE Gare SET ga_Anno = 'duemila'"));
    expectFailure(QStringLiteral("Valore non numerico nel campo ga_Anno: duemila"));
}

}  // namespace
}  // namespace razudar
