#include "link/kept_receive_queue.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

namespace razudar::link {

namespace {
constexpr qsizetype kReadBytes = 65536;
}  // namespace

void KeptReceiveQueue::keep(qintptr descriptor) {
    release();
    if (descriptor >= 0) descriptor_ = ::fcntl(static_cast<int>(descriptor), F_DUPFD_CLOEXEC, 0);
}

QByteArray KeptReceiveQueue::takeRest() {
    QByteArray rest;
    while (descriptor_ >= 0) {
        const qsizetype had = rest.size();
        rest.resize(had + kReadBytes);
        const ssize_t got = ::recv(descriptor_, rest.data() + had, kReadBytes, MSG_DONTWAIT);
        rest.resize(had + qMax<qsizetype>(got, 0));
        if (got > 0) continue;
        if (got < 0 && errno == EINTR) continue;
        break;  // the end of the stream, a reset, or nothing more for now
    }
    release();
    return rest;
}

void KeptReceiveQueue::release() {
    if (descriptor_ < 0) return;
    ::close(descriptor_);
    descriptor_ = -1;
}

}  // namespace razudar::link
