// The page writer the builders share, against the real graphics control, and the page-on-air
// check of the on-air record.
#include "app/pages/page_writer.h"
#include "pages_fixture.h"

namespace razudar::pagestest {
namespace {

const QString kTC = QStringLiteral("TempoACorrere");

struct Writer : Pages {
    void SetUp() override {
        Pages::SetUp();
        ASSERT_TRUE(pages->onAir().CaricaPaginaInOnda(kTC, 0, false));
    }
};

TEST_F(Writer, WritesTheTextColourAndVisibilityOfATextObject) {
    const QString o = QStringLiteral("txtNominativo");
    ScriviTesto(*ctx, kTC, o, QStringLiteral("ROSSI M."));
    ColoreTesto(*ctx, kTC, o, kColoreVerdeRgbLong);
    TestoVisibile(*ctx, kTC, o, false);
    EXPECT_EQ(text(kTC, o), QStringLiteral("ROSSI M."));
    EXPECT_EQ(textProperty(kTC, o, 2).toInt(), 65280);
    EXPECT_FALSE(textVisible(kTC, o));
    TestoVisibile(*ctx, kTC, o, true);
    ColoreTesto(*ctx, kTC, o, kColoreBiancoRgbLong);
    EXPECT_TRUE(textVisible(kTC, o));
    EXPECT_EQ(textProperty(kTC, o, 2).toInt(), 16777215);
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

TEST_F(Writer, AnObjectIsAnImageByItsName) {
    const struct {
        const char* object;
        bool image;
    } cases[] = {
        {"imgNazionalita", true},
        {"SfondoDistacco", true},
        {"txtNominativo", false},
        {"txtDistacco", false},
    };
    for (const bool visible : {false, true}) {
        for (const auto& c : cases) {
            const QString o = QLatin1String(c.object);
            OggettoVisibile(*ctx, kTC, o, visible);
            EXPECT_EQ(c.image ? imageVisible(kTC, o) : textVisible(kTC, o), visible) << c.object;
        }
    }
    ImmagineVisibile(*ctx, kTC, QStringLiteral("SfondoConcorrente"), false);
    EXPECT_FALSE(imageVisible(kTC, QStringLiteral("SfondoConcorrente")));
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

TEST_F(Writer, StopsAClockInTheRaceTimeFormat) {
    const QString o = QStringLiteral("txtTempoACorrere");
    FermaOrologio(*ctx, kTC, o, 110055);
    EXPECT_EQ(textProperty(kTC, o, 6).toInt(), 110055);
    EXPECT_EQ(textProperty(kTC, o, 9).toString(), QStringLiteral("nz hh:mm:ss:dc"));
    FermaOrologio(*ctx, kTC, o, 0);
    EXPECT_EQ(textProperty(kTC, o, 6).toInt(), 0);
}

TEST(OnAirRecord, NamesThePageOnAirIgnoringCaseAndSpaces) {
    const struct {
        const char* recorded;
        const char* asked;
        bool onAir;
    } cases[] = {
        {"TempoACorrere", "TempoACorrere", true},
        {" tempoacorrere ", "TempoACorrere", true},
        {"TempoACorrere", " TEMPOACORRERE", true},
        {"TempoACorrereParallelo", "TempoACorrere", false},
        {"", "", false},  // an empty record holds no page
        {"", "TempoACorrere", false},
    };
    for (const auto& c : cases) {
        OnAirRecord r;
        r.NomePagina = QLatin1String(c.recorded);
        EXPECT_EQ(r.mostra(QLatin1String(c.asked)), c.onAir) << c.recorded << " / " << c.asked;
    }
}

}  // namespace
}  // namespace razudar::pagestest
