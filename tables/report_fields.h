#pragma once
// Two record-set helpers: whether a field exists, and its value or an empty value.
#include <QString>
#include <QVariant>

#include "platform/db/recordset.h"

namespace razudar::tables {

// True when the record set has a field named exactly `name` (case counts).
bool CampoEsistente(const db::Recordset& rs, const QString& name);

// The current row's value of the field; an empty (null) value when the field does not exist
// under exactly that name or holds Null.
QVariant ValoreCampo(const db::Recordset& rs, const QString& name);

}  // namespace razudar::tables
