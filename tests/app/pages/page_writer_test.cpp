// The page writer the builders share, against the real graphics control, and the page-on-air
// check of the on-air record.
#include <QMetaEnum>

#include "app/controls/grafica_codes.h"
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

TEST_F(Writer, AClockShowsItsSignOnlyWhenAsked) {
    const QString clock = QStringLiteral("txtTempoACorrere");
    const QString gap = QStringLiteral("txtDistacco");
    EXPECT_FALSE(textProperty(kTC, clock, controls::ogTestoProprietaTimeSgn).toBool());
    AvviaOrologio(*ctx, kTC, clock, 30500);
    EXPECT_EQ(textProperty(kTC, clock, controls::ogTestoProprietaTimeStart).toInt(), 30500);
    EXPECT_FALSE(textProperty(kTC, clock, controls::ogTestoProprietaTimeSgn).toBool());

    FermaOrologioConSegno(*ctx, kTC, clock, QStringLiteral("+400"));
    EXPECT_TRUE(textProperty(kTC, clock, controls::ogTestoProprietaTimeSgn).toBool());
    EXPECT_EQ(textProperty(kTC, clock, controls::ogTestoProprietaTimeValue).toInt(), 400);
    EXPECT_EQ(textProperty(kTC, clock, controls::ogTestoProprietaTimeStopFormat).toString(),
              QStringLiteral("nz hh:mm:ss:dc"));

    AvviaOrologio(*ctx, kTC, gap, 1200, true);
    EXPECT_EQ(textProperty(kTC, gap, controls::ogTestoProprietaTimeStart).toInt(), 1200);
    EXPECT_TRUE(textProperty(kTC, gap, controls::ogTestoProprietaTimeSgn).toBool());
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

TEST_F(Writer, TheSpecialityImageIsTheRaceDisciplineFromItsFolder) {
    const QString scheda = QStringLiteral("ConcorrenteScheda");
    ASSERT_TRUE(pages->onAir().CaricaPaginaInOnda(scheda, 0, false));
    ImmagineSpecialita(*ctx, scheda);
    EXPECT_EQ(imagePath(scheda, QStringLiteral("imgSpecialita")), state.resources.CartellaSpecialita + QStringLiteral("SA.tga"));
    ImmaginePercorso(*ctx, scheda, QStringLiteral("imgSpecialita"), QStringLiteral("altro.tga"));
    EXPECT_EQ(imagePath(scheda, QStringLiteral("imgSpecialita")), QStringLiteral("altro.tga"));
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

// The program binds the control late and keeps its own copy of the codes it passes: each must be
// the control's value of the same name.
TEST_F(Writer, TheProgramsControlCodesAreTheControls) {
    const struct {
        const char* enumeration;
        const char* key;
        int program;
    } cases[] = {
        {"ProprietaOggettoTesto", "ogTestoProprietaTesto", controls::ogTestoProprietaTesto},
        {"ProprietaOggettoTesto", "ogTestoProprietaFont", controls::ogTestoProprietaFont},
        {"ProprietaOggettoTesto", "ogTestoProprietaColore", controls::ogTestoProprietaColore},
        {"ProprietaOggettoTesto", "ogTestoProprietaVisibile", controls::ogTestoProprietaVisibile},
        {"ProprietaOggettoTesto", "ogTestoProprietaTimeStart", controls::ogTestoProprietaTimeStart},
        {"ProprietaOggettoTesto", "ogTestoProprietaTimeValue", controls::ogTestoProprietaTimeValue},
        {"ProprietaOggettoTesto", "ogTestoProprietaTimeSgn", controls::ogTestoProprietaTimeSgn},
        {"ProprietaOggettoTesto", "ogTestoProprietaTimeRunFormat", controls::ogTestoProprietaTimeRunFormat},
        {"ProprietaOggettoTesto", "ogTestoProprietaTimeStopFormat", controls::ogTestoProprietaTimeStopFormat},
        {"ProprietaOggettoTesto", "ogTestoProprietaX", controls::ogTestoProprietaX},
        {"ProprietaOggettoTesto", "ogTestoProprietaY", controls::ogTestoProprietaY},
        {"ProprietaOggettoTesto", "ogTestoProprietaW", controls::ogTestoProprietaW},
        {"ProprietaOggettoTesto", "ogTestoProprietaH", controls::ogTestoProprietaH},
        {"ProprietaOggettoTesto", "ogTestoProprietaAlpha", controls::ogTestoProprietaAlpha},
        {"ProprietaOggettoTesto", "ogTestoProprietaColoreOutline", controls::ogTestoProprietaColoreOutline},
        {"ProprietaOggettoImmagine", "ogImmagineProprietaPercorso", controls::ogImmagineProprietaPercorso},
        {"ProprietaOggettoImmagine", "ogImmagineProprietaVisibile", controls::ogImmagineProprietaVisibile},
        {"ProprietaOggettoAnimazione", "ogAnimazioneProprietaPercorso", controls::ogAnimazioneProprietaPercorso},
        {"ProprietaOggettoAnimazione", "ogAnimazioneProprietaVisibile", controls::ogAnimazioneProprietaVisibile},
        {"MetodoAnimazione", "ogAnimazioneMetodoStart", controls::ogAnimazioneMetodoStart},
        {"MetodoAnimazione", "ogAnimazioneMetodoStop", controls::ogAnimazioneMetodoStop},
        {"ProprietaTempoACorrere", "ogTempoACorrereProprietaTimeStart", controls::ogTempoACorrereProprietaTimeStart},
        {"ProprietaTempoACorrere", "ogTempoACorrereProprietaTimeStop", controls::ogTempoACorrereProprietaTimeStop},
        {"ProprietaTempoACorrere", "ogTempoACorrereProprietaTimePause", controls::ogTempoACorrereProprietaTimePause},
        {"StatiPiano", "piVuoto", controls::piVuoto},
        {"StatiPiano", "piCaricato", controls::piCaricato},
        {"StatiPiano", "piVisualizzato", controls::piVisualizzato},
        {"StatiPiano", "piSuMonitor", controls::piSuMonitor},
    };
    const QMetaObject* mo = control->metaObject();
    for (const auto& c : cases) {
        const int index = mo->indexOfEnumerator(c.enumeration);
        ASSERT_GE(index, 0) << c.enumeration;
        EXPECT_EQ(mo->enumerator(index).keyToValue(c.key), c.program) << c.key;
    }
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
