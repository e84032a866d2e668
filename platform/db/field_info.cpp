#include "platform/db/field_info.h"

#include <QRegularExpression>

namespace razudar::db {

FieldInfo fieldInfoFromDeclaredType(const QString& name, const QString& declaredType) {
    const QString t = declaredType.trimmed().toUpper();
    FieldInfo info{name, field_type::kText, 255};
    auto has = [&t](const char* word) { return t.contains(QLatin1String(word)); };
    if (t.isEmpty()) return info;
    if (has("BOOL") || has("BIT") || has("YESNO")) {
        info.type = field_type::kBoolean;
        info.size = 1;
    } else if (has("TINYINT") || has("BYTE")) {
        info.type = field_type::kByte;
        info.size = 1;
    } else if (has("SMALLINT")) {
        info.type = field_type::kInteger;
        info.size = 2;
    } else if (has("INT") || (has("LONG") && !has("TEXT"))) {
        info.type = field_type::kLong;
        info.size = 4;
    } else if (has("CURRENCY")) {
        info.type = field_type::kCurrency;
        info.size = 8;
    } else if (has("DOUBLE") || has("FLOAT")) {
        info.type = field_type::kDouble;
        info.size = 8;
    } else if (has("REAL") || has("SINGLE")) {
        info.type = field_type::kSingle;
        info.size = 4;
    } else if (has("DATE") || has("TIME")) {
        info.type = field_type::kDate;
        info.size = 8;
    } else if (has("LONGTEXT") || has("MEMO")) {
        info.type = field_type::kMemo;
        info.size = 0;
    } else if (has("BLOB") || has("BINARY")) {
        info.type = field_type::kLongBinary;
        info.size = 0;
    } else {
        info.type = field_type::kText;
        static const QRegularExpression kSize(QStringLiteral("\\(\\s*(\\d+)\\s*\\)"));
        const QRegularExpressionMatch m = kSize.match(t);
        info.size = m.hasMatch() ? m.captured(1).toInt() : 255;
    }
    return info;
}

}  // namespace razudar::db
