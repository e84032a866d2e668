#include "app/resources/graphics_resources.h"

#include <QDir>
#include <QFileInfo>

#include "app/controls/grafica_proxy.h"
#include "app/pages/page_codes.h"
#include "app/program_state.h"
#include "platform/services/paths.h"
#include "platform/services/prompter.h"

namespace razudar {

namespace {

// A subfolder of `base` as stored names find it (case-blind), with a trailing "/"; the name as
// written when there is no such folder yet.
QString subfolder(const QString& base, const QString& relative) {
    const QString found = paths::findCaseInsensitive(base, relative);
    return paths::withTrailingSeparator(found.isEmpty() ? QDir(base).filePath(relative) : found);
}

// More rows than any page of the 720 x 576 frame can hold: the count stops there.
constexpr qint16 kMaxRowsCounted = 1000;

}  // namespace

bool CaricaRisorseGrafiche(ProgramState& state, controls::GraficaProxy& gra, Prompter& prompter,
                           const QString& cartellaBaseServer) {
    GraphicsResources& r = state.resources;
    r.CartellaGrafica = subfolder(cartellaBaseServer, QString::fromUtf16(kNomeCartellaGrafica));
    r.CartellaLoghi = subfolder(r.CartellaGrafica, QStringLiteral("Loghi"));
    r.CartellaNazionalita = subfolder(r.CartellaGrafica, QStringLiteral("Nazionalita"));
    r.CartellaMiniature = subfolder(r.CartellaGrafica, QStringLiteral("Nazionalita/Miniature"));
    r.CartellaSpecialita = subfolder(r.CartellaGrafica, QStringLiteral("Specialita"));
    r.CartellaSponsor = subfolder(r.CartellaGrafica, QStringLiteral("Sponsor"));
    if (!gra.CaricaFileDefinizioni(r.CartellaGrafica)) return false;
    const QString row = QStringLiteral("txtPosizione");
    r.RigheClassifica = ContaRighePagina(gra, prompter, QString::fromUtf16(kPaginaClassifica), QString(), row, true);
    r.RigheClassificaBassa =
        ContaRighePagina(gra, prompter, QString::fromUtf16(kPaginaClassificaBassa), QString(), row, true);
    r.RighePartenti = ContaRighePagina(gra, prompter, QString::fromUtf16(kPaginaPartenti), QString(), row, true);
    return true;
}

qint16 ContaRighePagina(controls::GraficaProxy& gra, Prompter& prompter, const QString& pagina,
                        const QString& prefisso, const QString& nomeBase, bool semplice) {
    if (!gra.CaricaPagina(pagina, 0)) {
        prompter.show(QStringLiteral("CaricaPagina ") + pagina);
        return 0;
    }
    qint16 n = 0;
    for (;;) {
        ++n;
        const QString name = semplice ? nomeBase + QString::number(n) : prefisso + QString::number(n) + nomeBase;
        if (n > kMaxRowsCounted || !gra.EsisteOggetto(pagina, name)) break;
    }
    gra.TogliePagina(pagina);
    return qint16(n - 1);
}

}  // namespace razudar
