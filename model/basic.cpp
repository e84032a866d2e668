#include "model/basic.h"

#include <cmath>
#include <limits>

#include "platform/values/numeric_value.h"

namespace razudar::basic {

namespace {

constexpr QChar kSpace = QLatin1Char(' ');

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// Saturating conversion of a rounded double; NaN saturates to 0 with ok = false.
qint64 saturate(double rounded, qint64 low, qint64 high, bool* ok) {
    bool inRange = !std::isnan(rounded) && rounded >= double(low) && rounded <= double(high);
    if (ok) *ok = inRange;
    if (std::isnan(rounded)) return 0;
    if (rounded < double(low)) return low;
    if (rounded > double(high)) return high;
    return qint64(rounded);
}

// Length of the strict numeric body starting at `pos` (sign, digits, point, exponent), 0 when
// nothing numeric starts there. `lenient` allows "D" as exponent letter and a lone point.
qsizetype scanNumber(const QString& text, qsizetype pos, bool lenient) {
    const qsizetype n = text.size();
    qsizetype i = pos;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) ++i;
    qsizetype digits = 0;
    while (i < n && isDigit(text[i])) { ++i; ++digits; }
    if (i < n && text[i] == QLatin1Char('.')) {
        qsizetype afterPoint = i + 1;
        qsizetype fraction = 0;
        while (afterPoint < n && isDigit(text[afterPoint])) { ++afterPoint; ++fraction; }
        if (digits + fraction > 0 || lenient) {
            i = afterPoint;
            digits += fraction;
        }
    }
    if (digits == 0) return 0;
    if (i < n) {
        const QChar e = text[i].toUpper();
        if (e == QLatin1Char('E') || (lenient && e == QLatin1Char('D'))) {
            qsizetype j = i + 1;
            if (j < n && (text[j] == QLatin1Char('+') || text[j] == QLatin1Char('-'))) ++j;
            qsizetype expDigits = 0;
            while (j < n && isDigit(text[j])) { ++j; ++expDigits; }
            if (expDigits > 0) i = j;
        }
    }
    return i - pos;
}

double readScanned(QString body) {
    for (auto& c : body)
        if (c == QLatin1Char('D') || c == QLatin1Char('d')) c = QLatin1Char('E');
    // QString::toDouble always reads "." as the decimal point, whatever the locale.
    return body.toDouble();
}

// Decimal digits of a non-negative integral double (exact below 2^53, correctly rounded above).
QString integralDigits(double magnitude) {
    if (magnitude < 9007199254740992.0) return QString::number(qint64(magnitude));
    return QString::number(magnitude, 'f', 0);
}

struct PictureItem {
    enum Kind { IntegerDigit, FractionDigit, Literal } kind;
    QChar literal;
};

QString applyPicture(bool negative, QString intDigits, const QString& fracDigits,
                     const QList<PictureItem>& items, int intPlaceholders) {
    if (intPlaceholders == 0 && intDigits == QLatin1String("0")) intDigits.clear();
    if (intDigits.size() < intPlaceholders)
        intDigits.prepend(QString(intPlaceholders - intDigits.size(), QLatin1Char('0')));
    const qsizetype extra = intDigits.size() - intPlaceholders;
    QString out;
    if (negative) out += QLatin1Char('-');
    qsizetype nextInt = 0;
    qsizetype nextFrac = 0;
    bool extraWritten = false;
    auto writeExtra = [&] {
        if (!extraWritten) {
            out += intDigits.left(extra);
            nextInt = extra;
            extraWritten = true;
        }
    };
    for (const auto& item : items) {
        switch (item.kind) {
        case PictureItem::IntegerDigit:
            writeExtra();
            out += intDigits[nextInt++];
            break;
        case PictureItem::FractionDigit:
            writeExtra();
            out += fracDigits[nextFrac++];
            break;
        case PictureItem::Literal:
            if (item.literal == QLatin1Char('.') && intPlaceholders == 0) writeExtra();
            out += item.literal;
            break;
        }
    }
    writeExtra();
    return out;
}

QList<PictureItem> parsePicture(const QString& picture, int* intPlaceholders, int* fracPlaceholders) {
    QList<PictureItem> items;
    bool inFraction = false;
    *intPlaceholders = 0;
    *fracPlaceholders = 0;
    for (qsizetype i = 0; i < picture.size(); ++i) {
        const QChar c = picture[i];
        if (c == QLatin1Char('\\')) {
            if (i + 1 < picture.size()) items.append({PictureItem::Literal, picture[++i]});
        } else if (c == QLatin1Char('0')) {
            if (inFraction) {
                items.append({PictureItem::FractionDigit, c});
                ++*fracPlaceholders;
            } else {
                items.append({PictureItem::IntegerDigit, c});
                ++*intPlaceholders;
            }
        } else if (c == QLatin1Char('.') && !inFraction) {
            inFraction = true;
            items.append({PictureItem::Literal, c});
        } else {
            items.append({PictureItem::Literal, c});
        }
    }
    return items;
}

}  // namespace

// ---- ranges ---------------------------------------------------------------------------------

bool fitsInteger(qint64 value) { return value >= kIntegerMin && value <= kIntegerMax; }
bool fitsLong(qint64 value) { return value >= kLongMin && value <= kLongMax; }
bool fitsInteger(double value) { return value >= double(kIntegerMin) && value <= double(kIntegerMax); }
bool fitsLong(double value) { return value >= double(kLongMin) && value <= double(kLongMax); }

std::optional<qint16> toInteger(qint64 value) {
    if (!fitsInteger(value)) return std::nullopt;
    return qint16(value);
}

std::optional<qint32> toLong(qint64 value) {
    if (!fitsLong(value)) return std::nullopt;
    return qint32(value);
}

qint16 narrowToInteger(qint64 value, bool* ok) {
    if (ok) *ok = fitsInteger(value);
    return qint16(qBound(kIntegerMin, value, kIntegerMax));
}

qint32 narrowToLong(qint64 value, bool* ok) {
    if (ok) *ok = fitsLong(value);
    return qint32(qBound(kLongMin, value, kLongMax));
}

qint16 requireInteger(qint64 value) {
    if (!fitsInteger(value)) throw OverflowError("value does not fit a 16-bit integer");
    return qint16(value);
}

qint32 requireLong(qint64 value) {
    if (!fitsLong(value)) throw OverflowError("value does not fit a 32-bit integer");
    return qint32(value);
}

// ---- numbers --------------------------------------------------------------------------------

double roundHalfEven(double value) {
    if (!std::isfinite(value)) return value;
    const double floored = std::floor(value);
    const double diff = value - floored;
    if (diff < 0.5) return floored;
    if (diff > 0.5) return floored + 1.0;
    return std::fmod(floored, 2.0) == 0.0 ? floored : floored + 1.0;
}

qint16 CInt(double value, bool* ok) {
    return qint16(saturate(roundHalfEven(value), kIntegerMin, kIntegerMax, ok));
}

qint32 CLng(double value, bool* ok) {
    return qint32(saturate(roundHalfEven(value), kLongMin, kLongMax, ok));
}

double Int(double value) { return std::floor(value); }
double Fix(double value) { return std::trunc(value); }

double Val(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && (text[i] == kSpace || text[i] == QLatin1Char('\t') ||
                               text[i] == QLatin1Char('\n') || text[i] == QLatin1Char('\r')))
        ++i;
    const qsizetype length = scanNumber(text, i, true);
    if (length == 0) return 0.0;
    return readScanned(text.mid(i, length));
}

std::optional<double> parseNumeric(const QString& text) {
    const QString body = Trim(text);
    if (body.isEmpty()) return std::nullopt;
    if (scanNumber(body, 0, false) != body.size()) return std::nullopt;
    const double value = readScanned(body);
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

bool IsNumeric(const QString& text) { return parseNumeric(text).has_value(); }

bool CBool(const QString& text, bool* ok) {
    const QString body = Trim(text);
    if (ok) *ok = true;
    if (body.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) return true;
    if (body.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) return false;
    if (const auto number = parseNumeric(body)) return *number != 0.0;
    if (ok) *ok = false;
    return false;
}

QString numberText(double value) {
    if (std::isnan(value)) return QStringLiteral("NaN");
    if (value == 0.0) return QStringLiteral("0");
    if (std::floor(value) == value && std::fabs(value) < 1e15) return QString::number(qint64(value));
    QString text = QString::number(value, 'g', 15);
    return text.replace(QLatin1Char('e'), QLatin1Char('E'));
}

QString CStr(const QVariant& value) {
    if (!value.isValid() || value.isNull()) return QString();
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::Double:
    case QMetaType::Float:
        return numberText(value.toDouble());
    case QMetaType::QString:
        return value.toString();
    default:
        return value.toString();
    }
}

std::optional<double> numberOf(const QVariant& value) {
    if (!value.isValid() || value.isNull()) return std::nullopt;
    if (const auto number = numericValue(value)) return number;
    return parseNumeric(value.toString());
}

bool isEmptyValue(const QVariant& value) {
    if (!value.isValid() || value.isNull()) return true;
    return value.typeId() == QMetaType::QString && value.toString().isEmpty();
}

// ---- texts ----------------------------------------------------------------------------------

QString LTrim(const QString& text) {
    qsizetype start = 0;
    while (start < text.size() && text[start] == kSpace) ++start;
    return text.mid(start);
}

QString RTrim(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == kSpace) --end;
    return text.left(end);
}

QString Trim(const QString& text) { return LTrim(RTrim(text)); }

QString Left(const QString& text, qsizetype count) {
    if (count <= 0) return QString();
    return text.left(count);
}

QString Right(const QString& text, qsizetype count) {
    if (count <= 0) return QString();
    return text.right(count);
}

QString Mid(const QString& text, qsizetype start1, qsizetype length) {
    const qsizetype start = qMax<qsizetype>(start1, 1) - 1;
    if (start >= text.size()) return QString();
    if (length < 0) return text.mid(start);
    return text.mid(start, length);
}

qsizetype InStr(const QString& text, const QString& find, qsizetype start1) {
    const qsizetype start = qMax<qsizetype>(start1, 1);
    if (text.isEmpty() || start > text.size()) return 0;
    if (find.isEmpty()) return start;
    return text.indexOf(find, start - 1, Qt::CaseSensitive) + 1;
}

QString Space(qsizetype count) { return count <= 0 ? QString() : QString(count, kSpace); }

namespace {

template <typename Map>
QString mapCase(const QString& text, Map map) {
    QString out = text;
    for (qsizetype i = 0; i < out.size(); ++i) {
        const QChar c = out[i];
        if (c.isHighSurrogate() && i + 1 < out.size() && out[i + 1].isLowSurrogate()) {
            const char32_t mapped = map(QChar::surrogateToUcs4(c, out[i + 1]));
            if (QChar::requiresSurrogates(mapped)) {
                out[i] = QChar(QChar::highSurrogate(mapped));
                out[i + 1] = QChar(QChar::lowSurrogate(mapped));
            }
            ++i;
            continue;
        }
        const char32_t mapped = map(char32_t(c.unicode()));
        if (!QChar::requiresSurrogates(mapped)) out[i] = QChar(char16_t(mapped));
    }
    return out;
}

}  // namespace

QString UCase(const QString& text) {
    return mapCase(text, [](char32_t c) { return QChar::toUpper(c); });
}

QString LCase(const QString& text) {
    return mapCase(text, [](char32_t c) { return QChar::toLower(c); });
}

QStringList Split(const QString& text, const QString& separator) {
    if (text.isEmpty()) return {};
    if (separator.isEmpty()) return {text};
    return text.split(separator, Qt::KeepEmptyParts, Qt::CaseSensitive);
}

QString Replace(const QString& text, const QString& find, const QString& replacement) {
    if (find.isEmpty()) return text;
    QString out = text;
    return out.replace(find, replacement, Qt::CaseSensitive);
}

int StrCompBinary(const QString& a, const QString& b) {
    const int c = QString::compare(a, b, Qt::CaseSensitive);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

// ---- pictures -------------------------------------------------------------------------------

QString Format(qint64 value, const QString& picture) {
    if (picture.isEmpty()) return QString::number(value);
    int intPlaceholders = 0;
    int fracPlaceholders = 0;
    const auto items = parsePicture(picture, &intPlaceholders, &fracPlaceholders);
    const bool negative = value < 0;
    const quint64 magnitude = negative ? quint64(0) - quint64(value) : quint64(value);
    return applyPicture(negative, QString::number(magnitude), QString(fracPlaceholders, QLatin1Char('0')),
                        items, intPlaceholders);
}

QString Format(double value, const QString& picture) {
    if (picture.isEmpty() || !std::isfinite(value)) return numberText(value);
    int intPlaceholders = 0;
    int fracPlaceholders = 0;
    const auto items = parsePicture(picture, &intPlaceholders, &fracPlaceholders);
    const double scale = std::pow(10.0, fracPlaceholders);
    // Half away from zero, as pictures round.
    const double scaled = std::floor(std::fabs(value) * scale + 0.5);
    QString digits = integralDigits(scaled);
    if (digits.size() <= fracPlaceholders)
        digits.prepend(QString(fracPlaceholders - digits.size() + 1, QLatin1Char('0')));
    const QString intDigits = digits.left(digits.size() - fracPlaceholders);
    const QString fracDigits = digits.right(fracPlaceholders);
    const bool negative = value < 0 && scaled != 0.0;
    return applyPicture(negative, intDigits, fracDigits, items, intPlaceholders);
}

}  // namespace razudar::basic
