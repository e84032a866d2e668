#include "app/pages/on_air.h"

#include "app/controls/grafica_proxy.h"
#include "app/pages/page_load_failure.h"
#include "app/pages/page_writer.h"
#include "model/basic.h"
#include "platform/services/prompter.h"

namespace razudar {

namespace {

constexpr int kLarghezzaSchermo = 720;
constexpr int kAltezzaSchermo = 576;

using Gra = controls::GraficaProxy;

}  // namespace

QVariant TipiGraficaPagine(const QString& campo, Prompter& prompter) {
    struct Campo {
        const char* nome;
        QVariant valore;
    };
    static const Campo kCampi[] = {
        {"gp_TemplateUnico", false},     {"gp_PagLatIn", QStringLiteral("S")}, {"gp_PagLatOut", QStringLiteral("S")},
        {"gp_AreaOccupazione", 0},       {"gp_PagVelIn", 4},                   {"gp_PagVelOut", 4},
        {"gp_RigAttIn", 2},              {"gp_RigAttOut", 10},                 {"gp_RigTemIn", 30},
        {"gp_RigTemOut", 10},            {"gp_RigLatIn", QStringLiteral("S")}, {"gp_RigLatOut", QStringLiteral("S")},
        {"gp_RigEffIn", 6},              {"gp_RigEffOut", 5},                  {"gp_PrefissoBandiere", QString()},
    };
    for (const Campo& c : kCampi) {
        if (campo == QLatin1String(c.nome)) return c.valore;
    }
    prompter.show(QStringLiteral("Function TipiGraficaPagine - manca campo: ") + campo);
    return QVariant();
}

QVariant TipiGrafica(const QString& nome, const QString& cartellaGrafica, Prompter& prompter) {
    if (nome == QLatin1String("Gr_Sponsor1")) return cartellaGrafica + QStringLiteral("Sponsor/Sponsor1.avi");
    if (nome == QLatin1String("Gr_Sponsor2")) return cartellaGrafica + QStringLiteral("Sponsor/Sponsor2.avi");
    if (nome == QLatin1String("Gr_SponsorInterval")) return qint16(5);
    prompter.show(QStringLiteral("Function TipiGrafica - manca campo: ") + nome);
    return QVariant();
}

qint16 NumeroDaTesto(const QVariant& value) {
    bool ok = false;
    const int n = (QStringLiteral("0") + value.toString()).toInt(&ok);
    return ok ? qint16(n) : qint16(0);
}

qint16 DirezioneLato(const QString& lato, bool entrata) {
    const QString l = basic::UCase(lato);
    if (entrata) return (l == QLatin1String("A") || l == QLatin1String("S")) ? 2 : 0;
    return (l == QLatin1String("B") || l == QLatin1String("D")) ? 1 : -1;
}

QVariant PageOnAir::setting(const char* campo) const {
    return TipiGraficaPagine(QString::fromLatin1(campo), *ctx_.services.prompter);
}

qint16 PageOnAir::VelocitaPaginaIn() const { return NumeroDaTesto(setting("gp_PagVelIn")); }
qint16 PageOnAir::VelocitaPaginaOut() const { return NumeroDaTesto(setting("gp_PagVelOut")); }
qint16 PageOnAir::TempoRigheIn() const { return NumeroDaTesto(setting("gp_RigTemIn")); }
qint16 PageOnAir::TempoRigheOut() const { return NumeroDaTesto(setting("gp_RigTemOut")); }
qint16 PageOnAir::AttesaRigheIn() const { return qint16(NumeroDaTesto(setting("gp_RigAttIn")) * 10); }
qint16 PageOnAir::AttesaRigheOut() const { return qint16(NumeroDaTesto(setting("gp_RigAttOut")) * 10); }
qint16 PageOnAir::EffettoRigheIn() const { return NumeroDaTesto(setting("gp_RigEffIn")); }
qint16 PageOnAir::EffettoRigheOut() const { return NumeroDaTesto(setting("gp_RigEffOut")); }
qint16 PageOnAir::DirezioneRigheIn() const { return DirezioneLato(setting("gp_RigLatIn").toString(), true); }
qint16 PageOnAir::DirezioneRigheOut() const { return DirezioneLato(setting("gp_RigLatOut").toString(), false); }

bool PageOnAir::inOnda(const QString& nomePagina) const {
    return ctx_.state.PaginaInOnda.mostra(nomePagina);
}

void PageOnAir::PulisciGrafica() {
    if (!ctx_.host.vgaPreviewChecked()) EffettiTransizione(false);
    RegistraPaginaInOnda(false, QString(), QString(), -1);
    AlternaSponsor(0);
    AlternaSponsor(1);
    ctx_.gra.CancellaArea(0);
}

bool PageOnAir::CaricaPaginaInOnda(const QString& nomePagina, int piano, bool mantieni) {
    if (!mantieni) PulisciGrafica();
    const qint32 area = setting("gp_AreaOccupazione").toInt();
    const bool caricata = ctx_.gra.CaricaPagina(nomePagina, piano);
    // A page the control refused is not recorded as on air: live messages would otherwise drive
    // the objects of a page that is not loaded, and the list paging would act on it.
    if (!caricata) return false;
    RegistraPaginaInOnda(false, nomePagina, QString(), area);
    pageLoaded(ctx_, nomePagina);
    // The page's sponsor clip starts hidden.
    NascondiAnimazione(ctx_, nomePagina, QStringLiteral("Sponsor"));
    return true;
}

bool PageOnAir::AvviaPaginaInOnda(const QString& nomePagina, const QString& nota) {
    const BusyGuard busy(ctx_.services.busy);
    const bool ok = ctx_.gra.StartPagina(nomePagina);
    if (ok) {
        if (!ctx_.host.vgaPreviewChecked()) EffettiTransizione(true);
    } else {
        ctx_.services.prompter->show(QStringLiteral("VisualizzaPagina False ") + nomePagina + QLatin1Char(' ') + nota);
    }
    return ok;
}

void PageOnAir::EffettiTransizione(bool entrata) {
    Gra& gra = ctx_.gra;
    if (entrata) {
        const QString lato = setting("gp_PagLatIn").toString();
        const int v = VelocitaPaginaIn();
        if (v == 0) {
            gra.setdveGrafica(0, 0, kLarghezzaSchermo, kAltezzaSchermo);
            return;
        }
        if (lato == QLatin1String("A")) gra.EffettoY(v);
        else if (lato == QLatin1String("B")) gra.EffettoY(-v);
        else if (lato == QLatin1String("S")) gra.EffettoX(v);
        else if (lato == QLatin1String("D")) gra.EffettoX(-v);
        else gra.EffettoD(v, true);
        return;
    }
    if (!ctx_.state.PaginaInOnda.NomePagina.isEmpty()) {
        const QString lato = setting("gp_PagLatOut").toString();
        const int v = VelocitaPaginaOut();
        if (v != 0) {
            if (lato == QLatin1String("A")) gra.EffettoY(-v);
            else if (lato == QLatin1String("B")) gra.EffettoY(v);
            else if (lato == QLatin1String("S")) gra.EffettoX(-v);
            else if (lato == QLatin1String("D")) gra.EffettoX(v);
            else gra.EffettoD(-v, true);
        }
    }
    // The layer parked one frame width to the left, out of sight.
    gra.setdveGrafica(-kLarghezzaSchermo, 0, kLarghezzaSchermo, kAltezzaSchermo);
    gra.setFaderWipeGrafica(1000);
}

bool PageOnAir::RegistraPaginaInOnda(bool livello1, const QString& nomePagina, const QString& nomeTemplate,
                                     qint32 area) {
    OnAirRecord& record = livello1 ? ctx_.state.PaginaInOndaLivello1 : ctx_.state.PaginaInOnda;
    record.NomePagina = nomePagina;
    record.NomeTemplate = nomeTemplate;
    record.AreaOccupazione = area;
    record.competitorStarted = -1;
    if (!livello1) ctx_.missingObjects.pageChanged(ctx_);
    if (ctx_.airChanged) ctx_.airChanged();
    ctx_.host.setStatusPanel(QStringLiteral("NomePagina"), nomePagina);
    ctx_.host.graficaLocaleInOnda(nomePagina);
    return true;
}

void PageOnAir::AlternaSponsor(int slot) {
    if (slot != 0 && slot != 1) return;
    const QString& pagina = ctx_.state.PaginaInOnda.NomePagina;
    if (!ctx_.sponsors.sponsorLit(slot)) {
        if (pagina.isEmpty()) return;
        ctx_.sponsors.setSponsorLit(slot, true);
        const QString path = TipiGrafica(QStringLiteral("Gr_Sponsor%1").arg(slot + 1),
                                         ctx_.state.resources.CartellaGrafica, *ctx_.services.prompter)
                                 .toString();
        AvviaAnimazione(ctx_, pagina, QStringLiteral("Sponsor"), path);
        return;
    }
    ctx_.sponsors.setSponsorLit(slot, false);
    if (!pagina.isEmpty()) NascondiAnimazione(ctx_, pagina, QStringLiteral("Sponsor"));
}

void PageOnAir::GestisciNotificaGrafica(const QString& nomeOggetto, int evento) {
    if (nomeOggetto == QLatin1String("Sponsor")) AlternaSponsor(ctx_.sponsors.sponsorLit(0) ? 0 : 1);
    ctx_.state.log.line(QStringLiteral("NotificaEvento: ") + nomeOggetto + QStringLiteral(" - ") +
                        QString::number(evento));
}

}  // namespace razudar
