#include "platform/renderer/renderer_types.h"

namespace razudar::renderer {

QString typeKeyword(ObjectType type) {
    switch (type) {
    case ObjectType::Text: return QStringLiteral("text");
    case ObjectType::Animation: return QStringLiteral("animation");
    case ObjectType::Image: return QStringLiteral("image");
    case ObjectType::Crawl: return QStringLiteral("crawl");
    case ObjectType::Roll: return QStringLiteral("roll");
    case ObjectType::Clock: return QStringLiteral("clock");
    case ObjectType::Clip: return QStringLiteral("clip");
    case ObjectType::Dve: return QStringLiteral("dve");
    case ObjectType::Unknown: break;
    }
    return {};
}

bool isTextType(ObjectType type) {
    return type == ObjectType::Text || type == ObjectType::Crawl || type == ObjectType::Roll;
}

bool hasTextStyle(ObjectType type) { return isTextType(type) || type == ObjectType::Clock; }

}  // namespace razudar::renderer
