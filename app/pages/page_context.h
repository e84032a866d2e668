#pragma once
// What every page unit shares: the program state, the one graphics control of the preview
// window, the outside world, and the few services of the main window and the database that the
// builders read. Built once by the main window; tests build their own.
#include <QString>

#include <functional>

#include "app/notice_source.h"
#include "app/pages/missing_objects.h"
#include "app/program_state.h"
#include "platform/services/services.h"

namespace razudar {

namespace controls {
class GraficaProxy;
}

// What the page-on-air layer needs of the main window.
class OnAirHost {
public:
    virtual ~OnAirHost() = default;
    // The check mark of the menu item "VGA": the pages are previewed, no transition runs.
    virtual bool vgaPreviewChecked() const = 0;
    virtual void setStatusPanel(const QString& key, const QString& text) = 0;
    // The operator's notice on the status bar, put up by `source`; taken down by the same source
    // when its fault is over (a notice of another source shown since stays).
    virtual void showNotice(const QString& text, NoticeSource source) = 0;
    virtual void withdrawNotice(NoticeSource source) = 0;
    // The hook the main window offers whenever a page is recorded on air.
    virtual void graficaLocaleInOnda(const QString& nomePagina) = 0;
};

// The two sponsor buttons of the console: a button is lit (red) exactly while its clip plays;
// slots 0 and 1.
class SponsorLights {
public:
    virtual ~SponsorLights() = default;
    virtual bool sponsorLit(int slot) const = 0;
    virtual void setSponsorLit(int slot, bool lit) = 0;
};

// The colours of the pages' texts: a winner or a competitor ahead in green, the others white.
// The graphics control reads a colour as an RGB Long: red + green * 256 + blue * 65536.
inline constexpr qint32 kColoreBiancoRgbLong = 16777215;  // RGB(255, 255, 255)
inline constexpr qint32 kColoreVerdeRgbLong = 65280;      // RGB(0, 255, 0)

struct PageContext {
    PageContext(ProgramState& s, controls::GraficaProxy& g, const Services& services_, OnAirHost& h,
                SponsorLights& l)
        : state(s), gra(g), services(services_), host(h), sponsors(l) {}

    ProgramState& state;
    controls::GraficaProxy& gra;  // MirtGRA1
    Services services;
    OnAirHost& host;
    SponsorLights& sponsors;
    // The turn-type code of a turn-type id (upper case, "" unknown), as the session fixed it.
    std::function<QString(qint32)> codiceTipoTurno;
    // A language text of the active race ("" without one).
    std::function<QString(const QString&)> testoLingua;
    // The summed-times classification of the active race's parallel turns for a category (the
    // competitor numbers in order; empty without one).
    std::function<QList<qint16>(const QString&)> classificaTempiSommati;
    // Re-ranks and refreshes the operator's console.
    std::function<void()> aggiornaClassificheInterfaccia;
    // Told whenever the page on air changes (cleared or loaded): from then on the action may not
    // block on a message box, since the air waits for its page.
    std::function<void()> airChanged;
    // The graphics control's last message (the reason of a failed load), "" when none.
    QString ultimoMessaggioGrafica;
    // The page whose failed load the status bar tells, "" when none.
    QString unloadedPageTold;
    // The objects the page builds found missing from their pages, and what was told of them.
    MissingObjects missingObjects;

    clsKrono& krono() const { return *state.race.Krono; }
    void waitMs(int ms) const {
        if (services.waiter) services.waiter->sleepMs(ms);
    }
};

}  // namespace razudar
