#include <QCoreApplication>
#include <QJsonArray>
#include <QThread>

#include <gtest/gtest.h>

#include "graphics/mirt_gra.h"
#include "gra_test_support.h"
#include "platform/renderer/renderer.h"
#include "platform/renderer/video_board.h"
#include "platform/renderer_test_support.h"

namespace razudar::gra_test {
namespace {

struct ClockPage {
    explicit ClockPage(int plane = 0) {
        QJsonArray objects;
        QJsonObject clock = textObject("txtTempo", 400, 480, 200, 40, "");
        clock["runFormat"] = "nz hh:mm:ss:d";
        clock["stopFormat"] = "nz hh:mm:ss:dc";
        objects << clock << imageObject("Logo", 10, 10, "logo.png");
        writePicture(c.folder() + "/logo.png", 20, 20, Qt::green);
        writePage(c.folder(), "Tempo.smb", objects);
        c.start();
        EXPECT_TRUE(call(c.control.get(), "CaricaPagina", {"Tempo", plane}).toBool());
        EXPECT_TRUE(call(c.control.get(), "StartPagina", {"Tempo"}).toBool());
        model = plane == 0 ? c.control->findChild<QObject*>() : nullptr;
    }
    bool tempo(int proprieta, const QVariant& valore) {
        return call(c.control.get(), "TempoACorrere", {"Tempo", "txtTempo", proprieta, valore}).toBool();
    }
    QVariant prop(int code) { return call(c.control.get(), "ProprietaTesto", {"Tempo", "txtTempo", code}); }
    DirectControl c;
    QObject* model = nullptr;
};

TEST(RunningClocks, TempoACorrereTakesMillisecondsAndSignedTexts) {
    struct Case {
        QVariant valore;
        int timeStart;
    };
    const Case cases[] = {{12345, 12345}, {"+1500", 1500}, {"-2000", -2000}, {" - 75 ", -75}, {QString("61000"), 61000}};
    for (const Case& tc : cases) {
        ClockPage p;
        EXPECT_TRUE(p.tempo(0, tc.valore)) << tc.valore.toString().toStdString();
        EXPECT_EQ(p.prop(5).toInt(), tc.timeStart) << tc.valore.toString().toStdString();
        // Counting on from there.
        p.c.fakes.clock.advanceMs(1000);
        EXPECT_EQ(p.prop(6).toInt(), tc.timeStart + 1000);
        EXPECT_TRUE(p.c.events->messages.isEmpty());
    }
}

TEST(RunningClocks, NullStartsFromTheLastStartStopAndPauseShowTheirValue) {
    ClockPage p;
    ASSERT_TRUE(p.tempo(0, 5000));
    p.c.fakes.clock.advanceMs(2000);
    ASSERT_TRUE(p.tempo(1, 61000));
    EXPECT_EQ(p.prop(6).toInt(), 61000);
    // A Null start counts on from the last start value (5000), not from the stop.
    ASSERT_TRUE(p.tempo(0, QVariant()));
    EXPECT_EQ(p.prop(6).toInt(), 5000);
    p.c.fakes.clock.advanceMs(500);
    ASSERT_TRUE(p.tempo(1, QVariant()));
    EXPECT_EQ(p.prop(6).toInt(), 5500);
    ASSERT_TRUE(p.tempo(0, "+0"));
    ASSERT_TRUE(p.tempo(2, "-300"));
    ASSERT_TRUE(p.tempo(2, QVariant()));
    EXPECT_TRUE(p.tempo(7, 1));  // other codes do nothing
    EXPECT_TRUE(p.c.events->messages.isEmpty());
}

TEST(RunningClocks, BadValuesAndTargetsGiveAMessageAndFail) {
    ClockPage p;
    EXPECT_FALSE(p.tempo(0, "dieci"));
    EXPECT_FALSE(p.tempo(0, "+99999999999"));
    EXPECT_FALSE(call(p.c.control.get(), "TempoACorrere", {"Tempo", "Logo", 0, 10}).toBool());
    EXPECT_FALSE(call(p.c.control.get(), "TempoACorrere", {"Nessuna", "txtTempo", 0, 10}).toBool());
    ASSERT_EQ(p.c.events->messages.size(), 4);
    EXPECT_EQ(p.c.events->messages[0], "TempoACorrere: Valore='dieci' non valido");
    EXPECT_EQ(p.c.events->messages[3], "TempoACorrere: Pagina='Nessuna' non trovata su elenco pagine");
}

TEST(RunningClocks, PageOnPlaneOneRunsItsOwnClock) {
    ClockPage p(1);
    ASSERT_TRUE(p.tempo(0, 7000));
    EXPECT_EQ(p.prop(5).toInt(), 7000);
    EXPECT_TRUE(p.c.events->messages.isEmpty());
}

// The sponsor object of a page on air plays real files made for the test.
struct SponsorPage {
    SponsorPage() {
        const QString made = renderer::rtest::makeClip(c.folder() + "/Sponsor1.avi", 3, 64, 48);
        EXPECT_TRUE(made.isEmpty()) << made.toStdString();
        QJsonObject sponsor = simpleObject("Sponsor", "animation", 600, 20, 64, 48);
        sponsor["visible"] = false;
        writePage(c.folder(), "Onda.smb", QJsonArray{sponsor});
        c.start();
        EXPECT_TRUE(call(c.control.get(), "CaricaPagina", {"Onda", 0}).toBool());
        EXPECT_TRUE(call(c.control.get(), "StartPagina", {"Onda"}).toBool());
    }
    void play(const QString& file) {
        call(c.control.get(), "setProprietaAnimazione", {"Onda", "Sponsor", 3, c.folder() + "/" + file});
        call(c.control.get(), "Animazione", {"Onda", "Sponsor", 0, QVariant()});
    }
    void frames(int n) {
        for (int i = 0; i < n; ++i) {
            QThread::msleep(2);
            c.fakes.clock.advanceMs(40);
            c.control->board()->composeNow();
            QCoreApplication::processEvents();
        }
    }
    void untilNotified(std::size_t count) {
        for (int i = 0; i < 1500 && c.events->notifications.size() < count; ++i) frames(1);
    }
    DirectControl c;
};

TEST(SponsorClips, ClipPlaysAndIsReportedOnceAfterTheCall) {
    SponsorPage s;
    s.play("Sponsor1.avi");
    EXPECT_TRUE(s.c.events->notifications.empty());
    s.untilNotified(1);
    s.frames(20);
    ASSERT_EQ(s.c.events->notifications.size(), 1u);
    EXPECT_EQ(s.c.events->notifications[0], std::make_pair(QString("Sponsor"), 2));
    EXPECT_TRUE(call(s.c.control.get(), "ProprietaAnimazione", {"Onda", "Sponsor", 4}).toBool());
    EXPECT_TRUE(s.c.events->messages.isEmpty());
}

TEST(SponsorClips, SwitchedOffClipNeverReports) {
    SponsorPage s;
    s.play("Sponsor1.avi");
    call(s.c.control.get(), "setProprietaAnimazione", {"Onda", "Sponsor", 4, false});
    // As long as a clip left on is given to report its end, and as long after.
    s.untilNotified(1);
    s.frames(20);
    EXPECT_TRUE(s.c.events->notifications.empty());
    // Stop does nothing at all.
    call(s.c.control.get(), "Animazione", {"Onda", "Sponsor", 1, QVariant()});
    EXPECT_FALSE(call(s.c.control.get(), "ProprietaAnimazione", {"Onda", "Sponsor", 4}).toBool());
}

TEST(SponsorClips, MissingClipGivesAMessageAndOneEnd) {
    SponsorPage s;
    s.play("Sponsor2.avi");
    ASSERT_EQ(s.c.events->messages.size(), 1);
    EXPECT_TRUE(s.c.events->messages[0].startsWith("Animazione: Filmato '")) << s.c.events->messages[0].toStdString();
    EXPECT_TRUE(s.c.events->notifications.empty());
    s.frames(10);
    EXPECT_EQ(s.c.events->notifications.size(), 1u);
}

// Bars "Colore" & colour & digit as image objects of plane 0's page.
struct BarPage {
    BarPage() {
        writePicture(c.folder() + "/bar.png", 30, 10, Qt::red);
        QJsonArray objects;
        for (const char* colour : {"Corr", "Best", "Slow", "Pole", "Pers", "SloS"}) {
            for (const char* digit : {"1", "2", "3", "s"}) {
                QJsonObject o = imageObject(QStringLiteral("Colore%1%2").arg(colour, digit), 0, 0, "bar.png");
                o["visible"] = false;
                objects << o;
            }
        }
        writePage(c.folder(), "Barre.smb", objects);
        c.start();
        EXPECT_TRUE(call(c.control.get(), "CaricaPagina", {"Barre", 0}).toBool());
    }
    bool visible(const QString& name) {
        return call(c.control.get(), "ProprietaImmagine", {"Barre", name, 4}).toBool();
    }
    int x(const QString& name) { return call(c.control.get(), "ProprietaImmagine", {"Barre", name, 10}).toInt(); }
    QStringList shown() {
        QStringList names;
        for (const char* colour : {"Corr", "Best", "Slow", "Pole", "Pers", "SloS"}) {
            for (const char* digit : {"1", "2", "3", "s"}) {
                const QString n = QStringLiteral("Colore%1%2").arg(colour, digit);
                if (visible(n)) names << n;
            }
        }
        return names;
    }
    DirectControl c;
};

TEST(Bars, SetRettangoloShowsOneColourWithItsRightEdgeAtTheEnd) {
    BarPage b;
    ASSERT_TRUE(call(b.c.control.get(), "SetRettangolo", {"l2s", 100, 10, 50, 20, 4, true}).toBool());
    EXPECT_EQ(b.shown(), QStringList({"ColorePers2"}));
    EXPECT_EQ(b.x("ColorePers2"), 150 - 30);
    // A colour outside the table is refused with a message.
    EXPECT_FALSE(call(b.c.control.get(), "SetRettangolo", {"l1", 100, 10, 50, 20, 6, true}).toBool());
    EXPECT_EQ(b.c.events->messages, QStringList({"SetRettangolo: Colore='6' fuori dalla tabella (0..5)"}));
}

TEST(Bars, RigaDrawsSegmentsAndSplitBarsInOrder) {
    BarPage b;
    // x 10, y 0, h 20, lengths 100/50/0, colours 1/3/2, splits 0/0/5, border 2.
    const QVariantList row = {10, 0, 20, 100, 50, 0, 0, 0, 0, 1, 3, 2, 0, 0, 5, 2, 0};
    ASSERT_TRUE(call(b.c.control.get(), "Riga", {QVariant(row)}).toBool());
    // l1 in Best; l2 has the split colour, so hidden, and its split bar shown in Pole; l3 empty;
    // l3's split bar (5 long) shown in Pole.
    EXPECT_EQ(b.shown(), QStringList({"ColoreBest1", "ColorePole2", "ColorePole3"}));
    EXPECT_EQ(b.x("ColoreBest1"), 10 + 2 + 100 - 30);
    EXPECT_EQ(b.x("ColorePole3"), 10 + 2 + 0 + 2 + 0 + 2 + 5 - 30);
    QVariantList overflow = row;
    overflow[0] = 32760;
    EXPECT_FALSE(call(b.c.control.get(), "Riga", {QVariant(overflow)}).toBool());
    EXPECT_TRUE(b.c.events->messages.last().startsWith("Riga: Overflow"));
    EXPECT_FALSE(call(b.c.control.get(), "Riga", {QVariant(QVariantList{1, 2})}).toBool());
}

}  // namespace
}  // namespace razudar::gra_test
