#pragma once
#include <QObject>

#include "platform/controls/control_factory.h"

namespace razudar::link {

// The control library Brandix: creates the TCP link control MirtTCP for its host.
class BrandixPlugin : public QObject, public ControlFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "razudar.ControlFactory/1.0")
    Q_INTERFACES(razudar::ControlFactory)
public:
    QString className() const override;
    QWidget* create(QWidget* parent) override;
};

}  // namespace razudar::link
