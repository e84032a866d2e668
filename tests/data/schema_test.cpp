#include <gtest/gtest.h>

#include "db_fixture.h"

namespace razudar {
namespace {

using testing::RaceDatabase;

struct Readers {
    const char* object;
    std::vector<const char*> fields;
};

// Every table and stored query the program reads, with the fields its readers use, spelled
// exactly as they use them.
const Readers kReaders[] = {
    {"Configurazione", {"cf_VersioneDatabase", "cf_VersioneProgramma", "cf_GaraAttiva",
                        "cf_GraficaServer", "cf_GraficaNazionalita", "cf_GraficaNominativi",
                        "cf_GraficaRisultato", "cf_GraficaOmettiNazionalita",
                        "cf_GraficaUsaImmaginiNazionalita"}},
    {"Monitor", {"mo_Colore1", "mo_Colore8", "mo_Colore19", "mo_FontName", "mo_FontSize",
                 "mo_FontBold", "mo_TimerMonitor", "mo_TempoCorrere"}},
    {"Lingue", {"li_Lingua", "li_SiglaEscluso", "li_SiglaFTM", "li_SiglaNonArrivato",
                "li_SiglaNonPartito", "li_SiglaPartito", "li_Partenti", "li_VincitoreManche",
                "li_VincitoreSfida"}},
    {"Gare", {"ga_Gara", "ga_Anno", "ga_CodiceEquipe", "ga_Descrizione", "ga_TipoFederazione",
              "ga_Disciplina", "ga_Specialita", "ga_Allenamenti", "ga_Frazionisti",
              "ga_Risoluzione", "ga_Internet", "ga_Intranet", "ga_KO", "ga_Tabellone",
              "ga_Parallelo", "ga_QualificazioneParallela", "ga_Lingua", "ga_PagineMonitor",
              "ga_NumeroDisceseTabellone", "ga_Manches", "ga_Intermedi"}},
    {"QGare", {"ga_Gara", "ds_Id"}},
    {"QPuntiRilevamento", {"pr_Gara", "tp_Ordine", "pr_TipoPuntoRilevamento", "tp_Descrizione",
                           "pr_Com", "pr_BaudVelocita", "pr_Parita", "pr_BitDati", "pr_BitStop",
                           "pr_TipoOrologio", "tp_NumeroIntermedio"}},
    {"Discipline", {"ds_Id", "ds_Disciplina"}},
    {"Specialita", {"sp_Id", "sp_Specialita"}},
    {"TipiTurni", {"tt_Id", "tt_TipoTurno"}},
    {"Sessioni", {"se_Gara", "se_TipoTurno", "se_Manche", "se_Descrizione", "se_StatoSessione",
                  "se_TabelloneRound", "se_TabelloneSfida"}},
    {"QTipiTurniMancheGara", {"se_Gara", "se_TipoTurno", "se_Manche", "se_Descrizione",
                              "se_StatoSessione", "se_TabelloneRound", "se_TabelloneSfida"}},
    {"QConcorrentiCategorieCompleta", {"co_Gara", "co_Concorrente", "ca_Categoria", "ca_Ordine"}},
    {"SessioniConcorrenti", {"sc_Gara", "sc_TipoTurno", "sc_Manche", "sc_Concorrente",
                             "sc_OrarioPartenza", "sc_OrarioArrivo", "sc_Tempo",
                             "sc_StatoConcorrente"}},
    {"Categorie", {"ca_Gara", "ca_Categoria", "ca_Descrizione", "ca_SerieTiri", "ca_PenalitaTiri",
                   "ca_DescrizioneSerieTiri"}},
    {"QConcorrenti", {"co_Gara", "co_Concorrente", "co_Pettorale", "co_PettoraleStampa",
                      "co_Cognome", "co_Nome", "co_Squadra", "co_Nazionalita", "co_Societa",
                      "ss_Descrizione"}},
    {"QConcorrentiCategorie", {"co_Gara", "co_Concorrente", "ca_Categoria"}},
    {"QOrdinePartenza", {"op_Gara", "op_TipoTurno", "op_Manche", "op_OrdinePartenza",
                         "op_OrarioPartenzaTeorico", "co_Pettorale", "co_Concorrente",
                         "se_TabelloneSfida"}},
    {"OrdinePartenza", {"op_Gara", "op_TipoTurno", "op_Manche", "op_Concorrente"}},
    {"TabelloneParallelo", {"tp_Gara", "tp_TipoTurno", "tp_Manche", "tp_Sfida", "tp_ConcorrenteA",
                            "tp_ConcorrenteB"}},
    {"QSessioniConcorrenti", {"sc_Gara", "sc_TipoTurno", "sc_Manche", "sc_Concorrente",
                              "sc_OrarioPartenza", "sc_OrarioArrivo", "sc_Tempo",
                              "sc_StatoConcorrente", "co_Pettorale", "se_TabelloneSfida"}},
    {"QSessioniConcorrentiPenalita", {"sp_Gara", "sp_TipoTurno", "sp_Manche", "co_Pettorale",
                                      "co_Concorrente", "sp_PenalitaTiro1", "sp_PenalitaTiro2",
                                      "sp_PenalitaTiro3", "sp_PenalitaTiro4"}},
    {"QSessioniConcorrentiIntermedi", {"si_Gara", "si_TipoTurno", "si_Manche", "si_Concorrente",
                                       "si_Orario", "si_Intermedio", "co_Pettorale"}},
    {"QSessioni", {"se_Gara", "se_TipoTurno", "se_Manche", "se_Descrizione", "se_Orario",
                   "se_StatoSessione", "sn_Descrizione"}},
    {"QTabelloneParallelo", {"tp_Gara", "tp_TipoTurno", "tp_Manche", "tp_Sfida", "co_PettoraleA",
                             "co_PettoraleB"}},
    {"TipiGraficaPaginePiene", {"Gr_Testo1", "Gr_Testo12", "Gr_Testo24"}},
    {"TipiGraficaPagineBasse", {"gr_Testo1", "gr_Testo9", "gr_Testo32"}},
};

TEST(Schema, EveryReadTableAndQueryHasItsFieldsSpelledAsRead) {
    RaceDatabase race;
    for (const Readers& r : kReaders) {
        const QString object = QString::fromLatin1(r.object);
        QStringList names;
        for (const db::FieldInfo& f : race.db().tableFields(object)) names << f.name;
        for (const char* field : r.fields) {
            EXPECT_TRUE(names.contains(QString::fromLatin1(field), Qt::CaseSensitive))
                << r.object << "." << field;
        }
    }
}

int fieldType(RaceDatabase& race, const char* object, const char* field) {
    for (const db::FieldInfo& f : race.db().tableFields(QString::fromLatin1(object))) {
        if (f.name == QString::fromLatin1(field)) return f.type;
    }
    return -1;
}

TEST(Schema, FieldTypesMatchWhatTheReadersTakeThemAs) {
    RaceDatabase race;
    namespace t = db::field_type;
    const struct {
        const char* object;
        const char* field;
        int type;
    } kTypes[] = {
        {"Gare", "ga_Anno", t::kInteger},          {"Gare", "ga_TipoFederazione", t::kLong},
        {"Gare", "ga_Risoluzione", t::kLong},      {"Gare", "ga_Parallelo", t::kBoolean},
        {"Gare", "ga_Data", t::kDate},             {"Gare", "ga_Descrizione", t::kText},
        {"QGare", "ga_Parallelo", t::kBoolean},    {"Categorie", "ca_PenalitaTiri", t::kInteger},
        {"Concorrenti", "co_Pettorale", t::kInteger},
        {"PuntiRilevamento", "pr_TipoPuntoRilevamento", t::kLong},
        {"SessioniConcorrenti", "sc_Tempo", t::kLong},
        {"SessioniConcorrenti", "sc_OrarioPartenza", t::kLong},
        {"SessioniConcorrenti", "sc_StatoConcorrente", t::kLong},
        {"SessioniConcorrentiIntermedi", "si_Orario", t::kLong},
        {"OrdinePartenza", "op_OrarioPartenzaTeorico", t::kLong},
        {"SessioniConcorrentiPenalita", "sp_PenalitaTiro1", t::kInteger},
        {"Sessioni", "se_Orario", t::kDate},       {"QSessioni", "se_Orario", t::kDate},
        {"Monitor", "mo_Colore1", t::kLong},       {"Monitor", "mo_FontBold", t::kBoolean},
        {"Monitor", "mo_TimerMonitor", t::kInteger},
        {"Configurazione", "cf_GaraAttiva", t::kInteger},
        {"Configurazione", "cf_GraficaUsaImmaginiNazionalita", t::kBoolean},
    };
    for (const auto& k : kTypes) {
        EXPECT_EQ(fieldType(race, k.object, k.field), k.type) << k.object << "." << k.field;
    }
}

TEST(Schema, FreeTextPagesHaveAllTheirBoxes) {
    RaceDatabase race;
    EXPECT_EQ(race.db().tableFields(QStringLiteral("TipiGraficaPaginePiene")).size(), 25u);
    EXPECT_EQ(race.db().tableFields(QStringLiteral("TipiGraficaPagineBasse")).size(), 33u);
    EXPECT_EQ(race.db().openRecordset(QStringLiteral("TipiGraficaPaginePiene")).recordCount(), 1);
    EXPECT_EQ(race.db().openRecordset(QStringLiteral("TipiGraficaPagineBasse")).recordCount(), 1);
}

TEST(Schema, OneRowTablesHoldTheirRow) {
    RaceDatabase race;
    db::Recordset cf = race.db().openRecordset(QStringLiteral("Configurazione"));
    ASSERT_EQ(cf.recordCount(), 1);
    EXPECT_EQ(cf.value(QStringLiteral("cf_VersioneDatabase")).toString(), QStringLiteral("1.25"));
    EXPECT_TRUE(cf.isNull(QStringLiteral("cf_GaraAttiva")));
    db::Recordset mo = race.db().openRecordset(QStringLiteral("Monitor"));
    ASSERT_EQ(mo.recordCount(), 1);
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(mo.fields()[static_cast<size_t>(i)].name, QStringLiteral("mo_Colore%1").arg(i + 1));
    }
}

TEST(Schema, TextComparesWithoutCase) {
    RaceDatabase race;
    race.db().execute(QStringLiteral("INSERT INTO Gare (ga_Gara) VALUES (1)"));
    race.db().execute(QStringLiteral("INSERT INTO Sessioni (se_Gara, se_TipoTurno, se_Manche) VALUES (1, 'GS', 1)"));
    EXPECT_EQ(race.db().openRecordset(QStringLiteral("SELECT * FROM Sessioni WHERE se_TipoTurno = ?"),
                                      {QStringLiteral("gs")}).recordCount(), 1);
}

TEST(Schema, RaceDataNeedsItsRace) {
    RaceDatabase race;
    try {
        race.db().execute(QStringLiteral("INSERT INTO Concorrenti (co_Gara, co_Concorrente) VALUES (9, 1)"));
        FAIL();
    } catch (const db::DbError& e) {
        EXPECT_EQ(e.number(), 787);  // foreign key
    }
}

TEST(Schema, ParallelResultsJoinRuns) {
    RaceDatabase race(assets::DatabaseContent::Demo);
    db::Recordset rs = race.db().openRecordset(QStringLiteral(
        "SELECT * FROM (Sessioni LEFT JOIN OrdinePartenza ON Sessioni.se_Gara = OrdinePartenza.op_Gara"
        "   AND Sessioni.se_TipoTurno = OrdinePartenza.op_TipoTurno"
        "   AND Sessioni.se_Manche = OrdinePartenza.op_Manche)"
        " LEFT JOIN SessioniConcorrenti ON OrdinePartenza.op_Gara = SessioniConcorrenti.sc_Gara"
        "       AND OrdinePartenza.op_TipoTurno = SessioniConcorrenti.sc_TipoTurno"
        "       AND OrdinePartenza.op_Manche = SessioniConcorrenti.sc_Manche"
        "       AND OrdinePartenza.op_Concorrente = SessioniConcorrenti.sc_Concorrente"
        " WHERE Sessioni.se_Gara = ? AND Sessioni.se_TipoTurno = ? AND Sessioni.se_Manche <= ?"),
        {2, QStringLiteral("FI"), 1});
    EXPECT_EQ(rs.recordCount(), 16);
    int withResult = 0;
    while (!rs.eof()) {
        if (!rs.isNull(QStringLiteral("sc_Concorrente"))) ++withResult;
        EXPECT_EQ(rs.value(QStringLiteral("se_TabelloneSfida")).toLongLong(), 1);
        rs.moveNext();
    }
    EXPECT_EQ(withResult, 12);  // five heats run, the sixth on course
}

TEST(Schema, LanguageTextOfARace) {
    RaceDatabase race(assets::DatabaseContent::Demo);
    db::Recordset rs = race.db().openRecordset(
        QStringLiteral("SELECT li_SiglaNonPartito FROM Lingue LEFT JOIN Gare ON Lingue.li_Lingua = "
                       "Gare.ga_Lingua WHERE ga_Gara = ?"),
        {2});
    EXPECT_EQ(rs.value(0).toString(), QStringLiteral("DNS"));
}

}  // namespace
}  // namespace razudar
