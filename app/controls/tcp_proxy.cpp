#include "app/controls/tcp_proxy.h"


namespace razudar::controls {

TcpProxy::TcpProxy(QObject* control, ProblemSink problems, QObject* parent)
    : QObject(parent), control_(control), object_(control, QStringLiteral("MirtTCP"), std::move(problems)) {
    for (const char* p : {"ServerRemoto", "PortaRemota", "Connesso", "Titolo", "NomeProcesso", "Chiamante", "PortaLocale"}) {
        object_.resolveProperty(p);
    }
    object_.resolveMethod("InviaTesto", 2);
    object_.resolveMethod("Disconnetti", 0);
    object_.resolveMethod("cmdConnettiDisconnetti_Click", 0);
    object_.connectEvent("Connesso", this, "relayConnesso");
    object_.connectEvent("ConnessioneChiusa", this, "relayConnessioneChiusa");
    object_.connectEvent("DatiArrivati", this, "relayDatiArrivati");
    object_.connectEvent("Errore", this, "relayErrore");
    tellsTextsDelivered_ = object_.connectEvent("TextsDelivered", this, "relayTextsDelivered");
}

void TcpProxy::applyDesignSettings() {
    object_.write("Titolo", QStringLiteral("Connessione ACQ"));
    object_.write("NomeProcesso", QStringLiteral("Razudar"));
    object_.write("Chiamante", true);
    object_.write("PortaLocale", 0);
}

QString TcpProxy::ServerRemoto() { return object_.read("ServerRemoto").toString(); }
void TcpProxy::setServerRemoto(const QString& value) { object_.write("ServerRemoto", value); }
int TcpProxy::PortaRemota() { return object_.read("PortaRemota").toInt(); }
void TcpProxy::setPortaRemota(int value) { object_.write("PortaRemota", value); }
bool TcpProxy::Connesso() { return object_.read("Connesso").toBool(); }
bool TcpProxy::InviaTesto(const QString& sTesto, bool Sincrono) {
    return object_.call("InviaTesto", {sTesto, Sincrono}).toBool();
}
void TcpProxy::Disconnetti() { object_.call("Disconnetti"); }
void TcpProxy::cmdConnettiDisconnetti_Click() { object_.call("cmdConnettiDisconnetti_Click"); }

void TcpProxy::relayErrore(int Number, QString& Description, int, const QString&, const QString&, int, bool&) {
    emit Errore(Number, Description);
}

}  // namespace razudar::controls
