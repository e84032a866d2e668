// The element groups of the running-clock page through the dispatcher's codes and directly.
#include "app/pages/element_groups.h"
#include "app/pages/page_codes.h"
#include "model/run_result.h"
#include "pages_fixture.h"

namespace razudar::pagestest {
namespace {

const QString kTC = QStringLiteral("TempoACorrere");

struct ClockPage : Pages {
    void SetUp() override {
        Pages::SetUp();
        ASSERT_TRUE(pages->onAir().CaricaPaginaInOnda(kTC, 0, false));
        state.ConcorrenteSelezionato = 105;  // place 5
    }
    bool shown(const QString& object) {
        return object.startsWith(QLatin1String("txt")) ? textVisible(kTC, object) : imageVisible(kTC, object);
    }
};

TEST_F(ClockPage, CodesShowAndHideTheirGroups) {
    const struct {
        qint16 code;
        bool nameSwitch;
        const char* object;
        bool visible;
    } cases[] = {
        {kCodiceNominativoTC, false, "txtNominativo", false},
        {kCodiceNominativoTC, false, "SfondoConcorrente", false},
        {kCodiceNominativoTC, true, "txtNominativo", true},
        {kCodiceNominativoTC, true, "txtNazionalita", true},
        {kCodiceNominativoTC, true, "imgNazionalita", false},  // the nation as text only: no flag
        {kCodiceIntermedio1, false, "txtNominativoRiferimento", true},  // shows the competitor too
        {kCodiceIntermedio1, false, "txtNominativo", true},
        {kCodiceTempoManche, false, "txtNominativoRiferimento", false},
        {kCodiceTempoManche, false, "SfondoDistacco", false},
        {kCodiceTempoManche, false, "txtTempoManche", false},  // run 1: the run time is not shown
    };
    state.SplitMostrato = QStringLiteral("F");
    for (const auto& c : cases) {
        state.NominativoTCVisibile = c.nameSwitch;
        pages->MandaInOnda(c.code);
        EXPECT_EQ(shown(QLatin1String(c.object)), c.visible) << c.code << ' ' << c.object;
    }
    // The reference of code 21 at the finish is the leader.
    EXPECT_EQ(text(kTC, QStringLiteral("txtPettoraleRiferimento")), QStringLiteral("1"));
    EXPECT_EQ(text(kTC, QStringLiteral("txtNominativoRiferimento")), QStringLiteral("HAUGEN H."));
    EXPECT_EQ(textProperty(kTC, QStringLiteral("txtTempoRiferimento"), 9).toString(), QStringLiteral("nz hh:mm:ss:dc"));
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

TEST_F(ClockPage, GapsAreWhiteBehindAndGreenAhead) {
    const QString gap = QStringLiteral("txtDistacco");
    MostraDistacco(*ctx, kTC, QStringLiteral("XXXXX"), QStringLiteral("F"));
    EXPECT_TRUE(shown(gap));
    EXPECT_TRUE(shown(QStringLiteral("SfondoDistacco")));
    EXPECT_EQ(textProperty(kTC, gap, 2).toInt(), kColoreBiancoRgbLong);
    EXPECT_TRUE(textProperty(kTC, gap, 7).toBool());
    // The leader at the finish is compared with the second: ahead, in green.
    state.ConcorrenteSelezionato = 101;
    MostraDistacco(*ctx, kTC, QStringLiteral("XXXXX"), QStringLiteral("F"));
    EXPECT_EQ(textProperty(kTC, gap, 2).toInt(), kColoreVerdeRgbLong);
    // The leader's own reference shows nothing.
    NascondiConcorrenteRiferimento(*ctx, kTC);
    MostraConcorrenteRiferimento(*ctx, kTC, QStringLiteral("XXXXX"), QStringLiteral("F"));
    EXPECT_FALSE(shown(QStringLiteral("txtNominativoRiferimento")));
    // At an intermediate the absolute position is written but stays hidden; at the finish shown.
    state.ConcorrenteSelezionato = 105;
    MostraPosizioneAssoluta(*ctx, kTC, QStringLiteral("1"));
    EXPECT_FALSE(shown(QStringLiteral("txtPosizioneAssoluta")));
    MostraPosizioneAssoluta(*ctx, kTC, QStringLiteral("f"));
    EXPECT_EQ(text(kTC, QStringLiteral("txtPosizioneAssoluta")), QStringLiteral("5"));
    EXPECT_TRUE(shown(QStringLiteral("SfondoPosizioneAssoluta")));
    // Rows within the lists; any other kind: none.
    EXPECT_TRUE(RigaDisponibile(*ctx, 12, kElencoClassifica, QStringLiteral("XXXXX")));
    EXPECT_FALSE(RigaDisponibile(*ctx, 13, kElencoClassifica, QStringLiteral("XXXXX")));
    EXPECT_FALSE(RigaDisponibile(*ctx, 7, kElencoPartenti, QStringLiteral("M")));
    EXPECT_FALSE(RigaDisponibile(*ctx, 1, 3, QStringLiteral("XXXXX")));
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

// A gap that cannot be computed hides the gap group: the gap of an earlier split or competitor
// must not stay beside the new one, as the reference beside it does not.
TEST_F(ClockPage, AGapThatCannotBeComputedIsHidden) {
    const QStringList objects = {"txtDistacco", "SfondoDistacco"};
    const struct {
        const char* name;
        qint16 followed;
        const char* split;
        const char* category;
        qint32 leaderState;  // the leader's state in the run
        bool shown;
    } cases[] = {
        {"behind the leader at the finish", 105, "F", "XXXXX", 0, true},
        {"the leader against the second", 101, "F", "XXXXX", 0, true},
        {"no time of the leader at split 1", 105, "1", "XXXXX", 0, false},
        {"no time of the leader at split 2", 105, "2", "XXXXX", 0, false},
        {"the leader did not finish", 105, "F", "XXXXX", 30, false},
        {"the leader is on course", 105, "F", "XXXXX", 20, false},
        {"a category without a leader", 105, "F", "NONE", 0, false},
    };
    clsRisultati& leader = *state.krono().ConcorrenteItem(101)->Risultati(1);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // A gap on air from bib 5's finish, then the case.
        leader.setStatoConcorrente(0);
        state.ConcorrenteSelezionato = 105;
        MostraDistacco(*ctx, kTC, QStringLiteral("XXXXX"), QStringLiteral("F"));
        ASSERT_TRUE(shown(QStringLiteral("txtDistacco")));
        leader.setStatoConcorrente(c.leaderState);
        state.ConcorrenteSelezionato = c.followed;
        MostraDistacco(*ctx, kTC, QLatin1String(c.category), QLatin1String(c.split));
        for (const QString& o : objects) EXPECT_EQ(shown(o), c.shown) << qPrintable(o);
    }
    leader.setStatoConcorrente(0);
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

TEST_F(ClockPage, AReferenceWithNothingToShowIsHidden) {
    const QString reference = QStringLiteral("txtNominativoRiferimento");
    const QStringList objects = {"txtPettoraleRiferimento", "txtNominativoRiferimento", "txtTempoRiferimento",
                                 "txtNazionalitaRiferimento", "SfondoConcorrenteRiferimento",
                                 "SfondoTempoRiferimento"};
    const struct {
        qint16 followed;
        const char* split;
        bool shown;
    } cases[] = {
        {105, "F", true},   // the leader's time
        {101, "F", false},  // the followed competitor is the leader
        {105, "1", false},  // the leader has no time at split 1
        {105, "2", false},
        {105, "", false},   // no split
        {105, "f", true},
    };
    for (const auto& c : cases) {
        // Bib 1's reference shown for bib 5 at the finish, then the case.
        state.ConcorrenteSelezionato = 105;
        MostraConcorrenteRiferimento(*ctx, kTC, QStringLiteral("XXXXX"), QStringLiteral("F"));
        ASSERT_TRUE(shown(reference));
        state.ConcorrenteSelezionato = c.followed;
        MostraConcorrenteRiferimento(*ctx, kTC, QStringLiteral("XXXXX"), QLatin1String(c.split));
        for (const QString& o : objects)
            EXPECT_EQ(shown(o), c.shown) << c.followed << ' ' << c.split << ' ' << qPrintable(o);
        EXPECT_EQ(text(kTC, reference), QStringLiteral("HAUGEN H.")) << c.split;
    }
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

}  // namespace
}  // namespace razudar::pagestest
