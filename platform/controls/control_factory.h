#pragma once
#include <QString>
#include <QtPlugin>

class QWidget;

namespace razudar {

// What every control plug-in offers its host: the control's class name and a way to create one
// instance on a window. The host reaches the control's members by name through QMetaObject.
class ControlFactory {
public:
    virtual ~ControlFactory() = default;
    virtual QString className() const = 0;
    virtual QWidget* create(QWidget* parent) = 0;
};

}  // namespace razudar

#define RAZUDAR_CONTROL_FACTORY_IID "razudar.ControlFactory/1.0"
Q_DECLARE_INTERFACE(razudar::ControlFactory, RAZUDAR_CONTROL_FACTORY_IID)
