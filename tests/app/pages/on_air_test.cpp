// The page-on-air layer: the fixed settings, the on-air record, clearing, the sponsor clips.
#include <QCoreApplication>
#include <QFile>
#include <QThread>

#include <algorithm>

#include "app/pages/page_codes.h"
#include "platform/renderer/video_board.h"

#include "pages_fixture.h"

namespace razudar::pagestest {
namespace {

TEST(PageSettings, FixedLookupsAnswerConstants) {
    ScriptedPrompter prompter;
    const struct {
        const char* field;
        QVariant value;
    } cases[] = {{"gp_PagLatIn", QStringLiteral("S")}, {"gp_PagVelOut", 4},   {"gp_RigAttIn", 2},
                 {"gp_RigAttOut", 10},                 {"gp_RigTemIn", 30},   {"gp_RigEffIn", 6},
                 {"gp_RigEffOut", 5},                  {"gp_AreaOccupazione", 0}, {"gp_TemplateUnico", false}};
    for (const auto& c : cases) EXPECT_EQ(TipiGraficaPagine(QLatin1String(c.field), prompter), c.value) << c.field;
    // The flag prefix is an empty text, not a missing field.
    EXPECT_EQ(TipiGraficaPagine(QStringLiteral("gp_PrefissoBandiere"), prompter), QVariant(QString()));
    EXPECT_TRUE(prompter.texts().isEmpty());
    EXPECT_FALSE(TipiGraficaPagine(QStringLiteral("gp_Altro"), prompter).isValid());
    EXPECT_EQ(TipiGrafica(QStringLiteral("Gr_Sponsor2"), QStringLiteral("/g/"), prompter).toString(),
              QStringLiteral("/g/Sponsor/Sponsor2.avi"));
    EXPECT_FALSE(TipiGrafica(QStringLiteral("Gr_Sponsor3"), QStringLiteral("/g/"), prompter).isValid());
    EXPECT_EQ(prompter.texts(), (QStringList{QStringLiteral("Function TipiGraficaPagine - manca campo: gp_Altro"),
                                             QStringLiteral("Function TipiGrafica - manca campo: Gr_Sponsor3")}));
}

TEST(PageSettings, SideLettersGiveRowDirections) {
    const struct {
        const char* letter;
        bool entering;
        int direction;
    } cases[] = {{"S", true, 2}, {"s", true, 2}, {"A", true, 2}, {"X", true, 0}, {"B", true, 0},
                 {"d", false, 1}, {"B", false, 1}, {"S", false, -1}, {"A", false, -1}};
    for (const auto& c : cases)
        EXPECT_EQ(DirezioneLato(QLatin1String(c.letter), c.entering), c.direction) << c.letter << c.entering;
    EXPECT_EQ(NumeroDaTesto(QVariant()), 0);
    EXPECT_EQ(NumeroDaTesto(QStringLiteral("5")), 5);
}

TEST_F(Pages, ALoadedPageIsRecordedOnAirAndAClearEmptiesTheAir) {
    PageOnAir& layer = pages->onAir();
    ASSERT_TRUE(layer.CaricaPaginaInOnda(QStringLiteral("Podio"), 0, false));
    EXPECT_EQ(onAir(), QStringLiteral("Podio"));
    EXPECT_EQ(host.status.last(), QStringLiteral("NomePagina=Podio"));
    EXPECT_EQ(host.hooks.last(), QStringLiteral("Podio"));
    // The sponsor clip starts hidden.
    EXPECT_FALSE(control->ProprietaAnimazione(QStringLiteral("Podio"), QStringLiteral("Sponsor"), 4).toBool());
    ASSERT_TRUE(layer.AvviaPaginaInOnda(QStringLiteral("Podio"), QStringLiteral("!")));
    EXPECT_EQ(fakes.busy.calls(), (std::vector<bool>{true, false}));
    EXPECT_EQ(control->StatoPiano(0), int(controls::piVisualizzato));

    layer.PulisciGrafica();
    EXPECT_TRUE(onAir().isEmpty());
    EXPECT_EQ(state.PaginaInOnda.AreaOccupazione, -1);
    EXPECT_EQ(host.status.last(), QStringLiteral("NomePagina="));
    EXPECT_EQ(control->StatoPiano(0), int(controls::piVuoto));
    EXPECT_TRUE(state.PaginaInOndaLivello1.NomePagina.isEmpty());
}

TEST_F(Pages, AFailedLoadIsNotRecordedOnAir) {
    // The definition goes away after the folder was listed: the control cannot load it.
    ASSERT_TRUE(QFile::remove(graphics() + QStringLiteral("/PaginaLibera1.smb")));
    pages->MandaInOnda(kCodicePaginaLibera1);
    EXPECT_TRUE(onAir().isEmpty());
    ASSERT_EQ(fakes.prompter.shown().size(), 1u);
    EXPECT_EQ(fakes.prompter.shown()[0].text, QStringLiteral("Errore durante il caricamento della pagina: PaginaLibera1"));
    EXPECT_EQ(fakes.prompter.shown()[0].caption, QStringLiteral("CaricaPagina"));
    EXPECT_EQ(fakes.prompter.shown()[0].icon, PromptIcon::Critical);
    EXPECT_EQ(control->StatoPiano(0), int(controls::piVuoto));
}

TEST_F(Pages, FreePagesGoOnAirAsDefined) {
    for (qint16 code : {kCodicePaginaLibera1, kCodicePaginaLibera2, kCodicePaginaLibera3}) {
        pages->MandaInOnda(code);
        EXPECT_EQ(onAir(), QStringLiteral("PaginaLibera%1").arg(code - kCodicePaginaLibera1 + 1));
        EXPECT_EQ(control->StatoPiano(0), int(controls::piVisualizzato));
    }
    EXPECT_TRUE(fakes.prompter.texts().isEmpty());
    pages->MandaInOnda(kCodicePulizia);
    EXPECT_TRUE(onAir().isEmpty());
}

// The slide of the graphics layer waits 1 ms a step inside the control; with the VGA preview on
// no slide runs, neither when clearing nor when starting a page.
TEST_F(Pages, TheVgaPreviewRunsNoTransition) {
    const auto slideSteps = [&] {
        return std::count(fakes.waiter.sleeps().begin(), fakes.waiter.sleeps().end(), 1);
    };
    host.vga = true;
    pages->MandaInOnda(kCodicePaginaLibera1);
    pages->MandaInOnda(kCodicePaginaLibera2);
    EXPECT_EQ(slideSteps(), 0);
    host.vga = false;
    pages->MandaInOnda(kCodicePaginaLibera1);
    const auto steps = slideSteps();
    EXPECT_GT(steps, 100);  // out to the left, then in from the left, at speed 4 over 720 pixels
    pages->MandaInOnda(kCodicePulizia);
    EXPECT_GT(slideSteps(), steps);
    EXPECT_TRUE(onAir().isEmpty());
}

// The free-text pages: the row the operator chose in the editor, three lines on the full page,
// four on the lower third; an editor left without a row puts nothing on air.
TEST_F(Pages, FreeTextPagesWriteTheChosenRowsLines) {
    struct Editors : FreeTextEditors {
        bool scegliRiga(qint16 codice, QStringList* righe) override {
            codes << codice;
            *righe = lines;
            return chosen;
        }
        bool chosen = false;
        QStringList lines;
        QList<qint16> codes;
    } editors;
    pages->setFreeTextEditors(&editors);
    pages->MandaInOnda(kCodicePaginaPiena);
    EXPECT_EQ(editors.codes, QList<qint16>{kCodicePaginaPiena});
    EXPECT_TRUE(onAir().isEmpty());
    editors.chosen = true;
    editors.lines = {QStringLiteral("Uno"), QStringLiteral("Due"), QString(), QStringLiteral("Quattro")};
    pages->MandaInOnda(kCodicePaginaBassa);
    const QString low = QStringLiteral("PaginaBassa");
    ASSERT_EQ(onAir(), low);
    EXPECT_EQ(text(low, QStringLiteral("txtRiga1")), QStringLiteral("Uno"));
    EXPECT_EQ(text(low, QStringLiteral("txtRiga3")), QString());
    EXPECT_EQ(text(low, QStringLiteral("txtRiga4")), QStringLiteral("Quattro"));
    pages->MandaInOnda(kCodicePaginaPiena);
    const QString full = QStringLiteral("PaginaPiena");
    ASSERT_EQ(onAir(), full);
    EXPECT_EQ(text(full, QStringLiteral("txtRiga2")), QStringLiteral("Due"));
    EXPECT_EQ(text(full, QStringLiteral("txtRiga3")), QString());
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

// The sponsor buttons and the control's "Sponsor" notification, step by step.
TEST_F(Pages, SponsorClipsFollowTheButtonsAndTheNotification) {
    PageOnAir& layer = pages->onAir();
    const QString page = QStringLiteral("PaginaLibera2");
    const auto clip = [&] {
        return control->ProprietaAnimazione(page, QStringLiteral("Sponsor"), controls::ogAnimazioneProprietaPercorso).toString();
    };
    // Nothing on air: the button stays unlit and nothing plays.
    layer.AlternaSponsor(0);
    EXPECT_FALSE(host.lit[0]);

    pages->MandaInOnda(kCodicePaginaLibera2);
    ASSERT_EQ(onAir(), page);
    layer.AlternaSponsor(0);
    EXPECT_TRUE(host.lit[0]);
    EXPECT_EQ(clip(), state.resources.CartellaGrafica + QStringLiteral("Sponsor/Sponsor1.avi"));
    EXPECT_TRUE(QFile::exists(clip()));
    layer.AlternaSponsor(1);
    EXPECT_TRUE(host.lit[0] && host.lit[1]);
    EXPECT_EQ(clip(), state.resources.CartellaGrafica + QStringLiteral("Sponsor/Sponsor2.avi"));
    // A notification switches off slot 0 only.
    layer.GestisciNotificaGrafica(QStringLiteral("Sponsor"), 2);
    EXPECT_FALSE(host.lit[0]);
    EXPECT_TRUE(host.lit[1]);
    EXPECT_EQ(state.log.lines().last(), QStringLiteral("NotificaEvento: Sponsor - 2"));
    layer.AlternaSponsor(1);
    EXPECT_FALSE(host.lit[1]);
    EXPECT_FALSE(control->ProprietaAnimazione(page, QStringLiteral("Sponsor"), controls::ogAnimazioneProprietaVisibile).toBool());
    // With none lit, a notification switches slot 1 on; another object's does nothing.
    layer.GestisciNotificaGrafica(QStringLiteral("Altro"), 2);
    EXPECT_FALSE(host.lit[1]);
    layer.GestisciNotificaGrafica(QStringLiteral("Sponsor"), 2);
    EXPECT_TRUE(host.lit[1]);
    // A new page clears both slots.
    pages->MandaInOnda(kCodicePaginaLibera1);
    EXPECT_FALSE(host.lit[0] || host.lit[1]);
}

// The clip the build made plays to its end on the page on air; the control's notification
// switches the lit slot off.
TEST_F(Pages, TheEndOfASponsorClipSwitchesItsButtonOff) {
    QObject::connect(gra.get(), &controls::GraficaProxy::NotificaEvento,
                     [this](const QString& o, int e) { pages->onAir().GestisciNotificaGrafica(o, e); });
    pages->MandaInOnda(kCodicePaginaLibera3);
    pages->onAir().AlternaSponsor(0);
    ASSERT_TRUE(host.lit[0]);
    EXPECT_TRUE(control->ProprietaAnimazione(QStringLiteral("PaginaLibera3"), QStringLiteral("Sponsor"), 4).toBool());
    for (int i = 0; i < 1500 && host.lit[0]; ++i) {
        QThread::msleep(2);
        fakes.clock.advanceMs(40);
        control->board()->composeNow();
        QCoreApplication::processEvents();
    }
    EXPECT_FALSE(host.lit[0]);
    EXPECT_FALSE(host.lit[1]);
    EXPECT_TRUE(state.log.lines().contains(QStringLiteral("NotificaEvento: Sponsor - 2")));
}

}  // namespace
}  // namespace razudar::pagestest
