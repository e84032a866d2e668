#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>

#include "link/mirt_tcp.h"
#include "platform/fakes/fake_services.h"
#include "tests/link/link_test_support.h"

namespace razudar::link {
namespace {

using testing::HostLog;
using testing::record;

TEST(MirtTcpProperties, ANewControlHasTheDefaults) {
    MirtTCP control;
    EXPECT_EQ(control.Titolo(), QStringLiteral("Connessione a "));
    EXPECT_EQ(control.panel().fraTitolo->title(), QStringLiteral("Connessione"));
    EXPECT_FALSE(control.Chiamante());
    EXPECT_EQ(control.PortaLocale(), 1001);
    EXPECT_EQ(control.PortaRemota(), 1001);
    EXPECT_EQ(control.panel().lblStato->text(), QStringLiteral("Non Attiva"));
    EXPECT_EQ(control.panel().lblStato->palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_EQ(control.ClientRemoto(), QString());
}

TEST(MirtTcpProperties, ServerRemotoIsKeptUpperCasedAndShown) {
    MirtTCP control;
    control.setServerRemoto(QStringLiteral("regia1"));
    EXPECT_EQ(control.ServerRemoto(), QStringLiteral("REGIA1"));
    EXPECT_EQ(control.panel().txtServerRemoto->text(), QStringLiteral("REGIA1"));
}

TEST(MirtTcpProperties, TheRoleSetsThePortsAndTheVisibleElements) {
    MirtTCP control;
    control.setChiamante(true);
    EXPECT_EQ(control.PortaLocale(), 0);
    EXPECT_EQ(control.PortaRemota(), 1001);
    EXPECT_FALSE(control.panel().chkAccettaConnessioni->isVisibleTo(&control));
    EXPECT_TRUE(control.panel().cmdConnettiDisconnetti->isVisibleTo(&control));
    control.setChiamante(false);
    EXPECT_EQ(control.PortaLocale(), 1001);
    EXPECT_EQ(control.PortaRemota(), 0);
    control.setPortaLocale(0);
    EXPECT_EQ(control.PortaLocale(), 1001);
    EXPECT_TRUE(control.panel().lblServerRemoto->isVisibleTo(&control));
    EXPECT_FALSE(control.panel().txtServerRemoto->isVisibleTo(&control));
}

TEST(MirtTcpProperties, AClientOrADesignedControlNeverAcceptsConnections) {
    MirtTCP client;
    client.setChiamante(true);
    client.setAccettareConnessioni(true);
    EXPECT_FALSE(client.AccettareConnessioni());
    MirtTCP designed;
    designed.setDesignMode(true);
    designed.setAccettareConnessioni(true);
    EXPECT_FALSE(designed.AccettareConnessioni());
    EXPECT_FALSE(designed.panel().chkAccettaConnessioni->isChecked());
}

TEST(MirtTcpProperties, LoadingAppliesTheRoleBeforeTheStoredPortsAndNeverListens) {
    MirtTCP control;
    control.loadProperties({{"Titolo", "Connessione ACQ"}, {"NomeProcesso", "Razudar"},
                            {"Chiamante", true}, {"PortaLocale", 0}});
    EXPECT_EQ(control.panel().fraTitolo->title(), QStringLiteral("Connessione ACQ"));
    EXPECT_TRUE(control.Chiamante());
    EXPECT_EQ(control.PortaLocale(), 0);
    EXPECT_EQ(control.PortaRemota(), 1001);
    EXPECT_FALSE(control.propertiesChanged());

    MirtTCP server;  // stored as from a settings file, where every value is a text
    server.loadProperties({{"Chiamante", "False"}, {"PortaLocale", "0"}, {"AccettareConnessioni", "True"}});
    EXPECT_EQ(server.PortaLocale(), 0);  // as stored, not through the server's rule
    EXPECT_TRUE(server.AccettareConnessioni());
    EXPECT_FALSE(server.panel().chkAccettaConnessioni->isChecked());
    EXPECT_EQ(server.panel().lblStato->text(), QStringLiteral("Non Attiva"));
}

TEST(MirtTcpProperties, SavedPropertiesRestoreTheSameControl) {
    MirtTCP control;
    control.setServerRemoto(QStringLiteral("crono"));
    control.setChiamante(true);
    control.setPortaRemota(2002);
    EXPECT_TRUE(control.propertiesChanged());
    const QVariantMap saved = control.saveProperties();
    EXPECT_EQ(saved.size(), 7);
    EXPECT_FALSE(control.propertiesChanged());
    MirtTCP restored;
    restored.loadProperties(saved);
    EXPECT_EQ(restored.saveProperties(), saved);
    EXPECT_EQ(restored.panel().txtServerRemoto->text(), QStringLiteral("CRONO"));
}

TEST(MirtTcpProperties, LoggaSelectsTheLastLineAndADoubleClickClearsTheLog) {
    MirtTCP control;
    control.Logga(QStringLiteral("uno"));
    control.Logga(QStringLiteral("due"));
    EXPECT_EQ(control.panel().lstLog->count(), 2);
    EXPECT_EQ(control.panel().lstLog->currentItem()->text(), QStringLiteral("due"));
    QMouseEvent click(QEvent::MouseButtonDblClick, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(control.panel().lstLog->viewport(), &click);
    EXPECT_EQ(control.panel().lstLog->count(), 0);
}

TEST(MirtTcpProperties, TheLogKeepsItsLastLinesEachCutToABoundedLength) {
    MirtTCP control;
    for (int i = 0; i < MirtTCP::kLogLines + 50; ++i) control.Logga(QStringLiteral("riga %1").arg(i));
    QListWidget& log = *control.panel().lstLog;
    ASSERT_EQ(log.count(), MirtTCP::kLogLines);
    EXPECT_EQ(log.item(0)->text(), QStringLiteral("riga 50"));
    EXPECT_EQ(log.currentItem()->text(), QStringLiteral("riga 249"));

    const QString exact(MirtTCP::kLogLineChars, QLatin1Char('e'));
    control.Logga(exact);
    EXPECT_EQ(log.currentItem()->text(), exact);
    control.Logga(QString(10 * 1024 * 1024, QLatin1Char('x')));
    EXPECT_EQ(log.currentItem()->text(), QString(MirtTCP::kLogLineChars, QLatin1Char('x')) + QChar(0x2026));
    EXPECT_EQ(log.count(), MirtTCP::kLogLines);
    EXPECT_EQ(log.item(0)->text(), QStringLiteral("riga 52"));
}

TEST(MirtTcpProperties, MembersOfTheOtherRoleDoNothing) {
    MirtTCP server;
    server.setPortaLocale(testing::freePort());
    server.Connetti(QStringLiteral("altrove"), 5000);
    server.cmdConnettiDisconnetti_Click();
    EXPECT_EQ(server.ServerRemoto(), QString());
    EXPECT_EQ(server.PortaRemota(), 1001);
    EXPECT_EQ(server.panel().lblStato->text(), QStringLiteral("Non Attiva"));
}

TEST(MirtTcpProperties, ConnettiWithoutAPortUsesTheDefaultOne) {
    MirtTCP client;
    client.setChiamante(true);
    client.setPortaRemota(0);
    client.panel().txtServerRemoto->setText(QStringLiteral("regia2"));  // typed, not yet stored
    client.Connetti();
    EXPECT_EQ(client.PortaRemota(), 1001);
    EXPECT_EQ(client.ServerRemoto(), QStringLiteral("REGIA2"));
}

TEST(MirtTcpProperties, ABadPortIsAnErroreNotACrash) {
    MirtTCP server;
    HostLog log;
    record(server, log);
    server.setPortaLocale(70000);
    server.panel().chkAccettaConnessioni->click();  // the operator ticks the box
    ASSERT_EQ(log.errors.size(), 1u);
    EXPECT_EQ(log.errors[0].number, 380);
    EXPECT_EQ(log.errors[0].description, QStringLiteral("Invalid property value"));
    EXPECT_EQ(log.errors[0].scode, -1);
    EXPECT_TRUE(log.errors[0].cancelDisplay);
    EXPECT_EQ(server.panel().lblStato->text(), QStringLiteral("Attesa"));
    EXPECT_FALSE(server.AccettareConnessioni());

    MirtTCP client;
    HostLog clientLog;
    record(client, clientLog);
    client.setChiamante(true);
    client.Connetti(QStringLiteral("localhost"), -5);
    ASSERT_EQ(clientLog.errors.size(), 1u);
    EXPECT_EQ(clientLog.errors[0].number, 380);
    EXPECT_EQ(clientLog.errors[0].scode, static_cast<int>(0x800A017Cu));
    EXPECT_EQ(clientLog.errors[0].source, QStringLiteral("Winsock1"));
}

}  // namespace
}  // namespace razudar::link

namespace razudar::link {
namespace {

// Wider than its design, the panel widens every element; the received text gets five lines and
// the log the rest of the height, and a long notice breaks into lines as wide as the log.
TEST(MirtTcpPanel, TextsFitAWiderPanel) {
    MirtTCP control;
    control.resize(180, 600);
    control.show();
    QCoreApplication::processEvents();
    const LinkPanel& p = control.panel();
    for (QWidget* w : std::initializer_list<QWidget*>{p.fraTitolo, p.txtTesto, p.cmdInviaTesto, p.Label2, p.lblRicevuto,
                                                      p.lstLog}) {
        EXPECT_EQ(w->geometry().right(), 176) << w->objectName().toStdString();
    }
    EXPECT_EQ(p.lblRicevuto->height(), 5 * p.lblRicevuto->fontMetrics().lineSpacing() + 2);
    EXPECT_EQ(p.lstLog->geometry().top(), p.lblRicevuto->geometry().bottom() + 4);
    EXPECT_EQ(p.lstLog->geometry().bottom(), 599);
    EXPECT_EQ(p.lstLog->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);

    const QString notice = QStringLiteral("Manca %% 85 <GARBAGE: bytes received without a frame header, dropped by "
                                          "the link control, STATOCONCORRENTEGRAFINEPREFISSO1003>");
    control.Logga(notice);
    QCoreApplication::processEvents();
    const QRect item = p.lstLog->visualItemRect(p.lstLog->item(0));
    EXPECT_LE(item.width(), p.lstLog->viewport()->width());
    EXPECT_GE(item.height(), 4 * p.lstLog->fontMetrics().lineSpacing()) << "the notice must break into lines";
    EXPECT_EQ(p.lstLog->item(0)->text(), notice);
}

}  // namespace
}  // namespace razudar::link
