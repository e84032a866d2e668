#include "link/plugin/brandix_plugin.h"

#include "link/mirt_tcp.h"

namespace razudar::link {

QString BrandixPlugin::className() const { return QStringLiteral("MirtTCP"); }

QWidget* BrandixPlugin::create(QWidget* parent) { return new MirtTCP(parent); }

}  // namespace razudar::link
