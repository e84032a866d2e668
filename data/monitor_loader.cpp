#include "data/monitor_loader.h"

#include <QStringList>

#include <algorithm>
#include <limits>

#include "data/database_fault_text.h"
#include "data/loader_values.h"
#include "model/bas_utilita.h"
#include "model/basic.h"

namespace razudar {

namespace {

// A yes/no value: stored as a truth value, or a text of one; nullopt for Null or nonsense.
std::optional<bool> truthValue(const QVariant& value) {
    if (value.isNull()) return std::nullopt;
    if (value.typeId() == QMetaType::Bool) return value.toBool();
    bool ok = false;
    const bool b = basic::CBool(basic::CStr(value), &ok);
    if (!ok) return std::nullopt;
    return b;
}

}  // namespace

QString CaricaImpostazioniMonitor(MonitorState& state, const db::Database& database, qint16 a,
                                  qint16 b) {
    clsMonitor& m = state.ImpostazioniMonitor;
    db::Recordset rs = database.openRecordset(QStringLiteral("Monitor"));
    QString problem;
    if (rs.eof()) {
        problem = QStringLiteral(
            "La tabella Monitor è vuota: si usano le impostazioni predefinite del monitor.");
    } else {
        QStringList missing;
        const auto& fields = rs.fields();
        for (int i = 0; i < static_cast<int>(fields.size()); ++i) {
            if (!fields[static_cast<size_t>(i)].name.contains(QStringLiteral("mo_Colore"),
                                                              Qt::CaseSensitive)) {
                continue;
            }
            m.setColore(i + 1, basic::CLng(stored::numberRead(rs.value(i))));
        }
        const QVariant fontName = rs.value(QStringLiteral("mo_FontName"));
        const QVariant fontSize = rs.value(QStringLiteral("mo_FontSize"));
        const QVariant fontBold = rs.value(QStringLiteral("mo_FontBold"));
        const QVariant timer = rs.value(QStringLiteral("mo_TimerMonitor"));
        const QVariant tempoCorrere = rs.value(QStringLiteral("mo_TempoCorrere"));
        m.setFontName(basic::Trim(basic::CStr(fontName)));
        m.setFontSize(basic::CInt(stored::numberRead(fontSize)));
        if (const auto bold = truthValue(fontBold)) m.setFontBold(*bold);
        else missing << QStringLiteral("mo_FontBold");
        const double whole = basic::Int(stored::numberRead(timer));
        const int timerValue =
            static_cast<int>(std::clamp(whole, double(std::numeric_limits<int>::min()),
                                        double(std::numeric_limits<int>::max())));
        m.setTimerPagina(static_cast<qint16>(LimitaTimerPagina(timerValue, 0)));
        if (const auto tc = truthValue(tempoCorrere)) m.setTempoCorrereSenzaIntermedi(*tc);
        else missing << QStringLiteral("mo_TempoCorrere");
        if (!missing.isEmpty()) {
            problem = QStringLiteral("Impostazioni del monitor senza valore valido in: %1. Si "
                                     "usano i valori predefiniti.")
                          .arg(missing.join(QStringLiteral(", ")));
        }
    }
    ImpostaLayoutMonitor(state.layout, a, b);
    return problem;
}

void DatabaseMonitorSettingsReloader::reloadMonitorSettings() {
    MonitorState staged = monitor_;
    staged.ImpostazioniMonitor = clsMonitor();
    try {
        lastProblem_ = CaricaImpostazioniMonitor(staged, database_.current(), 0, 0);
    } catch (const db::DbError& e) {
        lastProblem_ = testoErroreDatabase(QStringLiteral("rileggere le impostazioni del monitor"), e);
        if (onFailure_) onFailure_(e);
        return;
    }
    monitor_ = std::move(staged);
}

}  // namespace razudar
