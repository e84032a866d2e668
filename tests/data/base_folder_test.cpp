#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "data/base_folder.h"
#include "data/program_end.h"
#include "platform/fakes/fake_services.h"

namespace razudar {
namespace {

// The current folder as a value: tests never change the process's own.
class MemoryCurrentFolder : public CurrentFolder {
public:
    explicit MemoryCurrentFolder(QString path) : path_(std::move(path)) {}
    QString path() const override { return path_; }
    bool change(const QString& path) override {
        if (!QDir(path).exists()) return false;
        path_ = QDir(path).absolutePath();
        return true;
    }

private:
    QString path_;
};

class BaseFolderTest : public ::testing::Test {
protected:
    QString make(const QString& relative) {
        const QString path = QDir(root.path()).filePath(relative);
        QDir().mkpath(path);
        return QDir(path).absolutePath();
    }
    void touch(const QString& relative) {
        QFile f(QDir(root.path()).filePath(relative));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    FolderContext context() { return FolderContext{settings, folder, prompter}; }
    QString rootPath() const { return QDir(root.path()).absolutePath(); }

    QTemporaryDir root;
    ConnectionSettings settings;
    MemoryCurrentFolder folder{QString()};
    ScriptedPrompter prompter;
};

TEST_F(BaseFolderTest, ServerFromTheSourceTreeUsesAvvio) {
    settings.NomeCartellaApplicazione = QStringLiteral("Razudar");
    folder = MemoryCurrentFolder(make(QStringLiteral("Lavori/Sorgenti/Razudar")));
    const QString avvio = make(QStringLiteral("Lavori/Avvio"));
    EXPECT_EQ(CartellaBase(0, context()), avvio + u'/');
    EXPECT_EQ(folder.path(), avvio);
    EXPECT_TRUE(prompter.shown().empty());
}

TEST_F(BaseFolderTest, SourceTreeRuleIgnoresCaseAndAcceptsZez) {
    settings.NomeCartellaApplicazione = QStringLiteral("Razudar");
    folder = MemoryCurrentFolder(make(QStringLiteral("lavori/sorgenti/zez")));
    const QString avvio = make(QStringLiteral("lavori/Avvio"));
    EXPECT_EQ(PercorsoDatabase(0, context()), avvio + QStringLiteral("/Zez.mdb"));
}

TEST_F(BaseFolderTest, ServerElsewhereUsesTheCurrentFolderEvenWithoutADatabase) {
    settings.NomeCartellaApplicazione = QStringLiteral("Razudar");
    const QString gare = make(QStringLiteral("Gare"));
    folder = MemoryCurrentFolder(gare);
    EXPECT_EQ(CartellaBase(0, context()), gare + u'/');
    EXPECT_EQ(PercorsoDatabase(0, context()), gare + QStringLiteral("/Zez.mdb"));
    EXPECT_EQ(folder.path(), gare);
}

TEST_F(BaseFolderTest, SourceTreeWithoutAvvioGivesNoFolder) {
    settings.NomeCartellaApplicazione = QStringLiteral("Razudar");
    const QString sources = make(QStringLiteral("Lavori/Sorgenti/Razudar"));
    folder = MemoryCurrentFolder(sources);
    EXPECT_EQ(CartellaBase(0, context()), QString());
    EXPECT_EQ(folder.path(), sources);
}

TEST_F(BaseFolderTest, ClientFindsTheDatabaseInTheShare) {
    settings.shareMountFolder = rootPath() + QStringLiteral("/mnt");
    settings.NomeComputerServer = QStringLiteral("PC1");
    make(QStringLiteral("mnt/PC1/Zez"));
    touch(QStringLiteral("mnt/PC1/Zez/Zez.mdb"));
    const QString share = rootPath() + QStringLiteral("/mnt/PC1/Zez/");
    EXPECT_EQ(CartellaBase(1, context()), share);
    EXPECT_EQ(PercorsoDatabase(1, context()), share + QStringLiteral("Zez.mdb"));
    EXPECT_TRUE(prompter.shown().empty());
}

TEST_F(BaseFolderTest, ClientFallsBackToAvvioAndIgnoresCase) {
    settings.shareMountFolder = rootPath() + QStringLiteral("/mnt/");
    settings.NomeComputerServer = QStringLiteral("PC1");
    make(QStringLiteral("mnt/pc1/zez/avvio"));
    touch(QStringLiteral("mnt/pc1/zez/leggimi.txt"));
    touch(QStringLiteral("mnt/pc1/zez/avvio/ZEZ.MDB"));
    EXPECT_EQ(PercorsoDatabase(1, context()), rootPath() + QStringLiteral("/mnt/pc1/zez/avvio/ZEZ.MDB"));
    EXPECT_TRUE(prompter.shown().empty());
}

TEST_F(BaseFolderTest, ClientWithoutTheShareIsToldTwiceThenNoDatabase) {
    settings.shareMountFolder = rootPath() + QStringLiteral("/mnt");
    settings.NomeComputerServer = QStringLiteral("PC1");
    EXPECT_EQ(PercorsoDatabase(1, context()), QString());
    EXPECT_EQ(prompter.texts(), (QStringList{QStringLiteral("Cartella Condivisa del Server Non Trovata"),
                                             QStringLiteral("Cartella Condivisa del Server Non Trovata"),
                                             QStringLiteral("Database Non Trovato")}));
    for (const ShownPrompt& p : prompter.shown()) {
        EXPECT_EQ(p.icon, PromptIcon::Critical);
        EXPECT_EQ(p.buttons, PromptButtons::Ok);
    }
}

TEST_F(BaseFolderTest, AServerNameThatIsNoComputerNameIsRefused) {
    // Real folders sit where each refused name would lead.
    settings.shareMountFolder = rootPath() + QStringLiteral("/mnt/share");
    for (const char* reached : {"mnt/share/Zez", "mnt/secret/Zez", "mnt/share/a/b/Zez"}) {
        make(QString::fromUtf8(reached));
        touch(QString::fromUtf8(reached) + QStringLiteral("/Zez.mdb"));
    }
    for (const char* name : {"", "  ", "../secret", "..", "a/b", "a\\b", "PC1.."}) {
        SCOPED_TRACE(name);
        settings.NomeComputerServer = QString::fromUtf8(name);
        prompter.clear();
        EXPECT_EQ(CartellaBase(1, context()), QString());
        EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral("Cartella Condivisa del Server Non Trovata")});
    }
}

TEST_F(BaseFolderTest, ClientWithAnEmptyShareFindsNoFolder) {
    settings.shareMountFolder = rootPath();
    settings.NomeComputerServer = QStringLiteral("PC1");
    make(QStringLiteral("PC1/Zez/Avvio"));  // a subfolder alone is no file
    EXPECT_EQ(CartellaBase(1, context()), QString());
    EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral("Cartella Condivisa del Server Non Trovata")});
}

TEST_F(BaseFolderTest, ClientWithoutDatabaseFileSaysSo) {
    settings.shareMountFolder = rootPath();
    settings.NomeComputerServer = QStringLiteral("PC1");
    make(QStringLiteral("PC1/Zez"));
    touch(QStringLiteral("PC1/Zez/altro.txt"));
    EXPECT_EQ(PercorsoDatabase(1, context()), QString());
    EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral("Database Non Trovato")});
}

TEST_F(BaseFolderTest, UnreadableShareEndsTheProgramWithTheReason) {
    settings.shareMountFolder = rootPath();
    settings.NomeComputerServer = QStringLiteral("PC1");
    make(QStringLiteral("PC1"));
    // A share that loops back on itself cannot be listed (the system reports why).
    ASSERT_TRUE(QFile::link(rootPath() + QStringLiteral("/PC1/Zez"), rootPath() + QStringLiteral("/PC1/Zez")));
    EXPECT_THROW(PercorsoDatabase(1, context()), ProgramEndRequested);
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(prompter.texts().front(),
              QString::fromLocal8Bit(std::strerror(ELOOP)) +
                  QStringLiteral("\rDatabase Remoto Non Trovato\rApplicazione Terminata!"));
    EXPECT_EQ(prompter.shown().front().icon, PromptIcon::Critical);
}

TEST_F(BaseFolderTest, OtherModesGiveNothing) {
    EXPECT_EQ(CartellaBase(2, context()), QString());
    EXPECT_EQ(PercorsoDatabase(2, context()), QString());
    EXPECT_EQ(PercorsoDatabase(-1, context()), QString());
    EXPECT_TRUE(prompter.shown().empty());
}

TEST(ShareMountFolder, DefaultsToMntAndReadsTheStore) {
    MemorySettingsStore store;
    EXPECT_EQ(loadShareMountFolder(store), QStringLiteral("/mnt"));
    store.save(QStringLiteral("Zez"), QStringLiteral("Razudar"), QStringLiteral("CartellaCondivisioni"),
               QStringLiteral("/media/condivise"));
    EXPECT_EQ(loadShareMountFolder(store), QStringLiteral("/media/condivise"));
}

}  // namespace
}  // namespace razudar
