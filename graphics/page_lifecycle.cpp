#include "graphics/page_lifecycle.h"

#include <array>

#include "graphics/control_state.h"
#include "graphics/messages.h"
#include "graphics/output_control.h"
#include "platform/services/waiter.h"

namespace razudar::gra {

namespace {
// Time for the frame in progress to finish before a stopped page is removed.
constexpr int kFrameSettleMs = 40;
}  // namespace

bool PageLifecycle::CaricaFileDefinizioni(const QString& folder) {
    // The planes keep their pages across a new listing: each plane finds its page again by
    // name, so its index never names whatever now fills the old slot.
    std::array<QString, kPlaneCount> shown;
    for (int p = 0; p < kPlaneCount; ++p) {
        const int index = s_.plane(p).IndicePagina;
        if (index >= 0 && index < s_.pages.count()) shown[std::size_t(p)] = s_.pages.at(index).Nome;
    }
    const PageTable::LoadResult result = s_.pages.load(folder);
    if (!result.notListed.isEmpty()) s_.report(messages::pagesNotListed(result.notListed));
    for (int p = 0; p < kPlaneCount; ++p) {
        if (s_.plane(p).IndicePagina < 0) continue;
        const int index = shown[std::size_t(p)].isEmpty() ? -1 : s_.pages.find(shown[std::size_t(p)]);
        s_.plane(p).IndicePagina = index;
        if (index >= 0) s_.pages.at(index).Piano = p;
    }
    return result.found;
}

std::optional<PageLifecycle::LoadedPage> PageLifecycle::loadedPage(const QString& function,
                                                                   const QString& pageName) const {
    const int index = s_.findPage(function, pageName);
    if (index < 0) return std::nullopt;
    renderer::Renderer* model = s_.pageRenderer(function, index);
    if (!model) return std::nullopt;
    return LoadedPage{index, s_.pages.at(index).Piano, model};
}

bool PageLifecycle::checkPlane(const QString& function, int plane) const {
    if (ControlState::isPlane(plane)) return true;
    s_.report(messages::badPlane(function, plane));
    return false;
}

void PageLifecycle::emptyPlane(int plane) {
    Piano& p = s_.plane(plane);
    if (PageTable::isSlot(p.IndicePagina) && s_.pages.at(p.IndicePagina).Piano == plane)
        s_.pages.at(p.IndicePagina).Piano = -1;
    p = Piano{};
}

bool PageLifecycle::stopAndClear(const QString& function, int plane) {
    renderer::Renderer* m = s_.model(plane);
    if (!m->SetRunning(false)) return s_.failed(function, m->lastError());
    if (s_.environment.waiter) s_.environment.waiter->sleepMs(kFrameSettleMs);
    if (!m->ClearPage()) return s_.failed(function, m->lastError());
    return true;
}

bool PageLifecycle::CaricaPagina(const QString& pageName, int plane) {
    const QString f = QStringLiteral("CaricaPagina");
    const int index = s_.findPage(f, pageName);
    if (index < 0) return false;
    Pagina& page = s_.pages.at(index);
    // The plane is checked before anything is recorded.
    if (!ControlState::isPlane(plane)) {
        s_.report(messages::pageNotOnPlane(f, page.Nome));
        return false;
    }
    if (!s_.requireInitialised(f)) return false;
    renderer::Renderer* m = s_.model(plane);
    if (!m->SetRunning(false) || !m->ClearPage() || !m->LoadPage(page.Path, true)) {
        const QString error = m->lastError();
        emptyPlane(plane);
        return s_.failed(f, error);
    }
    // The page that the plane held before is no longer on it, so later writes to it cannot
    // land on this page.
    emptyPlane(plane);
    // A page moved here from the other plane leaves that plane empty: stopped, cleared and
    // off the output.
    for (int other = 0; other < kPlaneCount; ++other) {
        if (other != plane && s_.plane(other).IndicePagina == index) clearPlane(f, other);
    }
    page.Piano = plane;
    Piano& target = s_.plane(plane);
    target.IndicePagina = index;
    target.Stato = piCaricato;
    target.Start = false;
    return true;
}

bool PageLifecycle::SalvaPagina(const QString& pageName, const QString& postfix, int plane) {
    const QString f = QStringLiteral("CaricaPagina");
    const int index = s_.findPage(f, pageName);
    if (index < 0) return false;
    const Pagina& page = s_.pages.at(index);
    if (!ControlState::isPlane(plane)) {
        s_.report(messages::pageNotOnPlane(f, page.Nome));
        return false;
    }
    const QString save = QStringLiteral("SalvaPagina");
    if (!s_.requireInitialised(save)) return false;
    renderer::Renderer* m = s_.model(plane);
    if (!m->SavePage(page.Path + postfix + QStringLiteral(".smb"))) return s_.failed(save, m->lastError());
    return true;
}

bool PageLifecycle::VisualizzaPagina(const QString& pageName) {
    const QString f = QStringLiteral("VisualizzaPagina");
    const auto page = loadedPage(f, pageName);
    if (!page) return false;
    if (!page->model->Draw(s_.deviceContext(page->plane), 0, 0, kFrameWidth, kFrameHeight))
        return s_.failed(f, page->model->lastError());
    s_.plane(page->plane).Stato = piVisualizzato;
    output_.AggiornaMonitor();
    return true;
}

bool PageLifecycle::RinfrescaPagina(const QString& pageName) {
    const auto page = loadedPage(QStringLiteral("VisualizzaPagina"), pageName);
    if (!page) return false;
    if (!page->model->Refresh(QStringLiteral("ALL")))
        return s_.failed(QStringLiteral("RinfrescaPagina"), page->model->lastError());
    s_.plane(page->plane).Stato = piVisualizzato;
    output_.AggiornaMonitor();
    return true;
}

bool PageLifecycle::StartPagina(const QString& pageName) {
    const QString f = QStringLiteral("StartPagina");
    const auto page = loadedPage(f, pageName);
    if (!page) return false;
    if (!page->model->SetRunning(false) || !page->model->SetRunning(true)) return s_.failed(f, page->model->lastError());
    s_.plane(page->plane).Start = true;
    s_.plane(page->plane).Stato = piVisualizzato;
    return true;
}

bool PageLifecycle::StopPagina(const QString& pageName) {
    const QString f = QStringLiteral("StopPagina");
    const auto page = loadedPage(f, pageName);
    if (!page) return false;
    if (!page->model->SetRunning(false)) return s_.failed(f, page->model->lastError());
    s_.plane(page->plane).Start = false;
    return true;
}

bool PageLifecycle::TogliePagina(const QString& pageName) {
    const QString f = QStringLiteral("TogliePagina");
    const auto page = loadedPage(f, pageName);
    if (!page) return false;
    if (!stopAndClear(f, page->plane)) return false;
    // Drawing the now empty page empties the plane's picture.
    if (!page->model->Draw(s_.deviceContext(page->plane), 0, 0, kFrameWidth, kFrameHeight))
        s_.failed(f, page->model->lastError());
    output_.AggiornaMonitor();
    emptyPlane(page->plane);
    s_.pages.at(page->index).Piano = -1;
    return true;
}

bool PageLifecycle::clearPlane(const QString& function, int plane) {
    if (!stopAndClear(function, plane)) return false;
    emptyPlane(plane);
    if (s_.previewMode()) {
        if (s_.panes) s_.panes->clearPane(plane);
    } else if (!s_.Fb->ClearLayer(plane + 1)) {
        return s_.failed(function, s_.Fb->lastError());
    }
    return true;
}

void PageLifecycle::CancellaArea(int plane) {
    const QString f = QStringLiteral("CancellaArea");
    if (!checkPlane(f, plane) || !s_.requireInitialised(f)) return;
    clearPlane(f, plane);
}

int PageLifecycle::PianoPagina(const QString& pageName) const {
    const int index = s_.findPage(QStringLiteral("StopPagina"), pageName);
    return index < 0 ? -1 : s_.pages.at(index).Piano;
}

bool PageLifecycle::SchedaVideoAssente(const QString& function) const {
    if (s_.booSchedaVideoAssente) s_.report(messages::boardAbsent(function));
    return s_.booSchedaVideoAssente;
}

QString PageLifecycle::NomePagina(int index) const {
    if (!PageTable::isSlot(index)) {
        s_.report(messages::pageIndexOutOfRange(QStringLiteral("NomePagina"), index));
        return {};
    }
    return s_.pages.at(index).Nome;
}

int PageLifecycle::IndicePaginaPiano(int plane) const {
    return checkPlane(QStringLiteral("IndicePaginaPiano"), plane) ? s_.planes[std::size_t(plane)].IndicePagina : -1;
}

int PageLifecycle::StatoPiano(int plane) const {
    return checkPlane(QStringLiteral("StatoPiano"), plane) ? int(s_.planes[std::size_t(plane)].Stato) : -1;
}

bool PageLifecycle::StartPiano(int plane) const {
    return checkPlane(QStringLiteral("StartPiano"), plane) && s_.planes[std::size_t(plane)].Start;
}

QString PageLifecycle::DescrizioneStatoPiano(int plane) const {
    if (!checkPlane(QStringLiteral("DescrizioneStatoPiano"), plane)) return {};
    const int state = s_.planes[std::size_t(plane)].Stato;
    return QString::number(state) + QStringLiteral(" - ") + stateDescription(state);
}

QString PageLifecycle::DescrizioneTipoOggetto(int type) const {
    if (!isValidType(type)) {
        s_.report(messages::badObjectType(QStringLiteral("DescrizioneTipoOggetto"), type));
        return {};
    }
    return typeDescription(type);
}

}  // namespace razudar::gra
