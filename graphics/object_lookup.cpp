#include "graphics/object_lookup.h"

#include "graphics/control_state.h"
#include "graphics/messages.h"

namespace razudar::gra {

bool ObjectLookup::layoutAt(const QString& function, renderer::Renderer* model, int index,
                            renderer::ObjectLayout& layout) const {
    if (model->GetObjectLayoutAt(index, layout)) return true;
    return s_.failed(function, model->lastError());
}

int ObjectLookup::objectCount(const QString& function, renderer::Renderer* model) const {
    qint32 count = 0;
    if (model->GetObjectCount(count)) return count;
    s_.failed(function, model->lastError());
    return -1;
}

int ObjectLookup::CercaOggetto(const QString& function, const QString& pageName, const QString& objectName) const {
    const QString f = function + QStringLiteral("-CercaOggetto");
    const int page = s_.findPage(f, pageName);
    if (page < 0) return -1;
    renderer::Renderer* model = s_.pageRenderer(f, page);
    if (!model) return -1;
    const int count = objectCount(f, model);
    for (int k = 0; k < count; ++k) {
        renderer::ObjectLayout layout;
        if (!layoutAt(f, model, k, layout)) return -1;
        if (sameName(layout.name, objectName)) return k;
    }
    if (count >= 0) s_.report(messages::objectNotFound(f, objectName, pageName));
    return -1;
}

int ObjectLookup::ContatoreOggetti(const QString& pageName) const {
    const QString f = QStringLiteral("ContatoreOggetti");
    const int page = s_.findPage(f, pageName);
    if (page < 0) return 0;
    renderer::Renderer* model = s_.pageRenderer(f, page);
    if (!model) return 0;
    const int count = objectCount(f, model);
    return count < 0 ? 0 : count;
}

bool ObjectLookup::EsisteOggetto(const QString& pageName, const QString& objectName) const {
    // A listed page that is on no plane has no objects to look at: False without a message.
    const int page = s_.pages.find(pageName);
    if (page >= 0 && !ControlState::isPlane(s_.pages.at(page).Piano)) return false;
    return CercaOggetto(QStringLiteral("EsisteOggetto"), pageName, objectName) != -1;
}

QVariant ObjectLookup::InfoOggetto(const QString& pageName, int objectIndex, int info) const {
    const QString f = QStringLiteral("InfoOggetto");
    const int page = s_.findPage(f, pageName);
    if (page < 0) return {};
    renderer::Renderer* model = s_.pageRenderer(f, page);
    if (!model) return {};
    const int count = objectCount(f, model);
    if (objectIndex < 0 || objectIndex >= count) return {};
    renderer::ObjectLayout layout;
    if (!layoutAt(f, model, objectIndex, layout)) return {};
    switch (info) {
    case ogNome:
        return layout.name;
    case ogTipo:
        return qint32(layout.type);
    case ogDescrizioneTipo:
        return typeDescription(int(layout.type));
    default:
        return {};
    }
}

}  // namespace razudar::gra
