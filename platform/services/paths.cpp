#include "platform/services/paths.h"

#include <QDir>
#include <QFileInfo>

namespace razudar::paths {

QString toNative(const QString& storedPath) {
    QString p = storedPath;
    p.replace(u'\\', u'/');
    return p;
}

QString withTrailingSeparator(const QString& folder) {
    QString f = toNative(folder);
    // An empty folder text stays empty: it must never turn into the root folder.
    if (f.isEmpty()) return f;
    while (f.size() > 1 && f.endsWith(u'/')) f.chop(1);
    if (f == QStringLiteral("/")) return f;
    return f + u'/';
}

QString findCaseInsensitive(const QString& base, const QString& relative) {
    const QStringList parts = toNative(relative).split(u'/', Qt::SkipEmptyParts);
    QString current = base.isEmpty() ? QStringLiteral(".") : toNative(base);
    for (const QString& part : parts) {
        const QString direct = QDir(current).filePath(part);
        if (QFileInfo::exists(direct)) {
            current = direct;
            continue;
        }
        const QStringList entries =
            QDir(current).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        QString match;
        for (const QString& e : entries) {
            if (e.compare(part, Qt::CaseInsensitive) == 0) {
                match = e;
                break;
            }
        }
        if (match.isEmpty()) return {};
        current = QDir(current).filePath(match);
    }
    return current;
}

}  // namespace razudar::paths
