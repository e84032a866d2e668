#include <gtest/gtest.h>

#include "data/krono_da_testo.h"
#include "data/object_text_encoder.h"
#include "model/krono.h"

namespace razudar {
namespace {

using encoder::attributeSection;
using encoder::collectionSection;
using encoder::CountingMonitorSettings;
using encoder::objectText;

enum Section { kSession, kCategories, kCompetitors, kCodes, kResults, kStartList, kHeats, kSigle };

// A small race: 2 runs with 2 intermediates, three competitors, as the timekeeper sends it.
QStringList smallRaceSections() {
    encoder::DemoRaceShape shape;
    shape.competitors = 3;
    shape.runs = 2;
    shape.intermediates = 2;
    return encoder::raceSections(*encoder::demoRace(shape));
}

QStringList sessionValues(int runs, int intermediates, bool parallel = false, int heat = 0,
                          int turnType = 4) {
    return {"GS", QString::number(turnType), QString::number(runs), QString::number(heat), "1",
            "Finale", "3", "Sessione", "Gara", "7", "GS", "5", "6", "0", "2",
            QString::number(intermediates), "0", "3", "False", "False",
            parallel ? "True" : "False", "ITA", "2", "False"};
}

QString sigle() { return attributeSection({"SQ", "FTM", "NA", "NP", "IP"}); }

QString race(const QStringList& session, const QString& categories, const QString& competitors,
             const QString& codes, const QString& results, const QString& startList = "_BF_OG-SP_",
             const QString& heats = "_BF_OG-SP_") {
    return objectText({attributeSection(session), categories, competitors, codes, results,
                       startList, heats, sigle()});
}

QString competitor(int number, const QString& surname = "Rossi") {
    return QStringList{QString::number(number), "1", "101", surname, "Anna", "ITA", "SC"}.join(
        "_BF_AT-SP_");
}

struct Decoded {
    CountingMonitorSettings monitor;
    KronoDaTestoResult result;
    explicit Decoded(const QString& payload) : result(KronoDaTesto(payload, monitor)) {}
    clsKrono& k() { return *result.krono; }
};

void expectUnreadable(const QString& payload, const QString& reasonPart) {
    Decoded d(payload);
    EXPECT_FALSE(d.result) << payload.left(200).toStdString();
    EXPECT_EQ(d.result.krono, nullptr);
    EXPECT_TRUE(d.result.error.contains(reasonPart))
        << "reason: " << d.result.error.toStdString() << " expected: " << reasonPart.toStdString();
    EXPECT_EQ(d.monitor.reloads, 0) << "an unreadable payload must not reload the monitor settings";
}

// ---- outer markers ----

TEST(KronoDaTestoMarkers, TextBeforeOrAfterTheMarkersIsNotRead) {
    const QString payload = objectText(smallRaceSections());
    ASSERT_TRUE(Decoded(payload).result);
    expectUnreadable(" " + payload, "non è racchiuso fra _BF_OG-IN_");
    expectUnreadable(payload + "x", "non è racchiuso fra _BF_OG-IN_");
}

TEST(KronoDaTestoMarkers, MarkersOfAnotherCaseAreNotRead) {
    QString payload = objectText(smallRaceSections());
    payload.replace(0, 10, "_bf_og-in_");
    expectUnreadable(payload, "non è racchiuso");
}

TEST(KronoDaTestoMarkers, OverlappingMarkersAndEmptyBodyAreUnreadable) {
    expectUnreadable("_BF_OG-IN_BF_OG-FN_", "non è racchiuso");
    expectUnreadable("_BF_OG-IN__BF_OG-FN_", "ha 0 sezioni, ne servono 8");
    expectUnreadable("", "non è racchiuso");
}

// ---- section 0 ----

TEST(KronoDaTestoSession, IntegersRoundDownAndOutOfRangeOrNonNumericGiveZero) {
    QStringList s = sessionValues(1, 0);
    s[4] = " 2.7 ";    // RoundCorrente
    s[6] = "-2.5";     // StatoSessione
    s[13] = "40000";   // Allenamenti
    s[16] = "abc";     // Frazionisti
    s[22] = "";        // TabelloneNumeroDiscese
    s[9] = "32767";    // TipoFederazione
    Decoded d(race(s, "", "_BF_OG-SP_", "_BF_OG-SP_", "_BF_OG-SP_"));
    ASSERT_TRUE(d.result) << d.result.error.toStdString();
    EXPECT_EQ(d.k().RoundCorrente(), 2);
    EXPECT_EQ(d.k().StatoSessione(), -3);
    EXPECT_EQ(d.k().cGara.Allenamenti(), 0);
    EXPECT_EQ(d.k().cGara.Frazionisti(), 0);
    EXPECT_EQ(d.k().cGara.TabelloneNumeroDiscese(), 0);
    EXPECT_EQ(d.k().cGara.TipoFederazione(), 32767);
}

// Every number and text of section 0 differs from every other, so a member filled from another
// field's value shows it. The four truth values take three rows of values, in which no two of
// them read alike and none keeps one value.
TEST(KronoDaTestoSession, EveryValueLandsInItsMember) {
    QStringList s = sessionValues(2, 10, false, 9, 5);
    s[0] = "  GS1 ";
    s[4] = "1";            // RoundCorrente
    s[5] = " Finale A ";
    s[6] = "4";            // StatoSessione
    s[7] = " Qualifica ";
    s[8] = "  Trofeo Città  ";
    s[9] = "7";            // TipoFederazione
    s[10] = " SL ";
    s[11] = "11";          // Disciplina
    s[12] = "6";           // Specialita
    s[13] = "12";          // Allenamenti
    s[14] = "3";           // Manches
    s[16] = "14";          // Frazionisti
    s[17] = "8";           // Risoluzione
    s[21] = " ITA ";
    s[22] = "16";          // TabelloneNumeroDiscese
    Decoded d(race(s, "", "_BF_OG-SP_", "_BF_OG-SP_", "_BF_OG-SP_"));
    ASSERT_TRUE(d.result) << d.result.error.toStdString();
    const clsKrono& k = d.k();
    const clsGara& g = k.cGara;
    EXPECT_EQ(k.TurnoCorrente(), "GS1");
    EXPECT_EQ(k.TurnoCorrenteTipo(), 5);
    EXPECT_EQ(k.MancheCorrente(), 2);
    EXPECT_EQ(k.SfidaCorrente(), 9);
    EXPECT_EQ(k.RoundCorrente(), 1);
    EXPECT_EQ(k.TurnoCorrenteDescrizione(), "Finale A");
    EXPECT_EQ(k.StatoSessione(), 4);
    EXPECT_EQ(g.DescrizioneSessione(), "Qualifica");
    EXPECT_EQ(g.DescrizioneGara(), "Trofeo Città");
    EXPECT_EQ(g.TipoFederazione(), 7);
    EXPECT_EQ(g.DisciplinaCodice(), "SL");
    EXPECT_EQ(g.Disciplina(), 11);
    EXPECT_EQ(g.Specialita(), 6);
    EXPECT_EQ(g.Allenamenti(), 12);
    EXPECT_EQ(g.Manches(), 3);
    EXPECT_EQ(g.Intermedi(), 10);
    EXPECT_EQ(g.Frazionisti(), 14);
    EXPECT_EQ(g.Risoluzione(), 8);
    EXPECT_EQ(g.Lingua(), "ITA");
    EXPECT_EQ(g.TabelloneNumeroDiscese(), 16);
    EXPECT_EQ(k.SiglaStatoEscluso(), "SQ");
    EXPECT_EQ(k.SiglaStatoFTM(), "FTM");
    EXPECT_EQ(k.SiglaStatoNonArrivato(), "NA");
    EXPECT_EQ(k.SiglaStatoNonPartito(), "NP");
    EXPECT_EQ(k.SiglaStatoPartito(), "IP");

    const struct {
        const char* ko;
        const char* tabellone;
        const char* parallelo;
        const char* qualificazioneParallela;
        bool KO, Tabellone, Parallelo, QualificazioneParallela;
    } truths[] = {
        {"True", "False", "False", "true", true, false, false, true},
        {"false", " -1 ", "False", "True", false, true, false, true},
        {"False", "0", "True", "false", false, false, true, false},
    };
    for (const auto& t : truths) {
        s[18] = t.ko;
        s[19] = t.tabellone;
        s[20] = t.parallelo;
        s[23] = t.qualificazioneParallela;
        Decoded truth(race(s, "", "_BF_OG-SP_", "_BF_OG-SP_", "_BF_OG-SP_"));
        ASSERT_TRUE(truth.result) << truth.result.error.toStdString();
        const clsGara& tg = truth.k().cGara;
        SCOPED_TRACE(QStringList({t.ko, t.tabellone, t.parallelo, t.qualificazioneParallela}).join('|').toStdString());
        EXPECT_EQ(tg.KO(), t.KO);
        EXPECT_EQ(tg.Tabellone(), t.Tabellone);
        EXPECT_EQ(tg.Parallelo(), t.Parallelo);
        EXPECT_EQ(tg.QualificazioneParallela(), t.QualificazioneParallela);
    }
}

TEST(KronoDaTestoSession, StateAbbreviationsLoseTheirBlanks) {
    QStringList sections = smallRaceSections();
    sections[kSigle] = attributeSection({" SQ ", "FTM  ", "  NA", "N P", " IP"});
    Decoded d(objectText(sections));
    ASSERT_TRUE(d.result) << d.result.error.toStdString();
    EXPECT_EQ(d.k().SiglaStatoEscluso(), "SQ");
    EXPECT_EQ(d.k().SiglaStatoFTM(), "FTM");
    EXPECT_EQ(d.k().SiglaStatoNonArrivato(), "NA");
    EXPECT_EQ(d.k().SiglaStatoNonPartito(), "N P");
    EXPECT_EQ(d.k().SiglaStatoPartito(), "IP");
}

TEST(KronoDaTestoSession, NewStateReloadsTheMonitorSettingsOnce) {
    Decoded d(objectText(smallRaceSections()));
    ASSERT_TRUE(d.result);
    EXPECT_EQ(d.monitor.reloads, 1);
    EXPECT_EQ(d.k().PosizioneVisualizzata(), 11);
}

// ---- empty collections ----

TEST(KronoDaTestoCollections, BlankCategoryStartAndHeatSectionsAddNothing) {
    Decoded d(race(sessionValues(1, 0), "   ", collectionSection({{competitor(5).split("_BF_AT-SP_")}}),
                   "_BF_OG-SP_", "_BF_OG-SP_", "", "  "));
    ASSERT_TRUE(d.result) << d.result.error.toStdString();
    EXPECT_EQ(d.k().CategoriaCount(), 0);
    EXPECT_EQ(d.k().TotalePartenti(0, "XXXXX"), 0);
    EXPECT_TRUE(d.k().ElencoSfide().isEmpty());
    EXPECT_EQ(d.k().ElencoConcorrenti(), QList<qint16>{5});
}

TEST(KronoDaTestoCollections, EmptyItemListsAddNothingAndTextAfterTheEndIsNotRead) {
    Decoded d(race(sessionValues(1, 0), "_BF_OG-SP_" + competitor(8),
                   "_BF_OG-SP_" + competitor(9), "_BF_OG-SP_9_BF_AT-SP_1_BF_AT-SP_X",
                   "_BF_OG-SP_", "_BF_OG-SP_12", "_BF_OG-SP_"));
    ASSERT_TRUE(d.result) << d.result.error.toStdString();
    EXPECT_EQ(d.k().CategoriaCount(), 0);
    EXPECT_TRUE(d.k().ElencoConcorrenti().isEmpty());
    EXPECT_EQ(d.k().TotalePartenti(0, "XXXXX"), 0);
}

TEST(KronoDaTestoCollections, ItemListWithoutItsEndMarkerIsReadWhole) {
    Decoded d(race(sessionValues(1, 0), "", competitor(4) + "_CL_IT-SP_" + competitor(6),
                   "4_BF_AT-SP_1_BF_AT-SP_U16", "_BF_OG-SP_", "6_CL_IT-SP_4", ""));
    ASSERT_TRUE(d.result) << d.result.error.toStdString();
    EXPECT_EQ(d.k().ElencoConcorrenti(), (QList<qint16>{4, 6}));
    EXPECT_EQ(d.k().ConcorrenteItem(4)->CategoriaItem(1), "U16");
    EXPECT_EQ(d.k().ConcorrentePartenteInPosizione(0, 1, "XXXXX"), 6);
    EXPECT_EQ(d.k().ConcorrentePartenteInPosizione(0, 2, "XXXXX"), 4);
}

// ---- sections 1 to 3 and 5 to 6 ----

TEST(KronoDaTestoCollections, CategoriesAreAppendedInItemOrderWithTrimmedTexts) {
    const QString categories = collectionSection(
        {{" U16 ", " Under 16 ", "2", "100", " un minuto "}, {"U18", "Under 18", "x", "70000", ""}});
    Decoded d(race(sessionValues(1, 0), categories, "_BF_OG-SP_", "_BF_OG-SP_", "_BF_OG-SP_"));
    ASSERT_TRUE(d.result) << d.result.error.toStdString();
    ASSERT_EQ(d.k().CategoriaCount(), 2);
    const auto first = d.k().CategoriaInOrdine(1);
    EXPECT_EQ(first->Categoria(), "U16");
    EXPECT_EQ(first->Descrizione(), "Under 16");
    EXPECT_EQ(first->BiathlonSerieTiri(), 2);
    EXPECT_EQ(first->BiathlonPenalitaTiro(), 100);
    EXPECT_EQ(first->BiathlonDescrizionePenalita(), "un minuto");
    const auto second = d.k().CategoriaInOrdine(2);
    EXPECT_EQ(second->Categoria(), "U18");
    EXPECT_EQ(second->BiathlonSerieTiri(), 0);
    EXPECT_EQ(second->BiathlonPenalitaTiro(), 0);
}

TEST(KronoDaTestoCollections, CompetitorFieldsAndAccentedNames) {
    const QString competitors = collectionSection(
        {{" 12 ", "7", "107", "  Dell'Òro ", " Zoë Ñúñez ", " SUI ", " Sci Club Val d'Isère "}});
    Decoded d(race(sessionValues(1, 0), "", competitors, "_BF_OG-SP_", "_BF_OG-SP_"));
    ASSERT_TRUE(d.result) << d.result.error.toStdString();
    const auto c = d.k().ConcorrenteItem(12);
    EXPECT_EQ(c->Concorrente(), 12);
    EXPECT_EQ(c->Pettorale(), 7);
    EXPECT_EQ(c->PettoraleStampa(), 107);
    EXPECT_EQ(c->Cognome(), QStringLiteral("Dell'Òro"));
    EXPECT_EQ(c->Nome(), QStringLiteral("Zoë Ñúñez"));
    EXPECT_EQ(c->Nazionalita(), "SUI");
    EXPECT_EQ(c->SocietaDescrizione(), QStringLiteral("Sci Club Val d'Isère"));
}

TEST(KronoDaTestoCollections, DuplicateCompetitorKeepsTheFirstPlaceWithTheLaterData) {
    const QString competitors =
        competitor(5, "Primo") + "_CL_IT-SP_" + competitor(6) + "_CL_IT-SP_" + competitor(5, "Secondo") + "_BF_OG-SP_";
    Decoded d(race(sessionValues(1, 0), "", competitors, "_BF_OG-SP_", "_BF_OG-SP_"));
    ASSERT_TRUE(d.result) << d.result.error.toStdString();
    EXPECT_EQ(d.k().ElencoConcorrenti(), (QList<qint16>{5, 6}));
    EXPECT_EQ(d.k().ConcorrenteItem(5)->Cognome(), "Secondo");
}

TEST(KronoDaTestoCollections, CategoryCodesKeepTheirBlanksAndUnknownCompetitorsLoseThem) {
    const QString codes = collectionSection({{"5", "2", " U16", "SEN "}, {"99", "1", "U18"}, {"6", "0"}});
    Decoded d(race(sessionValues(1, 0), "", competitor(5) + "_CL_IT-SP_" + competitor(6) + "_BF_OG-SP_",
                   codes, "_BF_OG-SP_"));
    ASSERT_TRUE(d.result) << d.result.error.toStdString();
    const auto c = d.k().ConcorrenteItem(5);
    ASSERT_EQ(c->CategoriaCount(), 2);
    EXPECT_EQ(c->CategoriaItem(1), " U16");
    EXPECT_EQ(c->CategoriaItem(2), "SEN ");
    EXPECT_EQ(d.k().ConcorrenteItem(6)->CategoriaCount(), 0);
    EXPECT_FALSE(d.k().ConcorrenteExists(99));
    EXPECT_EQ(d.k().ElencoConcorrenti(), (QList<qint16>{5, 6}));
}

TEST(KronoDaTestoCollections, StartListAndHeatsInItemOrder) {
    QStringList s = sessionValues(1, 0, true, 2, 3);
    const QString competitors = competitor(1) + "_CL_IT-SP_" + competitor(2) + "_CL_IT-SP_" + competitor(3) +
                                "_CL_IT-SP_" + competitor(4) + "_BF_OG-SP_";
    Decoded d(race(s, "", competitors, "_BF_OG-SP_", "_BF_OG-SP_",
                   collectionSection({{"3"}, {"1"}, {"4"}, {"2"}}),
                   collectionSection({{"2", "2", "3", "4"}, {"1", "2", "1", "2"}, {"2", "0"}})));
    ASSERT_TRUE(d.result) << d.result.error.toStdString();
    EXPECT_EQ(d.k().ConcorrentePartenteInPosizione(0, 1, "XXXXX"), 3);
    EXPECT_EQ(d.k().ConcorrentePartenteInPosizione(0, 4, "XXXXX"), 2);
    EXPECT_EQ(d.k().TotalePartentiAttesi(), 4);
    EXPECT_EQ(d.k().ElencoSfide(), (QList<qint16>{2, 1}));
    EXPECT_EQ(d.k().ElencoConcorrentiSfida(2), (QList<qint16>{3, 4}));
    EXPECT_EQ(d.k().ElencoConcorrentiSfida(1), (QList<qint16>{1, 2}));
}

// ---- section 4 ----

TEST(KronoDaTestoResults, BlocksAreSizedByIntermediatesAndTheCurrentRun) {
    // Intermedi 2, run 2: 13 values; run 2's start is value 7 and its state value 10.
    const QStringList item{"5", "100000000", "100112345", "112345", "0", "100020000", "100040000",
                           "110000000", "0", "0", "30", "0", "110020000"};
    Decoded d(race(sessionValues(2, 2), "", competitor(5) + "_BF_OG-SP_", "_BF_OG-SP_",
                   collectionSection({item})));
    ASSERT_TRUE(d.result) << d.result.error.toStdString();
    const auto c = d.k().ConcorrenteItem(5);
    const auto r1 = c->Risultati(1);
    EXPECT_EQ(r1->OrarioPartenza(), 100000000);
    EXPECT_EQ(r1->OrarioArrivo(), 100112345);
    EXPECT_EQ(r1->Tempo(), 112345);
    EXPECT_EQ(r1->StatoConcorrente(), 0);
    EXPECT_EQ(r1->OrarioIntermedioCount(), 2);
    EXPECT_EQ(r1->OrarioIntermedioItem(2), 100040000);
    const auto r2 = c->Risultati(2);
    EXPECT_EQ(r2->OrarioPartenza(), 110000000);
    EXPECT_EQ(r2->StatoConcorrente(), 30);
    // Intermediate 1 was 0, so intermediate 2 takes place 1.
    EXPECT_EQ(r2->OrarioIntermedioCount(), 1);
    EXPECT_EQ(r2->OrarioIntermedioItem(1), 110020000);
    EXPECT_EQ(c->existingResult(3), nullptr);
}

TEST(KronoDaTestoResults, LongsRoundHalfToEvenAndEmptyStateIsZero) {
    const QStringList item{"5", "2.5", "3.5", "-2147483648", "", "-5", "abc", "1.5"};
    QStringList s = sessionValues(1, 3);
    Decoded d(race(s, "", competitor(5) + "_BF_OG-SP_", "_BF_OG-SP_", collectionSection({item})));
    ASSERT_TRUE(d.result) << d.result.error.toStdString();
    const auto r = d.k().ConcorrenteItem(5)->Risultati(1);
    EXPECT_EQ(r->OrarioPartenza(), 2);
    EXPECT_EQ(r->OrarioArrivo(), 4);
    EXPECT_EQ(r->Tempo(), 0);
    EXPECT_EQ(r->StatoConcorrente(), 0);
    // -5 and a non-numeric value are not stored; 1.5 rounds to 2.
    EXPECT_EQ(r->OrarioIntermedioCount(), 1);
    EXPECT_EQ(r->OrarioIntermedioItem(1), 2);
}

TEST(KronoDaTestoResults, StateIsAnyWholeNumberUpTo99AndAnythingElseIsLeftOutAndNoted) {
    const struct {
        const char* field;
        qint32 stored;
        bool noted;
    } cases[] = {
        {"70", 70, false}, {" 7 ", 7, false}, {"99", 99, false}, {"0", 0, false}, {"20", 20, false},
        {"3O", 0, true},   {"", 0, true},     {"100", 0, true},  {"-20", 0, true}, {"7.5", 0, true},
    };
    for (const auto& c : cases) {
        const QStringList item{"5", "1", "2", "3", QString::fromLatin1(c.field)};
        Decoded d(race(sessionValues(1, 0), "", competitor(5) + "_BF_OG-SP_", "_BF_OG-SP_",
                       collectionSection({item})));
        ASSERT_TRUE(d.result) << c.field << ": " << d.result.error.toStdString();
        EXPECT_EQ(d.k().ConcorrenteItem(5)->Risultati(1)->StatoConcorrente(), c.stored) << c.field;
        EXPECT_EQ(d.k().ConcorrenteItem(5)->Risultati(1)->Tempo(), 3) << c.field;
        if (c.noted) {
            ASSERT_EQ(d.result.notices.size(), 1) << c.field;
            EXPECT_EQ(d.result.notices.front(),
                      QStringLiteral("Stato \"%1\" del concorrente 5, manche 1: non è un numero intero da 0 a 99, ignorato")
                          .arg(QString::fromLatin1(c.field)));
        } else {
            EXPECT_TRUE(d.result.notices.isEmpty()) << c.field;
        }
    }
}

TEST(KronoDaTestoResults, ParallelRunReadsOneBlockPerHeatUpToTheCurrentHeat) {
    // Parallel session, turn type 3: blocks up to SfidaCorrente (3), not MancheCorrente (1).
    const QStringList item{"5", "1", "2", "3", "0", "4", "5", "6", "20", "7", "8", "9", "60"};
    Decoded d(race(sessionValues(1, 0, true, 3, 3), "", competitor(5) + "_BF_OG-SP_", "_BF_OG-SP_",
                   collectionSection({item})));
    ASSERT_TRUE(d.result) << d.result.error.toStdString();
    EXPECT_EQ(d.k().ConcorrenteItem(5)->Risultati(3)->StatoConcorrente(), 60);
    // Turn type 1 switches the parallel run off: one block (run 1), so the same item is long enough.
    Decoded qualifying(race(sessionValues(1, 0, true, 3, 1), "", competitor(5) + "_BF_OG-SP_",
                            "_BF_OG-SP_", collectionSection({item})));
    ASSERT_TRUE(qualifying.result);
    EXPECT_EQ(qualifying.k().ConcorrenteItem(5)->existingResult(2), nullptr);
}

TEST(KronoDaTestoResults, ResultsOfUnknownCompetitorsAreDropped) {
    Decoded d(race(sessionValues(1, 0), "", competitor(5) + "_BF_OG-SP_", "_BF_OG-SP_",
                   collectionSection({{"77", "1", "2", "3", "0"}, {"5", "4", "5", "6", "0", "extra"}})));
    ASSERT_TRUE(d.result) << d.result.error.toStdString();
    EXPECT_FALSE(d.k().ConcorrenteExists(77));
    EXPECT_EQ(d.k().ElencoConcorrenti(), QList<qint16>{5});
    EXPECT_EQ(d.k().ConcorrenteItem(5)->Risultati(1)->Tempo(), 6);
}

TEST(KronoDaTestoResults, RunZeroReadsNoBlocks) {
    Decoded d(race(sessionValues(0, 5), "", competitor(5) + "_BF_OG-SP_", "_BF_OG-SP_",
                   collectionSection({{"5"}})));
    ASSERT_TRUE(d.result) << d.result.error.toStdString();
    EXPECT_EQ(d.k().ConcorrenteItem(5)->existingResult(1), nullptr);
}

// ---- unreadable payloads ----

TEST(KronoDaTestoUnreadable, MissingSectionsOrValues) {
    QStringList sections = smallRaceSections();
    sections.removeLast();
    expectUnreadable(objectText(sections), "ha 7 sezioni, ne servono 8");

    QStringList s = sessionValues(1, 0);
    s.removeLast();
    expectUnreadable(race(s, "", "_BF_OG-SP_", "_BF_OG-SP_", "_BF_OG-SP_"),
                     "la sezione 0 ha 23 valori, ne servono 24");

    sections = smallRaceSections();
    sections[kSession] = "_BF_AT-IN_";
    expectUnreadable(objectText(sections), "la sezione 0 è più corta dei suoi delimitatori");

    sections = smallRaceSections();
    sections[kSigle] = attributeSection({"SQ", "FTM", "NA", "NP"});
    expectUnreadable(objectText(sections), "la sezione 7 ha 4 valori, ne servono 5");
}

TEST(KronoDaTestoUnreadable, TruthValuesThatAreNeitherTrueFalseNorNumbers) {
    QStringList s = sessionValues(1, 0);
    s[20] = "Si";
    expectUnreadable(race(s, "", "_BF_OG-SP_", "_BF_OG-SP_", "_BF_OG-SP_"),
                     "il valore 20 della sezione 0 non è un valore logico: \"Si\"");
    s = sessionValues(1, 0);
    s[23] = "";
    expectUnreadable(race(s, "", "_BF_OG-SP_", "_BF_OG-SP_", "_BF_OG-SP_"),
                     "il valore 23 della sezione 0 non è un valore logico");
}

TEST(KronoDaTestoUnreadable, CompetitorCodeOrResultSectionWithoutAnyItemList) {
    const QStringList s = sessionValues(1, 0);
    expectUnreadable(race(s, "", "", "_BF_OG-SP_", "_BF_OG-SP_"), "la sezione 2 non ha un elenco di elementi");
    expectUnreadable(race(s, "", "_BF_OG-SP_", "", "_BF_OG-SP_"), "la sezione 3 non ha un elenco di elementi");
    expectUnreadable(race(s, "", "_BF_OG-SP_", "_BF_OG-SP_", ""), "la sezione 4 non ha un elenco di elementi");
}

TEST(KronoDaTestoUnreadable, ItemsTooShort) {
    const QStringList s = sessionValues(2, 2);
    expectUnreadable(race(s, collectionSection({{"U16", "Under 16", "0", "0"}}), "_BF_OG-SP_",
                          "_BF_OG-SP_", "_BF_OG-SP_"),
                     "l'elemento 1 della sezione 1 ha 4 valori, ne servono 5");
    expectUnreadable(race(s, "", competitor(5) + "_CL_IT-SP_1_BF_AT-SP_2_BF_OG-SP_", "_BF_OG-SP_",
                          "_BF_OG-SP_"),
                     "l'elemento 2 della sezione 2 ha 2 valori, ne servono 7");
    expectUnreadable(race(s, "", "   ", "_BF_OG-SP_", "_BF_OG-SP_"),
                     "l'elemento 1 della sezione 2 ha 1 valori, ne servono 7");
    expectUnreadable(race(s, "", competitor(5) + "_BF_OG-SP_", "_BF_OG-SP_",
                          collectionSection({QStringList(12, "0")})),
                     "l'elemento 1 della sezione 4 ha 12 valori, ne servono 13");
    expectUnreadable(race(s, "", "_BF_OG-SP_", "_BF_OG-SP_", "_BF_OG-SP_", "3_CL_IT-SP__CL_IT-SP_4"),
                     "l'elemento 2 della sezione 5 ha 0 valori, ne servono 1");
    expectUnreadable(race(s, "", "_BF_OG-SP_", collectionSection({{"5"}}), "_BF_OG-SP_"),
                     "l'elemento 1 della sezione 3 ha 1 valori, ne servono 2");
}

TEST(KronoDaTestoUnreadable, CountsThatRunPastTheValues) {
    const QStringList s = sessionValues(1, 0);
    expectUnreadable(race(s, "", "_BF_OG-SP_", collectionSection({{"5", "3", "U16", "U18"}}), "_BF_OG-SP_"),
                     "l'elemento 1 della sezione 3 annuncia 3 valori, ne seguono 2");
    expectUnreadable(race(s, "", "_BF_OG-SP_", "_BF_OG-SP_", "_BF_OG-SP_", "_BF_OG-SP_",
                          collectionSection({{"1", "2", "5"}})),
                     "l'elemento 1 della sezione 6 annuncia 2 valori, ne seguono 1");
}

TEST(KronoDaTestoCollections, NegativeCountsAddNothingFromTheirItem) {
    const QString competitors = competitor(5) + "_CL_IT-SP_" + competitor(6) + "_BF_OG-SP_";
    Decoded d(race(sessionValues(1, 0, true, 1, 3), "", competitors,
                   collectionSection({{"5", "-1", "U16"}, {"6", "1", "U18"}}), "_BF_OG-SP_",
                   "_BF_OG-SP_",
                   collectionSection({{"1", "-32768", "5", "6"}, {"2", "2", "6", "5"}})));
    ASSERT_TRUE(d.result) << d.result.error.toStdString();
    EXPECT_EQ(d.k().ConcorrenteItem(5)->CategoriaCount(), 0);
    EXPECT_EQ(d.k().ConcorrenteItem(6)->CategoriaItem(1), "U18");
    EXPECT_EQ(d.k().ElencoSfide(), QList<qint16>{2});
    EXPECT_EQ(d.k().ElencoConcorrentiSfida(2), (QList<qint16>{6, 5}));
}

TEST(KronoDaTestoUnreadable, RunAndIntermediateCountsOutOfRange) {
    const QString empty = "_BF_OG-SP_";
    expectUnreadable(race(sessionValues(1, -1), "", empty, empty, empty),
                     "il numero degli intermedi è negativo (-1)");
    expectUnreadable(race(sessionValues(51, 0), "", empty, empty, empty),
                     "la manche corrente è 51, oltre il massimo di 50");
    expectUnreadable(race(sessionValues(-1, 0), "", empty, empty, empty),
                     "la manche corrente è negativa (-1)");
    expectUnreadable(race(sessionValues(0, 0, true, 51, 3), "", empty, empty, empty),
                     "la sfida corrente è 51, oltre il massimo di 50");
    ASSERT_TRUE(Decoded(race(sessionValues(50, 0), "", empty, empty, empty)).result);
}

TEST(KronoDaTestoUnreadable, LargestCountsNeitherWrapNorCrash) {
    // (32767 + 4) x 49 does not fit 16 bits; the item is simply too short.
    const QString item = "5_BF_AT-SP_1_BF_AT-SP_2";
    expectUnreadable(race(sessionValues(50, 32767), "", competitor(5) + "_BF_OG-SP_", "_BF_OG-SP_",
                          item + "_BF_OG-SP_"),
                     "l'elemento 1 della sezione 4 ha 3 valori, ne servono 1638551");
}

// ---- round trip ----

TEST(KronoDaTestoRoundTrip, FullDemoRaceComesBackFieldByField) {
    const auto source = encoder::demoRace({40, 3, 4, 4, false});
    Decoded d(encoder::raceStateText(*source));
    ASSERT_TRUE(d.result) << d.result.error.toStdString();
    EXPECT_EQ(encoder::carriedFieldDifferences(*source, d.k()), QStringList());
    EXPECT_EQ(d.k().ElencoConcorrenti().size(), 40);
    EXPECT_EQ(d.k().ConcorrenteItem(1005)->CategoriaItem(d.k().ConcorrenteItem(1005)->CategoriaCount()),
              " U21 ");
}

TEST(KronoDaTestoRoundTrip, ParallelDemoRaceComesBackFieldByField) {
    const auto source = encoder::demoRace({16, 1, 0, 2, true});
    ASSERT_EQ(source->MancheSfidaCorrente(), 8);
    Decoded d(encoder::raceStateText(*source));
    ASSERT_TRUE(d.result) << d.result.error.toStdString();
    EXPECT_EQ(encoder::carriedFieldDifferences(*source, d.k()), QStringList());
    EXPECT_EQ(d.k().ElencoConcorrentiSfida(8), (QList<qint16>{1015, 1016}));
}

TEST(KronoDaTestoRoundTrip, EachCallBuildsAnIndependentState) {
    const QString payload = encoder::raceStateText(*encoder::demoRace());
    CountingMonitorSettings monitor;
    const auto first = KronoDaTesto(payload, monitor);
    const auto second = KronoDaTesto(payload, monitor);
    ASSERT_TRUE(first && second);
    EXPECT_NE(first.krono, second.krono);
    first.krono->ConcorrenteItem(1001)->setCognome("Changed");
    EXPECT_NE(second.krono->ConcorrenteItem(1001)->Cognome(), "Changed");
    EXPECT_EQ(monitor.reloads, 2);
}

}  // namespace
}  // namespace razudar
