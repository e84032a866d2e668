#pragma once
#include <QByteArray>
#include <QtGlobal>

namespace razudar::link {

// A second descriptor of a connected socket, so what the peer sent stays readable whatever
// becomes of the socket's own descriptor. A send to a peer that has hung up fails, and the
// socket then closes its descriptor at once: the last bytes the peer sent before hanging up,
// received by the system but not yet read, would go with it.
class KeptReceiveQueue {
public:
    KeptReceiveQueue() = default;
    ~KeptReceiveQueue() { release(); }
    KeptReceiveQueue(const KeptReceiveQueue&) = delete;
    KeptReceiveQueue& operator=(const KeptReceiveQueue&) = delete;

    // Keeps the connection of `descriptor`, a connected socket's; lets go the one kept before.
    void keep(qintptr descriptor);
    // What the system still holds for the kept connection, read without waiting; then lets it
    // go. Only once the socket has ended: while it lives, its own reads take the bytes.
    QByteArray takeRest();
    // Lets the connection go (it ends when the socket's own descriptor is closed too).
    void release();

private:
    int descriptor_ = -1;
};

}  // namespace razudar::link
