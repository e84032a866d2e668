#include "link/computer_name.h"

#include "model/basic.h"
#include "platform/services/computer_name.h"

namespace razudar::link {

QString NomeComputer(const ComputerName& system) {
    constexpr qsizetype kMaxNameLength = 255;
    return basic::Trim(basic::Left(system.name(), kMaxNameLength));
}

}  // namespace razudar::link
