// A page file without some of the objects its builder writes, through the real graphics control:
// the page still goes on air, and the operator is told once per build, on the status bar and in
// the log, which objects it lacks. And received texts with control characters on a page.
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "app/pages/page_codes.h"
#include "app/pages/page_formats.h"
#include "app/pages/page_writer.h"
#include "pages_fixture.h"

namespace razudar::pagestest {
namespace {

const QString kTC = QStringLiteral("TempoACorrere");

struct MissingObjectsTest : Pages {
    // Writes the page file of `page` again without the objects `names`.
    void removeObjects(const QString& page, const QStringList& names) {
        QFile file(state.resources.CartellaGrafica + page + QStringLiteral(".smb"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QJsonObject definition = QJsonDocument::fromJson(file.readAll()).object();
        file.close();
        QJsonArray kept;
        for (const QJsonValue o : definition.value(QStringLiteral("objects")).toArray())
            if (!names.contains(o.toObject().value(QStringLiteral("name")).toString())) kept.append(o);
        ASSERT_EQ(kept.size(), definition.value(QStringLiteral("objects")).toArray().size() - names.size());
        definition.insert(QStringLiteral("objects"), kept);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QJsonDocument(definition).toJson());
    }
    // The notices on the status bar since `from`.
    QStringList notices(qsizetype from = 0) const {
        QStringList out;
        for (qsizetype i = from; i < host.status.size(); ++i)
            if (host.status[i].startsWith(QStringLiteral("Avvisi="))) out << host.status[i].mid(7);
        return out;
    }
    int logLines(const QString& text) const { return int(state.log.lines().count(text)); }
};

TEST_F(MissingObjectsTest, APageWithoutObjectsGoesOnAirAndTellsOnceWhichItLacks) {
    state.ConcorrenteSelezionato = 101;
    const struct {
        qint16 code;
        const char* page;
        QStringList removed;
        const char* told;  // "" nothing
    } cases[] = {
        // Whole pages tell nothing.
        {kCodiceStartZero, "TempoACorrere", {}, ""},
        {kCodiceScheda, "ConcorrenteScheda", {}, ""},
        {kCodicePodio, "Podio", {}, ""},
        {kCodiceClassificaGrande, "Classifica", {}, ""},
        // Named in the order the build wrote them, each once, whatever the order in the file.
        {kCodiceStartZero, "TempoACorrere", {"txtNazionalita", "txtNominativo"},
         "Pagina TempoACorrere: mancano gli oggetti txtNominativo, txtNazionalita"},
        {kCodiceScheda, "ConcorrenteScheda", {"txtSocieta", "txtNominativo"},
         "Pagina ConcorrenteScheda: mancano gli oggetti txtNominativo, txtSocieta"},
        {kCodicePodio, "Podio", {"txtNome2"}, "Pagina Podio: manca l'oggetto txtNome2"},
        // A list's rows move as a whole: the objects of a move the control refused are looked at.
        {kCodiceClassificaGrande, "Classifica", {"txtRisultato3", "imgPosizione2"},
         "Pagina Classifica: mancano gli oggetti imgPosizione2, txtRisultato3"},
    };
    for (const auto& c : cases) {
        const QString page = QLatin1String(c.page);
        const QString told = QLatin1String(c.told);
        SCOPED_TRACE(c.told);
        pages->MandaInOnda(kCodicePulizia);
        if (!c.removed.isEmpty()) removeObjects(page, c.removed);
        const qsizetype from = host.status.size();
        pages->MandaInOnda(c.code);
        EXPECT_EQ(onAir(), page);
        EXPECT_EQ(notices(from), told.isEmpty() ? QStringList() : QStringList{told});
        EXPECT_EQ(logLines(told), told.isEmpty() ? 0 : 1);
    }
    EXPECT_TRUE(fakes.prompter.texts().isEmpty()) << fakes.prompter.texts().join('\n').toStdString();
}

// The clock page kept on air by live messages: a build that lacks only what was told says nothing
// more; one that finds another missing object tells again, naming all this build lacks; the page
// loaded anew tells again.
TEST_F(MissingObjectsTest, LiveBuildsOfThePageOnAirTellOnlyWhatIsNew) {
    removeObjects(kTC, {"txtNominativo", "imgMiniNazionalita"});
    const QString first = QStringLiteral("Pagina TempoACorrere: manca l'oggetto txtNominativo");
    const QString both = QStringLiteral("Pagina TempoACorrere: mancano gli oggetti txtNominativo, imgMiniNazionalita");
    state.ConcorrenteSelezionato = 101;
    pages->MandaInOnda(kCodiceStartZero);
    ASSERT_EQ(onAir(), kTC);
    EXPECT_EQ(notices(), QStringList{first});

    // Splits, a finish and the run time write the competitor again: nothing new.
    state.SplitMostrato = QStringLiteral("1");
    pages->MandaInOnda(kCodiceIntermedio1);
    state.SplitMostrato = QStringLiteral("F");
    pages->MandaInOnda(kCodiceFinale);
    pages->MandaInOnda(kCodiceTempo);
    pages->MandaInOnda(kCodiceTempoManche);
    EXPECT_EQ(notices(), QStringList{first});

    // Bib 9 starts with the flags shown: the small flag is missing too.
    state.OpzioneNazionalita = 1;
    state.ConcorrenteSelezionato = 109;
    pages->MandaInOnda(kCodiceStart);
    EXPECT_EQ(onAir(), kTC);
    EXPECT_EQ(notices(), (QStringList{first, both}));
    pages->MandaInOnda(kCodiceStart);
    pages->MandaInOnda(kCodiceNominativoTC);
    EXPECT_EQ(notices(), (QStringList{first, both}));

    // Loaded anew, the page tells again.
    pages->MandaInOnda(kCodicePulizia);
    pages->MandaInOnda(kCodiceStartZero);
    EXPECT_EQ(notices(), (QStringList{first, both, both}));
    EXPECT_EQ(logLines(first), 1);
    EXPECT_EQ(logLines(both), 2);
}

// The parallel board's page is drawn for eight rows and two heat-runs: a turn with six heats in
// its third heat-run fills rows and cells the page does not have, and that is no fault of it.
TEST_F(MissingObjectsTest, TheParallelBoardBeyondItsRowsAndRunsLacksNothing) {
    clsKrono& k = state.krono();
    k.cGara.setParallelo(true);
    k.setTurnoCorrente(QStringLiteral("F8"));
    k.setSfidaCorrente(3);
    k.setStatoSessione(2);  // every cell filled
    for (qint16 h = 1; h <= 6; ++h) {
        k.ElencoCoppieSfideAdd(h, qint16(99 + 2 * h));
        k.ElencoCoppieSfideAdd(h, qint16(100 + 2 * h));
    }
    const QString board = QStringLiteral("TabelloneParallelo");
    pages->MandaInOnda(kCodiceOrdinePartenza);
    EXPECT_EQ(onAir(), board);
    EXPECT_EQ(text(board, QStringLiteral("txtNominativo8")), QStringLiteral("GIRARD A."));
    EXPECT_EQ(notices(), QStringList());

    removeObjects(board, {"txtNominativo3"});
    pages->MandaInOnda(kCodiceOrdinePartenza);
    EXPECT_EQ(onAir(), board);
    EXPECT_EQ(notices(), QStringList{QStringLiteral("Pagina TabelloneParallelo: manca l'oggetto txtNominativo3")});
}

// Only a missing object of the page on air is the page's fault.
TEST_F(MissingObjectsTest, OtherRefusalsAreNotToldAsMissingObjects) {
    ASSERT_TRUE(pages->onAir().CaricaPaginaInOnda(QStringLiteral("Classifica"), 0, false));
    // The clock page is not loaded: its writes are refused, whatever its file holds.
    ScriviTesto(*ctx, kTC, QStringLiteral("txtNominativo"), QStringLiteral("ROSSI M."));
    ASSERT_TRUE(pages->onAir().CaricaPaginaInOnda(kTC, 0, false));
    // A value the control cannot use on an object the page has.
    FermaOrologio(*ctx, kTC, QStringLiteral("txtTempoACorrere"), QStringLiteral("1:2x"));
    // An object the page lacks, written outside a build: told at once.
    ScriviTesto(*ctx, kTC, QStringLiteral("txtAssente"), QStringLiteral("x"));
    EXPECT_FALSE(messages.isEmpty());
    EXPECT_EQ(notices(), QStringList{QStringLiteral("Pagina TempoACorrere: manca l'oggetto txtAssente")});
}

// A received name with control characters shows them as blanks on the page; the race state keeps
// the name as it came.
TEST_F(MissingObjectsTest, ControlCharactersOfANameShowAsBlanks) {
    const struct {
        const char* what;
        QString surname;
    } cases[] = {
        {"CR", QStringLiteral("De\rZordo")},          {"LF", QStringLiteral("De\nZordo")},
        {"CR LF", QStringLiteral("De\r\nZordo")},     {"TAB", QStringLiteral("De\tZordo")},
        {"NUL", QString::fromUtf16(u"De\0Zordo", 8)}, {"DEL", QStringLiteral("De\x7FZordo")},
        {"NEL", QStringLiteral("De\u0085Zordo")},     {"none", QStringLiteral("De Zordo")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const qsizetype blanks = c.surname.size() - 7;
        const QString shown = QStringLiteral("DE") + QString(blanks, u' ') + QStringLiteral("ZORDO");
        state.krono().ConcorrenteItem(103)->setCognome(c.surname);
        state.ConcorrenteSelezionato = 103;
        pages->MandaInOnda(kCodiceStartZero);
        EXPECT_EQ(text(kTC, QStringLiteral("txtNominativo")), shown + QStringLiteral(" L."));
        pages->MandaInOnda(kCodicePodio);  // third in the race
        EXPECT_EQ(text(QStringLiteral("Podio"), QStringLiteral("txtCognome3")), shown);
        EXPECT_EQ(state.krono().ConcorrenteItem(103)->Cognome(), c.surname);
    }
}

}  // namespace
}  // namespace razudar::pagestest
