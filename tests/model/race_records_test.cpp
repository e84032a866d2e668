// Race record, competitor, run result and category records.
#include "model/category.h"
#include "model/competitor.h"
#include "model/race_record.h"
#include "model/run_result.h"

#include <gtest/gtest.h>

namespace razudar {
namespace {

TEST(RaceRecord, NewRecordLookupsSeeEmptySlotsOneToTen)
{
    clsGara gara;
    EXPECT_EQ(gara.IndicePuntoRilevamentoPartenza(), 0);
    EXPECT_EQ(gara.IndicePuntoRilevamento(0), 1);
    EXPECT_EQ(gara.PuntoRilevamentoDaCom(0), 0);
    EXPECT_EQ(gara.Manches(), 0);
    EXPECT_FALSE(gara.Parallelo());
    EXPECT_EQ(gara.DescrizioneGara(), QString());
}

TEST(RaceRecord, StartPointInSlotZeroOrElevenIsNotFound)
{
    clsGara gara;
    gara.setPuntoRilevamentoTipo(0, 8);
    gara.setPuntoRilevamentoTipo(11, 10);
    EXPECT_EQ(gara.IndicePuntoRilevamentoPartenza(), 0);
    gara.setPuntoRilevamentoTipo(4, 1);
    gara.setPuntoRilevamentoTipo(7, 8);
    EXPECT_EQ(gara.IndicePuntoRilevamentoPartenza(), 4);
    EXPECT_EQ(gara.IndicePuntoRilevamento(8), 7);
    gara.setPuntoRilevamentoCom(1, 3);  // slot 1 is still type 0
    gara.setPuntoRilevamentoCom(7, 5);
    EXPECT_EQ(gara.PuntoRilevamentoDaCom(5), 8);
    EXPECT_EQ(gara.PuntoRilevamentoDaCom(3), 0);
    EXPECT_EQ(gara.PuntoRilevamentoDaCom(9), 0);
}

TEST(RaceRecord, TitlesAreTrimmedOtherTextsKeepSpaces)
{
    clsGara gara;
    gara.setDescrizioneGara(QStringLiteral("  Coppa Neve \t "));
    gara.setDescrizioneSessione(QStringLiteral(" Manche 1 "));
    gara.setLingua(QStringLiteral(" IT "));
    gara.setDisciplinaCodice(QStringLiteral("SL "));
    EXPECT_EQ(gara.DescrizioneGara(), QStringLiteral("Coppa Neve \t"));  // spaces only
    EXPECT_EQ(gara.DescrizioneSessione(), QStringLiteral("Manche 1"));
    EXPECT_EQ(gara.Lingua(), QStringLiteral(" IT "));
    EXPECT_EQ(gara.DisciplinaCodice(), QStringLiteral("SL "));
}

TEST(RaceRecord, PointSettingsAreElevenCharacters)
{
    clsGara gara;
    EXPECT_EQ(gara.PuntoRilevamentoSettings(0), QString(11, QLatin1Char(' ')));  // never set
    gara.setPuntoRilevamentoSettings(2, QStringLiteral("9600,n,8,1"));
    EXPECT_EQ(gara.PuntoRilevamentoSettings(2), QStringLiteral("9600,n,8,1 "));
    gara.setPuntoRilevamentoSettings(3, QStringLiteral("115200,n,8,1"));
    EXPECT_EQ(gara.PuntoRilevamentoSettings(3), QStringLiteral("115200,n,8,"));
}

TEST(RaceRecord, PointSlotOutsideTableReadsEmptyAndIgnoresWrites)
{
    clsGara gara;
    gara.setPuntoRilevamentoTipo(12, 8);
    gara.setPuntoRilevamentoDescrizione(-1, QStringLiteral("x"));
    EXPECT_EQ(gara.PuntoRilevamentoTipo(12), 0);
    EXPECT_EQ(gara.PuntoRilevamentoDescrizione(-1), QString());
    EXPECT_EQ(gara.IndicePuntoRilevamentoPartenza(), 0);
}

TEST(RunResult, IntermediateSetterAppendsOrReplaces)
{
    clsRisultati r;
    r.setOrarioIntermedioItem(3, 100);  // empty list: appended as item 1
    EXPECT_EQ(r.OrarioIntermedioCount(), 1);
    EXPECT_EQ(r.OrarioIntermedioItem(1), 100);
    r.OrarioIntermedioAdd(200);
    r.OrarioIntermedioAdd(300);
    r.setOrarioIntermedioItem(2, 250);
    r.setOrarioIntermedioItem(5, 500);  // above the count: appended as item 4
    r.setOrarioIntermedioItem(0, 999);  // below 1: nothing
    ASSERT_EQ(r.OrarioIntermedioCount(), 4);
    EXPECT_EQ(r.OrarioIntermedioItem(1), 100);
    EXPECT_EQ(r.OrarioIntermedioItem(2), 250);
    EXPECT_EQ(r.OrarioIntermedioItem(3), 300);
    EXPECT_EQ(r.OrarioIntermedioItem(4), 500);
    EXPECT_EQ(r.OrarioIntermedioItem(5), 0);
    r.OrarioIntermedioDeleteAll();
    EXPECT_EQ(r.OrarioIntermedioCount(), 0);
}

TEST(RunResult, PenaltiesListAndTotalDoesNotWrap)
{
    clsRisultati r;
    r.PenalitaAdd(1);
    r.PenalitaAdd(2);
    EXPECT_EQ(r.PenalitaItem(3), 0);
    EXPECT_EQ(r.PenalitaItem(2), 2);
    EXPECT_EQ(r.TotalePenalita(), 3);
    r.PenalitaAdd(32767);
    EXPECT_EQ(r.TotalePenalita(), 32770);  // beyond 16 bits, exact
    r.PenalitaClear();
    EXPECT_EQ(r.PenalitaCount(), 0);
    EXPECT_EQ(r.TotalePenalita(), 0);
}

TEST(RunResult, StartOrderOutside16BitsIsRefusedNotWrapped)
{
    clsRisultati r;
    EXPECT_TRUE(r.setOrdinePartenza(-32768));
    EXPECT_TRUE(r.setOrdinePartenza(32767));
    EXPECT_FALSE(r.setOrdinePartenza(32768));
    EXPECT_FALSE(r.setOrdinePartenza(70000));
    EXPECT_EQ(r.OrdinePartenza(), 32767);
}

TEST(Competitor, ResultsAreCreatedOnFirstReadAndShared)
{
    clsConcorrente c;
    const auto first = c.Risultati(3);
    EXPECT_EQ(first, c.Risultati(3));
    EXPECT_EQ(first->Tempo(), 0);
    EXPECT_EQ(first->StatoConcorrente(), 0);
    auto shared = std::make_shared<clsRisultati>();
    c.setRisultati(2, shared);
    shared->setTempo(5678);
    EXPECT_EQ(c.Risultati(2)->Tempo(), 5678);
    EXPECT_EQ(c.existingResult(4), nullptr);
    EXPECT_EQ(c.existingResult(2), shared.get());
}

TEST(Competitor, RunOutsideSlotsGivesDetachedResult)
{
    clsConcorrente c;
    c.Risultati(51)->setTempo(100);
    EXPECT_EQ(c.Risultati(51)->Tempo(), 0);
    c.setRisultati(-1, std::make_shared<clsRisultati>());
    EXPECT_EQ(c.existingResult(-1), nullptr);
    EXPECT_NE(c.Risultati(50), nullptr);
}

TEST(Competitor, CategoriesAreExactAndAllMatchesEveryone)
{
    clsConcorrente c;
    EXPECT_TRUE(c.CategoriaPresente(QStringLiteral("XXXXX")));
    c.CategoriaAdd(QStringLiteral("SM"));
    c.CategoriaAdd(QStringLiteral("U16"));
    EXPECT_TRUE(c.CategoriaPresente(QStringLiteral("U16")));
    EXPECT_FALSE(c.CategoriaPresente(QStringLiteral("sm")));
    EXPECT_EQ(c.CategoriaItem(2), QStringLiteral("U16"));
    EXPECT_EQ(c.CategoriaItem(5), QString());
    EXPECT_EQ(c.CategoriaCount(), 2);
}

TEST(Competitor, DottedNameHasInitialOnlyWithFirstName)
{
    clsConcorrente c;
    c.setCognome(QStringLiteral("ROSSI"));
    EXPECT_EQ(c.CognomeNomePuntato(), QStringLiteral("ROSSI"));
    c.setNome(QStringLiteral("mario"));
    EXPECT_EQ(c.CognomeNomePuntato(), QStringLiteral("ROSSI m."));
}

}  // namespace
}  // namespace razudar
