#include <gtest/gtest.h>

#include "link/computer_name.h"
#include "link/frame.h"
#include "link/windows1252.h"
#include "link/winsock_errors.h"
#include "platform/fakes/fake_services.h"

namespace razudar::link {
namespace {

QByteArray allBytes() {
    QByteArray bytes;
    for (int b = 0; b < 256; ++b) bytes.append(static_cast<char>(b));
    return bytes;
}

TEST(Windows1252, DecodesTheCodePageAndEncodesItBack) {
    const QString text = decodeWindows1252(allBytes());
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(text[0x41], QChar(u'A'));
    EXPECT_EQ(text[0x80], QChar(0x20AC));  // euro sign
    EXPECT_EQ(text[0x8A], QChar(0x0160));
    EXPECT_EQ(text[0x9F], QChar(0x0178));
    EXPECT_EQ(text[0x81], QChar(0x0081));  // undefined bytes keep their value
    EXPECT_EQ(text[0xE8], QChar(u'è'));
    EXPECT_EQ(encodeWindows1252(text), allBytes());
}

TEST(Windows1252, SpecialCharactersAreFoundAtEveryPositionOfALine) {
    for (int at = 0; at < 40; ++at) {
        QByteArray bytes(40, 'a');
        bytes[at] = '\x80';
        QString text(40, QLatin1Char('a'));
        text[at] = QChar(0x20AC);
        EXPECT_EQ(decodeWindows1252(bytes), text) << at;
        EXPECT_EQ(encodeWindows1252(text), bytes) << at;
    }
}

TEST(Windows1252, CharactersOutsideTheCodePageBecomeOneQuestionMark) {
    EXPECT_EQ(encodeWindows1252(QStringLiteral("Łódź")), QByteArray("?\xF3""d?"));
    EXPECT_EQ(encodeWindows1252(QStringLiteral("a\U0001F600b")), QByteArray("a?b"));
    EXPECT_EQ(encodeWindows1252(QString(QChar(0x0080))), QByteArray("?"));
}

TEST(Frame, HeaderCountsTheBytesOfTheEncodedText) {
    EXPECT_EQ(*buildFrame(u"abc"), QByteArray("%%000003abc"));
    EXPECT_EQ(*buildFrame(u""), QByteArray("%%000000"));
    EXPECT_EQ(*buildFrame(QStringLiteral("€è")), QByteArray("%%000002\x80\xE8"));
    const QString pair = QStringLiteral("\U0001F600");  // two characters, one byte
    EXPECT_EQ(buildFrame(QString(999998, QLatin1Char('a')) + pair)->left(8), QByteArray("%%999999"));
}

TEST(Frame, ATextOfAMillionBytesOrMoreIsRefused) {
    EXPECT_EQ(buildFrame(QString(999999, QLatin1Char('a')))->size(), 8 + 999999);
    EXPECT_EQ(buildFrame(QString(1000000, QLatin1Char('a'))), std::nullopt);
    EXPECT_EQ(buildFrame(QString(5000000, QLatin1Char('a'))), std::nullopt);
}

TEST(NomeComputer, TrimsBlanksAndKeepsAtMost255Characters) {
    EXPECT_EQ(NomeComputer(FixedComputerName(QStringLiteral("  REGIA1 "))), QStringLiteral("REGIA1"));
    EXPECT_EQ(NomeComputer(FixedComputerName(QString())), QString());
    EXPECT_EQ(NomeComputer(FixedComputerName(QString(300, QLatin1Char('P')))).size(), 255);
}

TEST(WinsockErrors, QtErrorsGetTheClassicNumbersAndTexts) {
    const SocketFailure refused = failureFor(QAbstractSocket::ConnectionRefusedError, QString());
    EXPECT_EQ(refused.number, 10061);
    EXPECT_EQ(refused.description, QStringLiteral("Connection is forcefully rejected"));
    EXPECT_EQ(failureFor(QAbstractSocket::HostNotFoundError, QString()).description,
              QStringLiteral("Authoritative answer: Host not found"));
    EXPECT_EQ(failureFor(QAbstractSocket::AddressInUseError, QString()).number, 10048);
    EXPECT_EQ(failureFor(QAbstractSocket::NetworkError, QStringLiteral("Connection timed out")).number, 10060);
    EXPECT_EQ(failureFor(QAbstractSocket::RemoteHostClosedError, QString()).number, 10054);
}

}  // namespace
}  // namespace razudar::link
