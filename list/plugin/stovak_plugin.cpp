#include "list/plugin/stovak_plugin.h"

#include "list/stovak.h"

namespace razudar::list {

QString StovakPlugin::className() const { return QStringLiteral("Stovak"); }

QWidget* StovakPlugin::create(QWidget* parent) { return new Stovak(parent); }

}  // namespace razudar::list
