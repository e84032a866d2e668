#include <gtest/gtest.h>

#include <random>
#include <vector>

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

// The references: one character at a time, through the table (texts shorter than a vector
// block take the plain path).
QString decodedOneByOne(const QByteArray& bytes) {
    QString text;
    for (const char b : bytes) text += decodeWindows1252(QByteArrayView(&b, 1));
    return text;
}

QByteArray encodedOneByOne(const QString& text) {
    QByteArray bytes;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            bytes += '?';
            ++i;
        } else {
            bytes += encodeWindows1252(QStringView(text).sliced(i, 1));
        }
    }
    return bytes;
}

// Every instruction set the codec has loops for and this processor runs.
std::vector<CodecLoops> availableLoops() {
    std::vector<CodecLoops> loops;
    for (const CodecLoops l : {CodecLoops::Plain, CodecLoops::Sse2, CodecLoops::Avx2})
        if (codecLoopsAvailable(l)) loops.push_back(l);
    return loops;
}

TEST(Windows1252, LongMixedTextsMatchTheTableAtEveryLengthAndPosition) {
    std::mt19937 random(1252);
    for (int length = 0; length < 300; ++length) {
        // Mostly plain text, now and then a byte of 0x80..0x9F or of the Latin-1 upper half.
        QByteArray bytes(length, 'a');
        for (char& b : bytes) {
            const unsigned r = random() % 100;
            b = static_cast<char>(r < 3 ? 0x80 + random() % 32 : r < 10 ? 0xA0 + random() % 96 : 0x20 + random() % 95);
        }
        const QString expected = decodedOneByOne(bytes);
        for (const CodecLoops loops : availableLoops()) {
            const QByteArrayView pieces[] = {bytes};
            QString text;
            decodeWindows1252(pieces, text, loops);
            ASSERT_EQ(text, expected) << length << " loops " << int(loops);
            QByteArray encoded("%%");
            appendWindows1252(encoded, text, loops);
            ASSERT_EQ(encoded, "%%" + bytes) << length << " loops " << int(loops);
        }
    }
}

TEST(Windows1252, LongTextsWithCharactersOutsideTheCodePageMatchTheTable) {
    const QString pool = QStringLiteral("aZ é€\u0080\u0100\u4E2DŁ") + QChar(0xD83D) + QChar(0xDE00);
    std::mt19937 random(65001);
    for (int length = 0; length < 300; ++length) {
        QString text;
        for (int i = 0; i < length; ++i)
            text += random() % 20 == 0 ? pool[random() % pool.size()] : QChar(char16_t(u'a' + random() % 26));
        for (const CodecLoops loops : availableLoops()) {
            QByteArray encoded;
            appendWindows1252(encoded, text, loops);
            ASSERT_EQ(encoded, encodedOneByOne(text)) << length << " loops " << int(loops);
        }
    }
}

TEST(Windows1252, DecodingIntoAStringReusesItsStorageOnlyWhenNoOneHoldsIt) {
    QString into;
    decodeWindows1252(QByteArray(1000, 'a'), into);
    const QChar* storage = into.constData();
    decodeWindows1252(QByteArray("\x80xyz"), into);
    EXPECT_EQ(into, QStringLiteral("€xyz"));
    EXPECT_EQ(into.constData(), storage);
    const QString held = into;  // the host keeps the text
    decodeWindows1252(QByteArray("abc"), into);
    EXPECT_EQ(held, QStringLiteral("€xyz"));
    EXPECT_EQ(into, QStringLiteral("abc"));
    decodeWindows1252(QByteArray(), into);
    EXPECT_TRUE(into.isEmpty());
    EXPECT_FALSE(into.isNull());
}

TEST(Windows1252, PiecesDecodeAsOneText) {
    const QByteArray first("M\xFCller "), second("\x80 5");
    const QByteArrayView pieces[] = {first, QByteArrayView(), second};
    EXPECT_EQ(decodeWindows1252(pieces), QStringLiteral("Müller € 5"));
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

TEST(WinsockErrors, QtErrorsGetTheWinsockNumbersAndTexts) {
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
