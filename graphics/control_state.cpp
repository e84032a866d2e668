#include "graphics/control_state.h"

#include "graphics/messages.h"

namespace razudar::gra {

bool ControlState::requireInitialised(const QString& function) const {
    if (initialised && Model0 && Model1 && Fb) return true;
    report(messages::notInitialised(function));
    return false;
}

int ControlState::findPage(const QString& function, const QString& pageName) const {
    const int index = pages.find(pageName);
    if (index < 0) report(messages::pageNotListed(function, pageName));
    return index;
}

renderer::Renderer* ControlState::pageRenderer(const QString& function, int pageIndex) const {
    if (!PageTable::isSlot(pageIndex)) return nullptr;
    const Pagina& page = pages.at(pageIndex);
    if (!isPlane(page.Piano)) {
        report(messages::pageNotOnPlane(function, page.Nome));
        return nullptr;
    }
    if (!requireInitialised(function)) return nullptr;
    return model(page.Piano);
}

bool ControlState::failed(const QString& function, const QString& rendererError) const {
    report(messages::rendererFailed(function, rendererError));
    return false;
}

}  // namespace razudar::gra
