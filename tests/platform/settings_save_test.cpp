// Settings files that cannot keep a value (a folder in the file's place) or hold garbage (the
// file is written anew), and the one notice to the operator for a whole run.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/services/reporting_settings_store.h"
#include "platform/services/system_services.h"

using namespace razudar;

namespace {

const QString kApp = QStringLiteral("Razudar (Zez)");
const QString kSection = QStringLiteral("Suggeritore");

void makeFolderInItsPlace(const QString& file) { ASSERT_TRUE(QDir().mkpath(file)); }
void writeGarbage(const QString& file) {
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    QByteArray garbage("[Suggeritore\n");
    for (int i = 0; i < 512; ++i) garbage.append(char((i * 37 + 11) % 256));
    f.write(garbage);
}

QString nextStart(const QString& folder, const QString& key) {
    return IniSettingsStore(folder).value(kApp, kSection, key, QStringLiteral("<nessuno>"));
}

}  // namespace

TEST(SettingsSave, GoodFileKeepsTheValueWithNothingToSay) {
    QTemporaryDir dir;
    IniSettingsStore store(dir.path());
    QString notice = QStringLiteral("untouched");
    EXPECT_TRUE(store.save(kApp, kSection, QStringLiteral("GaraAttiva"), QStringLiteral("7"), &notice));
    EXPECT_EQ(notice, QStringLiteral("untouched"));
    EXPECT_EQ(nextStart(dir.path(), QStringLiteral("GaraAttiva")), QStringLiteral("7"));
}

TEST(SettingsSave, FileThatCannotBeWrittenFailsWithTheFileAndTheReason) {
    QTemporaryDir dir;
    IniSettingsStore store(dir.path());
    const QString file = store.fileFor(kApp);
    makeFolderInItsPlace(file);
    QString notice;
    EXPECT_FALSE(store.save(kApp, kSection, QStringLiteral("GaraAttiva"), QStringLiteral("7"), &notice));
    EXPECT_EQ(notice, QStringLiteral("il file '") + file + QStringLiteral("' non si può scrivere"));
    EXPECT_EQ(nextStart(dir.path(), QStringLiteral("GaraAttiva")), QStringLiteral("<nessuno>"));
}

TEST(SettingsSave, GarbageFileIsWrittenAnewAndSaysSoOnce) {
    for (const bool readFirst : {false, true}) {
        SCOPED_TRACE(readFirst ? "read at start-up first" : "saved first");
        QTemporaryDir dir;
        IniSettingsStore store(dir.path());
        const QString file = store.fileFor(kApp);
        writeGarbage(file);
        // The start-up reads the stored session before anything is saved.
        if (readFirst) {
            EXPECT_EQ(store.value(kApp, kSection, QStringLiteral("GaraAttiva"), QStringLiteral("-1")), "-1");
        }
        QString notice;
        EXPECT_TRUE(store.save(kApp, kSection, QStringLiteral("GaraAttiva"), QStringLiteral("7"), &notice));
        EXPECT_EQ(notice, QStringLiteral("il file '") + file +
                              QStringLiteral("' non era un file di impostazioni valido ed è stato riscritto: i valori "
                                             "che non si potevano leggere sono persi"));
        notice.clear();
        EXPECT_TRUE(store.save(kApp, kSection, QStringLiteral("MancheAttiva"), QStringLiteral("2"), &notice));
        EXPECT_EQ(notice, QString());
        EXPECT_EQ(nextStart(dir.path(), QStringLiteral("GaraAttiva")), QStringLiteral("7"));
        EXPECT_EQ(nextStart(dir.path(), QStringLiteral("MancheAttiva")), QStringLiteral("2"));
    }
}

TEST(SettingsSave, OperatorIsToldOnceForTheWholeRun) {
    const struct {
        const char* what;
        void (*spoil)(const QString&);
        bool kept;
    } cases[] = {{"a folder where the file should be", makeFolderInItsPlace, false}, {"garbage", writeGarbage, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        IniSettingsStore file(dir.path());
        c.spoil(file.fileFor(kApp));
        QStringList told;
        ReportingSettingsStore store(file, [&](const QString& text) { told << text; });
        EXPECT_EQ(store.save(kApp, kSection, QStringLiteral("GaraAttiva"), QStringLiteral("7")), c.kept);
        EXPECT_EQ(store.save(kApp, kSection, QStringLiteral("MancheAttiva"), QStringLiteral("2")), c.kept);
        EXPECT_EQ(store.save(kApp, QStringLiteral("Anteprima"), QStringLiteral("Top"), QStringLiteral("0")), c.kept);
        // What was chosen holds for the run, kept or not.
        EXPECT_EQ(store.value(kApp, kSection, QStringLiteral("GaraAttiva")), QStringLiteral("7"));
        EXPECT_EQ(store.value(kApp, QStringLiteral("Anteprima"), QStringLiteral("Top")), QStringLiteral("0"));
        // The next start finds it only when it was kept.
        EXPECT_EQ(nextStart(dir.path(), QStringLiteral("MancheAttiva")), c.kept ? QStringLiteral("2") : QStringLiteral("<nessuno>"));
        ASSERT_EQ(told.size(), 1);
        const QString path = file.fileFor(kApp);
        EXPECT_EQ(told[0], c.kept ? QStringLiteral("Impostazioni: il file '") + path +
                                        QStringLiteral("' non era un file di impostazioni valido ed è stato riscritto: i "
                                                       "valori che non si potevano leggere sono persi.\rLe scelte fatte "
                                                       "da ora sono salvate.")
                                  : QStringLiteral("Impossibile salvare le impostazioni: il file '") + path +
                                        QStringLiteral("' non si può scrivere.\rLe scelte fatte valgono fino alla "
                                                       "chiusura del programma e non saranno riprese al prossimo "
                                                       "avvio."));
    }
}

TEST(SettingsSave, ReportingStorePassesGoodSavesAndReadsThrough) {
    QTemporaryDir dir;
    IniSettingsStore file(dir.path());
    int told = 0;
    ReportingSettingsStore store(file, [&](const QString&) { ++told; });
    EXPECT_TRUE(store.save(kApp, kSection, QStringLiteral("TipoTurnoAttivo"), QStringLiteral("GS")));
    EXPECT_EQ(store.value(kApp, kSection, QStringLiteral("TipoTurnoAttivo")), QStringLiteral("GS"));
    EXPECT_EQ(told, 0);
}
