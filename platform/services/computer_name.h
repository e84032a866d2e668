#pragma once
#include <QString>

namespace razudar {

class ComputerName {
public:
    virtual ~ComputerName() = default;
    virtual QString name() const = 0;
};

}  // namespace razudar
