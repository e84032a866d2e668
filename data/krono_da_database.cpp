#include "data/krono_da_database.h"

#include <exception>

#include "data/database_access.h"
#include "data/database_state.h"
#include "data/loader_steps.h"
#include "data/loader_values.h"
#include "data/monitor_loader.h"
#include "model/monitor_settings_reloader.h"
#include "data/monitor_settings.h"
#include "model/krono.h"
#include "model/race_times.h"
#include "platform/db/db_error.h"
#include "platform/services/clock.h"

namespace razudar {

namespace {

// The monitor settings a new race state starts from, while the loader builds it: fresh
// settings with the layout of both flags clear, in the loader's staged copy. The loader reloads
// the settings from the database for the race once it is read, so they are not read twice.
class StagedMonitorSettings : public MonitorSettingsReloader {
public:
    explicit StagedMonitorSettings(MonitorState& staged) : staged_(staged) {}
    void reloadMonitorSettings() override {
        staged_.ImpostazioniMonitor = clsMonitor();
        ImpostaLayoutMonitor(staged_.layout, 0, 0);
    }
    int monitorFixedPositions() const override { return staged_.layout.MonitorPosizioniFisse; }

private:
    MonitorState& staged_;
};

// Builds, ranks and returns the race state; `staged` receives the monitor settings of the load,
// so a load that fails leaves the program's settings untouched, and `monitorProblem` what the
// settings load found missing. Throws whatever stops the load.
std::shared_ptr<clsKrono> buildRaceState(const DatabaseState& database, MonitorState& staged,
                                         QString& monitorProblem, qint16 Gara,
                                         const QString& TipoTurno, qint16 Manche) {
    StagedMonitorSettings constructorReload(staged);
    auto krono = std::make_shared<clsKrono>(constructorReload);

    RaceLoader loader(database.current(), *krono, Gara, TipoTurno, Manche);
    loader.loadSessionHeader();
    loader.loadRaceRecord();
    loader.loadDetectionPoints();
    loader.loadCategories();
    loader.loadCompetitors();
    loader.loadStartList();
    loader.loadResults();
    loader.loadPenalties();
    loader.loadIntermediateTimes();
    loader.loadStateAbbreviations();

    // Monitor settings for this race: the on-course block when it has intermediate points.
    staged.ImpostazioniMonitor = clsMonitor();
    monitorProblem = CaricaImpostazioniMonitor(
        staged, database.current(), krono->cGara.Intermedi() > 0 ? qint16(-1) : qint16(0), 0);

    krono->ElaboraClassifiche();
    return krono;
}

}  // namespace

KronoDaDatabaseResult KronoDaDatabase(const DatabaseState& database, MonitorState& monitor,
                                      const Clock& clock, qint16 Gara, const QString& TipoTurno,
                                      qint16 Manche) {
    const double started = clock.secondsSinceMidnight();
    KronoDaDatabaseResult result;
    MonitorState staged = monitor;
    QString monitorProblem;
    try {
        result.krono = buildRaceState(database, staged, monitorProblem, Gara, TipoTurno, Manche);
    } catch (const db::DbError& e) {
        result.error = databaseErrorText(e);
    } catch (const StoredValueError& e) {
        result.error = e.message();
    } catch (const std::exception& e) {
        result.error = QString::fromStdString(e.what());
    }
    if (!result.krono && result.error.isEmpty())
        result.error = QStringLiteral("Caricamento della sessione non riuscito");
    result.TempoCaricamento = float(OraTimer(started, clock) - started);
    if (result.krono) {
        monitor = std::move(staged);
        result.warning = monitorProblem;
    }
    return result;
}

}  // namespace razudar
