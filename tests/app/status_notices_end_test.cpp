// The status bar's notices end with their faults, through the program with the real plug-ins and
// the timekeeping simulator: a refused race state is told until a race state is applied, a page
// lacking objects until another page goes on air; what leaves the fault as it was leaves its
// notice up.
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>

#include <gtest/gtest.h>

#include "app/pages/page_codes.h"
#include "data/object_text_encoder.h"
#include "model/krono.h"
#include "model/run_result.h"
#include "pages/page_files.h"
#include "program_window_fixture.h"
#include "screenshots.h"

namespace razudar::apptest {
namespace {

constexpr int kSlideMs = 1500;

struct StatusNoticesEnd : ProgramWindowTest {
    void SetUp() override {
        ASSERT_TRUE(start());
        simulator.setRace(encoder::demoRace({.competitors = 12, .runs = 2, .intermediates = 2}));
        pressConnectToSimulator();
        ASSERT_TRUE(sim::TimekeepingSimulator::waitUntil([&] { return state.krono().ElencoConcorrenti().size() == 12; }));
    }
    QByteArray read(const QString& page) const { return pagefiles::read(state.resources.CartellaGrafica, page); }
    void write(const QString& page, const QByteArray& bytes) {
        pagefiles::write(state.resources.CartellaGrafica, page, bytes);
    }
    // The notice after its time of day "hh:mm:ss ".
    QString told() const { return notice()->text().mid(9); }
    void saveStatusBar(const QString& name) {
        QCoreApplication::processEvents();
        screenshots::save(window->statusBar()->grab(), name);
    }
    // A start of bib 9 in run 2, applied.
    void startArrives() {
        simulator.sendFields(QStringLiteral("TCORREREORARIOSTART"), {QStringLiteral("1009"), QStringLiteral("101500000")});
        ASSERT_TRUE(sim::TimekeepingSimulator::waitUntil(
            [&] { return state.krono().ConcorrenteItem(1009)->Risultati(2)->OrarioPartenza() == 101500000; }));
    }
};

TEST_F(StatusNoticesEnd, ARefusedRaceStateIsToldUntilARaceStateIsApplied) {
    const QString refused = QStringLiteral(
        "Stato della gara ricevuto illeggibile, resta quello precedente: la manche corrente è 51, oltre il massimo di 50");
    // Value 2 of section 0: the current run.
    simulator.sendMessage(QStringLiteral("AGGIORNACLASSE"),
                          encoder::raceStateText(*encoder::demoRace({.competitors = 3, .runs = 1}), 2,
                                                 QStringLiteral("51")));
    ASSERT_TRUE(sim::TimekeepingSimulator::waitUntil([&] { return told() == refused; })) << told().toStdString();
    saveStatusBar(QStringLiteral("notice_race_state_refused"));

    // A live message and a page applied to the race kept leave it told.
    startArrives();
    window->panel().cmdPagina_Click(kCodiceOrdinePartenza);
    EXPECT_EQ(told(), refused);

    const auto before = state.race.Krono;
    simulator.sendMessage(QStringLiteral("AGGIORNACLASSE"),
                          encoder::raceStateText(*encoder::demoRace({.competitors = 5, .runs = 1})));
    ASSERT_TRUE(sim::TimekeepingSimulator::waitUntil([&] { return state.race.Krono != before; }));
    EXPECT_EQ(state.krono().ElencoConcorrenti().size(), 5);
    EXPECT_EQ(notice()->text(), QString());
    saveStatusBar(QStringLiteral("notice_race_state_applied"));
    EXPECT_TRUE(fakes.prompter.shown().empty()) << fakes.prompter.texts().join('\n').toStdString();
}

TEST_F(StatusNoticesEnd, AClockPageLackingObjectsIsToldUntilAnotherPageGoesOnAir) {
    const QString clock = QStringLiteral("TempoACorrere");
    const QByteArray whole = read(clock);
    write(clock, pagefiles::withoutObject(whole, QStringLiteral("txtNominativo")));
    window->panel().txtSelezione()->setText(QStringLiteral("9"));
    ASSERT_EQ(state.ConcorrenteSelezionato, 1009);
    window->panel().cmdPagina_Click(kCodiceStartZero);
    const QString lacking = QStringLiteral("Pagina TempoACorrere: manca l'oggetto txtNominativo");
    ASSERT_EQ(told(), lacking);
    saveFrame(QStringLiteral("notice_missing_object_clock_page"), kSlideMs);
    saveStatusBar(QStringLiteral("notice_missing_object"));

    // The page file restored: the page on air, loaded before, still lacks the name while the
    // start updates it.
    write(clock, whole);
    startArrives();
    EXPECT_EQ(state.PaginaInOnda.NomePagina, clock);
    EXPECT_EQ(told(), lacking);

    window->panel().cmdPagina_Click(kCodicePodio);
    EXPECT_EQ(state.PaginaInOnda.NomePagina, QStringLiteral("Podio"));
    EXPECT_EQ(notice()->text(), QString());
    saveFrame(QStringLiteral("notice_missing_object_ended_podium"), kSlideMs);
    saveStatusBar(QStringLiteral("notice_missing_object_ended"));
    // The clock page loaded anew is whole: nothing to tell.
    window->panel().cmdPagina_Click(kCodiceStartZero);
    EXPECT_EQ(state.PaginaInOnda.NomePagina, clock);
    EXPECT_EQ(notice()->text(), QString());
}

}  // namespace
}  // namespace razudar::apptest
