// The three decoders of received object text on arbitrary payloads: never a crash, never a race
// state for a payload reported unreadable (nor a reason for one that was read), and an ignored
// clock or session-key payload changes nothing.
#include <QDateTime>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "data/clock_decoders.h"
#include "data/krono_da_testo.h"
#include "model/krono.h"
#include "model/monitor_settings_reloader.h"
#include "platform/fakes/fake_services.h"

namespace {

using namespace razudar;

class CountingReloader : public MonitorSettingsReloader {
public:
    void reloadMonitorSettings() override { ++reloads; }
    int monitorFixedPositions() const override { return 10; }
    int reloads = 0;
};

void require(bool condition) {
    if (!condition) std::abort();
}

void checkRaceState(const QString& payload) {
    CountingReloader monitor;
    const KronoDaTestoResult result = KronoDaTesto(payload, monitor);
    if (result.krono) {
        require(result.error.isEmpty());
        require(monitor.reloads == 1);
        // The state is usable: ranking it must not fail either.
        result.krono->ElaboraClassifiche();
    } else {
        require(!result.error.isEmpty());
        require(monitor.reloads == 0);
    }
}

void checkClock(const QString& payload) {
    FakeClock clock;
    FakeClockSetter setter;
    const QString report = OrarioDaTesto(payload, clock, setter);
    if (report.isEmpty()) require(setter.calls().empty());
    require(setter.calls().size() <= 1);
}

void checkSessionKey(const QString& payload) {
    FakeClock clock;
    FakeClockSetter setter;
    SessionKey key{5, QStringLiteral("GS"), 1};
    const SessionKeyReply reply = ChiaveSessioneDaTesto(payload, key, clock, setter);
    // Only a usable time reaches the clock; only an unread reply leaves the key.
    if (reply != SessionKeyReply::Read) require(setter.calls().empty());
    require(setter.calls().size() <= 1);
    if (reply == SessionKeyReply::Ignored) {
        require(key.SessioneGara == 5 && key.SessioneTipoTurno == QStringLiteral("GS") &&
                key.SessioneManche == 1);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString payload =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    checkRaceState(payload);
    checkClock(payload);
    checkSessionKey(payload);
    return 0;
}
