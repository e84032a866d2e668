#pragma once
#include <QObject>

#include "platform/controls/control_factory.h"

namespace razudar::list {

// The control library Stovak: creates the text list control Stovak for its host.
class StovakPlugin : public QObject, public ControlFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "razudar.ControlFactory/1.0")
    Q_INTERFACES(razudar::ControlFactory)
public:
    QString className() const override;
    QWidget* create(QWidget* parent) override;
};

}  // namespace razudar::list
