// The running-clock page of one competitor, the parallel clock page, the competitor cards, the
// podium and the parallel board, written into the real graphics control.
#include <QDateTime>

#include "app/pages/competitor_card.h"
#include "app/pages/element_groups.h"
#include "app/pages/page_codes.h"
#include "app/pages/parallel_board.h"
#include "app/pages/running_clock.h"
#include "app/pages/running_clock_parallel.h"
#include "model/run_result.h"
#include "platform/renderer/video_board.h"
#include "pages_fixture.h"
#include "screenshots.h"

namespace razudar::pagestest {
namespace {

const QString kTC = QStringLiteral("TempoACorrere");
const QString kTCP = QStringLiteral("TempoACorrereParallelo");
const QString kScheda = QStringLiteral("ConcorrenteScheda");
const QString kPodio = QStringLiteral("Podio");
const QString kBoard = QStringLiteral("TabelloneParallelo");
const QString kClock = QStringLiteral("txtTempoACorrere");

struct ClockPages : Pages {
    void SetUp() override {
        Pages::SetUp();
        ctx->aggiornaClassificheInterfaccia = [this] { state.krono().ElaboraClassifiche(); };
    }
    clsRisultati& run(qint16 competitor, qint16 manche) {
        return *state.krono().ConcorrenteItem(competitor)->Risultati(manche);
    }
    void setTime(int h, int m, int s, int ms) {
        fakes.clock.setNow(QDateTime(QDate(2026, 12, 9), QTime(h, m, s, ms)));
    }
    qint32 clockStart(const QString& page, const QString& o) { return textProperty(page, o, 5).toInt(); }
    qint32 clockValue(const QString& page, const QString& o) { return textProperty(page, o, 6).toInt(); }
    bool shown(const QString& page, const QString& object) {
        return object.startsWith(QLatin1String("txt")) ? textVisible(page, object) : imageVisible(page, object);
    }
    // The objects of `objects` that are visible on the clock page.
    QStringList visibleOf(const QStringList& objects) {
        QStringList v;
        for (const QString& o : objects) {
            if (shown(kTC, o)) v << o;
        }
        return v;
    }
    // A frame of the output saved for a person to look at, when pictures are wanted.
    void saveFrame(const char* name) {
        if (screenshots::folder().isEmpty()) return;
        fakes.clock.advanceMs(2000);
        control->board()->composeNow();
        const QString path = screenshots::folder() + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png");
        gra->SalvaSchermo(path);
        screenshots::expectDrawn(path);
    }
    // Bib 12 (competitor 112) on course: started at 10:12:00.000, no time yet.
    void onCourse() {
        run(112, 1).setTempo(0);
        run(112, 1).setStatoConcorrente(10);
        state.krono().ElaboraClassifiche();
        state.ConcorrenteSelezionato = 112;
    }
};

TEST_F(ClockPages, ACompetitorFromTheStartThroughBothSplitsToTheFinish) {
    onCourse();
    state.NominativoTCVisibile = true;
    pages->MandaInOnda(kCodiceStartZero);
    EXPECT_EQ(onAir(), kTC);
    EXPECT_EQ(text(kTC, QStringLiteral("txtNominativo")), QStringLiteral("EGGER S."));
    EXPECT_EQ(clockValue(kTC, kClock), 0);

    setTime(10, 12, 30, 500);
    pages->MandaInOnda(kCodiceStart);
    EXPECT_EQ(clockStart(kTC, kClock), 30500);
    EXPECT_FALSE(textVisible(kTC, QStringLiteral("txtDistacco")));

    run(112, 1).OrarioIntermedioAdd(101240250);  // 10:12:40.250
    run(112, 1).OrarioIntermedioAdd(101320000);  // 10:13:20.000
    const struct {
        const char* split;
        qint32 value;
    } splits[] = {{"1", 40250}, {"2", 80000}};
    for (const auto& s : splits) {
        state.SplitMostrato = QLatin1String(s.split);
        pages->MandaInOnda(kCodiceTempo);
        EXPECT_EQ(clockValue(kTC, kClock), s.value) << s.split;
        EXPECT_FALSE(textVisible(kTC, QStringLiteral("txtPosizioneAssoluta"))) << s.split;
        EXPECT_TRUE(textVisible(kTC, QStringLiteral("txtNominativo"))) << s.split;
    }

    // Finish in 1:50.055: between bibs 5 and 6, behind the leader in white, 6th on air.
    run(112, 1).setTempo(150055);
    run(112, 1).setStatoConcorrente(0);
    state.SplitMostrato = QStringLiteral("F");
    pages->MandaInOnda(kCodiceTempo);
    EXPECT_EQ(clockValue(kTC, kClock), 110055);
    EXPECT_EQ(text(kTC, QStringLiteral("txtPosizioneAssoluta")), QStringLiteral("6"));
    EXPECT_TRUE(textVisible(kTC, QStringLiteral("txtPosizioneAssoluta")));
    EXPECT_TRUE(textVisible(kTC, QStringLiteral("txtDistacco")));
    EXPECT_EQ(textProperty(kTC, QStringLiteral("txtDistacco"), 2).toInt(), kColoreBiancoRgbLong);
    EXPECT_EQ(clockValue(kTC, QStringLiteral("txtDistacco")), 40);  // cut to hundredths
    EXPECT_TRUE(textVisible(kTC, QStringLiteral("txtTempoRiferimento")));
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

TEST_F(ClockPages, StartValues) {
    clsKrono& k = state.krono();
    onCourse();
    struct Case {
        const char* what;
        qint32 start;
        qint32 now;
        qint32 offset;
        qint64 expected;
    } cases[] = {
        {"run 1", 101200000, 101230500, 0, 30500},
        {"offset added", 101200000, 101230500, 1500, 32000},
        {"negative offset beyond the elapsed time", 101200000, 101230500, -40000, 0},
        {"start before midnight", 235950000, 5000, 0, 15000},
        {"start message just before midnight, read after it", 235959900, 10100, 86399800, 10000},
        {"local clock behind across midnight", 5000, 235959000, -86393000, 1000},
    };
    for (const Case& c : cases) {
        run(112, 1).setOrarioPartenza(c.start);
        EXPECT_EQ(ValoreAvvioTempoACorrere(k, 112, c.now, c.offset), c.expected) << c.what;
    }
    // Run 3 counts both earlier runs.
    k.cGara.setManches(3);
    k.setMancheCorrente(3);
    run(112, 1).setTempo(150000);   // 1:50.000
    run(112, 2).setTempo(145500);   // 1:45.500
    run(112, 3).setOrarioPartenza(140000000);
    EXPECT_EQ(ValoreAvvioTempoACorrere(k, 112, 140010000, 0), 110000 + 105500 + 10000);
    run(112, 3).OrarioIntermedioAdd(140020000);
    EXPECT_EQ(ValoreArrestoTempoACorrere(k, 112, QStringLiteral("1")), std::optional<qint64>(215500 + 20000));
    // No second intermediate: the clock is not stopped; an unknown split stops at 0.
    EXPECT_EQ(ValoreArrestoTempoACorrere(k, 112, QStringLiteral("2")), std::nullopt);
    EXPECT_EQ(ValoreArrestoTempoACorrere(k, 112, QString()), std::optional<qint64>(0));
}

TEST_F(ClockPages, CodesNineAndTwentyRenameThePageOnAirForANewCompetitor) {
    state.ConcorrenteSelezionato = 101;
    pages->MandaInOnda(kCodiceStartZero);
    EXPECT_EQ(text(kTC, QStringLiteral("txtNominativo")), QStringLiteral("HAUGEN H."));
    onCourse();
    setTime(10, 12, 10, 0);
    pages->MandaInOnda(kCodiceStart);
    EXPECT_EQ(text(kTC, QStringLiteral("txtNominativo")), QStringLiteral("EGGER S."));
    EXPECT_EQ(text(kTC, QStringLiteral("txtPettorale")), QStringLiteral("12"));
    // No selection puts nothing on air.
    pages->MandaInOnda(kCodicePulizia);
    state.ConcorrenteSelezionato = -1;
    pages->MandaInOnda(kCodiceStartZero);
    EXPECT_TRUE(onAir().isEmpty());
}

TEST_F(ClockPages, TheCompetitorGroupShowsTheNationAsTheOptionAsks) {
    state.ConcorrenteSelezionato = 101;
    pages->MandaInOnda(kCodiceStartZero);
    const struct {
        qint16 option;
        bool text;
        bool flag;
    } cases[] = {{0, true, false}, {1, false, true}, {2, false, false}, {3, true, true}};
    for (const auto& c : cases) {
        state.OpzioneNazionalita = c.option;
        MostraConcorrenteTC(*ctx, kTC);
        EXPECT_EQ(textVisible(kTC, QStringLiteral("txtNazionalita")), c.text) << c.option;
        EXPECT_EQ(imageVisible(kTC, QStringLiteral("imgNazionalita")), c.flag) << c.option;
    }
}

TEST_F(ClockPages, RunTwoReadyPageAndTheRunTimeFiveSecondsLater) {
    clsKrono& k = state.krono();
    k.cGara.setManches(2);
    k.setMancheCorrente(2);
    for (qint16 c : {101, 102}) {
        run(c, 2).setOrarioPartenza(120000000);
        run(c, 2).setTempo(c == 101 ? 146000 : 145000);
        run(c, 2).setStatoConcorrente(0);
    }
    k.ElaboraClassifiche();
    // Bib 9 did not finish run 1: the ready page shows no previous-run gap.
    state.ConcorrenteSelezionato = 109;
    pages->MandaInOnda(kCodiceStartZero);
    EXPECT_FALSE(textVisible(kTC, QStringLiteral("txtDistaccoManchePrecedente")));
    pages->MandaInOnda(kCodicePulizia);
    state.ConcorrenteSelezionato = 103;
    pages->MandaInOnda(kCodiceStartZero);
    EXPECT_EQ(clockValue(kTC, kClock), 110030);  // stopped at the run-1 time
    EXPECT_TRUE(textVisible(kTC, QStringLiteral("txtPosizioneManchePrecedente")));
    state.ConcorrenteSelezionato = 102;
    pages->MandaInOnda(kCodiceTempoManche);
    EXPECT_TRUE(textVisible(kTC, QStringLiteral("txtTempoManche")));
    EXPECT_EQ(clockValue(kTC, QStringLiteral("txtTempoManche")), 105000);
    EXPECT_EQ(text(kTC, QStringLiteral("txtPosizioneManche")), QStringLiteral("1"));
    EXPECT_FALSE(textVisible(kTC, QStringLiteral("txtDistaccoManchePrecedente")));
}

// The groups a competitor leaves on the clock page after his finish (and, from run 2 on, his
// run time); the competitor's own group and the clock are not among them.
const QStringList kReference = {"txtPettoraleRiferimento", "txtNominativoRiferimento", "txtTempoRiferimento",
                                "txtNazionalitaRiferimento", "SfondoConcorrenteRiferimento", "SfondoTempoRiferimento"};
const QStringList kAfterFinish = kReference + QStringList{"txtDistacco", "SfondoDistacco", "txtPosizioneAssoluta",
                                                          "SfondoPosizioneAssoluta", "txtPosizione1", "txtNominativo2",
                                                          "txtRisultato2", "SfondoClassifica"};
const QStringList kRunTime = {"txtTempoManche", "txtPosizioneManche", "SfondoTempoManche", "SfondoPosizioneManche"};

TEST_F(ClockPages, StartZeroAndANewLeadersFinishOnThePageOnAir) {
    clsKrono& k = state.krono();
    state.ClassificaSuTempoCorrere = true;
    state.SplitMostrato = QStringLiteral("F");
    // Bib 5 at the finish: 5th, the leader's time as reference, his gap, his place and standings.
    state.ConcorrenteSelezionato = 105;
    pages->MandaInOnda(kCodiceStartZero);
    pages->MandaInOnda(kCodiceTempo);
    ASSERT_EQ(visibleOf(kAfterFinish), kAfterFinish);
    EXPECT_EQ(text(kTC, QStringLiteral("txtPosizioneAssoluta")), QStringLiteral("5"));

    // "Start 0" for bib 12 on the page on air: his name, bib and nation, none of bib 5's groups.
    onCourse();
    pages->MandaInOnda(kCodiceStartZero);
    EXPECT_EQ(onAir(), kTC);
    EXPECT_EQ(text(kTC, QStringLiteral("txtNominativo")), QStringLiteral("EGGER S."));
    EXPECT_EQ(text(kTC, QStringLiteral("txtPettorale")), QStringLiteral("12"));
    EXPECT_EQ(text(kTC, QStringLiteral("txtNazionalita")), QStringLiteral("AUT"));
    EXPECT_EQ(visibleOf(kAfterFinish), QStringList());
    EXPECT_FALSE(state.ClassificaTCVisibile);
    EXPECT_EQ(clockValue(kTC, kClock), 0);

    // At the second split the leader's split time is the reference.
    run(101, 1).OrarioIntermedioAdd(100140000);  // 10:01:40.000
    run(101, 1).OrarioIntermedioAdd(100221000);  // 10:02:21.000: 1:21.000 at split 2
    k.ElaboraClassifiche();
    setTime(10, 12, 30, 0);
    pages->MandaInOnda(kCodiceStart);
    run(112, 1).OrarioIntermedioAdd(101235000);
    run(112, 1).OrarioIntermedioAdd(101318000);  // 1:18.000 at split 2
    state.SplitMostrato = QStringLiteral("2");
    pages->MandaInOnda(kCodiceTempo);
    EXPECT_EQ(visibleOf(kReference), kReference);
    EXPECT_EQ(text(kTC, QStringLiteral("txtNominativoRiferimento")), QStringLiteral("HAUGEN H."));
    EXPECT_EQ(clockValue(kTC, QStringLiteral("txtTempoRiferimento")), 81000);
    EXPECT_EQ(clockValue(kTC, kClock), 78000);

    // The finish in 1:45.000 makes him the leader: no reference beside his gap to the second.
    run(112, 1).setTempo(145000);
    run(112, 1).setStatoConcorrente(0);
    state.SplitMostrato = QStringLiteral("F");
    pages->MandaInOnda(kCodiceTempo);
    EXPECT_EQ(visibleOf(kReference), QStringList());
    EXPECT_EQ(text(kTC, QStringLiteral("txtPosizioneAssoluta")), QStringLiteral("1"));
    EXPECT_TRUE(textVisible(kTC, QStringLiteral("txtDistacco")));
    EXPECT_EQ(textProperty(kTC, QStringLiteral("txtDistacco"), 2).toInt(), kColoreVerdeRgbLong);
    EXPECT_EQ(clockValue(kTC, kClock), 105000);
    saveFrame("clock_new_leader_finish");

    // "Start 0" for bib 11 after the new leader's finish.
    state.ConcorrenteSelezionato = 111;
    pages->MandaInOnda(kCodiceStartZero);
    EXPECT_EQ(text(kTC, QStringLiteral("txtNominativo")), QStringLiteral("PICHLER M."));
    EXPECT_EQ(text(kTC, QStringLiteral("txtPettorale")), QStringLiteral("11"));
    EXPECT_EQ(visibleOf(kAfterFinish), QStringList());
    EXPECT_EQ(clockValue(kTC, kClock), 0);
    saveFrame("clock_start0_next");
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

TEST_F(ClockPages, StartZeroInRunTwoHidesTheRunTimeAndRewritesThePreviousRun) {
    clsKrono& k = state.krono();
    k.cGara.setManches(2);
    k.setMancheCorrente(2);
    for (qint16 c = 103; c <= 112; ++c) run(c, 2).setStatoConcorrente(10);  // still to start
    for (qint16 c : {101, 102}) {
        run(c, 2).setOrarioPartenza(120000000);
        run(c, 2).setTempo(c == 101 ? 146000 : 145000);
        run(c, 2).setStatoConcorrente(0);
    }
    k.ElaboraClassifiche();
    // Bib 1 after his run 2: second overall behind bib 2, his run time 5 seconds later.
    state.ClassificaSuTempoCorrere = true;
    state.SplitMostrato = QStringLiteral("F");
    state.ConcorrenteSelezionato = 101;
    pages->MandaInOnda(kCodiceStartZero);
    pages->MandaInOnda(kCodiceTempo);
    pages->MandaInOnda(kCodiceTempoManche);
    ASSERT_EQ(visibleOf(kRunTime), kRunTime);
    ASSERT_TRUE(textVisible(kTC, QStringLiteral("txtPosizioneAssoluta")));
    ASSERT_TRUE(imageVisible(kTC, QStringLiteral("SfondoClassifica")));

    // Bib 3 (third in run 1, 0.01 behind the leader bib 2): his run-1 place and gap.
    const QString previousGap = QStringLiteral("txtDistaccoManchePrecedente");
    state.ConcorrenteSelezionato = 103;
    pages->MandaInOnda(kCodiceStartZero);
    EXPECT_EQ(text(kTC, QStringLiteral("txtNominativo")), QStringLiteral("DE ZORDO L."));
    EXPECT_EQ(visibleOf(kRunTime + kAfterFinish), QStringList());
    EXPECT_EQ(text(kTC, QStringLiteral("txtPosizioneManchePrecedente")), QStringLiteral("3"));
    EXPECT_TRUE(textVisible(kTC, QStringLiteral("txtPosizioneManchePrecedente")));
    EXPECT_TRUE(textVisible(kTC, previousGap));
    EXPECT_EQ(clockValue(kTC, previousGap), 10);
    EXPECT_EQ(clockValue(kTC, kClock), 110030);

    // Bib 2 leads: his own page shows his run-1 place, and no gap of bib 3 stays.
    state.ConcorrenteSelezionato = 102;
    pages->MandaInOnda(kCodiceStartZero);
    EXPECT_EQ(text(kTC, QStringLiteral("txtPosizioneManchePrecedente")), QStringLiteral("2"));
    EXPECT_TRUE(imageVisible(kTC, QStringLiteral("SfondoPosizioneManchePrecedente")));
    EXPECT_FALSE(textVisible(kTC, previousGap));
    EXPECT_FALSE(imageVisible(kTC, QStringLiteral("SfondoDistaccoManchePrecedente")));
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

// Two heats: 101 v 102 and 103 v 104 (only the odd bibs are in category "M").
struct ParallelPages : ClockPages {
    void SetUp() override {
        ClockPages::SetUp();
        clsKrono& k = state.krono();
        k.cGara.setParallelo(true);
        k.setTurnoCorrente(QStringLiteral("F8"));
        k.setSfidaCorrente(1);
        for (qint16 c : {101, 102}) k.ElencoCoppieSfideAdd(1, c);
        for (qint16 c : {103, 104}) k.ElencoCoppieSfideAdd(2, c);
        for (qint16 c = 101; c <= 104; ++c) {
            run(c, 1).setTempo(0);
            run(c, 1).setStatoConcorrente(10);
        }
        k.setSiglaStatoNonPartito(QStringLiteral("DNS"));
        k.ElaboraClassifiche();
        ctx->testoLingua = [](const QString& f) { return f == QLatin1String("li_VincitoreManche") ? QStringLiteral("VINCE") : QString(); };
        state.SfidaSelezionata = 1;
    }
};

TEST_F(ParallelPages, AHeatFromTheStartToItsWinner) {
    pages->MandaInOnda(kCodiceStartParallelo);
    EXPECT_EQ(onAir(), kTCP);
    EXPECT_EQ(text(kTCP, QStringLiteral("txtNominativoA")), QStringLiteral("HAUGEN H."));
    EXPECT_EQ(text(kTCP, QStringLiteral("txtNominativoB")), QStringLiteral("GRUBER M."));
    EXPECT_EQ(clockStart(kTCP, kClock), 0);
    EXPECT_FALSE(textVisible(kTCP, QStringLiteral("txtDescrizioneA")));
    // B arrives first: B leads, its gap clock starts at 0.
    run(102, 1).setTempo(2500);
    run(102, 1).setStatoConcorrente(0);
    state.krono().ElaboraClassifiche();
    MostraEsitoSfida(*ctx, kTCP, 1);
    EXPECT_TRUE(textVisible(kTCP, QStringLiteral("txtDescrizioneB")));
    EXPECT_EQ(text(kTCP, QStringLiteral("txtDescrizioneB")), QStringLiteral("VINCE"));
    EXPECT_FALSE(textVisible(kTCP, QStringLiteral("txtDescrizioneA")));
    EXPECT_TRUE(textVisible(kTCP, QStringLiteral("txtDistaccoB")));
    FermaTempoParallelo(*ctx, kTCP, 1);
    EXPECT_EQ(clockValue(kTCP, kClock), 2500);
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

TEST_F(ParallelPages, TheBoardWithACategoryFilter) {
    run(101, 1).setTempo(2500);
    run(101, 1).setStatoConcorrente(0);
    run(102, 1).setStatoConcorrente(40);
    state.krono().setStatoSessione(2);
    state.krono().ElaboraClassifiche();
    state.CategoriaSelezionata = QStringLiteral("M");
    pages->MandaInOnda(kCodiceOrdinePartenza);
    EXPECT_EQ(onAir(), kBoard);
    EXPECT_EQ(text(kBoard, QStringLiteral("Titolo3")), QStringLiteral("Maschile"));
    // Only the lane-A competitors are in "M": rows 1 and 3, rows 2 and 4 stay empty.
    EXPECT_EQ(text(kBoard, QStringLiteral("txtPettorale1")), QStringLiteral("1"));
    EXPECT_EQ(text(kBoard, QStringLiteral("txtPettorale3")), QStringLiteral("3"));
    EXPECT_FALSE(textVisible(kBoard, QStringLiteral("txtPettorale2")));
    EXPECT_FALSE(textVisible(kBoard, QStringLiteral("txtPettorale4")));
    EXPECT_EQ(text(kBoard, QStringLiteral("txtTempo1_1")), QStringLiteral("+2.500"));
    EXPECT_EQ(textProperty(kBoard, QStringLiteral("txtTempo1_1"), 2).toInt(), kColoreVerdeRgbLong);
    EXPECT_EQ(textProperty(kBoard, QStringLiteral("txtNominativo3"), 2).toInt(), kColoreBiancoRgbLong);
    state.CategoriaSelezionata = QStringLiteral("XXXXX");
    pages->MandaInOnda(kCodiceOrdinePartenza);
    EXPECT_EQ(text(kBoard, QStringLiteral("txtTempo1_2")), QStringLiteral("DNS"));
    EXPECT_FALSE(textVisible(kBoard, QStringLiteral("txtPettorale5")));
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

TEST_F(ClockPages, CardsAndPodiumWithFewerThanThreeArrived) {
    clsKrono& k = state.krono();
    for (qint16 c = 103; c <= 112; ++c) {
        run(c, 1).setTempo(0);
        run(c, 1).setStatoConcorrente(10);
    }
    k.ElaboraClassifiche();
    state.ConcorrenteSelezionato = 101;
    pages->MandaInOnda(kCodiceScheda);
    EXPECT_EQ(onAir(), kScheda);
    EXPECT_EQ(text(kScheda, QStringLiteral("txtPosizione")), QStringLiteral("1"));
    EXPECT_EQ(text(kScheda, QStringLiteral("txtNominativo")), QStringLiteral("HAUGEN HENRIK"));
    EXPECT_TRUE(textVisible(kScheda, QStringLiteral("txtTesto")));
    state.ConcorrenteSelezionato = 105;  // on course: no place, no time
    pages->MandaInOnda(kCodiceScheda);
    EXPECT_TRUE(text(kScheda, QStringLiteral("txtPosizione")).isEmpty());
    EXPECT_FALSE(textVisible(kScheda, QStringLiteral("txtTesto")));
    pages->MandaInOnda(kCodiceSchedaSecondo);
    EXPECT_EQ(text(kScheda, QStringLiteral("txtTesto")), QStringLiteral("SECOND"));
    EXPECT_EQ(text(kScheda, QStringLiteral("txtNominativo")), QStringLiteral("GRUBER MARCO"));
    pages->MandaInOnda(kCodicePodio);
    EXPECT_EQ(onAir(), kPodio);
    EXPECT_EQ(text(kPodio, QStringLiteral("txtCognome1")), QStringLiteral("HAUGEN"));
    EXPECT_TRUE(textVisible(kPodio, QStringLiteral("txtCognome2")));
    EXPECT_FALSE(textVisible(kPodio, QStringLiteral("txtCognome3")));
    EXPECT_FALSE(textVisible(kPodio, QStringLiteral("txtNome3")));
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

TEST_F(ParallelPages, AWinnerTextMissingFromTheLanguageTableShowsNoBadge) {
    const struct {
        const char* text;
        bool badge;
    } cases[] = {{"", false}, {"VINCE", true}};
    for (const auto& c : cases) {
        const QString winner = QLatin1String(c.text);
        ctx->testoLingua = [winner](const QString&) { return winner; };
        for (qint16 competitor : {101, 102}) {
            run(competitor, 1).setTempo(0);
            run(competitor, 1).setStatoConcorrente(10);
        }
        state.krono().ElaboraClassifiche();
        pages->MandaInOnda(kCodiceStartParallelo);
        // B arrives first and leads the heat; then A arrives behind and the heat is complete.
        run(102, 1).setTempo(2500);
        run(102, 1).setStatoConcorrente(0);
        state.krono().ElaboraClassifiche();
        MostraEsitoSfida(*ctx, kTCP, 1);
        EXPECT_EQ(imageVisible(kTCP, QStringLiteral("SfondoDescrizioneB")), c.badge) << c.text;
        EXPECT_EQ(textVisible(kTCP, QStringLiteral("txtDescrizioneB")), c.badge) << c.text;
        EXPECT_EQ(text(kTCP, QStringLiteral("txtDescrizioneB")), winner);
        EXPECT_TRUE(textVisible(kTCP, QStringLiteral("txtDistaccoB"))) << c.text;
        run(101, 1).setTempo(2712);
        run(101, 1).setStatoConcorrente(0);
        state.krono().ElaboraClassifiche();
        ASSERT_TRUE(state.krono().SfidaCompletata(1));
        FermaTempoParallelo(*ctx, kTCP, 1);
        MostraEsitoSfida(*ctx, kTCP, 1);
        EXPECT_EQ(imageVisible(kTCP, QStringLiteral("SfondoDescrizioneB")), c.badge) << c.text;
        EXPECT_EQ(textVisible(kTCP, QStringLiteral("txtDescrizioneB")), c.badge) << c.text;
        EXPECT_FALSE(imageVisible(kTCP, QStringLiteral("SfondoDescrizioneA"))) << c.text;
        EXPECT_TRUE(textVisible(kTCP, QStringLiteral("txtDistaccoA"))) << c.text;
        if (!c.badge) saveFrame("parallel_done_no_winner_text");
    }
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

// Frames of each page at its key moments, saved for a person to look at.
TEST_F(ParallelPages, Screenshots) {
    if (screenshots::folder().isEmpty()) GTEST_SKIP() << "RAZUDAR_SCREENSHOTS not set";
    const auto save = [&](const char* name) { saveFrame(name); };
    state.OpzioneNazionalita = 3;
    pages->MandaInOnda(kCodiceStartParallelo);
    run(102, 1).setTempo(2500);
    run(102, 1).setStatoConcorrente(0);
    state.krono().ElaboraClassifiche();
    MostraEsitoSfida(*ctx, kTCP, 1);
    save("parallel_leader");
    run(101, 1).setTempo(2712);
    run(101, 1).setStatoConcorrente(0);
    state.krono().ElaboraClassifiche();
    FermaTempoParallelo(*ctx, kTCP, 1);
    MostraEsitoSfida(*ctx, kTCP, 1);
    save("parallel_done");
    state.krono().setStatoSessione(2);
    pages->MandaInOnda(kCodiceOrdinePartenza);
    save("board");
    state.krono().cGara.setParallelo(false);
    state.krono().ElaboraClassifiche();
    pages->MandaInOnda(kCodicePodio);
    save("podium");
    pages->MandaInOnda(kCodiceSchedaPrimo);
    save("card_winner");
    state.ConcorrenteSelezionato = 105;
    pages->MandaInOnda(kCodiceScheda);
    save("card_105");
    onCourse();
    state.NominativoTCVisibile = true;
    pages->MandaInOnda(kCodiceStartZero);
    save("clock_ready");
    setTime(10, 12, 30, 500);
    pages->MandaInOnda(kCodiceStart);
    save("clock_running");
    run(112, 1).OrarioIntermedioAdd(101240250);
    state.SplitMostrato = QStringLiteral("1");
    pages->MandaInOnda(kCodiceTempo);
    save("clock_split1");
    run(112, 1).setTempo(150055);
    run(112, 1).setStatoConcorrente(0);
    state.SplitMostrato = QStringLiteral("F");
    pages->MandaInOnda(kCodiceTempo);
    save("clock_finish");
    std::fprintf(stderr, "DBG %d %d %s\n", clockValue(kTC, QStringLiteral("txtDistacco")), textProperty(kTC, QStringLiteral("txtDistacco"), 7).toInt(), qPrintable(textProperty(kTC, QStringLiteral("txtDistacco"), 9).toString()));
    state.ConcorrenteSelezionato = 101;
    state.SplitMostrato = QStringLiteral("F");
    pages->MandaInOnda(kCodiceTempo);
    save("clock_finish_leader");
}

}  // namespace
}  // namespace razudar::pagestest
