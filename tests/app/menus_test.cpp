// The main window's menus end to end on the demo base folder: the display options stored in the
// configuration, the session chosen in the session window and its race built from the database,
// the rebuild without a link, and a cancelled choice.
#include <QAction>
#include <QLabel>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "app/assembly/control_loader.h"
#include "app/controls/tcp_proxy.h"
#include "app/pages/page_codes.h"
#include "app/windows/frm_about.h"
#include "app/windows/frm_grafica.h"
#include "data/database_access.h"
#include "model/bas_utilita.h"
#include "screenshots.h"

#include "app/windows/frm_modalita.h"
#include "app_test_support.h"
#include "program_window_fixture.h"
#include "data/active_session.h"
#include "platform/services/system_services.h"
#include "tables/widgets/frm_selezione_sessione.h"

namespace razudar::apptest {
namespace {

struct Menus : ProgramWindowTest {
    void SetUp() override { ASSERT_TRUE(start()); }
    int stored(const char* field) {
        db::Recordset rs = state.startup.database.current().openRecordset(
            QStringLiteral("SELECT %1 FROM Configurazione").arg(QString::fromLatin1(field)));
        return rs.value(0).toInt();
    }
    // The session window answers by confirming the row of `manche` of turn type "GA", or cancels.
    void answerSession(int manche) {
        fakes.dialogs.answer<tables::FrmSelezioneSessione>([manche](tables::FrmSelezioneSessione& w) {
            w.primoPaint();
            if (manche < 0) {
                w.Annulla_Click();
                return w.bConferma;
            }
            for (int row = 0; row < w.datTabella.recordCount(); ++row) {
                w.datTabella.setAbsolutePosition(row);
                if (w.datTabella.value(QStringLiteral("se_TipoTurno")).toString() == u"GA" &&
                    w.datTabella.value(QStringLiteral("se_Manche")).toInt() == manche) {
                    break;
                }
            }
            w.Conferma_Click();
            return w.bConferma;
        });
    }
};

TEST_F(Menus, DisplayOptionsAreStoredAndReloaded) {
    struct Case {
        const char* group;
        int index;
        const char* field;
    };
    const Case cases[] = {{"mnuOpzioneRisultato", 1, "cf_GraficaRisultato"},
                          {"mnuOpzioneNazionalita", 3, "cf_GraficaNazionalita"},
                          {"mnuOpzioneNominativi", 2, "cf_GraficaNominativi"},
                          {"mnuOpzioneNominativi", 2, "cf_GraficaNominativi"},  // already checked: stored again
                          {"mnuOpzioneRisultato", 0, "cf_GraficaRisultato"}};
    for (const Case& c : cases) {
        QAction* item = action(QString::fromLatin1(c.group), c.index);
        ASSERT_NE(item, nullptr);
        item->trigger();
        EXPECT_TRUE(item->isChecked()) << c.group;
        EXPECT_EQ(stored(c.field), c.index) << c.group;
        for (QAction* other : window->findChildren<QAction*>(QString::fromLatin1(c.group))) {
            if (other != item) {
                EXPECT_FALSE(other->isChecked()) << c.group;
            }
        }
    }
    EXPECT_EQ(state.OpzioneRisultato, 0);
    EXPECT_EQ(state.OpzioneNazionalita, 3);
    EXPECT_EQ(state.OpzioneNominativi, 2);
}

// "Classifica su Tempo a Correre" switches the classification of the running-clock page.
TEST_F(Menus, TheRunningClockClassificationItemSwitchesItsOption) {
    QAction* item = action(QStringLiteral("mnuClassificaTempoCorrere"));
    ASSERT_NE(item, nullptr);
    EXPECT_FALSE(state.ClassificaSuTempoCorrere);
    item->trigger();
    EXPECT_TRUE(item->isChecked());
    EXPECT_TRUE(state.ClassificaSuTempoCorrere);
    item->trigger();
    EXPECT_FALSE(item->isChecked());
    EXPECT_FALSE(state.ClassificaSuTempoCorrere);
}

TEST_F(Menus, ChoosingASessionBuildsItsRaceFromTheDatabase) {
    ASSERT_TRUE(state.krono().ElencoConcorrenti().isEmpty());
    answerSession(-1);
    action(QStringLiteral("mnuSelezioneManche"))->trigger();
    EXPECT_TRUE(state.krono().ElencoConcorrenti().isEmpty());  // cancelled: nothing changes
    EXPECT_FALSE(window->units().console().view().pageEnabled[kCodiceClassificaGrande]);

    answerSession(1);
    action(QStringLiteral("mnuSelezioneManche"))->trigger();
    EXPECT_EQ(state.startup.session.SessioneTipoTurno, QStringLiteral("GA"));
    EXPECT_EQ(state.startup.session.SessioneManche, 1);
    SessionKey saved;
    CaricaSessioneAttiva(saved, settings);
    EXPECT_EQ(saved.SessioneManche, 1);
    EXPECT_FALSE(state.krono().ElencoConcorrenti().isEmpty());
    EXPECT_TRUE(window->units().console().view().pageEnabled[kCodiceClassificaGrande]);
    EXPECT_TRUE(window->windowTitle().contains(u'('));  // the race in the caption

    // The rebuild without a link reads the active session again from the database.
    state.race.Krono = std::make_shared<clsKrono>();
    window->units().menus().mnuRielabora_Click();
    EXPECT_FALSE(state.krono().ElencoConcorrenti().isEmpty());
    EXPECT_TRUE(fakes.prompter.shown().empty()) << fakes.prompter.texts().join('\n').toStdString();
}

TEST_F(Menus, AboutShowsTheProgramAndDatabaseVersions) {
    QString shown;
    QStringList texts;
    fakes.dialogs.answer<frmAbout>([&](frmAbout& box) {
        shown = box.lblVersioneDatabase()->text();
        texts << box.windowTitle() << box.lblTitle()->text() << box.lblVersione()->text();
        box.show();
        screenshots::save(box.grab(), QStringLiteral("about_box"));
    });
    action(QStringLiteral("mnuAbout"))->trigger();
    EXPECT_TRUE(shown.contains(VersioneDatabase(state.startup.database))) << shown.toStdString();
    EXPECT_FALSE(VersioneDatabase(state.startup.database).isEmpty());
    // The version only in its own label; the caption and the title name the application.
    EXPECT_EQ(texts, (QStringList{QStringLiteral("Informazioni su Razudar (Zez)"), QStringLiteral("RAZUDAR (ZEZ)"),
                                  QStringLiteral("Versione: ") + TestoVersioneProgramma()}));
}

}  // namespace
}  // namespace razudar::apptest
