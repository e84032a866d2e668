// What a page shows and what the operator is told, through the program with the real plug-ins and
// the timekeeping simulator: a clock page whose file lost objects its builder writes goes on air
// and the status bar and the log name them once; names that arrive with control characters show
// blanks in their place on the page and on the console, and the race state keeps them as sent.
#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>

#include <gtest/gtest.h>

#include "app/controls/grafica_proxy.h"
#include "app/pages/page_codes.h"
#include "app/windows/frm_anteprima_grafica.h"
#include "data/object_text_encoder.h"
#include "model/competitor_states.h"
#include "model/krono.h"
#include "model/run_result.h"
#include "preview_rows.h"
#include "program_window_fixture.h"
#include "screenshots.h"

namespace razudar::apptest {
namespace {

// A page just put on air slides in for about a second before its frame is worth saving.
constexpr int kSlideMs = 1500;

const QString kPage = QStringLiteral("TempoACorrere");

struct PageNamesAndObjects : ProgramWindowTest {
    void SetUp() override { ASSERT_TRUE(start()); }
    void connect(std::shared_ptr<clsKrono> race) {
        const int competitors = int(race->ElencoConcorrenti().size());
        simulator.setRace(race);
        pressConnectToSimulator();
        ASSERT_TRUE(sim::TimekeepingSimulator::waitUntil(
            [&] { return state.krono().ElencoConcorrenti().size() == competitors; }));
    }
    QString text(const QString& object) {
        QVariant v;
        QMetaObject::invokeMethod(window->anteprima()->MirtGRA1().control(), "ProprietaTesto",
                                  Q_RETURN_ARG(QVariant, v), Q_ARG(QString, kPage), Q_ARG(QString, object),
                                  Q_ARG(int, 0));
        return v.toString();
    }
    int logLines(const QString& text) const { return int(state.log.lines().count(text)); }
};

// The designer renamed the clock page's name object (its sample name stays in the file under the
// new name) and removed the nation code.
TEST_F(PageNamesAndObjects, AClockPageWithoutItsNameObjectGoesOnAirAndTheOperatorIsTold) {
    QFile file(state.resources.CartellaGrafica + kPage + QStringLiteral(".smb"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QJsonObject page = QJsonDocument::fromJson(file.readAll()).object();
    file.close();
    QJsonArray objects;
    for (const QJsonValue v : page.value(QStringLiteral("objects")).toArray()) {
        QJsonObject o = v.toObject();
        const QString name = o.value(QStringLiteral("name")).toString();
        if (name == QLatin1String("txtNazionalita")) continue;
        if (name == QLatin1String("txtNominativo")) o.insert(QStringLiteral("name"), QStringLiteral("txtNomeAtleta"));
        objects.append(o);
    }
    page.insert(QStringLiteral("objects"), objects);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QJsonDocument(page).toJson());
    file.close();

    connect(encoder::demoRace({.competitors = 12, .runs = 2, .intermediates = 2}));
    fakes.clock.setNow(QDateTime(QDate(2026, 12, 9), QTime(10, 15, 0)));
    window->panel().txtSelezione()->setText(QStringLiteral("9"));
    ASSERT_EQ(state.ConcorrenteSelezionato, 1009);
    notice()->clear();
    window->panel().cmdPagina_Click(kCodiceStartZero);

    const QString told = QStringLiteral("Pagina TempoACorrere: mancano gli oggetti txtNominativo, txtNazionalita");
    EXPECT_EQ(state.PaginaInOnda.NomePagina, kPage);
    EXPECT_EQ(notice()->text().mid(9), told);  // after the time of day "hh:mm:ss "
    EXPECT_EQ(logLines(told), 1);
    EXPECT_TRUE(fakes.prompter.shown().empty()) << fakes.prompter.texts().join('\n').toStdString();
    // The rest of the page is written: the bib and the stopped clock.
    EXPECT_EQ(text(QStringLiteral("txtPettorale")), QStringLiteral("109"));
    saveFrame(QStringLiteral("missing_objects_clock_page"), kSlideMs);
    QCoreApplication::processEvents();
    screenshots::save(window->statusBar()->grab(), QStringLiteral("missing_objects_status_bar"));

    // The start arrives and a split: live builds of the same page lack the same objects and tell
    // nothing more.
    auto run2 = [&] { return state.krono().ConcorrenteItem(1009)->Risultati(2); };
    simulator.sendFields(QStringLiteral("TCORREREORARIOSTART"), {QStringLiteral("1009"), QStringLiteral("101500000")});
    ASSERT_TRUE(sim::TimekeepingSimulator::waitUntil([&] { return run2()->OrarioPartenza() == 101500000; }));
    simulator.sendFields(QStringLiteral("TCORREREORARIOINTERMEDIO"),
                         {QStringLiteral("1009"), QStringLiteral("1"), QStringLiteral("101530250")});
    ASSERT_TRUE(sim::TimekeepingSimulator::waitUntil([&] { return run2()->OrarioIntermedioItem(1) == 101530250; }));
    EXPECT_EQ(state.PaginaInOnda.NomePagina, kPage);
    EXPECT_EQ(logLines(told), 1);
    EXPECT_EQ(notice()->text().mid(9), told);
}

// Five names, each with one control character, arrive through the link: all five competitors are
// on course in run 1.
TEST_F(PageNamesAndObjects, ControlCharactersOfReceivedNamesShowAsBlanksOnThePageAndTheConsole) {
    const struct {
        const char* what;
        QString surname;
    } cases[] = {
        {"CR", QStringLiteral("Ros\rsi")},
        {"LF", QStringLiteral("Ros\nsi")},
        {"TAB", QStringLiteral("Ros\tsi")},
        {"NUL", QString::fromUtf16(u"Ros\0si", 6)},
        {"DEL", QStringLiteral("Ros\x7Fsi")},
    };
    auto race = encoder::demoRace({.competitors = 5, .runs = 1, .intermediates = 0});
    race->cGara.setSpecialita(1);  // not a team event: the preview's name column is the surname
    for (int i = 0; i < 5; ++i) {
        auto c = race->ConcorrenteItem(qint16(1001 + i));
        c->setCognome(cases[i].surname);
        c->setNome(QStringLiteral("Mario"));
        c->Risultati(1)->setStatoConcorrente(kStatoInPista);
        c->Risultati(1)->setTempo(0);
    }
    connect(race);

    PreviewRows preview;
    NoCaption caption;
    state.krono().VisualizzaPreview(preview, caption, 1, QStringLiteral("XXXXX"));
    const QStringList& rows = preview.rows;
    QStringList tips;
    for (const auto& b : window->units().console().view().buttons)
        if (b.visible) tips << b.toolTip;
    // The console: each name's row of the preview list and its button's tip.
    EXPECT_EQ(rows.filter(QStringLiteral(" ROS SI      ")).size(), 5) << rows.join('|').toStdString();
    EXPECT_EQ(tips, QStringList(5, QStringLiteral(" Ros si M. "))) << tips.join('|').toStdString();
    for (const QString& row : rows) {
        for (const QChar ch : row) EXPECT_GE(ch.unicode(), 0x20) << row.toStdString();
    }
    for (int i = 0; i < 5; ++i) {
        const auto& c = cases[i];
        SCOPED_TRACE(c.what);
        const qint16 number = qint16(1001 + i);
        // Kept as sent.
        EXPECT_EQ(state.krono().ConcorrenteItem(number)->Cognome(), c.surname);
        // The name beside the selection on the console.
        window->panel().txtSelezione()->setText(QString::number(i + 1));
        ASSERT_EQ(state.ConcorrenteSelezionato, number);
        EXPECT_EQ(window->panel().lblNominativo()->text(), QStringLiteral("Ros si Mario"));
        // The page.
        window->panel().cmdPagina_Click(kCodiceStartZero);
        ASSERT_EQ(state.PaginaInOnda.NomePagina, kPage);
        // Names in proper case, set after the control character became a blank: a new word.
        EXPECT_EQ(text(QStringLiteral("txtNominativo")), QStringLiteral("Ros Si M."));
        if (i == 0) saveFrame(QStringLiteral("names_with_control_characters_clock_page"), kSlideMs);
    }
    QCoreApplication::processEvents();
    screenshots::save(window->grab(), QStringLiteral("names_with_control_characters"));
}

}  // namespace
}  // namespace razudar::apptest
