#pragma once
// What the link message dispatcher needs of the link control: the name of the remote server and
// sending one message text.
#include <QString>

namespace razudar {

class LinkPort {
public:
    virtual ~LinkPort() = default;
    virtual QString serverRemoto() = 0;
    // Sends one message text synchronously.
    virtual void send(const QString& text) = 0;
};

}  // namespace razudar
