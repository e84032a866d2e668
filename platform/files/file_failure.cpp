#include "platform/files/file_failure.h"

#include <cerrno>

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QJsonParseError>

namespace razudar::files {

namespace {

void logLine(const QString& text) { qWarning().noquote() << "Razudar:" << text; }

// The kinds told the same whether the file was read or written; empty for the others.
QString sharedReason(int systemError) {
    switch (systemError) {
    case ENOSPC:
    case EDQUOT: return QStringLiteral("il disco è pieno");
    case EFBIG: return QStringLiteral("il file supera la dimensione massima consentita");
    case EROFS: return QStringLiteral("il disco è protetto da scrittura");
    case EISDIR: return QStringLiteral("il nome è quello di una cartella");
    case ENAMETOOLONG: return QStringLiteral("il nome del file è troppo lungo");
    case EMFILE:
    case ENFILE: return QStringLiteral("troppi file aperti");
    case EIO: return QStringLiteral("errore di lettura o scrittura sul disco");
    default: return QString();
    }
}

QString jsonErrorKind(QJsonParseError::ParseError error) {
    switch (error) {
    case QJsonParseError::UnterminatedObject: return QStringLiteral("oggetto non chiuso");
    case QJsonParseError::MissingNameSeparator: return QStringLiteral("manca ':' dopo un nome");
    case QJsonParseError::UnterminatedArray: return QStringLiteral("elenco non chiuso");
    case QJsonParseError::MissingValueSeparator: return QStringLiteral("manca ',' tra due valori");
    case QJsonParseError::IllegalValue: return QStringLiteral("valore non valido");
    case QJsonParseError::TerminationByNumber: return QStringLiteral("il testo finisce in un numero");
    case QJsonParseError::IllegalNumber: return QStringLiteral("numero non valido");
    case QJsonParseError::IllegalEscapeSequence: return QStringLiteral("sequenza con '\\' non valida");
    case QJsonParseError::IllegalUTF8String: return QStringLiteral("caratteri non validi");
    case QJsonParseError::UnterminatedString: return QStringLiteral("testo tra virgolette non chiuso");
    case QJsonParseError::MissingObject: return QStringLiteral("manca un oggetto");
    case QJsonParseError::DeepNesting: return QStringLiteral("troppi livelli annidati");
    case QJsonParseError::DocumentTooLarge: return QStringLiteral("testo troppo grande");
    case QJsonParseError::GarbageAtEnd: return QStringLiteral("altro testo dopo la fine");
    case QJsonParseError::NoError: break;
    }
    return QStringLiteral("errore sconosciuto");
}

}  // namespace

QString writeFailureReason(int systemError, QFileDevice::FileError fileError) {
    switch (systemError) {
    case EACCES:
    case EPERM: return QStringLiteral("permesso negato nella cartella");
    case ENOENT:
    case ENOTDIR: return QStringLiteral("la cartella non esiste");
    default: break;
    }
    if (const QString shared = sharedReason(systemError); !shared.isEmpty()) return shared;
    switch (fileError) {
    case QFileDevice::ResourceError: return QStringLiteral("il disco è pieno");
    case QFileDevice::PermissionsError: return QStringLiteral("permesso negato nella cartella");
    case QFileDevice::OpenError: return QStringLiteral("il file non può essere creato");
    default: break;
    }
    return QStringLiteral("errore di scrittura sul disco");
}

QString readFailureReason(int systemError, QFileDevice::FileError fileError) {
    switch (systemError) {
    case EACCES:
    case EPERM: return QStringLiteral("permesso di lettura negato");
    case ENOENT:
    case ENOTDIR: return QStringLiteral("file mancante");
    default: break;
    }
    if (const QString shared = sharedReason(systemError); !shared.isEmpty()) return shared;
    switch (fileError) {
    case QFileDevice::PermissionsError: return QStringLiteral("permesso di lettura negato");
    case QFileDevice::OpenError: return QStringLiteral("il file non può essere aperto");
    default: break;
    }
    return QStringLiteral("errore di lettura dal disco");
}

int openFailureNumber(const QString& path, int systemError) {
    return QFileInfo(path).isDir() ? EISDIR : systemError;
}

bool openForReading(QFile& file, QString* reason) {
    errno = 0;
    if (file.open(QIODevice::ReadOnly)) return true;
    const int systemError = openFailureNumber(file.fileName(), errno);
    if (reason) *reason = readFailureReason(systemError, file.error());
    logLine(QStringLiteral("lettura di '%1' non riuscita: %2").arg(file.fileName(), file.errorString()));
    return false;
}

QString jsonFailureReason(const QByteArray& text, const QJsonParseError& error, const QString& source) {
    const qsizetype line = text.left(error.offset).count('\n') + 1;
    logLine(QStringLiteral("testo JSON non valido in '%1' alla riga %2: %3")
                .arg(source, QString::number(line), error.errorString()));
    return QStringLiteral("testo non valido alla riga %1 (%2)").arg(QString::number(line), jsonErrorKind(error.error));
}

}  // namespace razudar::files
