// The results-monitor pages and refresh, written on a recording surface. Colour n of the
// monitor settings reads 1000 + n, so each text shows the index it was written with.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QImage>

#include <algorithm>
#include <cmath>

#include "list/stovak.h"

#include "model/krono.h"
#include "platform/fakes/fake_services.h"
#include "tests/list/list_test_support.h"
#include "tests/model/race_fixture.h"

namespace razudar {
namespace {

using test::addCompetitor;
using test::setRun;
using testing::FakeMonitorHost;
using testing::FixedMonitorSettings;
using testing::RecordingSurface;
using testing::SurfaceCall;

// One run, two intermediates: six arrived (1-6 in that order), two on course (7 and 8), the
// second of them started just before midnight.
class MonitorRace : public ::testing::Test {
protected:
    void SetUp() override {
        k.cGara.setDescrizioneGara(QStringLiteral("Coppa Neve"));
        k.cGara.setDescrizioneSessione(QStringLiteral("Slalom gigante"));
        k.cGara.setDisciplina(2);
        k.cGara.setManches(1);
        k.cGara.setIntermedi(2);
        k.cGara.setRisoluzione(3);
        k.cGara.setPagineMonitor(1);
        k.setMancheCorrente(1);
        k.setCategoriaMonitor(QStringLiteral("XXXXX"));
        const char* names[] = {"Rossi", "Bianchi", "Verdi", "Neri", "Gialli", "Blu", "Marroncinobianco", "Viola"};
        for (qint16 n = 1; n <= 8; ++n) {
            addCompetitor(k, n, qint16(20 + n))->setCognome(QString::fromLatin1(names[n - 1]));
            k.ConcorrenteItem(n)->Risultati(1)->setOrdinePartenza(n);
        }
        const qint32 times[] = {100000, 101000, 102500, 103000, 104000, 105000};
        for (qint16 n = 1; n <= 6; ++n) setRun(k, n, 1, 0, times[n - 1], 90000000);
        setRun(k, 7, 1, 20, 0, 100000000);  // 10:00:00.000
        setRun(k, 8, 1, 20, 0, 235930000);  // 23:59:30.000
        k.ConcorrenteItem(7)->Risultati(1)->OrarioIntermedioAdd(100020000);
        k.ConcorrenteItem(8)->Risultati(1)->OrarioIntermedioAdd(235951500);
        k.setConcorrenteTraguardo(2);
        k.ElaboraClassifiche();
        k.setMonitorEnvironment(&settings, &clock);
    }
    // The non-blank write of s at that row, or a call of kind "" when none.
    SurfaceCall at(const QString& s, double row) const {
        for (const auto& call : surface.writes())
            if (call.s == s && qAbs(*call.args.p - row) < 1e-6) return call;
        return {};
    }
    clsKrono k;
    FixedMonitorSettings settings;
    FakeClock clock;
    RecordingSurface surface;
};

void expectText(const SurfaceCall& call, qint32 colour, double x, bool left, double size) {
    ASSERT_EQ(call.kind, QStringLiteral("Scrivi"));
    EXPECT_EQ(*call.args.c, colour) << call.s.toStdString();
    EXPECT_DOUBLE_EQ(*call.args.X, x) << call.s.toStdString();
    EXPECT_EQ(*call.args.Sinistra, left) << call.s.toStdString();
    EXPECT_DOUBLE_EQ(*call.args.FattoreDimensione, size) << call.s.toStdString();
    EXPECT_TRUE(*call.args.NonAndareACapo);
}

TEST_F(MonitorRace, LeadingBlockWithTitleHeadingsAndHighlightedFinisher) {
    ASSERT_TRUE(k.VisualizzaMonitorClassifica(surface, 0, 1, 3, 4, 1, true));
    EXPECT_EQ(surface.kinds().mid(0, 5), (QStringList{"Scrivi", "Scrivi", "Scrivi", "InizializzaAltezze", "CurrentX"}));
    expectText(at(QStringLiteral("Coppa Neve"), 1), 1008, 100, true, 6);
    expectText(at(QStringLiteral("SLALOM GIGANTE"), 1), 1006, 9500, false, -5);
    expectText(at(QStringLiteral("STANDINGS"), 1.7), 1006, 9500, false, -5);
    expectText(at(QStringLiteral("POS"), 3), 1005, 450, false, -4);
    expectText(at(QStringLiteral("NAME"), 3), 1005, 2300, true, -4);
    expectText(at(QStringLiteral("P. GAP"), 3), 1005, 9000, false, -4);
    expectText(at(QStringLiteral("1"), 4), 1009, 450, false, 0);
    expectText(at(QStringLiteral("21"), 4), 1006, 2150, false, 0);
    expectText(at(QStringLiteral("ROSSI"), 4), 1013, 2300, true, 0);
    expectText(at(QStringLiteral(" 1'00.00"), 4), 1002, 6000, false, 0);
    expectText(at(QStringLiteral("2"), 5), 1007, 450, false, 0);  // the finisher
    expectText(at(QStringLiteral("BIANCHI"), 5), 1007, 2300, true, 0);
    expectText(at(QStringLiteral(" 1.00"), 5), 1002, 7500, false, 0);
    expectText(at(QStringLiteral(" 2.50"), 6), 1002, 7500, false, 0);
    expectText(at(QStringLiteral(" 1.50"), 6), 1002, 9000, false, 0);  // to the position before
    EXPECT_EQ(surface.writes().size(), 3u + 6u + 3u * 4u + 2u + 1u);
    // The blanks: the block's rows first, then the title's rows, then each row again.
    std::vector<double> blanks;
    for (const auto& call : surface.calls)
        if (call.kind == QStringLiteral("Scrivi") && call.s == QString(200, u' ')) blanks.push_back(*call.args.p);
    EXPECT_EQ(blanks, (std::vector<double>{4, 5, 6, 1, 2, 3, 4, 5, 6}));
    EXPECT_FALSE(k.VisualizzaMonitorClassifica(surface, 51, 1, 3, 4, 1));
}

TEST_F(MonitorRace, LaterBlockHasNoTitleAndLeavesNotArrivedRowsBlank) {
    k.setCategoriaMonitor(QStringLiteral("XXXXX"));
    ASSERT_TRUE(k.VisualizzaMonitorClassifica(surface, 0, 6, 7, 9, 1));
    EXPECT_EQ(surface.texts(), (QStringList{"6", "26", "BLU", " 1'05.00", " 5.00", " 1.00"}));
    EXPECT_TRUE(at(QStringLiteral("STANDINGS"), 1.7).kind.isEmpty());

    clsKrono empty;
    RecordingSurface untouched;
    empty.setMonitorEnvironment(&settings, &clock);
    ASSERT_TRUE(empty.VisualizzaMonitorClassifica(untouched, 0, 1, 10, 4, 1, true));
    EXPECT_TRUE(untouched.calls.empty());
}

TEST_F(MonitorRace, CycleMovesByBlocksWhileTheNextBlockStartsWithAnArrival) {
    k.setPosizioneVisualizzata(4);
    k.CiclaConcorrentiMonitor();  // position 6 arrived
    EXPECT_EQ(k.PosizioneVisualizzata(), 6);
    k.CiclaConcorrentiMonitor();  // position 8 is on course
    EXPECT_EQ(k.PosizioneVisualizzata(), 4);
    k.setPosizioneVisualizzata(32767);  // no position past the 16-bit range
    k.CiclaConcorrentiMonitor();
    EXPECT_EQ(k.PosizioneVisualizzata(), 4);
}

TEST_F(MonitorRace, RefreshWritesBothBlocksTheRuleAndTheOnCourseBlock) {
    clock.setNow(QDateTime(QDate(2026, 1, 10), QTime(0, 0, 10)));
    k.setPosizioneVisualizzata(6);
    FakeMonitorHost host(&surface);
    k.AggiornaMonitor(host, 2);
    ASSERT_EQ(host.rules.size(), 1u);
    EXPECT_EQ(host.rules[0].colour, 1002);
    EXPECT_EQ(host.rules[0].width, 200);
    EXPECT_EQ(host.rules[0].row, 10);
    expectText(at(QStringLiteral("STANDINGS"), 1.7), 1006, 9500, false, -5);
    expectText(at(QStringLiteral("BLU"), 7), 1013, 2300, true, 0);  // the cycle block from 6
    expectText(at(QStringLiteral("INT.2"), 11), 1002, 8000, false, -4);
    // Start order: the finisher, then the two on course; three rows at most.
    expectText(at(QStringLiteral("BIANCHI"), 12), 1007, 600, true, 0);
    expectText(at(QStringLiteral(" 1'01.00"), 12), 0, 3260, false, 0);
    expectText(at(QStringLiteral("(2)"), 12.1), 1019, 3310, true, -2);
    expectText(at(QStringLiteral("MARRONCINO"), 13), 1013, 600, true, 0);
    // The clock says 00:00:10: 8 started at 23:59:30 and has run 40 seconds across midnight;
    // for 7 (started at 10:00:00) that reads as 14 hours, never as a negative time.
    expectText(at(QStringLiteral(" 14:00'10.00"), 13), 1002, 2880, false, 0);
    expectText(at(QStringLiteral(" 40.00"), 14), 1002, 2880, false, 0);
    expectText(at(QStringLiteral(" 20.00"), 13), 1003, 5100, false, 0);  // ahead at split 1
    expectText(at(QStringLiteral("-1.50"), 13.1), 1003, 5150, true, -2);
    expectText(at(QStringLiteral("(1)"), 13.1), 1019, 6150, true, -2);
    expectText(at(QStringLiteral(" 21.50"), 14), 1002, 5100, false, 0);
    expectText(at(QStringLiteral("+1.50"), 14.1), 1019, 5150, true, -2);
    expectText(at(QStringLiteral("(2)"), 14.1), 1019, 6150, true, -2);
    EXPECT_TRUE(at(QStringLiteral("VIOLA"), 15).kind.isEmpty());
}

TEST_F(MonitorRace, RefreshDoesNothingWithoutMonitorPagesAndKeepsBlocksForOtherStates) {
    FakeMonitorHost host(&surface);
    k.cGara.setPagineMonitor(0);
    k.AggiornaMonitor(host, 2);
    EXPECT_TRUE(surface.calls.empty());
    EXPECT_TRUE(host.rules.empty());

    k.cGara.setPagineMonitor(1);
    k.AggiornaMonitor(host, 7);  // still on course: the standings stay as they are
    EXPECT_TRUE(at(QStringLiteral("STANDINGS"), 1.7).kind.isEmpty());
    EXPECT_EQ(host.rules.size(), 1u);
    expectText(at(QStringLiteral("TIME"), 11), 1002, 2880, false, -4);
}

// The monitor on a real control in row scale: 20 rows over the control's height.
TEST_F(MonitorRace, PagesOnARealControl) {
    struct Palette : FixedMonitorSettings {
        qint32 Colore(qint32 i) const override {
            switch (i) {
            case 6: return 0x00ffff;   // yellow: title and bibs
            case 9: return 0x00ff00;   // green: positions
            case 7: return 0x0080ff;   // orange: the finisher
            default: return 0xffffff;  // white
            }
        }
    } palette;
    k.setMonitorEnvironment(&palette, &clock);
    clock.setNow(QDateTime(QDate(2026, 1, 9), QTime(10, 1, 5)));
    list::Stovak control;
    control.resize(640, 400);
    control.show();
    control.setBackColor(0x402000);  // dark blue
    ASSERT_TRUE(control.setNumeroRighe(QStringLiteral("20")));
    ASSERT_TRUE(control.setInterlinea(QStringLiteral("1")));
    control.resize(640, 401);
    QFont font(QStringLiteral("DejaVu Sans"), 11, QFont::Bold);
    control.setFont_(font);
    testing::StovakByName surface(&control);
    FakeMonitorHost host(&surface);
    k.setPosizioneVisualizzata(4);
    k.AggiornaMonitor(host, 2);
    const QImage picture = control.grab().toImage();
    if (qEnvironmentVariableIsSet("RAZUDAR_SHOTS")) picture.save(QStringLiteral("/tmp/stovak_monitor.png"));
    // The title (yellow) sits at the top right, the positions (green) down the left.
    const auto count = [&picture](QRect area, QRgb colour) {
        int found = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                found += (picture.pixel(x, y) & 0xffffff) == (colour & 0xffffff);
        return found;
    };
    EXPECT_GT(count(QRect(400, 1, 200, 30), qRgb(255, 255, 0)), 20);
    EXPECT_GT(count(QRect(1, 50, 40, 120), qRgb(0, 255, 0)), 20);
    EXPECT_EQ(count(QRect(400, 1, 200, 30), qRgb(0, 255, 0)), 0);
}

// Rows taller than the font: the on-course block's smaller gap and position texts sit a tenth
// of a row down, not wholly under the blanks that open each refresh, while the running time
// changes every second. However long the race runs, the list keeps what a few minutes left.
TEST_F(MonitorRace, RefreshesOnRowsTallerThanTheFontKeepTheListBounded) {
    clock.setNow(QDateTime(QDate(2026, 1, 9), QTime(10, 1, 5)));
    list::Stovak control;
    control.resize(640, 401);
    control.show();
    ASSERT_TRUE(control.setNumeroRighe(QStringLiteral("20")));
    ASSERT_TRUE(control.setInterlinea(QStringLiteral("1")));
    control.resize(640, 401);
    control.setFont_(QFont(QStringLiteral("DejaVu Sans"), 11, QFont::Bold));
    control.InizializzaAltezze();
    const double rowPx = control.surface().sizePx().height() / 19;
    ASSERT_GT(rowPx, control.surface().textHeight(QStringLiteral("X")) / control.surface().unitsPerPxY());
    testing::StovakByName surface(&control);
    FakeMonitorHost host(&surface);
    k.setPosizioneVisualizzata(4);
    const auto refresh = [&](int times) {
        for (int i = 0; i < times; ++i) {
            clock.advanceMs(1000);
            k.AggiornaMonitor(host, 2);
        }
    };
    refresh(1);
    const auto first = control.surface().drawing().itemCount();
    refresh(299);
    qsizetype most = 0;
    for (int step = 0; step < 47; ++step) {
        refresh(100);
        most = std::max(most, control.surface().drawing().itemCount());
    }
    // 5,000 refreshes: at most a band's worth of drawings more than one page in each band the
    // block touches, and a picture per band at most.
    RecordProperty("items_after_first_refresh", int(first));
    RecordProperty("most_items_over_5000_refreshes", int(most));
    const int bands = int(std::ceil(control.surface().sizePx().height() / 64));
    EXPECT_LE(most, first + qsizetype(list::SurfaceDrawing::kDefaultBandLimit) * bands);
    EXPECT_LE(most, 3 * first) << first;
    EXPECT_LE(control.surface().drawing().pictureBytes(), qsizetype(640) * 64 * 4 * bands);
    // The clock still shows the last second written: 10:00:00 to 11:24:25.
    bool found = false;
    for (const auto& text : control.surface().drawing().texts()) found |= text.text == QStringLiteral(" 1:24'25.00");
    EXPECT_TRUE(found);
}

TEST(MonitorHeats, HeatPageWithWinnerGapAndRule) {
    clsKrono k;
    FixedMonitorSettings settings;
    k.setMonitorEnvironment(&settings, nullptr);
    k.cGara.setDisciplina(2);
    k.cGara.setParallelo(true);
    k.cGara.setRisoluzione(3);
    k.setMancheCorrente(1);
    k.setSfidaCorrente(1);
    k.setCategoriaMonitor(QStringLiteral("SEN"));
    k.setSiglaStatoNonArrivato(QStringLiteral("RIT"));
    const struct { qint16 n; const char* name; qint32 state, time; qint16 heat; } field[] = {
        {11, "Alfa", 0, 30500, 1}, {12, "Beta", 0, 31200, 1}, {13, "Gamma", 30, 0, 2}, {14, "Delta", 0, 32000, 2}};
    for (const auto& f : field) {
        addCompetitor(k, f.n, qint16(f.n + 10), {QStringLiteral("SEN")})->setCognome(QString::fromLatin1(f.name));
        setRun(k, f.n, 1, f.state, f.time);
        k.ElencoCoppieSfideAdd(f.heat, f.n);
    }
    k.ElaboraClassifiche();
    RecordingSurface surface;
    FakeMonitorHost host(&surface);
    k.cGara.setPagineMonitor(1);
    k.AggiornaMonitor(host, 11);  // a parallel run shows the heat page only
    EXPECT_TRUE(host.rules.empty());
    EXPECT_EQ(surface.calls.front().kind, QStringLiteral("Pulisci"));
    EXPECT_EQ(surface.texts(), (QStringList{"", "", "STANDINGS (CAT. SEN)", "N.", "NAME", "TIME", "GAP",
                                            " 1)", "21", "ALFA", " 30.50", "WINNER", "22", "BETA", " 31.20", " 0.70",
                                            " 2)", "23", "GAMMA", "RIT", "24", "DELTA", " 32.00"}));
    std::vector<std::vector<double>> lines;
    for (const auto& call : surface.calls)
        if (call.kind == QStringLiteral("Linea")) lines.push_back(call.numbers);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NEAR(lines[0][1], 6.15, 1e-5);
    EXPECT_NEAR(lines[1][1], 8.35, 1e-5);
    EXPECT_EQ(lines[0][2], 15360);
    EXPECT_EQ(lines[0][4], 2);
}

}  // namespace
}  // namespace razudar
