#include "app/faults/session_values.h"

#include "app/faults/database_faults.h"
#include "data/database_state.h"
#include "data/one_value_queries.h"
#include "model/race_codes.h"
#include "model/session_key.h"

namespace razudar {

SessionValues::SessionValues(const DatabaseState& database, const SessionKey& session, DatabaseFaults& faults)
    : database_(database), session_(session), faults_(faults) {
    // The turn types the console and the running-clock pages compare with, and the texts of the
    // parallel page's winner.
    for (const qint32 id : {kTipoTurnoSingolaManche, kTipoTurnoQualificazione}) turnTypes_.insert(id, Value{});
    for (const char* field : {"li_VincitoreSfida", "li_VincitoreManche"})
        winnerTexts_.insert(QString::fromLatin1(field), Value{});
}

void SessionValues::read(Value& value, const QString& azione, const std::function<QString()>& reader) {
    value.current = faults_.guard(azione, [&] { value.text = reader(); });
}

void SessionValues::readTurnType(qint32 id, Value& value) {
    read(value, QStringLiteral("leggere il tipo di turno %1").arg(id),
         [&] { return CodiceTipoTurno(database_.current(), id); });
}

void SessionValues::readRaceText(const QString& field, Value& value) {
    read(value, QStringLiteral("leggere il testo %1 della gara").arg(field),
         [&] { return TestoLingua(database_.current(), session_.SessioneGara, field); });
}

void SessionValues::reload() {
    for (auto it = turnTypes_.begin(); it != turnTypes_.end(); ++it) readTurnType(it.key(), it.value());
    for (auto it = winnerTexts_.begin(); it != winnerTexts_.end(); ++it) readRaceText(it.key(), it.value());
}

QString SessionValues::turnTypeCode(qint32 id) {
    Value& value = turnTypes_[id];
    if (!value.current && liveDepth_ == 0) readTurnType(id, value);
    return value.text;
}

QString SessionValues::raceText(const QString& field) {
    const auto it = winnerTexts_.find(field);
    if (it == winnerTexts_.end()) {
        Value once;
        if (liveDepth_ == 0) readRaceText(field, once);
        return once.text;
    }
    if (!it->current && liveDepth_ == 0) readRaceText(field, *it);
    return it->text;
}

}  // namespace razudar
