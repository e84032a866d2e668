#include "data/loader_rows.h"

#include <QStringList>

namespace razudar {

QString LoaderRows::rowKey() const {
    QStringList parts;
    for (const KeyPart& part : key_) {
        QString shown = part.fixed;
        if (part.column >= 0)
            shown = rs_.isNull(part.column) ? QStringLiteral("(vuoto)") : stored::text(rs_.value(part.column));
        if (part.quoted)
            shown = QLatin1Char('\'') + shown + QLatin1Char('\'');
        parts.append(part.label + QLatin1Char(' ') + shown);
    }
    return parts.join(QStringLiteral(", "));
}

void LoaderRows::requireValue(int column) const {
    if (!rs_.isNull(column))
        return;
    QString message = QStringLiteral("Valore mancante nel campo ") + name(column);
    if (!key_.empty())
        message += QStringLiteral(" (") + rowKey() + QLatin1Char(')');
    throw StoredValueError(message);
}

}  // namespace razudar
