// The one-value queries on fresh race databases built from the schema.
#include <gtest/gtest.h>

#include "data/configuration.h"
#include "data/loader_test_support.h"
#include "data/loader_values.h"
#include "data/one_value_queries.h"
#include "platform/db/db_error.h"
#include "platform/fakes/fake_services.h"

namespace razudar {
namespace {

using testing::LoaderDatabase;

class OneValueQueries : public ::testing::Test {
protected:
    void SetUp() override {
        base.addLookups();
        base.addRace(1);
    }
    const db::Database& db() const { return base.db(); }
    LoaderDatabase base;
    FakeClock clock;  // 15/01/2026
};

TEST_F(OneValueQueries, TestoLinguaReadsTheFieldOfTheRaceLanguage) {
    EXPECT_EQ(TestoLingua(db(), 1, QStringLiteral("li_SiglaPartito")), QStringLiteral("PAR"));
    base.exec(QStringLiteral("UPDATE Gare SET ga_Lingua = 'eng' WHERE ga_Gara = 1"));
    EXPECT_EQ(TestoLingua(db(), 1, QStringLiteral("li_Partenti")), QStringLiteral("Start List"));
}

TEST_F(OneValueQueries, TestoLinguaGivesEmptyTextForNullAndForAnUnknownRace) {
    EXPECT_EQ(TestoLingua(db(), 1, QStringLiteral("li_VincitoreManche")), QString());
    EXPECT_EQ(TestoLingua(db(), 9, QStringLiteral("li_SiglaPartito")), QString());
}

TEST_F(OneValueQueries, AFieldNameThatIsNoFieldIsAnEngineErrorNeverALiteral) {
    EXPECT_THROW(TestoLingua(db(), 1, QStringLiteral("li_Inesistente")), db::DbError);
    EXPECT_THROW(TestoLingua(db(), 1, QStringLiteral("'x' AS li_Lingua --")), db::DbError);
    EXPECT_THROW(CampoGara(db(), 1, QStringLiteral("ga_Anno FROM Gare; --"), clock), db::DbError);
    EXPECT_THROW(CampoGara(db(), 1, QStringLiteral("NULL"), clock), db::DbError);
}

TEST_F(OneValueQueries, IdDisciplinaGaraGivesTheDisciplineIdOrZero) {
    EXPECT_EQ(IdDisciplinaGara(db(), 1), 1);
    base.addRace(2, QStringLiteral("XX"));  // a code with no discipline row: ds_Id is Null
    EXPECT_EQ(IdDisciplinaGara(db(), 2), 0);
    EXPECT_EQ(IdDisciplinaGara(db(), 3), 0);
}

TEST_F(OneValueQueries, NumeroIntermediFromTheRaceRecord) {
    base.exec(QStringLiteral("UPDATE Gare SET ga_Intermedi = 3"));
    EXPECT_EQ(NumeroIntermedi(db(), 1, true), 3);
    base.exec(QStringLiteral("UPDATE Gare SET ga_Intermedi = NULL"));
    EXPECT_EQ(NumeroIntermedi(db(), 1, true), 0);
    EXPECT_EQ(NumeroIntermedi(db(), 7, true), 0);
}

TEST_F(OneValueQueries, NumeroIntermediFromTheDetectionPoints) {
    base.exec(QStringLiteral("INSERT INTO TipiPuntiRilevamento (tp_Id, tp_Ordine, tp_NumeroIntermedio)"
                             " VALUES (2, 10, 0), (3, 0, 0), (11, 1, 1), (12, 2, 2)"));
    const auto addPoint = [&](int race, int point, int type) {
        base.exec(QStringLiteral("INSERT INTO PuntiRilevamento (pr_Gara, pr_PuntoRilevamento,"
                                 " pr_TipoPuntoRilevamento) VALUES (?, ?, ?)"),
                  {race, point, type});
    };
    addPoint(1, 1, 3);
    EXPECT_EQ(NumeroIntermedi(db(), 1, false), 0);  // neither numbered nor type 1 or 2
    addPoint(1, 2, 2);
    EXPECT_EQ(NumeroIntermedi(db(), 1, false), 5);  // a type-2 point without numbers
    addPoint(1, 3, 11);
    addPoint(1, 4, 12);
    EXPECT_EQ(NumeroIntermedi(db(), 1, false), 2);
}

TEST_F(OneValueQueries, NumeroMancheCountsTheRaceTurnSessionsNotCancelled) {
    base.exec(QStringLiteral("UPDATE Gare SET ga_Manches = 4"));
    EXPECT_EQ(NumeroManche(db(), 1, true), 4);
    EXPECT_EQ(NumeroManche(db(), 1, false), 0);
    base.addSession(1, QStringLiteral("GA"), 1);
    base.addSession(1, QStringLiteral("GA"), 2);
    base.addSession(1, QStringLiteral("GA"), 3, /*state*/ 3);
    base.addSession(1, QStringLiteral("PR"), 6);
    EXPECT_EQ(NumeroManche(db(), 1, false), 2);
    base.exec(QStringLiteral("UPDATE Gare SET ga_Manches = NULL"));
    EXPECT_EQ(NumeroManche(db(), 1, true), 0);
    EXPECT_EQ(NumeroManche(db(), 7, true), 0);
    EXPECT_EQ(NumeroManche(db(), 7, false), 0);
}

TEST_F(OneValueQueries, IdsOfCodesIgnoreLetterCaseAndAreZeroWhenUnknown) {
    EXPECT_EQ(IdDisciplina(db(), QStringLiteral("KL")), 15);
    EXPECT_EQ(IdDisciplina(db(), QStringLiteral("kl")), 15);
    EXPECT_EQ(IdDisciplina(db(), QStringLiteral("ZZ")), 0);
    EXPECT_EQ(IdSpecialita(db(), QStringLiteral("SP")), 7);
    EXPECT_EQ(IdSpecialita(db(), QString()), 0);
    EXPECT_EQ(IdTipoTurno(db(), QStringLiteral("QB")), 11);
    EXPECT_EQ(IdTipoTurno(db(), QStringLiteral("D'A")), 0);  // an apostrophe is just a value
}

TEST_F(OneValueQueries, CodiceTipoTurnoIsUpperCase) {
    base.exec(QStringLiteral("INSERT INTO TipiTurni (tt_Id, tt_TipoTurno) VALUES (20, 'sf')"));
    EXPECT_EQ(CodiceTipoTurno(db(), 20), QStringLiteral("SF"));
    EXPECT_EQ(CodiceTipoTurno(db(), 2), QStringLiteral("GA"));
    EXPECT_EQ(CodiceTipoTurno(db(), 99), QString());
}

TEST_F(OneValueQueries, SessionDescriptionsAndState) {
    base.addSession(1, QStringLiteral("GA"), 2, /*state*/ 2);
    EXPECT_EQ(DescrizioneSessioneTurno(db(), 1, QStringLiteral("ga"), 2), QStringLiteral("Gara"));
    EXPECT_EQ(DescrizioneSessioneDb(db(), 1, QStringLiteral("GA"), 2), QStringLiteral("Manche 2"));
    EXPECT_EQ(StatoSessioneDb(db(), 1, QStringLiteral("GA"), 2), 2);
    EXPECT_EQ(DescrizioneSessioneTurno(db(), 1, QStringLiteral("GA"), 3), QString());
    EXPECT_EQ(DescrizioneSessioneDb(db(), 1, QStringLiteral("GA"), 3), QString());
    EXPECT_EQ(StatoSessioneDb(db(), 1, QStringLiteral("GA"), 3), 0);
    base.exec(QStringLiteral("UPDATE Sessioni SET se_Descrizione = NULL, se_StatoSessione = NULL"));
    EXPECT_EQ(DescrizioneSessioneDb(db(), 1, QStringLiteral("GA"), 2), QString());
    EXPECT_EQ(StatoSessioneDb(db(), 1, QStringLiteral("GA"), 2), 0);
    // The turn type's description is Null when the turn type has none.
    base.exec(QStringLiteral("UPDATE TipiTurni SET tt_Descrizione = NULL WHERE tt_Id = 2"));
    EXPECT_EQ(DescrizioneSessioneTurno(db(), 1, QStringLiteral("GA"), 2), QString());
}

TEST_F(OneValueQueries, GaraParalleloIsFalseForNullAndUnknownRaces) {
    base.addRace(2, QStringLiteral("SB"), QStringLiteral("PGS"), /*parallel*/ true);
    EXPECT_TRUE(GaraParallelo(db(), 2));
    EXPECT_FALSE(GaraParallelo(db(), 1));
    base.exec(QStringLiteral("UPDATE Gare SET ga_Parallelo = NULL WHERE ga_Gara = 2"));
    EXPECT_FALSE(GaraParallelo(db(), 2));
    EXPECT_FALSE(GaraParallelo(db(), 8));
}

TEST_F(OneValueQueries, CampoGaraGivesTextsAndTodayForAnEmptyDate) {
    EXPECT_EQ(CampoGara(db(), 1, QStringLiteral("ga_Descrizione"), clock), QStringLiteral("Gara di prova"));
    EXPECT_EQ(CampoGara(db(), 1, QStringLiteral("GA_ANNO"), clock), QStringLiteral("2024"));
    EXPECT_EQ(CampoGara(db(), 1, QStringLiteral("ga_Data"), clock), QStringLiteral("15/01/2026"));
    EXPECT_EQ(CampoGara(db(), 1, QStringLiteral("ga_NumeroDisceseTabellone"), clock), QString());
    base.exec(QStringLiteral("UPDATE Gare SET ga_Data = '2024-02-18 00:00:00', ga_Lingua = NULL"));
    EXPECT_EQ(CampoGara(db(), 1, QStringLiteral("ga_Data"), clock), QStringLiteral("18/02/2024"));
    EXPECT_EQ(CampoGara(db(), 1, QStringLiteral("ga_Lingua"), clock), QString());
    EXPECT_EQ(CampoGara(db(), 4, QStringLiteral("ga_Data"), clock), QString());
}

TEST_F(OneValueQueries, CategorieConcorrenteInCategoryOrder) {
    base.exec(QStringLiteral("INSERT INTO Categorie (ca_Gara, ca_Categoria, ca_Ordine) VALUES"
                             " (1, 'AAA', 3), (1, 'BBB', 1), (1, 'CCC', 2)"));
    base.addCompetitor(1, 10, 1);
    base.addCompetitor(1, 11, 2);
    base.addCategoryOf(1, 10, QStringLiteral("AAA"));
    base.addCategoryOf(1, 10, QStringLiteral("BBB"));
    base.addCategoryOf(1, 10, QStringLiteral("CCC"));
    EXPECT_EQ(CategorieConcorrente(db(), 1, 10),
              (QStringList{QStringLiteral("BBB"), QStringLiteral("CCC"), QStringLiteral("AAA")}));
    EXPECT_TRUE(CategorieConcorrente(db(), 1, 11).isEmpty());
    EXPECT_TRUE(CategorieConcorrente(db(), 2, 10).isEmpty());
}

TEST_F(OneValueQueries, ConcorrenteInCategoriaComparesInUpperCase) {
    base.addCompetitor(1, 10, 1);
    base.addCompetitor(1, 11, 2);
    base.addCategoryOf(1, 10, QStringLiteral("Sen"));
    EXPECT_TRUE(ConcorrenteInCategoria(db(), 1, 11, QStringLiteral("XXXXX")));
    EXPECT_TRUE(ConcorrenteInCategoria(db(), 1, 10, QStringLiteral("sEN")));
    EXPECT_FALSE(ConcorrenteInCategoria(db(), 1, 10, QStringLiteral("GIO")));
    EXPECT_FALSE(ConcorrenteInCategoria(db(), 1, 11, QStringLiteral("xxxxx")));
}

TEST_F(OneValueQueries, RoundAndHeatOfAMissingSessionAreZeroAndTheRun) {
    EXPECT_EQ(SfidaSessione(db(), 5, QStringLiteral("FI"), 3), 3);
    EXPECT_EQ(RoundSessione(db(), 5, QStringLiteral("FI"), 3), 0);
}

TEST_F(OneValueQueries, RoundAndHeatOfAStoredSession) {
    base.addSession(1, QStringLiteral("FI"), 1, 1, 2, 7);
    base.addSession(1, QStringLiteral("FI"), 2);  // Null round and heat
    EXPECT_EQ(RoundSessione(db(), 1, QStringLiteral("FI"), 1), 2);
    EXPECT_EQ(SfidaSessione(db(), 1, QStringLiteral("FI"), 1), 7);
    EXPECT_EQ(RoundSessione(db(), 1, QStringLiteral("FI"), 2), 0);
    EXPECT_EQ(SfidaSessione(db(), 1, QStringLiteral("FI"), 2), 0);
}

TEST_F(OneValueQueries, RecordsetConfigurazioneIsOnItsRow) {
    db::Recordset rs = RecordsetConfigurazione(db());
    ASSERT_FALSE(rs.eof());
    EXPECT_EQ(rs.value(QStringLiteral("cf_VersioneDatabase")).toString(), QStringLiteral("1.25"));
    base.exec(QStringLiteral("DELETE FROM Configurazione"));
    EXPECT_TRUE(RecordsetConfigurazione(db()).eof());
}

TEST_F(OneValueQueries, AStoredNumberThatDoesNotFitIsReportedNotWrapped) {
    base.exec(QStringLiteral("UPDATE Gare SET ga_Intermedi = 40000, ga_Manches = 'due'"));
    try {
        NumeroIntermedi(db(), 1, true);
        FAIL() << "no error";
    } catch (const StoredValueError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Valore fuori intervallo nel campo ga_Intermedi: 40000"));
    }
    try {
        NumeroManche(db(), 1, true);
        FAIL() << "no error";
    } catch (const StoredValueError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Valore non numerico nel campo ga_Manches: due"));
    }
}

TEST_F(OneValueQueries, NumberReadValuesTakeTheLeadingNumberOnly) {
    base.addSession(1, QStringLiteral("FI"), 1, 1, QStringLiteral("3 bis"), -4);
    EXPECT_EQ(RoundSessione(db(), 1, QStringLiteral("FI"), 1), 3);
    EXPECT_EQ(SfidaSessione(db(), 1, QStringLiteral("FI"), 1), 0);  // "0-4" reads as 0
}

}  // namespace
}  // namespace razudar
