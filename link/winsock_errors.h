#pragma once
#include <QAbstractSocket>
#include <QString>

namespace razudar::link {

// The socket errors as the host knows them: the Winsock numbers and texts, whatever
// socket layer stands behind the link.
struct SocketFailure {
    int number = 0;
    QString description;
};

namespace winsock {
inline constexpr int kInvalidPropertyValue = 380;
inline constexpr int kPermissionDenied = 10013;
inline constexpr int kAddressInUse = 10048;
inline constexpr int kAddressNotAvailable = 10049;
inline constexpr int kNetworkSubsystemFailed = 10050;
inline constexpr int kNetworkUnreachable = 10051;
inline constexpr int kConnectAborted = 10053;
inline constexpr int kConnectionReset = 10054;
inline constexpr int kNoBufferSpace = 10055;
inline constexpr int kTimedOut = 10060;
inline constexpr int kConnectionRefused = 10061;
inline constexpr int kHostUnreachable = 10065;
inline constexpr int kHostNotFound = 11001;
}  // namespace winsock

// The host's text for a Winsock error number ("" for a number not listed).
QString winsockDescription(int number);

SocketFailure failureFor(int number);

// The Winsock error for a socket error of Qt; `qtText` tells apart the network errors that Qt
// reports under one code (timed out, network or host unreachable).
SocketFailure failureFor(QAbstractSocket::SocketError error, const QString& qtText);

// A port the link can use: 1 to 65535.
inline bool isValidPort(int port) { return port >= 1 && port <= 65535; }

}  // namespace razudar::link
