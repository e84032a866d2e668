#pragma once
#include <QString>

namespace razudar {
class ComputerName;
}

namespace razudar::link {

// The computer's name for the link handshake, as the system reports it: at most 255
// characters, blanks trimmed at both ends, "" when the system reports none.
QString NomeComputer(const ComputerName& system);

}  // namespace razudar::link
