// The visible-fields chooser: the check-all button, its confirm and cancel flag, and the choice
// kept per window in the settings store.
#include <QCheckBox>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/fakes/scripted_dialogs.h"
#include "platform/services/system_services.h"
#include "tables/widgets/chooser_window.h"
#include "tables/widgets/frm_seleziona_campi.h"
#include "screenshots.h"

namespace razudar::testing {
namespace {

using tables::frmSelezionaCampi;

std::vector<Qt::CheckState> states(const frmSelezionaCampi& w) {
    std::vector<Qt::CheckState> out;
    for (int i = 0; i < w.chkCampoCount(); ++i) out.push_back(w.chkCampo(i)->checkState());
    return out;
}

void loadBoxes(frmSelezionaCampi& w, std::vector<int> tags) {
    frmSelezionaCampi::setTag(*w.chkCampo(0), tags[0]);
    for (size_t i = 1; i < tags.size(); ++i) frmSelezionaCampi::setTag(*w.caricaChkCampo(), tags[i]);
}

TEST(VisibleFieldsChooser, CheckAllFollowsTheFirstBox) {
    constexpr auto U = Qt::Unchecked, C = Qt::Checked, G = Qt::PartiallyChecked;
    struct Case {
        std::vector<Qt::CheckState> before;
        std::vector<Qt::CheckState> afterOne;
        std::vector<Qt::CheckState> afterTwo;
    } cases[] = {
        {{C, U, C, U}, {U, U, U, U}, {C, C, C, C}},
        {{U, C, U, C}, {C, C, C, C}, {U, U, U, U}},
        {{G, C, U, U}, {U, U, U, U}, {C, C, C, C}},  // a greyed first box clears
    };
    for (const Case& c : cases) {
        frmSelezionaCampi w;
        loadBoxes(w, {0, 1, 2, 3});
        for (int i = 0; i < 4; ++i) {
            w.chkCampo(i)->setTristate(true);
            w.chkCampo(i)->setCheckState(c.before[size_t(i)]);
        }
        w.cmdTutti()->click();
        EXPECT_EQ(states(w), c.afterOne);
        w.cmdTutti()->click();
        EXPECT_EQ(states(w), c.afterTwo);
        EXPECT_FALSE(w.Conferma);
    }
}

TEST(VisibleFieldsChooser, ConfirmCancelAndCloseBox) {
    frmSelezionaCampi w;
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Seleziona Campi"));
    w.show();
    w.cmdConferma()->click();
    EXPECT_TRUE(w.Conferma);
    EXPECT_FALSE(w.isVisible());
    // The close box leaves the last answer.
    w.show();
    w.close();
    EXPECT_TRUE(w.Conferma);
    w.show();
    w.cmdAnnulla()->click();
    EXPECT_FALSE(w.Conferma);
    EXPECT_FALSE(w.isVisible());
    w.show();
    w.close();
    EXPECT_FALSE(w.Conferma);
}

TEST(VisibleFieldsChooser, ChoiceRoundTripsThroughTheSettingsFilePerWindow) {
    QTemporaryDir home;
    {
        IniSettingsStore store(home.path());
        store.save(QStringLiteral("Zez"), QStringLiteral("frmConcorrenti\\SelezionaCampi"), QStringLiteral("Campo5"), QStringLiteral("0"));
        frmSelezionaCampi w;
        loadBoxes(w, {2, 5, 7});
        tables::CaricaCampiVisibili(w, store, QStringLiteral("frmConcorrenti"));
        EXPECT_EQ(states(w), (std::vector<Qt::CheckState>{Qt::Checked, Qt::Unchecked, Qt::Checked}));
        if (!screenshots::folder().isEmpty()) {
            for (int i = 1; i < w.chkCampoCount(); ++i) {
                w.chkCampo(i)->move(w.chkCampo(i - 1)->x(), w.chkCampo(i - 1)->y() + 21);
                w.chkCampo(i)->setText(QStringLiteral("Campo %1").arg(frmSelezionaCampi::tag(*w.chkCampo(i))));
                w.chkCampo(i)->show();
            }
            w.show();
            screenshots::save(w.grab(), QStringLiteral("seleziona_campi"));
        }
        w.chkCampo(0)->setChecked(false);
        w.chkCampo(1)->setChecked(true);
        tables::SalvaCampiVisibili(w, store, QStringLiteral("frmConcorrenti"));
    }
    IniSettingsStore again(home.path());
    const QString section = QStringLiteral("frmConcorrenti\\SelezionaCampi");
    EXPECT_EQ(again.value(QStringLiteral("Zez"), section, QStringLiteral("Campo2")), QStringLiteral("0"));
    EXPECT_EQ(again.value(QStringLiteral("Zez"), section, QStringLiteral("Campo5")), QStringLiteral("1"));
    EXPECT_EQ(again.value(QStringLiteral("Zez"), section, QStringLiteral("Campo7")), QStringLiteral("1"));
    // Another window keeps its own choice.
    frmSelezionaCampi other;
    loadBoxes(other, {2});
    tables::CaricaCampiVisibili(other, again, QStringLiteral("frmSessioni"));
    EXPECT_EQ(states(other), std::vector<Qt::CheckState>{Qt::Checked});
}

// The visible-fields button's window: a box per offered field, checked as stored; the boxes'
// states come back on "Conferma", nothing on "Annulla".
TEST(VisibleFieldsChooser, WindowReturnsTheBoxesOnConfirmOnly) {
    const std::vector<tables::FieldChoice> offered{{3, QStringLiteral("Cognome"), true},
                                                   {5, QStringLiteral("Squadra"), false},
                                                   {7, QStringLiteral("Nazione"), true}};
    ScriptedDialogs dialogs;
    dialogs.answer<frmSelezionaCampi>([](frmSelezionaCampi& w) {
        ASSERT_EQ(w.chkCampoCount(), 3);
        EXPECT_EQ(frmSelezionaCampi::tag(*w.chkCampo(1)), 5);
        EXPECT_EQ(w.chkCampo(1)->text(), QStringLiteral("Squadra"));
        EXPECT_EQ(w.chkCampo(1)->checkState(), Qt::Unchecked);
        EXPECT_GT(w.chkCampo(2)->y(), w.chkCampo(1)->y());
        w.chkCampo(1)->setCheckState(Qt::Checked);
        w.chkCampo(2)->setCheckState(Qt::Unchecked);
        w.cmdConferma()->click();
    });
    tables::ChooserWindow confirm(&dialogs);
    const auto chosen = confirm.choose(offered, QStringLiteral("frmConcorrenti"));
    ASSERT_TRUE(chosen);
    ASSERT_EQ(chosen->size(), 3u);
    EXPECT_TRUE((*chosen)[0].visible);
    EXPECT_TRUE((*chosen)[1].visible);
    EXPECT_FALSE((*chosen)[2].visible);
    EXPECT_EQ((*chosen)[2].field, 7);

    dialogs.answer<frmSelezionaCampi>([](frmSelezionaCampi& w) { w.cmdAnnulla()->click(); });
    tables::ChooserWindow cancel(&dialogs);
    EXPECT_FALSE(cancel.choose(offered, QStringLiteral("frmConcorrenti")));
}

}  // namespace
}  // namespace razudar::testing
