#include "link/winsock_errors.h"

namespace razudar::link {

QString winsockDescription(int number) {
    switch (number) {
    case winsock::kInvalidPropertyValue: return QStringLiteral("Invalid property value");
    case winsock::kPermissionDenied: return QStringLiteral("Permission denied");
    case winsock::kAddressInUse: return QStringLiteral("Address in use");
    case winsock::kAddressNotAvailable:
        return QStringLiteral("Address not available from the local machine");
    case winsock::kNetworkSubsystemFailed: return QStringLiteral("Network subsystem failed");
    case winsock::kNetworkUnreachable:
        return QStringLiteral("The network cannot be reached from this host at this time");
    case winsock::kConnectAborted:
        return QStringLiteral("Connection is aborted due to timeout or other failure");
    case winsock::kConnectionReset: return QStringLiteral("The connection is reset by remote side");
    case winsock::kNoBufferSpace: return QStringLiteral("No buffer space is available");
    case winsock::kTimedOut: return QStringLiteral("Connection timed out");
    case winsock::kConnectionRefused: return QStringLiteral("Connection is forcefully rejected");
    case winsock::kHostUnreachable: return QStringLiteral("No route to host");
    case winsock::kHostNotFound: return QStringLiteral("Authoritative answer: Host not found");
    default: return QString();
    }
}

SocketFailure failureFor(int number) { return SocketFailure{number, winsockDescription(number)}; }

SocketFailure failureFor(QAbstractSocket::SocketError error, const QString& qtText) {
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError: return failureFor(winsock::kConnectionRefused);
    case QAbstractSocket::RemoteHostClosedError: return failureFor(winsock::kConnectionReset);
    case QAbstractSocket::HostNotFoundError: return failureFor(winsock::kHostNotFound);
    case QAbstractSocket::SocketAccessError: return failureFor(winsock::kPermissionDenied);
    case QAbstractSocket::SocketResourceError: return failureFor(winsock::kNoBufferSpace);
    case QAbstractSocket::SocketTimeoutError: return failureFor(winsock::kTimedOut);
    case QAbstractSocket::AddressInUseError: return failureFor(winsock::kAddressInUse);
    case QAbstractSocket::SocketAddressNotAvailableError:
        return failureFor(winsock::kAddressNotAvailable);
    case QAbstractSocket::NetworkError:
        if (qtText.contains(QLatin1String("timed out"), Qt::CaseInsensitive))
            return failureFor(winsock::kTimedOut);
        if (qtText.contains(QLatin1String("Network unreachable"), Qt::CaseInsensitive))
            return failureFor(winsock::kNetworkUnreachable);
        if (qtText.contains(QLatin1String("Host unreachable"), Qt::CaseInsensitive))
            return failureFor(winsock::kHostUnreachable);
        if (qtText.contains(QLatin1String("in use"), Qt::CaseInsensitive))
            return failureFor(winsock::kAddressInUse);
        return failureFor(winsock::kNetworkSubsystemFailed);
    default: return failureFor(winsock::kConnectAborted);
    }
}

}  // namespace razudar::link
