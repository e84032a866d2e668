#include <gtest/gtest.h>

#include <QDir>
#include <QPluginLoader>
#include <QTcpServer>
#include <QTcpSocket>
#include <QWidget>

#include <memory>

#include "platform/controls/control_factory.h"
#include "tests/link/link_test_support.h"

namespace razudar::link {
namespace {

using testing::waitUntil;

// The program's way: load the plug-in, create the control, reach every member by name.
TEST(BrandixPlugin, CreatesTheControlWhoseMembersAndEventsAreReachedByName) {
    QPluginLoader loader(QDir(QStringLiteral(RAZUDAR_PLUGIN_DIR)).filePath(QStringLiteral("Brandix")));
    ASSERT_TRUE(loader.load()) << loader.errorString().toStdString();
    auto* factory = qobject_cast<ControlFactory*>(loader.instance());
    ASSERT_NE(factory, nullptr);
    EXPECT_EQ(factory->className(), QStringLiteral("MirtTCP"));

    QWidget window;
    QWidget* control = factory->create(&window);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->parent(), &window);
    testing::NamedEventReceiver host;
    ASSERT_TRUE(QObject::connect(control, SIGNAL(Connesso()), &host, SLOT(onConnesso())));
    ASSERT_TRUE(QObject::connect(control, SIGNAL(ConnessioneChiusa()), &host, SLOT(onConnessioneChiusa())));
    ASSERT_TRUE(QObject::connect(control, SIGNAL(DatiArrivati(QString)), &host, SLOT(onDatiArrivati(QString))));
    ASSERT_TRUE(QObject::connect(control, SIGNAL(Errore(int,QString&,int,QString,QString,int,bool&)), &host,
                                 SLOT(onErrore(int,QString&,int,QString,QString,int,bool&))));

    EXPECT_TRUE(QMetaObject::invokeMethod(control, "loadProperties",
                                          Q_ARG(QVariantMap, (QVariantMap{{"Titolo", "Connessione ACQ"},
                                                                          {"Chiamante", true}, {"PortaLocale", 0}}))));
    EXPECT_TRUE(control->setProperty("ServerRemoto", QStringLiteral("127.0.0.1")));
    EXPECT_EQ(control->property("Titolo").toString(), QStringLiteral("Connessione ACQ"));
    EXPECT_EQ(control->property("PortaRemota").toInt(), 1001);
    EXPECT_EQ(control->property("Connesso"), QVariant(false));

    QTcpServer peer;
    ASSERT_TRUE(peer.listen(QHostAddress::LocalHost, 0));
    EXPECT_TRUE(QMetaObject::invokeMethod(control, "Connetti", Q_ARG(QString, QString()),
                                          Q_ARG(int, static_cast<int>(peer.serverPort()))));
    ASSERT_TRUE(waitUntil([&] { return host.events.contains(QStringLiteral("Connesso")); }));
    EXPECT_TRUE(control->property("Connesso").toBool());
    QTcpSocket* raw = peer.nextPendingConnection();
    ASSERT_TRUE(waitUntil([&] { return raw->bytesAvailable() >= 8; }));
    EXPECT_TRUE(raw->readAll().startsWith("%%"));  // the handshake

    bool sent = false;
    EXPECT_TRUE(QMetaObject::invokeMethod(control, "InviaTesto", Q_RETURN_ARG(bool, sent),
                                          Q_ARG(QString, QStringLiteral("RICHIESTACHIAVESESSIONEGRAFINEPREFISSO")),
                                          Q_ARG(bool, true)));
    EXPECT_TRUE(sent);
    ASSERT_TRUE(waitUntil([&] { return raw->bytesAvailable() >= 46; }));
    EXPECT_EQ(raw->readAll(), QByteArray("%%000038RICHIESTACHIAVESESSIONEGRAFINEPREFISSO"));
    raw->write("%%000004ciao");
    ASSERT_TRUE(waitUntil([&] { return host.events.contains(QStringLiteral("Dati:ciao")); }));
    EXPECT_TRUE(QMetaObject::invokeMethod(control, "Logga", Q_ARG(QString, QStringLiteral("fatto"))));
    EXPECT_TRUE(QMetaObject::invokeMethod(control, "Disconnetti"));
    EXPECT_EQ(host.events.last(), QStringLiteral("ConnessioneChiusa"));

    EXPECT_TRUE(QMetaObject::invokeMethod(control, "Connetti", Q_ARG(QString, QStringLiteral("127.0.0.1")),
                                          Q_ARG(int, 70000)));
    EXPECT_EQ(host.events.last(), QStringLiteral("Errore:380 Invalid property value"));
}

}  // namespace
}  // namespace razudar::link
