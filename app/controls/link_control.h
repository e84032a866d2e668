#pragma once
// What the menu commands ask of the link control: whether it is connected, sending a text and
// closing the connection. The TCP proxy answers it; tests and benchmarks put a fake in its place.
#include <QString>

namespace razudar::controls {

class LinkControl {
public:
    virtual ~LinkControl() = default;
    virtual bool Connesso() = 0;
    // Sends one message text, waiting for it to leave when `Sincrono`; false when it was not sent.
    virtual bool InviaTesto(const QString& sTesto, bool Sincrono) = 0;
    virtual void Disconnetti() = 0;
};

}  // namespace razudar::controls
