#pragma once
// Loading the monitor settings from the table Monitor of the race database.
#include <QString>
#include <QtGlobal>

#include <functional>

#include "data/database_state.h"
#include "data/monitor_settings.h"
#include "model/monitor_settings_reloader.h"

namespace razudar {

// Fills state.ImpostazioniMonitor from the first row of Monitor (every field whose name
// contains "mo_Colore" is the colour of its position counted from 1; mo_FontName, mo_FontSize,
// mo_FontBold, mo_TimerMonitor, mo_TempoCorrere) and then sets the layout with (a, b). The
// caller puts a new clsMonitor in place first. An empty table or a Null value keeps the
// default of what it would set; the returned text then says what was missing ("" when all was
// there). A missing table or field throws db::DbError.
QString CaricaImpostazioniMonitor(MonitorState& state, const db::Database& database, qint16 a,
                                  qint16 b);

// What a new race state uses: new settings loaded from the current database with both layout
// flags clear. A database that cannot answer keeps the previous settings whole and the failure
// goes to `onFailure` (when set).
class DatabaseMonitorSettingsReloader : public MonitorSettingsReloader {
public:
    DatabaseMonitorSettingsReloader(MonitorState& monitor, const DatabaseState& database)
        : monitor_(monitor), database_(database) {}
    void reloadMonitorSettings() override;
    void setFailureHandler(std::function<void(const db::DbError&)> onFailure) { onFailure_ = std::move(onFailure); }
    int monitorFixedPositions() const override { return monitor_.layout.MonitorPosizioniFisse; }
    // What the last load found missing ("" when nothing was).
    const QString& lastProblem() const { return lastProblem_; }

private:
    MonitorState& monitor_;
    const DatabaseState& database_;
    QString lastProblem_;
    std::function<void(const db::DbError&)> onFailure_;
};

}  // namespace razudar
