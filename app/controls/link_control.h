#pragma once
// The one port of the link control: the remote server's name, whether it is connected, sending a
// text and closing the connection. The TCP proxy answers it; the link dispatcher and the menu
// commands use it; tests and benchmarks put a fake in its place. It sits beside the proxy and
// includes nothing of the program, so every unit can see it without closing an include cycle.
#include <QString>

namespace razudar::controls {

class LinkControl {
public:
    virtual ~LinkControl() = default;
    // The name of the remote server the link connects to.
    virtual QString ServerRemoto() = 0;
    virtual bool Connesso() = 0;
    // Sends one message text, waiting for it to leave when `Sincrono`; false when it was not sent.
    virtual bool InviaTesto(const QString& sTesto, bool Sincrono) = 0;
    virtual void Disconnetti() = 0;
};

}  // namespace razudar::controls
