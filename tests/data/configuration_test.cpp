// The configuration record over a real race database: what each read gives with and without a
// row, and that each write lands in its own field.
#include <gtest/gtest.h>

#include "data/configuration.h"
#include "db_fixture.h"

namespace razudar {
namespace {

using testing::RaceDatabase;

QVariant storedField(RaceDatabase& race, const QString& field) {
    return race.db().openRecordset(QStringLiteral("SELECT %1 FROM Configurazione").arg(field)).value(0);
}

TEST(Configuration, ReadsGiveNothingWithoutARow) {
    RaceDatabase race;
    race.db().execute(QStringLiteral("DELETE FROM Configurazione"));
    EXPECT_EQ(configurationActiveRace(race.db()), std::nullopt);
    EXPECT_EQ(configurationDatabaseVersion(race.db()), std::nullopt);
    EXPECT_EQ(configurationDisplayOptions(race.db()).has_value(), false);
    const FirstPaintSettings paint = configurationFirstPaint(race.db());
    EXPECT_FALSE(paint.hasRow);
    EXPECT_EQ(paint.nazionalita, -1);
    EXPECT_EQ(paint.nominativi, -1);
    EXPECT_EQ(paint.risultato, -1);
}

TEST(Configuration, ReadsTakeTheStoredValues) {
    RaceDatabase race;
    race.db().execute(QStringLiteral(
        "UPDATE Configurazione SET cf_GaraAttiva = 7, cf_GraficaNazionalita = 3, cf_GraficaNominativi = NULL, "
        "cf_GraficaRisultato = 1, cf_GraficaServer = NULL"));
    EXPECT_EQ(configurationActiveRace(race.db()), QVariant(7));
    EXPECT_EQ(configurationDatabaseVersion(race.db()), QVariant(QStringLiteral("1.25")));
    const std::optional<DisplayOptions> options = configurationDisplayOptions(race.db());
    ASSERT_TRUE(options);
    EXPECT_EQ(options->nazionalita, 3);
    EXPECT_EQ(options->nominativi, 0);  // Null reads 0
    EXPECT_EQ(options->risultato, 1);
    const FirstPaintSettings paint = configurationFirstPaint(race.db());
    EXPECT_TRUE(paint.hasRow);
    EXPECT_EQ(paint.nominativi, 0);
    EXPECT_EQ(paint.risultato, 1);
    EXPECT_EQ(paint.serverRemoto, QString());
}

TEST(Configuration, TheFirstPaintsNationalityItemFollowsTheTwoSwitches) {
    const struct {
        int omit;
        int images;
        int item;
    } cases[] = {{0, 0, 0}, {0, 1, 1}, {1, 0, 2}, {1, 1, 2}};
    RaceDatabase race;
    for (const auto& c : cases) {
        race.db().execute(QStringLiteral("UPDATE Configurazione SET cf_GraficaOmettiNazionalita = ?, "
                                         "cf_GraficaUsaImmaginiNazionalita = ?"),
                          {c.omit, c.images});
        EXPECT_EQ(configurationFirstPaint(race.db()).nazionalita, c.item) << c.omit << c.images;
    }
}

TEST(Configuration, WritesLandInTheirOwnFields) {
    RaceDatabase race;
    storeProgramVersion(race.db(), QStringLiteral("9.9"));
    storeGraphicsServer(race.db(), QStringLiteral("CRONO d'Ampezzo"));
    storeDisplayOption(race.db(), GruppoOpzioni::Nazionalita, 3);
    storeDisplayOption(race.db(), GruppoOpzioni::Nominativi, 2);
    storeDisplayOption(race.db(), GruppoOpzioni::Risultato, 1);
    EXPECT_EQ(storedField(race, QStringLiteral("cf_VersioneProgramma")).toString(), QStringLiteral("9.9"));
    EXPECT_EQ(storedField(race, QStringLiteral("cf_GraficaServer")).toString(), QStringLiteral("CRONO d'Ampezzo"));
    EXPECT_EQ(storedField(race, QStringLiteral("cf_GraficaNazionalita")).toInt(), 3);
    EXPECT_EQ(storedField(race, QStringLiteral("cf_GraficaNominativi")).toInt(), 2);
    EXPECT_EQ(storedField(race, QStringLiteral("cf_GraficaRisultato")).toInt(), 1);
    EXPECT_EQ(configurationFirstPaint(race.db()).serverRemoto, QStringLiteral("CRONO d'Ampezzo"));
    EXPECT_EQ(storedField(race, QStringLiteral("cf_VersioneDatabase")).toString(), QStringLiteral("1.25"));
}

TEST(Configuration, AMissingTableGoesToTheCaller) {
    RaceDatabase race;
    race.db().execute(QStringLiteral("DROP TABLE Configurazione"));
    EXPECT_THROW(configurationActiveRace(race.db()), db::DbError);
    EXPECT_THROW(storeGraphicsServer(race.db(), QStringLiteral("CRONO")), db::DbError);
}

}  // namespace
}  // namespace razudar
