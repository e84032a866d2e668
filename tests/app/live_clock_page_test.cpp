// The running-clock page of one competitor, live through the program with the real plug-ins and
// the timekeeping simulator, while other competitors are on course and finish: their messages
// must not touch his page, a start sent again must not slide his page in again, and a gap that
// cannot be computed must not leave an earlier one on air.
#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>

#include <gtest/gtest.h>

#include "app/controls/grafica_proxy.h"
#include "app/pages/page_codes.h"
#include "app/pages/page_formats.h"
#include "app/windows/frm_anteprima_grafica.h"
#include "data/krono_da_testo.h"
#include "data/object_text_encoder.h"
#include "link/frame.h"
#include "model/krono.h"
#include "model/race_times.h"
#include "model/run_result.h"
#include "program_window_fixture.h"
#include "screenshots.h"

namespace razudar::apptest {
namespace {

// The renderer composes a frame every 40 ms: 200 ms lets it draw what was just written.
constexpr int kFrameMs = 200;

const QString kPage = QStringLiteral("TempoACorrere");
const QString kClock = QStringLiteral("txtTempoACorrere");

// The objects beside the clock that tell the followed competitor's split or finish.
const QStringList kSplitBoxes = {"txtNominativoRiferimento", "txtTempoRiferimento", "SfondoTempoRiferimento",
                                 "txtDistacco", "SfondoDistacco"};
const QStringList kRunBoxes = {"txtTempoManche", "txtPosizioneManche", "SfondoTempoManche", "SfondoPosizioneManche"};

struct LiveClockPage : ProgramWindowTest {
    // Run 2 of a 12-competitor race: bib 9 (competitor 1009) followed on the clock page, ready at
    // the start.
    void SetUp() override {
        ASSERT_TRUE(start());
        simulator.setRace(encoder::demoRace({.competitors = 12, .runs = 2, .intermediates = 2}));
        pressConnectToSimulator();
        ASSERT_TRUE(sim::TimekeepingSimulator::waitUntil([&] { return state.krono().ElencoConcorrenti().size() == 12; }));
        fakes.clock.setNow(QDateTime(QDate(2026, 12, 9), QTime(10, 15, 0)));
        follow(QStringLiteral("9"));
        ASSERT_EQ(state.ConcorrenteSelezionato, 1009);
        window->panel().cmdPagina_Click(kCodiceStartZero);
        ASSERT_EQ(state.PaginaInOnda.NomePagina, kPage);
    }
    void follow(const QString& bib) { window->panel().txtSelezione()->setText(bib); }

    QObject* control() { return window->anteprima()->MirtGRA1().control(); }
    QVariant property(const char* kind, const QString& object, int code) {
        QVariant v;
        QMetaObject::invokeMethod(control(), kind, Q_RETURN_ARG(QVariant, v), Q_ARG(QString, kPage),
                                  Q_ARG(QString, object), Q_ARG(int, code));
        return v;
    }
    bool shown(const QString& object) {
        return property(object.startsWith(QLatin1String("txt")) ? "ProprietaTesto" : "ProprietaImmagine", object, 4)
            .toBool();
    }
    QStringList shownOf(const QStringList& objects) {
        QStringList v;
        for (const QString& o : objects)
            if (shown(o)) v << o;
        return v;
    }
    int slides() { return control()->property("slideCount").toInt(); }

    // Sends a message and waits until the program has handled it (`done`).
    void send(const char* command, const QStringList& fields, const std::function<bool()>& done) {
        simulator.sendFields(QString::fromLatin1(command), fields);
        ASSERT_TRUE(sim::TimekeepingSimulator::waitUntil(done)) << command << ' ' << fields.join(' ').toStdString();
    }
    clsRisultati& run2(qint16 competitor) { return *state.krono().ConcorrenteItem(competitor)->Risultati(2); }
    void startOf(qint16 competitor, qint32 time) {
        send("TCORREREORARIOSTART", {QString::number(competitor), QString::number(time)},
             [=, this] { return run2(competitor).OrarioPartenza() == time; });
    }
    void split(qint16 competitor, int number, qint32 time) {
        send("TCORREREORARIOINTERMEDIO", {QString::number(competitor), QString::number(number), QString::number(time)},
             [=, this] { return run2(competitor).OrarioIntermedioItem(qint16(number)) == time; });
    }
    void runTime(qint16 competitor, qint32 time) {
        send("TCORRERETEMPO", {QString::number(competitor), QString::number(time)},
             [=, this] { return run2(competitor).Tempo() == time && run2(competitor).StatoConcorrente() == 0; });
    }
};

// Bib 9 on course with two others; bib 6 finishes first and leads; the others' run times come
// in while bib 9's splits are on air; then bib 9's own run time brings on his run time and place.
TEST_F(LiveClockPage, OthersFinishingLeaveTheFollowedCompetitorsBoxesAlone) {
    startOf(1009, 101500000);
    startOf(1003, 101530000);
    startOf(1010, 101600000);
    // Bib 6 (competitor 1006) finishes run 2 in 1:00.000 and leads; he has a time at split 1
    // and none at split 2.
    runTime(1006, 100000);
    EXPECT_FALSE(window->units().dispatcher().runTimeDelayActive());

    split(1009, 1, 101530250);
    ASSERT_EQ(state.krono().ConcorrenteInPosizione(0, 1, QStringLiteral("XXXXX")), 1006);
    ASSERT_GT(state.krono().TempoIntermedioConcorrente(2, 1006, 1), 0);
    ASSERT_LE(state.krono().TempoIntermedioConcorrente(2, 1006, 2), 0);
    EXPECT_EQ(shownOf(kSplitBoxes), kSplitBoxes);
    EXPECT_EQ(property("ProprietaTesto", QStringLiteral("txtNominativoRiferimento"), 0).toString(),
              FormattaNominativo(state, QStringLiteral("Müller6"), QStringLiteral("José"), true));
    saveFrame(QStringLiteral("live_clock_split1"), kFrameMs);

    // Two others finish: no delay, and bib 9's split stays as it was.
    const QVariant gap = property("ProprietaTesto", QStringLiteral("txtDistacco"), 6);
    runTime(1003, 120000);
    runTime(1010, 125000);
    EXPECT_FALSE(window->units().dispatcher().runTimeDelayActive());
    EXPECT_EQ(shownOf(kSplitBoxes), kSplitBoxes);
    EXPECT_EQ(shownOf(kRunBoxes), QStringList());
    EXPECT_EQ(property("ProprietaTesto", QStringLiteral("txtDistacco"), 6), gap);
    saveFrame(QStringLiteral("live_clock_split1_others_finished"), kFrameMs);

    // Split 2: the leader has no time there, so neither his reference nor the split-1 gap stays.
    split(1009, 2, 101551000);
    EXPECT_EQ(shownOf(kSplitBoxes), QStringList());
    EXPECT_EQ(property("ProprietaTesto", kClock, 6).toInt(), 72498 + 51000);
    saveFrame(QStringLiteral("live_clock_split2"), kFrameMs);

    // Bib 9 finishes in 1:05.000: the gap to the leader, and the delay for him.
    runTime(1009, 105000);
    EXPECT_EQ(property("ProprietaTesto", kClock, 6).toInt(), 72498 + 65000);
    EXPECT_EQ(shownOf({"txtDistacco", "SfondoDistacco", "txtNominativoRiferimento"}),
              (QStringList{"txtDistacco", "SfondoDistacco", "txtNominativoRiferimento"}));
    EXPECT_TRUE(window->units().dispatcher().runTimeDelayActive());
    saveFrame(QStringLiteral("live_clock_finish"), kFrameMs);

    // Another finisher while the delay runs: the page still brings on bib 9's own run time.
    startOf(1011, 101700000);
    runTime(1011, 90000);
    EXPECT_EQ(window->units().dispatcher().runTimeDelayCompetitor(), 1009);
    window->units().dispatcher().timTempoManche_Timer();
    EXPECT_EQ(shownOf(kRunBoxes), kRunBoxes);
    EXPECT_EQ(property("ProprietaTesto", QStringLiteral("txtTempoManche"), 6).toInt(), 65000);
    EXPECT_EQ(property("ProprietaTesto", QStringLiteral("txtPosizioneManche"), 0).toString(),
              QString::number(state.krono().PosizioneInClassifica(2, 1009, QStringLiteral("XXXXX"))));
    EXPECT_EQ(shownOf(kSplitBoxes), QStringList());
    saveFrame(QStringLiteral("live_clock_run_time"), kFrameMs);
    EXPECT_TRUE(fakes.prompter.shown().empty()) << fakes.prompter.texts().join('\n').toStdString();
}

TEST_F(LiveClockPage, ADelayForACompetitorNoLongerFollowedDoesNothing) {
    startOf(1009, 101500000);
    runTime(1009, 105000);
    ASSERT_TRUE(window->units().dispatcher().runTimeDelayActive());
    const QStringList before = shownOf(kSplitBoxes + kRunBoxes);
    // The operator picks bib 3 before the five seconds are over.
    follow(QStringLiteral("3"));
    ASSERT_EQ(state.ConcorrenteSelezionato, 1003);
    window->units().dispatcher().timTempoManche_Timer();
    EXPECT_EQ(shownOf(kSplitBoxes + kRunBoxes), before);
    EXPECT_EQ(shownOf(kRunBoxes), QStringList());
    EXPECT_FALSE(window->units().dispatcher().runTimeDelayActive());
}

TEST_F(LiveClockPage, StartsSentAgainSetTheClockWithoutSlidingThePageInAgain) {
    const int ready = slides();
    // The page of code 9 slid in for bib 9 when it went on air.
    ASSERT_GE(ready, 1);
    for (int i = 0; i < 10; ++i) startOf(1009, 101500000 + 100 * i);
    EXPECT_EQ(slides(), ready);
    // The clock counts from the last start with the clocks' difference measured at the first
    // (10:15:00.000 there and here): corrected to 10:15:00.900, 0.9 s less than his run-1 time.
    EXPECT_EQ(property("ProprietaTesto", kClock, 5).toInt(), 72498 - 900);
    EXPECT_EQ(state.OffsetTempoCorrere, 0);
    EXPECT_EQ(state.PaginaInOnda.NomePagina, kPage);

    // The page on air was started for bib 9: a start for bib 3, now followed, slides it in with
    // his name.
    follow(QStringLiteral("3"));
    startOf(1003, 101530000);
    EXPECT_EQ(slides(), ready + 1);
    EXPECT_EQ(property("ProprietaTesto", QStringLiteral("txtPettorale"), 0).toString(), QStringLiteral("103"));
    startOf(1003, 101530100);
    EXPECT_EQ(slides(), ready + 1);

    // Cleared and put on air again, the page slides in again.
    window->panel().cmdPagina_Click(kCodicePulizia);
    const int cleared = slides();
    startOf(1003, 101530500);
    EXPECT_EQ(state.PaginaInOnda.NomePagina, QString());  // the start alone puts no page on air
    window->panel().cmdPagina_Click(kCodiceStartZero);
    EXPECT_EQ(slides(), cleared + 1);
}

// The timekeeper sends bib 9's start again 2 s later: the clock on air runs on from the first one
// (the graphics control counts it in real time), and the offset stays. 9 s after the start he
// corrects it to 0.5 s earlier: the clock moves on by the correction only, keeping the clocks'
// difference measured at the start, and his first split follows on from it.
TEST_F(LiveClockPage, AStartSentAgainLeavesTheClockOnAirALateCorrectionMovesItByTheCorrection) {
    const int ready = slides();
    startOf(1009, 101500000);  // 10:15:00.000 there and here
    ASSERT_EQ(state.OffsetTempoCorrere, 0);
    // His clock starts at his run-1 time.
    ASSERT_EQ(property("ProprietaTesto", kClock, 5).toInt(), 72498);
    const auto running = [&] { return property("ProprietaTesto", kClock, 6).toInt(); };
    ASSERT_TRUE(sim::TimekeepingSimulator::waitUntil([&] { return running() >= 72498 + 300; }));

    fakes.clock.advanceMs(2000);
    const int beforeCopy = running();
    simulator.sendFields(QStringLiteral("TCORREREORARIOSTART"), {QStringLiteral("1009"), QStringLiteral("101500000")});
    // Bib 3's split, sent after the copy, tells that the copy has been handled.
    split(1003, 1, 101520000);
    EXPECT_GE(running(), beforeCopy);
    EXPECT_EQ(state.OffsetTempoCorrere, 0);
    EXPECT_EQ(property("ProprietaTesto", kClock, 5).toInt(), 72498);
    EXPECT_EQ(slides(), ready);
    saveFrame(QStringLiteral("live_clock_start_sent_again"), kFrameMs);

    // The start corrected to 10:14:59.500, arriving at 10:15:09.000 here: 9.5 s run on course.
    fakes.clock.advanceMs(7000);
    startOf(1009, 101459500);
    EXPECT_EQ(state.OffsetTempoCorrere, 0);
    EXPECT_EQ(property("ProprietaTesto", kClock, 5).toInt(), 72498 + 9500);
    EXPECT_GE(running(), 72498 + 9500);
    EXPECT_EQ(slides(), ready);
    EXPECT_EQ(state.PaginaInOnda.NomePagina, kPage);
    saveFrame(QStringLiteral("live_clock_start_corrected"), kFrameMs);

    // His first split, 10:15:20.000 there: 20.5 s from the corrected start, stopped there.
    fakes.clock.advanceMs(11000);
    split(1009, 1, 101520000);
    EXPECT_EQ(property("ProprietaTesto", kClock, 6).toInt(), 72498 + 20500);
    saveFrame(QStringLiteral("live_clock_first_split_after_correction"), kFrameMs);
}

// Run times that arrive together, bib 9's among them: his finish goes on air with his place among
// the run times before his, and his run-time page five seconds later with his place among them
// all, bib 10's faster time after his included.
TEST_F(LiveClockPage, ABurstOfRunTimesKeepsTheFollowedCompetitorsPagesRight) {
    const struct {
        qint16 competitor;
        qint32 runTime;
    } burst[] = {{1003, 80000}, {1006, 60000}, {1009, 65000}, {1010, 50000}};
    for (const auto& b : burst) startOf(b.competitor, 101500000 + 1000 * (b.competitor - 1000));
    // The same race ranked on its own, as each run time arrives.
    encoder::CountingMonitorSettings monitor;
    const std::shared_ptr<clsKrono> reference = KronoDaTesto(encoder::raceStateText(state.krono()), monitor).krono;
    ASSERT_TRUE(reference);
    QString atHisFinish;
    QByteArray bytes;
    for (const auto& b : burst) {
        const auto r = reference->ConcorrenteItem(b.competitor)->Risultati(2);
        r->setStatoConcorrente(0);
        r->setTempo(b.runTime);
        reference->ElaboraClassifiche();
        if (b.competitor == 1009)
            atHisFinish = QString::number(reference->PosizioneInClassifica(0, 1009, QStringLiteral("XXXXX")));
        bytes += *link::buildFrame(QStringLiteral("TCORRERETEMPOGRAFINEPREFISSO%1_GRASEPARATORETCORRERE_%2")
                                       .arg(b.competitor)
                                       .arg(b.runTime));
    }
    const QString inTheRun = QString::number(reference->PosizioneInClassifica(2, 1009, QStringLiteral("XXXXX")));
    ASSERT_EQ(inTheRun, QStringLiteral("3"));  // bib 10 and bib 6 ahead

    simulator.sendRaw(bytes);
    ASSERT_TRUE(sim::TimekeepingSimulator::waitUntil([&] { return run2(1010).Tempo() == 50000; }));
    EXPECT_EQ(property("ProprietaTesto", kClock, 6).toInt(), 72498 + 65000);
    EXPECT_EQ(property("ProprietaTesto", QStringLiteral("txtPosizioneAssoluta"), 0).toString(), atHisFinish);
    for (const qint32 slot : {0, 1, 2}) EXPECT_EQ(state.krono().slotOrder(slot), reference->slotOrder(slot)) << slot;
    ASSERT_EQ(window->units().dispatcher().runTimeDelayCompetitor(), 1009);
    window->units().dispatcher().timTempoManche_Timer();
    EXPECT_EQ(shownOf(kRunBoxes), kRunBoxes);
    EXPECT_EQ(property("ProprietaTesto", QStringLiteral("txtTempoManche"), 6).toInt(), 65000);
    EXPECT_EQ(property("ProprietaTesto", QStringLiteral("txtPosizioneManche"), 0).toString(), inTheRun);
}

}  // namespace
}  // namespace razudar::apptest
