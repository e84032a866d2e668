// The program through a live run as a timekeeper sends it: two or three competitors on course,
// each run time a moment after the finish, a competitor who does not finish, and the end of the
// race with nothing more sent. The program runs in-process with its real plug-ins; the
// timekeeping simulator plays the run message by message (or on its timers), and the tests look
// at the race state, the console and the pages on air between the messages.
#include <QCoreApplication>
#include <QHash>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTabBar>

#include <algorithm>
#include <cstdlib>

#include <gtest/gtest.h>

#include "app/controls/grafica_proxy.h"
#include "app/controls/tcp_proxy.h"
#include "app/pages/page_codes.h"
#include "app/pages/page_formats.h"
#include "app/windows/frm_anteprima_grafica.h"
#include "live_player.h"
#include "live_race.h"
#include "model/competitor_states.h"
#include "data/object_text_encoder.h"
#include "link/frame.h"
#include "model/krono.h"
#include "model/race_times.h"
#include "preview_rows.h"
#include "program_window_fixture.h"
#include "screenshots.h"

namespace razudar::apptest {
namespace {

using sim::LiveMessage;
using sim::LivePlayer;
using sim::LiveRace;
using sim::TimekeepingSimulator;

const QString kAll = QStringLiteral("XXXXX");

sim::LiveTimings quickTimings() {
    sim::LiveTimings t;
    t.startIntervalMs = 150;
    t.fastestRunMs = 400;
    t.runSpreadMs = 100;
    t.runTimeDelayMs = 60;
    return t;
}

struct LiveRaceProgram : ProgramWindowTest {
    void SetUp() override {
        ASSERT_TRUE(start());
        window->resize(1180, 720);
    }

    void connectTo(const LiveRace& plan) {
        simulator.setRace(plan.race());
        pressConnectToSimulator();
        ASSERT_TRUE(TimekeepingSimulator::waitUntil(
            [&] { return state.krono().ElencoConcorrenti().size() == plan.shape().competitors; }));
        QCoreApplication::processEvents();
    }

    clsKrono& k() { return state.krono(); }
    qint16 run() { return k().MancheCorrente(); }
    const clsRisultati* result(qint16 n) { return k().findRunResult(n, run()); }

    // True when the program holds what the message says.
    bool applied(const LiveMessage& m) {
        const clsRisultati* r = result(qint16(m.fields[0].toInt()));
        if (!r) return false;
        const auto field = [&](int i) { return m.fields[i].toInt(); };
        if (m.command == QLatin1String("TCORREREORARIOSTART")) return r->OrarioPartenza() == field(1);
        if (m.command == QLatin1String("TCORREREORARIOINTERMEDIO"))
            return r->OrarioIntermedioItem(qint16(field(1))) == field(2);
        if (m.command == QLatin1String("TCORREREORARIOSTOP")) return r->OrarioArrivo() == field(1);
        if (m.command == QLatin1String("TCORRERETEMPO")) return r->Tempo() == field(1);
        if (m.command == QLatin1String("STATOCONCORRENTE")) return r->StatoConcorrente() == field(1);
        return false;
    }

    // Sends the next message and waits until the program has handled it.
    void step(LivePlayer& player) {
        ASSERT_TRUE(player.sendNext());
        ASSERT_TRUE(TimekeepingSimulator::waitUntil([&] { return applied(*player.last()); }))
            << player.last()->command.toStdString() << " " << player.last()->fields.join(' ').toStdString();
        QCoreApplication::processEvents();
    }

    // The competitors the overall standings rank as arrived, in order.
    QList<qint16> arrivedOrder() {
        QList<qint16> out;
        for (const qint16 c : k().slotOrder(0))
            if (k().StatoConcorrenteDopoManche(run(), c) == kStatoArrivato) out << c;
        return out;
    }

    // The plan's standings of the competitors whose run time has been sent.
    static QList<qint16> expectedOrder(const LiveRace& plan, const QSet<qint16>& timed) {
        QList<qint16> out;
        for (const sim::ExpectedStanding& s : plan.standings())
            if (timed.contains(s.competitor)) out << s.competitor;
        return out;
    }

    // Bibs on the console's competitor buttons.
    QStringList buttonCaptions() {
        QStringList out;
        for (const auto& b : window->units().console().view().buttons)
            if (b.visible) out << b.caption;
        return out;
    }

    // Competitors on course in the program's race state.
    int onCourse() {
        int n = 0;
        for (const qint16 c : k().ElencoConcorrenti()) n += result(c) && result(c)->StatoConcorrente() == kStatoInPista;
        return n;
    }

    QStringList previewRows(qint32 slot) {
        PreviewRows rows;
        NoCaption caption;
        k().VisualizzaPreview(rows, caption, slot, kAll);
        return rows.rows;
    }

    QVariant property(const QString& page, const QString& object, int code) {
        QVariant v;
        QMetaObject::invokeMethod(window->anteprima()->MirtGRA1().control(), "ProprietaTesto",
                                  Q_RETURN_ARG(QVariant, v), Q_ARG(QString, page), Q_ARG(QString, object),
                                  Q_ARG(int, code));
        return v;
    }
    QString text(const QString& page, const QString& object) { return property(page, object, 0).toString(); }

    QString nominativo(qint16 n) {
        const auto c = k().ConcorrenteItem(n);
        return FormattaNominativo(state, c->Cognome(), c->Nome(), false);
    }
    QString cognome(qint16 n) { return FormattaCognome(state, k().ConcorrenteItem(n)->Cognome()); }

    void shoot(const char* name) {
        QCoreApplication::processEvents();
        screenshots::save(window->grab(), QString::fromLatin1(name));
    }
    // The frame of the page on air once its rows have moved in.
    void shootFrame(const char* name) {
        if (screenshots::folder().isEmpty()) return;
        TimekeepingSimulator::waitUntil([] { return false; }, 2500);
        const QString path = screenshots::folder() + QLatin1Char('/') + QString::fromLatin1(name) + QStringLiteral(".png");
        window->anteprima()->MirtGRA1().SalvaSchermo(path);
        screenshots::expectDrawn(path);
    }
};

// Run 2 of 40 competitors: the best thirty of run 1 start in reverse order, then the others, so
// the last to finish is the slowest of run 1. The competitor in the middle does not finish.
sim::LiveRaceShape fortyCompetitors() {
    sim::LiveRaceShape shape;
    shape.competitors = 40;
    shape.earlierNonFinisher = 40;
    return shape;
}
LiveRace withMiddleNonFinisher(sim::LiveRaceShape shape, const sim::LiveTimings& timings = {}) {
    const LiveRace draft(shape, timings);
    shape.nonFinishers = {int(draft.starters()[draft.starters().size() / 2])};
    return LiveRace(shape, timings);
}

TEST(LiveRacePlan, TwoOrThreeOnCourseEachRunTimeAfterItsFinishAndNothingAfterTheLast) {
    const LiveRace plan = withMiddleNonFinisher(fortyCompetitors());
    ASSERT_EQ(plan.starters().size(), 39);
    int onCourse = 0, most = 0;
    QHash<QString, qint64> finishAt;
    for (const LiveMessage& m : plan.messages()) {
        if (m.command == QLatin1String("TCORREREORARIOSTART")) ++onCourse;
        if (m.command == QLatin1String("TCORREREORARIOSTOP") || m.command == QLatin1String("STATOCONCORRENTE")) --onCourse;
        if (m.command == QLatin1String("TCORREREORARIOSTOP")) finishAt[m.fields[0]] = m.atMs;
        if (m.command == QLatin1String("TCORRERETEMPO")) {
            EXPECT_EQ(m.atMs - finishAt.value(m.fields[0]), 1500);
        }
        most = std::max(most, onCourse);
    }
    EXPECT_EQ(most, 3);
    EXPECT_EQ(plan.messages().last().command, QStringLiteral("TCORRERETEMPO"));
    EXPECT_EQ(plan.messages().last().fields[0].toInt(), plan.starters().last());
    EXPECT_EQ(plan.standings().size(), 38);  // one out in run 1, one in run 2
}

TEST_F(LiveRaceProgram, EveryRunTimeRanksAndTheLastFinisherIsRightOnEveryPageAtTheEnd) {
    const LiveRace plan = withMiddleNonFinisher(fortyCompetitors());
    const qint16 last = plan.starters().last();
    // The last to finish is not the winner: counting only his run 1 he would lead.
    ASSERT_NE(plan.standings().first().competitor, last);
    connectTo(plan);
    LivePlayer player(simulator, plan.messages());
    QSet<qint16> timed;
    bool shotMidRace = false;
    while (!player.finished()) {
        step(player);
        if (!shotMidRace && onCourse() == 3 && timed.size() >= 12) {
            shotMidRace = true;
            shoot("live_console_three_on_course");
        }
        const LiveMessage& m = *player.last();
        const qint16 n = qint16(m.fields[0].toInt());
        if (m.command == QLatin1String("TCORRERETEMPO")) timed << n;
        // After every message: arrived are exactly those with a run time, in the plan's order.
        ASSERT_EQ(arrivedOrder(), expectedOrder(plan, timed)) << m.command.toStdString() << " " << n;
        if (m.command == QLatin1String("TCORREREORARIOSTOP")) {
            // Finished, waiting for his run time: still on course, with his button.
            EXPECT_EQ(result(n)->StatoConcorrente(), kStatoInPista);
            EXPECT_TRUE(buttonCaptions().contains(QString::number(n)));
        }
        if (m.command == QLatin1String("TCORRERETEMPO")) {
            EXPECT_FALSE(buttonCaptions().contains(QString::number(n)));
        }
    }

    // The end of the race: nothing else arrives.
    const QList<sim::ExpectedStanding> standings = plan.standings();
    const qint16 first = standings[0].competitor, second = standings[1].competitor, third = standings[2].competitor;
    EXPECT_EQ(arrivedOrder(), expectedOrder(plan, timed));
    EXPECT_TRUE(buttonCaptions().isEmpty());
    EXPECT_EQ(result(qint16(plan.shape().nonFinishers[0]))->StatoConcorrente(), 30);
    // The console: the overall tab on show, the winner on its first row, the last finisher at
    // his own position.
    EXPECT_EQ(window->units().console().view().currentTab, 0);
    const QStringList rows = previewRows(0);
    EXPECT_TRUE(rows[0].startsWith(QStringLiteral("  1   %1 ").arg(first, 3))) << rows[0].toStdString();
    int lastPosition = 0;
    for (int i = 0; i < standings.size(); ++i)
        if (standings[i].competitor == last) lastPosition = i + 1;
    ASSERT_GT(lastPosition, 3);
    EXPECT_TRUE(rows[lastPosition - 1].startsWith(QStringLiteral("%1   %2 ").arg(lastPosition, 3).arg(last, 3)))
        << rows[lastPosition - 1].toStdString();

    shoot("live_console_after_the_last");
    // "Classifica" and "ClassificaBassa": the winner on the first row.
    window->findChild<QAction*>(QStringLiteral("mnuGraficaVGA"))->trigger();
    window->panel().cmdPagina_Click(kCodiceClassificaGrande);
    shootFrame("live_classifica_after_the_last");
    ASSERT_EQ(state.PaginaInOnda.NomePagina, QStringLiteral("Classifica"));
    EXPECT_EQ(text(QStringLiteral("Classifica"), QStringLiteral("txtPosizione1")), QStringLiteral("1"));
    EXPECT_EQ(text(QStringLiteral("Classifica"), QStringLiteral("txtNominativo1")), nominativo(first));
    EXPECT_EQ(text(QStringLiteral("Classifica"), QStringLiteral("txtNominativo2")), nominativo(second));
    ASSERT_LT(standings[0].totalMs, 60000);
    EXPECT_EQ(text(QStringLiteral("Classifica"), QStringLiteral("txtRisultato1")).trimmed(),
              QStringLiteral("%1.%2").arg(standings[0].totalMs / 1000).arg(standings[0].totalMs % 1000 / 10, 2, 10, QLatin1Char('0')));
    window->panel().cmdPagina_Click(kCodiceClassificaBassa);
    EXPECT_EQ(text(QStringLiteral("ClassificaBassa"), QStringLiteral("txtNominativo1")), nominativo(first));
    // "Podio" and the cards of the first three.
    window->panel().cmdPagina_Click(kCodicePodio);
    ASSERT_EQ(state.PaginaInOnda.NomePagina, QStringLiteral("Podio"));
    shootFrame("live_podio_after_the_last");
    EXPECT_EQ(text(QStringLiteral("Podio"), QStringLiteral("txtCognome1")), cognome(first));
    EXPECT_EQ(text(QStringLiteral("Podio"), QStringLiteral("txtCognome2")), cognome(second));
    EXPECT_EQ(text(QStringLiteral("Podio"), QStringLiteral("txtCognome3")), cognome(third));
    const struct {
        int code;
        qint16 competitor;
        const char* word;
    } cards[] = {{kCodiceSchedaPrimo, first, "WINNER"},
                   {kCodiceSchedaSecondo, second, "SECOND"},
                   {kCodiceSchedaTerzo, third, "THIRD"}};
    for (const auto& card : cards) {
        window->panel().cmdPagina_Click(card.code);
        EXPECT_EQ(text(QStringLiteral("ConcorrenteScheda"), QStringLiteral("txtNominativo")), nominativo(card.competitor))
            << card.word;
        EXPECT_EQ(text(QStringLiteral("ConcorrenteScheda"), QStringLiteral("txtTesto")), QString::fromLatin1(card.word));
    }
    shootFrame("live_card_third_after_the_last");
}

TEST_F(LiveRaceProgram, BetweenHisFinishAndHisRunTimeACompetitorIsOnCourseNotRankedWithARunOfZero) {
    const LiveRace plan = withMiddleNonFinisher(fortyCompetitors());
    connectTo(plan);
    LivePlayer player(simulator, plan.messages());
    QSet<qint16> timed;
    int stops = 0;
    // Up to the third finish.
    while (stops < 3) {
        step(player);
        const LiveMessage& m = *player.last();
        if (m.command == QLatin1String("TCORRERETEMPO")) timed << qint16(m.fields[0].toInt());
        if (m.command == QLatin1String("TCORREREORARIOSTOP")) ++stops;
    }
    const qint16 finisher = qint16(player.last()->fields[0].toInt());
    ASSERT_EQ(timed.size(), 2);
    EXPECT_EQ(result(finisher)->StatoConcorrente(), kStatoInPista);
    EXPECT_EQ(result(finisher)->Tempo(), 0);
    EXPECT_FALSE(arrivedOrder().contains(finisher));
    EXPECT_EQ(arrivedOrder(), expectedOrder(plan, timed));
    // The console lists him as on course ("PAR"), without a time, after the two ranked.
    const QStringList rows = previewRows(0);
    qsizetype at = -1;
    for (qsizetype i = 0; i < rows.size(); ++i)
        if (rows[i].mid(5, 4) == QStringLiteral("%1").arg(finisher, 4)) at = i;
    ASSERT_GE(at, 2) << rows.join('\n').toStdString();
    EXPECT_EQ(rows[at].left(5), QStringLiteral("PAR  "));
    EXPECT_EQ(rows[at].size(), 24) << rows[at].toStdString();  // position, bib and name only

    // His run time ranks him at once, with the console refreshed.
    while (player.last()->command != QLatin1String("TCORRERETEMPO") || player.last()->fields[0].toInt() != finisher) {
        step(player);
        if (player.last()->command == QLatin1String("TCORRERETEMPO")) timed << qint16(player.last()->fields[0].toInt());
    }
    EXPECT_EQ(arrivedOrder(), expectedOrder(plan, timed));
    EXPECT_FALSE(buttonCaptions().contains(QString::number(finisher)));

    // "Start 0" for the next competitor a moment later: his run-1 gap is to the leader now.
    const qint16 leader = expectedOrder(plan, timed).first();
    qint16 next = 0;
    for (const qint16 s : plan.starters())
        if (!result(s)->OrarioPartenza() && !next) next = s;
    ASSERT_NE(next, 0);
    window->panel().txtSelezione()->setText(QString::number(next));
    ASSERT_EQ(state.ConcorrenteSelezionato, next);
    window->panel().cmdPagina_Click(kCodiceStartZero);
    ASSERT_EQ(state.PaginaInOnda.NomePagina, QStringLiteral("TempoACorrere"));
    const qint32 gap = plan.runTimeMs(next, 1) - plan.runTimeMs(leader, 1);
    const QVariant shown = property(QStringLiteral("TempoACorrere"), QStringLiteral("txtDistaccoManchePrecedente"), 6);
    EXPECT_EQ(std::abs(shown.toInt()), std::abs(gap)) << shown.toString().toStdString();
}

TEST_F(LiveRaceProgram, AtASplitOfRunThreeTheReferenceCountsRunsOneAndTwo) {
    sim::LiveRaceShape shape;
    shape.competitors = 12;
    shape.runs = 3;
    shape.currentRun = 3;
    const LiveRace plan(shape, {});
    connectTo(plan);
    ASSERT_EQ(run(), 3);
    LivePlayer player(simulator, plan.messages());
    QSet<qint16> timed;
    while (timed.isEmpty()) {
        step(player);
        if (player.last()->command == QLatin1String("TCORRERETEMPO")) timed << qint16(player.last()->fields[0].toInt());
    }
    // The next competitor to reach the first intermediate, on the running clock.
    qint16 selected = 0;
    for (qsizetype i = player.sentCount(); i < plan.messages().size() && !selected; ++i) {
        const LiveMessage& m = plan.messages()[i];
        if (m.command == QLatin1String("TCORREREORARIOINTERMEDIO") && m.fields[1] == QLatin1String("1"))
            selected = qint16(m.fields[0].toInt());
    }
    ASSERT_NE(selected, 0);
    window->panel().txtSelezione()->setText(QString::number(selected));
    window->panel().cmdPagina_Click(kCodiceStartZero);
    while (!(player.last()->command == QLatin1String("TCORREREORARIOINTERMEDIO") &&
             player.last()->fields[0].toInt() == selected && player.last()->fields[1] == QLatin1String("1"))) {
        step(player);
        if (player.last()->command == QLatin1String("TCORRERETEMPO")) timed << qint16(player.last()->fields[0].toInt());
    }
    ASSERT_EQ(state.SplitMostrato, QStringLiteral("1"));
    const qint16 leader = expectedOrder(plan, timed).first();
    ASSERT_NE(leader, selected);
    const auto atSplit = [&](qint16 n) {
        return qint64(plan.runTimeMs(n, 1)) + plan.runTimeMs(n, 2) + plan.splitElapsedMs(n, 3, 1);
    };
    // The reference box: the leader's time at the split, with runs 1 and 2.
    const QString page = QStringLiteral("TempoACorrere");
    EXPECT_EQ(property(page, QStringLiteral("txtTempoRiferimento"), 6).toLongLong(), atSplit(leader));
    EXPECT_TRUE(property(page, QStringLiteral("txtTempoRiferimento"), 4).toBool());
    EXPECT_EQ(TempoInMillesimi(k().TempoIntermedioConcorrente(3, leader, 1)), atSplit(leader));
    EXPECT_EQ(TempoInMillesimi(k().TempoIntermedioConcorrente(3, selected, 1)), atSplit(selected));
    // Beside it the clock and the gap count the same runs (each time cut to hundredths).
    EXPECT_EQ(property(page, QStringLiteral("txtTempoACorrere"), 6).toLongLong(), atSplit(selected));
    const qint64 gap = atSplit(selected) / 10 * 10 - atSplit(leader) / 10 * 10;
    EXPECT_EQ(std::abs(property(page, QStringLiteral("txtDistacco"), 6).toLongLong()), std::abs(gap));
}

TEST_F(LiveRaceProgram, ARowOutsideTheMaximumTimeShowsItsRealGapOrNothingInTheConsole) {
    sim::LiveRaceShape shape;
    shape.competitors = 12;
    const LiveRace plan = withMiddleNonFinisher(shape);
    connectTo(plan);
    LivePlayer player(simulator, plan.messages());
    while (!player.finished()) step(player);
    // The timekeeper puts the second of run 2 outside the maximum time.
    QList<qint16> runOrder = plan.starters();
    runOrder.removeOne(qint16(plan.shape().nonFinishers[0]));
    std::sort(runOrder.begin(), runOrder.end(),
              [&](qint16 a, qint16 b) { return plan.runTimeMs(a, 2) < plan.runTimeMs(b, 2); });
    const qint16 out = runOrder[1];
    simulator.sendFields(QStringLiteral("STATOCONCORRENTE"), {QString::number(out), QStringLiteral("50")});
    ASSERT_TRUE(TimekeepingSimulator::waitUntil([&] { return result(out)->StatoConcorrente() == 50; }));

    const auto rowOf = [&](const QStringList& rows) {
        for (const QString& row : rows)
            if (row.mid(5, 4) == QStringLiteral("%1").arg(out, 4)) return row;
        return QString();
    };
    // Overall: no total and no gaps for him (only his run-1 time).
    const QString overall = rowOf(previewRows(0));
    ASSERT_FALSE(overall.isEmpty());
    EXPECT_FALSE(overall.contains(QStringLiteral("66:40"))) << overall.toStdString();
    EXPECT_EQ(overall.trimmed().count(u'.'), 1) << overall.toStdString();
    // Run 2: his time and his real gap to the run's leader; nothing to the row above (the
    // competitor who did not finish).
    const QString runRow = rowOf(previewRows(2));
    const qint32 gapMs = plan.runTimeMs(out, 2) - plan.runTimeMs(runOrder[0], 2);
    ASSERT_LT(gapMs, 10000);
    EXPECT_TRUE(runRow.trimmed().endsWith(QStringLiteral(" %1.%2").arg(gapMs / 1000).arg(gapMs % 1000 / 10, 2, 10, QLatin1Char('0'))))
        << runRow.toStdString();
    EXPECT_FALSE(runRow.contains(QStringLiteral("66:40"))) << runRow.toStdString();
    window->panel().sstClassifiche()->setCurrentIndex(2);
    shoot("console_run2_outside_maximum_time");
}

// The run on the simulator's timers, as it runs live: two or three on course at once, and at the
// end the standings of the plan on the console, "Classifica" and "Podio".
TEST_F(LiveRaceProgram, ARealisticRaceOnTimersEndsWithTheRightStandings) {
    sim::LiveRaceShape shape;
    shape.competitors = 20;
    shape.earlierNonFinisher = 20;
    const LiveRace plan = withMiddleNonFinisher(shape, quickTimings());
    connectTo(plan);
    LivePlayer player(simulator, plan.messages());
    int most = 0;
    player.play(1.0);
    ASSERT_TRUE(TimekeepingSimulator::waitUntil(
        [&] {
            most = std::max(most, onCourse());
            return player.finished() && applied(plan.messages().last());
        },
        20000));
    EXPECT_GE(most, 2);
    QCoreApplication::processEvents();
    QSet<qint16> all;
    for (const auto& s : plan.standings()) all << s.competitor;
    EXPECT_EQ(arrivedOrder(), expectedOrder(plan, all));
    EXPECT_TRUE(buttonCaptions().isEmpty());
    window->panel().cmdPagina_Click(kCodiceClassificaGrande);
    EXPECT_EQ(text(QStringLiteral("Classifica"), QStringLiteral("txtNominativo1")), nominativo(plan.standings()[0].competitor));
    window->panel().cmdPagina_Click(kCodicePodio);
    EXPECT_EQ(text(QStringLiteral("Podio"), QStringLiteral("txtCognome1")), cognome(plan.standings()[0].competitor));
}

// The simulator program itself, in its default mode, against the program: the race runs to its
// end and nothing follows the last run time.
TEST_F(LiveRaceProgram, TheSimulatorProgramRunsARealisticRaceByDefault) {
    QProcess process;
    process.start(QStringLiteral(RAZUDAR_SIMULATOR_PATH),
                  {QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--competitors"), QStringLiteral("35"),
                   QStringLiteral("--interval"), QStringLiteral("0.1"), QStringLiteral("--course"), QStringLiteral("0.3"),
                   QStringLiteral("--delay"), QStringLiteral("0.05")});
    ASSERT_TRUE(process.waitForStarted());
    QString output;
    const auto read = [&] {
        output += QString::fromUtf8(process.readAllStandardOutput());
        return output;
    };
    ASSERT_TRUE(TimekeepingSimulator::waitUntil([&] { return read().contains(QStringLiteral("listening on port")); }));
    const QRegularExpressionMatch port = QRegularExpression(QStringLiteral("port (\\d+) \\(realistic mode\\)")).match(output);
    ASSERT_TRUE(port.hasMatch()) << output.toStdString();
    window->units().MirtTcpGet().setServerRemoto(QStringLiteral("127.0.0.1"));
    window->units().MirtTcpGet().setPortaRemota(port.captured(1).toInt());
    window->units().MirtTcpGet().cmdConnettiDisconnetti_Click();
    ASSERT_TRUE(TimekeepingSimulator::waitUntil([&] { return read().contains(QStringLiteral("End of the race")); }, 20000))
        << output.toStdString();

    // The same race planned here: its standings. The last to finish (the 34th of run 1) is not
    // the winner.
    sim::LiveRaceShape shape;
    shape.competitors = 35;
    shape.earlierNonFinisher = 35;
    const sim::LiveTimings timings{.startIntervalMs = 100, .fastestRunMs = 300, .runSpreadMs = 60, .runTimeDelayMs = 50};
    const LiveRace plan = withMiddleNonFinisher(shape, timings);
    ASSERT_NE(plan.standings().first().competitor, plan.starters().last());
    QSet<qint16> all;
    for (const auto& s : plan.standings()) all << s.competitor;
    ASSERT_TRUE(TimekeepingSimulator::waitUntil([&] { return arrivedOrder().size() == all.size(); }));
    EXPECT_EQ(arrivedOrder(), expectedOrder(plan, all));
    EXPECT_EQ(result(qint16(plan.shape().nonFinishers[0]))->StatoConcorrente(), 30);
    const int lines = int(read().count(u'\n'));
    TimekeepingSimulator::waitUntil([] { return false; }, 300);
    EXPECT_EQ(int(read().count(u'\n')), lines) << "nothing is sent after the end of the race";
    process.kill();
    process.waitForFinished();
}

// One read holds 30 run times, a session-key reply and 10 more run times; the operator's
// "Classifica" click waits in the queue meanwhile. The reply's request for the race state lets the
// queued click run before the last 10 are applied: its page goes on air with the standings of the 30
// ranked, never in the order the run times were applied.
TEST_F(LiveRaceProgram, AClickQueuedDuringAnArrivalPutsThePageOnAirRanked) {
    const encoder::DemoRaceShape shape{.competitors = 40, .runs = 2, .intermediates = 2};
    simulator.setRace(encoder::demoRace(shape));
    pressConnectToSimulator();
    ASSERT_TRUE(TimekeepingSimulator::waitUntil([&] { return k().ElencoConcorrenti().size() == 40; }));
    window->findChild<QAction*>(QStringLiteral("mnuGraficaVGA"))->trigger();
    QCoreApplication::processEvents();

    // Run times in bib order that are not in time order; the race with the 30 first ranked on its own.
    const std::shared_ptr<clsKrono> reference = encoder::demoRace(shape);
    const auto frame = [](const QString& text) { return *link::buildFrame(text); };
    QByteArray burst;
    QHash<qint16, qint32> sent;
    int i = 0;
    for (const qint16 c : reference->ElencoConcorrenti()) {
        const qint32 time = 60000 + (i * 7919) % 30000;
        sent.insert(c, time);
        if (i < 30) {
            const auto r = reference->ConcorrenteItem(c)->Risultati(2);
            r->setStatoConcorrente(kStatoArrivato);
            r->setTempo(time);
        }
        burst += frame(QStringLiteral("TCORRERETEMPOGRAFINEPREFISSO%1_GRASEPARATORETCORRERE_%2").arg(c).arg(time));
        if (++i == 30)
            burst += frame(QStringLiteral("RICHIESTACHIAVESESSIONEGRAFINEPREFISSO") +
                           encoder::sessionKeyText(QStringLiteral("103000000"), QStringLiteral("1"),
                                                   QStringLiteral("GS"), QStringLiteral("1")));
    }
    reference->ElaboraClassifiche();

    // The click is queued as the first text is handled, as an operator's click would wait.
    const auto timed = [&] {
        int n = 0;
        for (auto it = sent.cbegin(); it != sent.cend(); ++it)
            n += result(it.key()) && result(it.key())->Tempo() == it.value();
        return n;
    };
    int timedAtClick = -1;
    int rankings = 0, rankingsAtClick = -1;
    k().ElaborazioneClassificaCompletata.connect([&] { ++rankings; });
    QStringList onAirAtClick;
    QMetaObject::Connection first;
    first = QObject::connect(&window->units().MirtTcpGet(), &controls::TcpProxy::DatiArrivati, window.get(), [&] {
        QObject::disconnect(first);
        QMetaObject::invokeMethod(
            window.get(),
            [&] {
                timedAtClick = timed();
                rankingsAtClick = rankings;
                window->panel().cmdPagina_Click(kCodiceClassificaGrande);
                for (qint16 position = 1; position <= 8; ++position)
                    onAirAtClick << text(QStringLiteral("Classifica"), QStringLiteral("txtNominativo%1").arg(position));
            },
            Qt::QueuedConnection);
    });
    simulator.sendRaw(burst);
    ASSERT_TRUE(TimekeepingSimulator::waitUntil([&] { return state.PaginaInOnda.NomePagina == QStringLiteral("Classifica"); }));
    EXPECT_EQ(timedAtClick, 30);
    EXPECT_EQ(rankingsAtClick, 1);
    // Ranked when it went on air, and so it stays.
    for (qint16 position = 1; position <= 8; ++position) {
        const qint16 c = reference->ConcorrenteInPosizione(0, position, kAll);
        ASSERT_GT(c, 0);
        EXPECT_EQ(text(QStringLiteral("Classifica"), QStringLiteral("txtNominativo%1").arg(position)), nominativo(c))
            << "position " << position;
        EXPECT_EQ(onAirAtClick.value(position - 1), nominativo(c)) << "position " << position;
    }
    shootFrame("live_classifica_clicked_during_an_arrival");
}

}  // namespace
}  // namespace razudar::apptest

