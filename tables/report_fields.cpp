#include "tables/report_fields.h"

namespace razudar::tables {

bool CampoEsistente(const db::Recordset& rs, const QString& name) {
    for (const db::FieldInfo& field : rs.fields())
        if (field.name.compare(name, Qt::CaseSensitive) == 0) return true;
    return false;
}

QVariant ValoreCampo(const db::Recordset& rs, const QString& name) {
    if (!CampoEsistente(rs, name)) return {};
    const QVariant value = rs.value(name);
    return value.isNull() ? QVariant() : value;
}

}  // namespace razudar::tables
