#pragma once
#include <QString>
#include <QVariant>

namespace razudar::renderer {
class Renderer;
struct ObjectLayout;
}  // namespace razudar::renderer

namespace razudar::gra {

struct ControlState;

// Finding objects of a loaded page by name or index.
class ObjectLookup {
public:
    explicit ObjectLookup(ControlState& state) : s_(state) {}

    // Index of the object on the page, or -1 after a message; the messages name the caller as
    // `function` followed by "-CercaOggetto".
    int CercaOggetto(const QString& function, const QString& pageName, const QString& objectName) const;
    int ContatoreOggetti(const QString& pageName) const;
    bool EsisteOggetto(const QString& pageName, const QString& objectName) const;
    QVariant InfoOggetto(const QString& pageName, int objectIndex, int info) const;

    // The layout of the object at `index` of the renderer's page; false after a message.
    bool layoutAt(const QString& function, renderer::Renderer* model, int index,
                  renderer::ObjectLayout& layout) const;
    // The object count of the renderer's page; -1 after a message.
    int objectCount(const QString& function, renderer::Renderer* model) const;

private:
    ControlState& s_;
};

}  // namespace razudar::gra
