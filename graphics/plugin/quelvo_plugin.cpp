#include "graphics/plugin/quelvo_plugin.h"

#include "graphics/mirt_gra.h"

namespace razudar::gra {

QString QuelvoPlugin::className() const { return QStringLiteral("MirtGRA"); }

QWidget* QuelvoPlugin::create(QWidget* parent) { return new MirtGRA(parent); }

}  // namespace razudar::gra
