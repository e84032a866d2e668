#include "model/bas_utilita.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

#include "model/basic.h"
#include "platform/services/prompter.h"

namespace razudar {

namespace {

// C0 controls, DEL and the C1 controls.
bool isControlCharacter(char16_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

bool isCapitalTrigger(QChar c) {
    // Space, digit, double quote, and the run from the apostrophe to the full stop:
    // ' ( ) * + , - .
    const char16_t u = c.unicode();
    return u == u' ' || (u >= u'0' && u <= u'9') || u == u'"' || (u >= u'\'' && u <= u'.');
}

QDate dateOf(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::QDate:
        return value.toDate();
    case QMetaType::QDateTime:
        return value.toDateTime().date();
    default:
        break;
    }
    const QString text = basic::Trim(basic::CStr(value));
    for (const auto* format : {"yyyy-MM-dd", "dd/MM/yyyy", "d/M/yyyy"}) {
        const QDate d = QDate::fromString(text, QString::fromLatin1(format));
        if (d.isValid()) return d;
    }
    const QDateTime dt = QDateTime::fromString(text, Qt::ISODate);
    return dt.isValid() ? dt.date() : QDate();
}

}  // namespace

QString FormattaConZeri(double value, int digits, bool blankIfZero) {
    if (value == 0.0 && blankIfZero) return basic::Space(digits);
    const QString picture(qMax(digits, 0), QLatin1Char('0'));
    return basic::Right(basic::Format(value, picture), digits);
}

QString AllineaDestra(const QVariant& value, int width, bool blankIfZero, bool blankIfNotPositive) {
    if (width <= 0) return QString();
    const auto number = basic::numberOf(value);
    if (number && ((*number == 0.0 && blankIfZero) || (*number <= 0.0 && blankIfNotPositive)))
        return basic::Space(width);
    return basic::Right(basic::Space(width) + basic::CStr(value), width);
}

QString AllineaSinistra(const QVariant& value, int width) {
    if (width <= 0) return QString();
    return basic::Left(basic::CStr(value) + basic::Space(width), width);
}

QString SostituisciCarattere(const QString& text, QChar character, const QString& replacement) {
    // One pass from the left: a replacement that contains the character cannot loop forever.
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c == character) out += replacement;
        else out += c;
    }
    return out;
}

QString DataSql(const QDateTime& date, bool withoutSeconds) {
    const QString picture = withoutSeconds ? QStringLiteral("MM-dd-yyyy hh.mm")
                                           : QStringLiteral("MM-dd-yyyy hh.mm.ss");
    return QLatin1Char('#') + date.toString(picture) + QLatin1Char('#');
}

QString DataTesto(const QVariant& value) {
    if (basic::isEmptyValue(value)) return QStringLiteral("  /  /    ");
    const QDate date = dateOf(value);
    if (!date.isValid()) return basic::CStr(value);
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}

bool CreaCartella(const QString& path, Prompter& prompter) {
    const QFileInfo info(path);
    if (info.exists() || info.isSymLink()) return false;
    if (!path.isEmpty() && QDir().mkdir(path)) return true;
    prompter.show(QStringLiteral("Impossibile Creare la Cartella ") + path, PromptButtons::Ok);
    return false;
}

QString TestoVersioneProgramma(const ProgramVersion& version) {
    QString text = QString::number(version.major) + QLatin1Char('.') + QString::number(version.minor);
    if (version.revision >= 1) text += QLatin1Char('.') + QString::number(version.revision);
    return text;
}

QString RaddoppiaApici(const QString& text) {
    return basic::Replace(text, QStringLiteral("'"), QStringLiteral("''"));
}

bool CancellaFile(const QString& mask) {
    const QFileInfo maskInfo(mask);
    QString pattern = maskInfo.fileName();
    if (pattern.isEmpty()) return false;
    if (pattern == QLatin1String("*.*")) pattern = QStringLiteral("*");
    QDir folder = maskInfo.dir();
    // Without QDir::CaseSensitive the name filter ignores case, as the stored masks expect.
    const QFileInfoList files =
        folder.entryInfoList({pattern}, QDir::Files | QDir::System | QDir::Hidden);
    if (files.isEmpty()) return false;
    bool allDeleted = true;
    for (const QFileInfo& file : files) {
        if (!QFile::remove(file.absoluteFilePath())) allDeleted = false;
    }
    return allDeleted;
}

double ValoreNumerico(const QString& text) { return basic::parseNumeric(text).value_or(0.0); }

int LimitaTimerPagina(int value, int minimum) {
    return (value >= minimum && value <= 65) ? value : 60;
}

QString NomeProprio(const QString& text) {
    QString out = basic::UCase(basic::Left(text, 1)) + basic::LCase(basic::Mid(text, 2));
    for (qsizetype i = 0; i + 1 < out.size(); ++i) {
        if (isCapitalTrigger(out[i])) out.replace(i + 1, 1, basic::UCase(out.mid(i + 1, 1)));
    }
    return out;
}

QString blankControlCharacters(const QString& text) {
    const auto first = std::find_if(text.cbegin(), text.cend(), [](QChar c) { return isControlCharacter(c.unicode()); });
    if (first == text.cend()) return text;
    QString shown = text;
    for (qsizetype i = first - text.cbegin(); i < shown.size(); ++i) {
        if (isControlCharacter(shown[i].unicode())) shown[i] = u' ';
    }
    return shown;
}

bool ValoreBooleano(const QVariant& value, bool defaultValue) {
    if (basic::isEmptyValue(value)) return defaultValue;
    if (value.typeId() == QMetaType::Bool) return value.toBool();
    const QString text = basic::Trim(basic::CStr(value));
    bool ok = false;
    const bool result = basic::CBool(text, &ok);
    if (!ok) throw basic::ConversionError(QStringLiteral("\"") + text + QStringLiteral("\" is not a truth value"));
    return result;
}

qint16 ValoreIntero(const QVariant& value, qint16 defaultValue) {
    if (basic::isEmptyValue(value)) return defaultValue;
    const auto number = basic::numberOf(value);
    if (!number || !basic::fitsInteger(*number)) return defaultValue;
    return qint16(basic::Int(*number));
}

qint32 ValoreLungo(const QVariant& value, qint32 defaultValue) {
    if (basic::isEmptyValue(value)) return defaultValue;
    const auto number = basic::numberOf(value);
    if (!number || *number < -2147483647.0 || *number > 2147483647.0) return defaultValue;
    return basic::CLng(*number);
}

QString TestoTraDelimitatori(const QString& text, const QString& startMarker, const QString& endMarker) {
    const qsizetype bodyLength = text.size() - startMarker.size() - endMarker.size();
    if (bodyLength <= 0) return QString();
    return text.mid(startMarker.size(), bodyLength);
}

}  // namespace razudar
