#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "data/active_session.h"
#include "platform/fakes/fake_services.h"
#include "platform/services/reporting_settings_store.h"
#include "platform/services/system_services.h"

namespace razudar {
namespace {

QString stored(const SettingsStore& s, const char* key) {
    return s.value(QStringLiteral("Razudar (Zez)"), QStringLiteral("Suggeritore"), QString::fromLatin1(key),
                   QStringLiteral("<none>"));
}

SessionKey session(qint16 race, const QString& turnType, qint16 run) {
    SessionKey k;
    k.SessioneGara = race;
    k.SessioneTipoTurno = turnType;
    k.SessioneManche = run;
    return k;
}

void expectSession(const SessionKey& k, qint16 race, const QString& turnType, qint16 run) {
    EXPECT_EQ(k.SessioneGara, race);
    EXPECT_EQ(k.SessioneTipoTurno, turnType);
    EXPECT_EQ(k.SessioneManche, run);
}

TEST(ActiveSession, ChoiceThatCannotBeStoredHoldsForTheRunAndIsToldOnce) {
    QTemporaryDir dir;
    IniSettingsStore file(dir.path());
    // A settings file replaced by a folder of the same name: nothing can be written.
    ASSERT_TRUE(QDir().mkpath(file.fileFor(QStringLiteral("Razudar (Zez)"))));
    QStringList told;
    ReportingSettingsStore store(file, [&](const QString& text) { told << text; });
    SessionKey k = session(5, QStringLiteral("GS"), 2);
    ImpostaSessioneAttiva(k, store, 7, QStringLiteral("SL"), 1, true);
    expectSession(k, 7, QStringLiteral("SL"), 1);
    ImpostaSessioneAttiva(k, store, 7, QStringLiteral("SL"), 2, false);
    expectSession(k, 7, QStringLiteral("SL"), 2);
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].startsWith(QStringLiteral("Impossibile salvare le impostazioni: il file '")));
    EXPECT_TRUE(told[0].endsWith(QStringLiteral("non saranno riprese al prossimo avvio.")));
    // The next start finds no session.
    SessionKey next = session(1, QStringLiteral("GA"), 1);
    CaricaSessioneAttiva(next, IniSettingsStore(dir.path()));
    expectSession(next, -1, QString(), -1);
}

TEST(ActiveSession, NothingStoredGivesNoSession) {
    MemorySettingsStore store;
    SessionKey k = session(4, QStringLiteral("GA"), 2);
    CaricaSessioneAttiva(k, store);
    expectSession(k, -1, QString(), -1);
}

TEST(ActiveSession, RoundTripThroughTheIniStore) {
    QTemporaryDir dir;
    IniSettingsStore store(dir.path());
    SessionKey k;
    ImpostaSessioneAttiva(k, store, 5, QStringLiteral("gs"), 2, true);
    IniSettingsStore reopened(dir.path());
    SessionKey loaded;
    CaricaSessioneAttiva(loaded, reopened);
    expectSession(loaded, 5, QStringLiteral("GS"), 2);  // the turn type reads back upper-cased
    EXPECT_EQ(stored(reopened, "TipoTurnoAttivo"), QStringLiteral("gs"));
}

TEST(ActiveSession, SameRaceWithNoTurnTypeKeepsTheSessionButStoresTheArguments) {
    MemorySettingsStore store;
    SessionKey k = session(5, QStringLiteral("GS"), 2);
    ImpostaSessioneAttiva(k, store, 5, QString(), -1, false);
    expectSession(k, 5, QStringLiteral("GS"), 2);
    EXPECT_EQ(stored(store, "GaraAttiva"), QStringLiteral("5"));
    EXPECT_EQ(stored(store, "TipoTurnoAttivo"), QString());
    EXPECT_EQ(stored(store, "MancheAttiva"), QStringLiteral("-1"));
}

TEST(ActiveSession, AnotherRaceWithoutForceChangesNothing) {
    MemorySettingsStore store;
    SessionKey k = session(5, QStringLiteral("GS"), 2);
    ImpostaSessioneAttiva(k, store, 7, QString(), -1, false);
    expectSession(k, 5, QStringLiteral("GS"), 2);
    EXPECT_EQ(store.size(), 0);
}

TEST(ActiveSession, AnotherRaceWithForceStartsAfresh) {
    MemorySettingsStore store;
    SessionKey k = session(5, QStringLiteral("GS"), 2);
    ImpostaSessioneAttiva(k, store, 7, QString(), -1, true);
    expectSession(k, 7, QString(), -1);
    EXPECT_EQ(stored(store, "GaraAttiva"), QStringLiteral("7"));
}

TEST(ActiveSession, SameRaceOtherTurnTypeTakesTheRun) {
    MemorySettingsStore store;
    SessionKey k = session(5, QStringLiteral("GS"), 2);
    ImpostaSessioneAttiva(k, store, 5, QStringLiteral("PR"), -1, false);
    expectSession(k, 5, QStringLiteral("PR"), -1);
    ImpostaSessioneAttiva(k, store, 5, QStringLiteral("PR"), 3, false);
    expectSession(k, 5, QStringLiteral("PR"), 3);
}

TEST(ActiveSession, StoredValuesThatAreNotNumbersReadAsNone) {
    MemorySettingsStore store;
    const QString app = QStringLiteral("Razudar (Zez)");
    const QString section = QStringLiteral("Suggeritore");
    for (const char* bad : {"abc", "5x", "99999", "-40000", ""}) {
        store.save(app, section, QStringLiteral("GaraAttiva"), QString::fromLatin1(bad));
        store.save(app, section, QStringLiteral("MancheAttiva"), QString::fromLatin1(bad));
        SessionKey k = session(1, QString(), 1);
        CaricaSessioneAttiva(k, store);
        EXPECT_EQ(k.SessioneGara, -1) << bad;
        EXPECT_EQ(k.SessioneManche, -1) << bad;
    }
    store.save(app, section, QStringLiteral("GaraAttiva"), QStringLiteral(" 12 "));
    SessionKey k;
    CaricaSessioneAttiva(k, store);
    EXPECT_EQ(k.SessioneGara, 12);
}

TEST(ActiveSession, StoredNumberReadsAsItsIntegerValue) {
    MemorySettingsStore store;
    const QString app = QStringLiteral("Razudar (Zez)");
    const QString section = QStringLiteral("Suggeritore");
    store.save(app, section, QStringLiteral("GaraAttiva"), QStringLiteral("2.5"));
    store.save(app, section, QStringLiteral("MancheAttiva"), QStringLiteral("1.9"));
    SessionKey k;
    CaricaSessioneAttiva(k, store);
    EXPECT_EQ(k.SessioneGara, 2);
    EXPECT_EQ(k.SessioneManche, 1);
}

}  // namespace
}  // namespace razudar
