#pragma once
#include <QObject>

#include "platform/controls/control_factory.h"

namespace razudar::gra {

// The control library Quelvo: creates the broadcast graphics control MirtGRA for its host.
class QuelvoPlugin : public QObject, public ControlFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "razudar.ControlFactory/1.0")
    Q_INTERFACES(razudar::ControlFactory)
public:
    QString className() const override;
    QWidget* create(QWidget* parent) override;
};

}  // namespace razudar::gra
