// The race loader on the demo database and on fresh databases built from the schema.
#include <gtest/gtest.h>

#include "data/krono_da_database.h"
#include "data/loader_test_support.h"
#include "data/monitor_settings.h"
#include "model/krono.h"
#include "platform/fakes/fake_services.h"

namespace razudar {
namespace {

using testing::LoaderDatabase;

const QString kAll = QStringLiteral("XXXXX");

QList<qint16> expectedStarters(const clsKrono& k) {
    QList<qint16> out;
    for (int p = 1; p <= k.TotalePartentiAttesi(); ++p) out.append(k.PartenteInPosizione(p));
    return out;
}

QList<qint16> declaredStarters(const clsKrono& k) {
    QList<qint16> out;
    for (int p = 1; p <= k.TotalePartenti(0, kAll); ++p)
        out.append(qint16(k.ConcorrentePartenteInPosizione(0, p, kAll)));
    return out;
}

QList<qint16> firstOfSlot(const clsKrono& k, int slot, int count) {
    const auto& order = k.slotOrder(slot);
    return QList<qint16>(order.begin(), order.begin() + std::min<qsizetype>(count, qsizetype(order.size())));
}

QStringList categoriesOf(clsKrono& k, qint16 id) {
    const auto c = k.ConcorrenteItem(id);
    QStringList out;
    for (qint16 i = 1; i <= c->CategoriaCount(); ++i) out.append(c->CategoriaItem(i));
    return out;
}

// ---- the demo database ---------------------------------------------------------------------

class DemoLoad : public ::testing::Test {
protected:
    static void SetUpTestSuite() { demo = new LoaderDatabase(assets::DatabaseContent::Demo); }
    static void TearDownTestSuite() {
        delete demo;
        demo = nullptr;
    }
    std::shared_ptr<clsKrono> load(int race, const QString& turn, int run) {
        const KronoDaDatabaseResult r = KronoDaDatabase(demo->state, monitor, clock, qint16(race), turn, qint16(run));
        EXPECT_TRUE(r.error.isEmpty()) << r.error.toStdString();
        return r.krono;
    }
    static LoaderDatabase* demo;
    MonitorState monitor;
    FakeClock clock;
};
LoaderDatabase* DemoLoad::demo = nullptr;

TEST_F(DemoLoad, TwoRunRaceHeaderAndRaceRecord) {
    const auto k = load(1, QStringLiteral("GA"), 2);
    ASSERT_TRUE(k);
    EXPECT_EQ(k->TurnoCorrente(), QStringLiteral("GA"));
    EXPECT_EQ(k->TurnoCorrenteTipo(), 2);
    EXPECT_EQ(k->MancheCorrente(), 2);
    EXPECT_EQ(k->SfidaCorrente(), 0);  // the session row has no heat
    EXPECT_EQ(k->RoundCorrente(), 0);
    EXPECT_EQ(k->TurnoCorrenteDescrizione(), QStringLiteral("Gara"));
    EXPECT_EQ(k->StatoSessione(), 1);
    const clsGara& g = k->cGara;
    EXPECT_EQ(g.DescrizioneSessione(), QStringLiteral("2a Manche"));
    EXPECT_EQ(g.DescrizioneGara(), QStringLiteral("Trofeo delle Dolomiti - Slalom Gigante Maschile"));
    EXPECT_EQ(g.Anno(), 2024);
    EXPECT_EQ(g.TipoFederazione(), 1);
    EXPECT_EQ(g.DisciplinaCodice(), QStringLiteral("SA"));
    EXPECT_EQ(g.Disciplina(), 1);
    EXPECT_EQ(g.Specialita(), 3);
    EXPECT_EQ(g.Manches(), 2);
    EXPECT_EQ(g.Intermedi(), 2);
    EXPECT_EQ(g.IntermediSuggeriti(), 2);
    EXPECT_EQ(g.Risoluzione(), 3);
    EXPECT_EQ(g.Lingua(), QStringLiteral("ITA"));
    EXPECT_EQ(g.PagineMonitor(), 2);
    EXPECT_EQ(g.TabelloneNumeroDiscese(), 0);
    EXPECT_FALSE(g.Parallelo());
    EXPECT_EQ(g.PuntoRilevamentoTipo(0), 3);
    EXPECT_EQ(g.PuntoRilevamentoDescrizione(0), QStringLiteral("Partenza"));
    EXPECT_EQ(g.PuntoRilevamentoCom(0), 1);
    EXPECT_EQ(g.PuntoRilevamentoSettings(0), QStringLiteral("9600,N,8,1 "));
    EXPECT_EQ(g.PuntoRilevamentoOrologio(0), 1);
    EXPECT_EQ(g.PuntoRilevamentoTipo(2), 12);
    EXPECT_EQ(g.PuntoRilevamentoTipo(6), 4);
    EXPECT_EQ(g.PuntoRilevamentoDescrizione(6), QStringLiteral("Arrivo"));
    EXPECT_EQ(k->SiglaStatoEscluso(), QStringLiteral("SQ"));
    EXPECT_EQ(k->SiglaStatoFTM(), QStringLiteral("FTM"));
    EXPECT_EQ(k->SiglaStatoNonArrivato(), QStringLiteral("NA"));
    EXPECT_EQ(k->SiglaStatoNonPartito(), QStringLiteral("NP"));
    EXPECT_EQ(k->SiglaStatoPartito(), QStringLiteral("PAR"));
}

TEST_F(DemoLoad, TwoRunRaceCompetitorsAndCategories) {
    const auto k = load(1, QStringLiteral("GA"), 2);
    ASSERT_TRUE(k);
    // In the order the database gives the rows (its key: race, code).
    ASSERT_EQ(k->CategoriaCount(), 3);
    EXPECT_EQ(k->CategoriaInOrdine(1)->Categoria(), QStringLiteral("GIO"));
    EXPECT_EQ(k->CategoriaInOrdine(2)->Descrizione(), QStringLiteral("Master"));
    EXPECT_EQ(k->CategoriaInOrdine(3)->Categoria(), QStringLiteral("SEN"));
    EXPECT_EQ(k->CategoriaMonitor(), kAll);
    EXPECT_EQ(k->ElencoConcorrenti().size(), 60);
    EXPECT_EQ(k->ElencoConcorrenti().first(), 101);
    const auto c = k->ConcorrenteItem(101);
    EXPECT_EQ(c->Pettorale(), 1);
    EXPECT_EQ(c->PettoraleStampa(), 1);
    EXPECT_EQ(c->Cognome(), QStringLiteral("BIANCHI"));
    EXPECT_EQ(c->Nome(), QStringLiteral("Davide"));
    EXPECT_EQ(c->Squadra(), QStringLiteral("Italia"));
    EXPECT_EQ(c->Nazionalita(), QStringLiteral("ITA"));
    EXPECT_EQ(c->Societa(), QStringLiteral("SCCOR"));
    EXPECT_EQ(c->SocietaDescrizione(), QStringLiteral("Sci Club Cortina"));
    EXPECT_EQ(categoriesOf(*k, 101), QStringList{QStringLiteral("GIO")});
    EXPECT_EQ(categoriesOf(*k, 104), (QStringList{QStringLiteral("GIO"), QStringLiteral("SEN")}));
    EXPECT_EQ(k->ConcorrenteItem(150)->Nome(), QStringLiteral("Žan"));
    EXPECT_EQ(k->PosizioneVisualizzata(), 11);
}

TEST_F(DemoLoad, TwoRunRaceStartListKeepsOnlyThoseStillToStart) {
    const auto k = load(1, QStringLiteral("GA"), 2);
    ASSERT_TRUE(k);
    EXPECT_EQ(declaredStarters(*k).size(), 53);
    EXPECT_EQ(declaredStarters(*k).first(), 104);
    EXPECT_EQ(expectedStarters(*k),
              (QList<qint16>{131, 152, 117, 159, 150, 125, 153, 158, 138, 101, 148, 146, 122, 126,
                             137, 145, 103, 160, 129, 134, 123, 114, 140, 106, 111, 144, 130}));
    EXPECT_EQ(k->OrdinePartenza(2, 104), 1);
    EXPECT_EQ(k->OrdinePartenza(2, 130), 53);
    EXPECT_TRUE(k->ElencoSfide().isEmpty());
}

TEST_F(DemoLoad, TwoRunRaceResultsOfBothRunsAndIntermediates) {
    const auto k = load(1, QStringLiteral("GA"), 2);
    ASSERT_TRUE(k);
    const auto r101 = k->ConcorrenteItem(101)->Risultati(1);
    EXPECT_EQ(r101->OrarioPartenza(), 93000000);
    EXPECT_EQ(r101->OrarioArrivo(), 93108060);
    EXPECT_EQ(r101->Tempo(), 108060);
    EXPECT_EQ(r101->StatoConcorrente(), 0);
    EXPECT_EQ(r101->OrarioIntermedioCount(), 2);
    EXPECT_EQ(r101->OrarioIntermedioItem(1), 93021090);
    EXPECT_EQ(r101->OrarioIntermedioItem(2), 93043550);
    EXPECT_EQ(k->ConcorrenteItem(101)->Risultati(2)->StatoConcorrente(), 10);  // no run-2 row yet
    EXPECT_EQ(k->ConcorrenteItem(107)->Risultati(1)->StatoConcorrente(), 40);
    EXPECT_EQ(k->ConcorrenteItem(112)->Risultati(1)->StatoConcorrente(), 30);
    EXPECT_EQ(k->ConcorrenteItem(112)->Risultati(1)->OrarioIntermedioCount(), 1);
    EXPECT_EQ(k->ConcorrenteItem(118)->Risultati(1)->StatoConcorrente(), 60);
    EXPECT_EQ(k->ConcorrenteItem(118)->Risultati(1)->Tempo(), 109660);
    const auto r102 = k->ConcorrenteItem(102)->Risultati(2);
    EXPECT_EQ(r102->Tempo(), 109280);
    EXPECT_EQ(r102->OrarioIntermedioItem(1), 132020780);
    EXPECT_EQ(r102->OrarioIntermedioItem(2), 132043640);
    EXPECT_EQ(k->ConcorrenteItem(131)->Risultati(2)->StatoConcorrente(), 20);
    EXPECT_EQ(k->ConcorrenteItem(101)->Risultati(1)->PenalitaCount(), 0);
}

TEST_F(DemoLoad, TwoRunRaceIsRanked) {
    const auto k = load(1, QStringLiteral("GA"), 2);
    ASSERT_TRUE(k);
    EXPECT_EQ(firstOfSlot(*k, 0, 4), (QList<qint16>{151, 136, 127, 108}));
    EXPECT_EQ(firstOfSlot(*k, 1, 4), (QList<qint16>{159, 117, 152, 131}));
    EXPECT_EQ(firstOfSlot(*k, 2, 4), (QList<qint16>{151, 109, 136, 156}));
    // Start order: those without a run-2 start position first (discipline 1: higher bib first).
    EXPECT_EQ(firstOfSlot(*k, 11, 10), (QList<qint16>{155, 147, 141, 133, 118, 112, 107, 104, 135, 124}));
    EXPECT_EQ(k->slotOrder(6).size(), 60u);
    EXPECT_TRUE(k->slotOrder(8).empty());  // no third intermediate
}

TEST_F(DemoLoad, ParallelSessionStoresResultsUnderTheHeat) {
    const auto k = load(2, QStringLiteral("FI"), 1);
    ASSERT_TRUE(k);
    EXPECT_TRUE(k->MancheParallelo());
    EXPECT_EQ(k->TurnoCorrenteTipo(), 12);
    EXPECT_EQ(k->SfidaCorrente(), 1);
    EXPECT_EQ(k->RoundCorrente(), 1);
    EXPECT_EQ(k->SiglaStatoNonArrivato(), QStringLiteral("DNF"));
    EXPECT_EQ(k->ElencoSfide(), (QList<qint16>{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(k->ElencoConcorrentiSfida(1), (QList<qint16>{223, 207}));
    EXPECT_EQ(k->ElencoConcorrentiSfida(8), (QList<qint16>{209, 222}));
    EXPECT_EQ(k->OrdinePartenza(1, 223), 1);
    EXPECT_EQ(k->OrdinePartenza(1, 222), 16);
    EXPECT_EQ(k->ConcorrenteItem(214)->Risultati(1)->Tempo(), 40550);
    EXPECT_EQ(k->ConcorrenteItem(221)->Risultati(1)->StatoConcorrente(), 30);
    EXPECT_EQ(expectedStarters(*k), (QList<qint16>{206, 213, 220, 212, 209, 222}));
    EXPECT_EQ(firstOfSlot(*k, 0, 3), (QList<qint16>{214, 205, 211}));
}

TEST_F(DemoLoad, ParallelSessionCompetitorsStartListAndAbbreviations) {
    const auto k = load(2, QStringLiteral("FI"), 1);
    ASSERT_TRUE(k);
    EXPECT_EQ(k->ElencoConcorrenti().size(), 24);
    ASSERT_EQ(k->CategoriaCount(), 1);
    EXPECT_EQ(k->CategoriaInOrdine(1)->Descrizione(), QStringLiteral("Assoluti"));
    EXPECT_EQ(k->ConcorrenteItem(216)->Cognome(), QStringLiteral("D'AMICO"));
    EXPECT_EQ(k->ConcorrenteItem(219)->Cognome(), QStringLiteral("WEIßENBACH"));  // per character
    EXPECT_EQ(categoriesOf(*k, 216), QStringList{QStringLiteral("ASS")});
    // Only the 16 of the round of sixteen are on the start list, each at its position.
    EXPECT_EQ(declaredStarters(*k).size(), 16);
    EXPECT_EQ(declaredStarters(*k).mid(0, 4), (QList<qint16>{223, 207, 202, 214}));
    EXPECT_EQ(k->OrdinePartenza(1, 209), 15);
    EXPECT_EQ(k->OrdinePartenza(1, 201), 0);  // not in the final
    const auto r223 = k->ConcorrenteItem(223)->Risultati(1);
    EXPECT_EQ(r223->OrarioPartenza(), 130000000);
    EXPECT_EQ(r223->OrarioArrivo(), 130042320);
    EXPECT_EQ(r223->Tempo(), 42320);
    EXPECT_EQ(k->ConcorrenteItem(206)->Risultati(1)->StatoConcorrente(), 20);
    EXPECT_EQ(k->ConcorrenteItem(220)->Risultati(1)->StatoConcorrente(), 10);
    EXPECT_EQ(r223->OrarioIntermedioCount(), 0);
    EXPECT_EQ(r223->PenalitaCount(), 0);
    EXPECT_EQ(k->cGara.Intermedi(), 0);
    EXPECT_EQ(k->SiglaStatoEscluso(), QStringLiteral("DSQ"));
    EXPECT_EQ(k->SiglaStatoFTM(), QStringLiteral("OTL"));
    EXPECT_EQ(k->SiglaStatoNonPartito(), QStringLiteral("DNS"));
    EXPECT_EQ(k->SiglaStatoPartito(), QStringLiteral("ONC"));
}

TEST_F(DemoLoad, BestRunSessionRanksOnTheBetterRun) {
    const auto k = load(3, QStringLiteral("GA"), 2);
    ASSERT_TRUE(k);
    EXPECT_EQ(k->cGara.Specialita(), 5);
    EXPECT_EQ(k->cGara.Intermedi(), 0);
    EXPECT_EQ(k->ConcorrenteItem(305)->Risultati(2)->Tempo(), 49640);
    // 311 and 317 tie on 48.210: discipline 1 puts the higher bib first.
    EXPECT_EQ(firstOfSlot(*k, 0, 6), (QList<qint16>{312, 317, 311, 307, 319, 308}));
    EXPECT_TRUE(expectedStarters(*k).isEmpty());
}

TEST_F(DemoLoad, BestRunSessionCompetitorsCategoriesAndStartList) {
    const auto k = load(3, QStringLiteral("GA"), 2);
    ASSERT_TRUE(k);
    EXPECT_EQ(k->cGara.Manches(), 2);
    EXPECT_EQ(k->cGara.DescrizioneSessione(), QStringLiteral("2a Manche"));
    // The database's key order (by code), not the order the rows were written in.
    ASSERT_EQ(k->CategoriaCount(), 2);
    EXPECT_EQ(k->CategoriaInOrdine(1)->Categoria(), QStringLiteral("ALL"));
    EXPECT_EQ(k->CategoriaInOrdine(2)->Categoria(), QStringLiteral("RAG"));
    EXPECT_EQ(k->ElencoConcorrenti().size(), 20);
    const auto c = k->ConcorrenteItem(301);
    EXPECT_EQ(c->Cognome(), QStringLiteral("ŠTEFANIČ"));
    EXPECT_EQ(c->Squadra(), QString());  // Null team
    EXPECT_EQ(categoriesOf(*k, 301), QStringList{QStringLiteral("RAG")});
    EXPECT_EQ(categoriesOf(*k, 320), QStringList{QStringLiteral("ALL")});
    // Everybody has run: the start list stands, nobody is still expected.
    EXPECT_EQ(declaredStarters(*k).size(), 20);
    EXPECT_EQ(declaredStarters(*k).first(), 320);
    EXPECT_EQ(k->OrdinePartenza(2, 301), 20);
    EXPECT_EQ(k->ConcorrenteItem(313)->Risultati(2)->StatoConcorrente(), 30);
    const auto r311 = k->ConcorrenteItem(311)->Risultati(2);
    EXPECT_EQ(r311->OrarioArrivo(), 123818210);
    EXPECT_EQ(r311->Tempo(), 48210);
    EXPECT_EQ(r311->OrarioIntermedioCount(), 0);
    EXPECT_EQ(k->SiglaStatoNonArrivato(), QStringLiteral("NA"));
    EXPECT_TRUE(k->ElencoSfide().isEmpty());
}

TEST_F(DemoLoad, MonitorLayoutFollowsTheIntermediatePoints) {
    ASSERT_TRUE(load(1, QStringLiteral("GA"), 2));
    const MonitorLayout with = monitor.layout;
    EXPECT_EQ((std::vector<int>{with.MonitorPosizioniFisse, with.MonitorPosizioniCiclo, with.MonitorRigheInPista,
                                with.MonitorRigaPosizioniFisse, with.MonitorRigaCiclo, with.MonitorRigaInPista}),
              (std::vector<int>{3, 12, 3, 4, 7, 19}));
    EXPECT_EQ(monitor.ImpostazioniMonitor.TimerPagina(), 8);
    EXPECT_EQ(monitor.ImpostazioniMonitor.Colore(2), 65535);
    ASSERT_TRUE(load(3, QStringLiteral("GA"), 2));
    const MonitorLayout without = monitor.layout;
    EXPECT_EQ((std::vector<int>{without.MonitorPosizioniFisse, without.MonitorPosizioniCiclo,
                                without.MonitorRigheInPista, without.MonitorRigaPosizioniFisse,
                                without.MonitorRigaCiclo, without.MonitorRigaInPista}),
              (std::vector<int>{10, 10, 0, 4, 14, 24}));
}

}  // namespace
}  // namespace razudar
