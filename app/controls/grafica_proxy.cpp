#include "app/controls/grafica_proxy.h"


namespace razudar::controls {

GraficaProxy::GraficaProxy(QObject* control, ProblemSink problems, QObject* parent)
    : QObject(parent), control_(control), object_(control, QStringLiteral("MirtGRA"), std::move(problems)) {
    struct Member {
        const char* name;
        int arguments;
    };
    static constexpr Member kMembers[] = {
        {"Inizializza", 0}, {"Chiude", 0}, {"CaricaFileDefinizioni", 1}, {"CaricaPagina", 2},
        {"StartPagina", 1}, {"CancellaArea", 1}, {"EsisteOggetto", 2}, {"TogliePagina", 1},
        {"TV", 1}, {"SalvaSchermo", 1}, {"setProprietaTesto", 4}, {"setProprietaImmagine", 4},
        {"setProprietaAnimazione", 4}, {"Animazione", 4}, {"TempoACorrere", 4}, {"SpostaRiga", 10},
        {"setdveGrafica", 4}, {"setFaderWipeGrafica", 1}, {"EffettoX", 2}, {"EffettoY", 2}, {"EffettoD", 2}};
    for (const Member& m : kMembers) object_.resolveMethod(m.name, m.arguments);
    object_.resolveProperty("VGA");
    object_.connectEvent("Conferma", this, "relayConferma");
    object_.connectEvent("NotificaEvento", this, "relayNotificaEvento");
    object_.connectEvent("RicevutoMessaggio", this, "relayRicevutoMessaggio");
}

bool GraficaProxy::Inizializza() { return object_.call("Inizializza").toBool(); }
void GraficaProxy::Chiude() { object_.call("Chiude"); }
bool GraficaProxy::CaricaFileDefinizioni(const QString& strPercorso) {
    return object_.call("CaricaFileDefinizioni", {strPercorso}).toBool();
}
bool GraficaProxy::CaricaPagina(const QString& NomePagina, int Piano) {
    return object_.call("CaricaPagina", {NomePagina, Piano}).toBool();
}
bool GraficaProxy::StartPagina(const QString& NomePagina) { return object_.call("StartPagina", {NomePagina}).toBool(); }
void GraficaProxy::CancellaArea(int Piano) { object_.call("CancellaArea", {Piano}); }
bool GraficaProxy::EsisteOggetto(const QString& NomePagina, const QString& NomeOggetto) {
    return object_.call("EsisteOggetto", {NomePagina, NomeOggetto}).toBool();
}
bool GraficaProxy::TogliePagina(const QString& NomePagina) { return object_.call("TogliePagina", {NomePagina}).toBool(); }
bool GraficaProxy::VGA() { return object_.read("VGA").toBool(); }
void GraficaProxy::setVGA(bool value) { object_.write("VGA", value); }
bool GraficaProxy::TV(bool Attivare) { return object_.call("TV", {Attivare}).toBool(); }
void GraficaProxy::SalvaSchermo(const QString& Path) { object_.call("SalvaSchermo", {Path}); }
bool GraficaProxy::write(const char* name, const QVariantList& arguments, bool answers) {
    const quint64 before = messages_;
    bool made = false;
    const QVariant answer = object_.call(name, arguments, &made);
    return made && messages_ == before && (!answers || answer.toBool());
}
bool GraficaProxy::setProprietaTesto(const QString& NomePagina, const QString& NomeOggetto, int Proprieta,
                                     const QVariant& Valore) {
    return write("setProprietaTesto", {NomePagina, NomeOggetto, Proprieta, Valore}, false);
}
bool GraficaProxy::setProprietaImmagine(const QString& NomePagina, const QString& NomeOggetto, int Proprieta,
                                        const QVariant& Valore) {
    return write("setProprietaImmagine", {NomePagina, NomeOggetto, Proprieta, Valore}, false);
}
bool GraficaProxy::setProprietaAnimazione(const QString& NomePagina, const QString& NomeOggetto, int Proprieta,
                                          const QVariant& Valore) {
    return write("setProprietaAnimazione", {NomePagina, NomeOggetto, Proprieta, Valore}, false);
}
bool GraficaProxy::Animazione(const QString& NomePagina, const QString& NomeOggetto, int Metodo, const QVariant& Valore) {
    return write("Animazione", {NomePagina, NomeOggetto, Metodo, Valore}, true);
}
bool GraficaProxy::TempoACorrere(const QString& NomePagina, const QString& NomeOggetto, int Proprieta,
                                 const QVariant& Valore) {
    return write("TempoACorrere", {NomePagina, NomeOggetto, Proprieta, Valore}, true);
}
bool GraficaProxy::SpostaRiga(int Effetto, const QString& NomePagina, int Direzione, int Velocita, int RigaInizio,
                              int RigaFine, bool Visibile, const QString& Prefisso, const QStringList& Campi,
                              bool ProgressivoInCoda) {
    return write("SpostaRiga", {Effetto, NomePagina, Direzione, Velocita, RigaInizio, RigaFine, Visibile, Prefisso, Campi,
                                ProgressivoInCoda},
                 true);
}
void GraficaProxy::setdveGrafica(int x, int y, int w, int h) { object_.call("setdveGrafica", {x, y, w, h}); }
void GraficaProxy::setFaderWipeGrafica(int v) { object_.call("setFaderWipeGrafica", {v}); }
void GraficaProxy::EffettoX(int Velocita, bool Relativo) { object_.call("EffettoX", {Velocita, Relativo}); }
void GraficaProxy::EffettoY(int Velocita, bool Relativo) { object_.call("EffettoY", {Velocita, Relativo}); }
void GraficaProxy::EffettoD(int Velocita, bool Relativo) { object_.call("EffettoD", {Velocita, Relativo}); }

}  // namespace razudar::controls
