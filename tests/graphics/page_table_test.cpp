#include <QFile>

#include <gtest/gtest.h>

#include "graphics/mirt_gra.h"
#include "gra_test_support.h"

namespace razudar::gra_test {
namespace {

void touch(const QString& folder, const QString& name) {
    QFile f(QDir(folder).filePath(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}

TEST(PageTable, ListsPageFilesOfAnyCaseInNameOrderAndSkipsOtherFiles) {
    DirectControl c;
    touch(c.folder(), QStringLiteral("Partenti.smb"));
    touch(c.folder(), QStringLiteral("classifica bassa.SMB"));
    touch(c.folder(), QStringLiteral("Arrivo.Smb"));
    touch(c.folder(), QStringLiteral("note.txt"));
    touch(c.folder(), QStringLiteral("vecchia.smb.bak"));
    QDir(c.folder()).mkdir(QStringLiteral("cartella.smb"));
    QObject* g = c.control.get();

    EXPECT_TRUE(call(g, "CaricaFileDefinizioni", {c.folder() + QStringLiteral("/")}).toBool());
    EXPECT_EQ(g->property("ContatorePagine").toInt(), 3);
    EXPECT_EQ(call(g, "NomePagina", {0}).toString(), QStringLiteral("Arrivo"));
    EXPECT_EQ(call(g, "NomePagina", {1}).toString(), QStringLiteral("classifica bassa"));
    EXPECT_EQ(call(g, "NomePagina", {2}).toString(), QStringLiteral("Partenti"));
    EXPECT_TRUE(c.events->messages.isEmpty());
}

TEST(PageTable, FindsNamesTrimmedAndWithoutCase) {
    DirectControl c;
    touch(c.folder(), QStringLiteral("Classifica Bassa.smb"));
    touch(c.folder(), QStringLiteral("Partenti.smb"));
    QObject* g = c.control.get();
    ASSERT_TRUE(call(g, "CaricaFileDefinizioni", {c.folder()}).toBool());

    EXPECT_EQ(call(g, "CercaPagina", {"X", "  cLASSIFICA bassa  "}).toInt(), 0);
    EXPECT_EQ(call(g, "CercaPagina", {"X", "PARTENTI"}).toInt(), 1);
    EXPECT_TRUE(c.events->messages.isEmpty());
    EXPECT_EQ(call(g, "CercaPagina", {"Prova", "Classifica"}).toInt(), -1);
    EXPECT_EQ(c.events->messages, QStringList{"Prova: Pagina='Classifica' non trovata su elenco pagine"});
}

TEST(PageTable, FolderWithoutPagesGivesFalseAndNoCount) {
    DirectControl c;
    touch(c.folder(), QStringLiteral("Partenti.smb"));
    QObject* g = c.control.get();
    ASSERT_TRUE(call(g, "CaricaFileDefinizioni", {c.folder()}).toBool());
    QTemporaryDir empty;
    touch(empty.path(), QStringLiteral("leggimi.txt"));
    EXPECT_FALSE(call(g, "CaricaFileDefinizioni", {empty.path()}).toBool());
    EXPECT_EQ(g->property("ContatorePagine").toInt(), 0);
    EXPECT_EQ(call(g, "CercaPagina", {"X", "Partenti"}).toInt(), -1);
    EXPECT_FALSE(call(g, "CaricaFileDefinizioni", {empty.path() + QStringLiteral("/assente")}).toBool());
}

TEST(PageTable, MoreThan101FilesListsTheFirst101AndReportsTheRest) {
    DirectControl c;
    for (int i = 104; i >= 0; --i) touch(c.folder(), QStringLiteral("P%1.smb").arg(i, 3, 10, QChar(u'0')));
    QObject* g = c.control.get();
    EXPECT_TRUE(call(g, "CaricaFileDefinizioni", {c.folder()}).toBool());
    EXPECT_EQ(g->property("ContatorePagine").toInt(), 101);
    EXPECT_EQ(call(g, "NomePagina", {0}).toString(), QStringLiteral("P000"));
    EXPECT_EQ(call(g, "NomePagina", {100}).toString(), QStringLiteral("P100"));
    EXPECT_EQ(c.events->messages,
              QStringList{"CaricaFileDefinizioni: più di 101 pagine, non elencate: P101.smb, P102.smb, P103.smb, "
                          "P104.smb"});
}

TEST(PageTable, IndexOutsideTheTableIsReportedNotRaised) {
    DirectControl c;
    touch(c.folder(), QStringLiteral("Partenti.smb"));
    QObject* g = c.control.get();
    ASSERT_TRUE(call(g, "CaricaFileDefinizioni", {c.folder()}).toBool());
    EXPECT_EQ(call(g, "NomePagina", {101}).toString(), QString());
    EXPECT_EQ(call(g, "NomePagina", {-1}).toString(), QString());
    EXPECT_EQ(c.events->messages, (QStringList{"NomePagina: Indice=101 fuori dall'elenco pagine",
                                               "NomePagina: Indice=-1 fuori dall'elenco pagine"}));
}

}  // namespace
}  // namespace razudar::gra_test
