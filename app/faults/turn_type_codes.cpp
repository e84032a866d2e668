#include "app/faults/turn_type_codes.h"

#include "app/faults/database_faults.h"
#include "data/database_state.h"
#include "data/one_value_queries.h"

namespace razudar {

QString TurnTypeCodes::code(qint32 id) {
    faults_.guard(QStringLiteral("leggere il tipo di turno %1").arg(id),
                  [&] { lastKnown_.insert(id, CodiceTipoTurno(database_.current(), id)); });
    return lastKnown_.value(id);
}

}  // namespace razudar
