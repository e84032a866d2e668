#pragma once
// Test-only writer of object text, as the timekeeping application sends it: the program itself
// only reads object text. Builds race-state, clock and session-key payloads from a race
// description (a clsKrono), plus a demo race that fills every field the race-state text carries.
// Used by the decoder tests, the end-to-end tests, the loader cross-check, the decoder benchmark
// and the fuzz seeds.
#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <memory>

#include "model/monitor_settings_reloader.h"

namespace razudar {
class clsKrono;
}

namespace razudar::encoder {

// ---- object text pieces ----
QString objectText(const QStringList& sections);       // "_BF_OG-IN_" sections "_BF_OG-FN_"
QString attributeSection(const QStringList& values);   // "_BF_AT-IN_" values "_BF_AT-FN_"
// Items joined by "_CL_IT-SP_" (each item's values by "_BF_AT-SP_"), then "_BF_OG-SP_".
QString collectionSection(const QList<QStringList>& items);
QString truthText(bool value);  // "True" / "False"

// ---- race state ----
// The eight sections of `krono` in order, so a test can alter one before joining them.
QStringList raceSections(const clsKrono& krono);
// The whole payload of "AGGIORNACLASSE" for `krono`. Results are written for runs 1 to
// MancheSfidaCorrente with cGara.Intermedi intermediate times each (0 for a missing one).
QString raceStateText(const clsKrono& krono);
// The same with value `sessionValue` of section 0 written as `value` (a race state the decoder
// must refuse, for one).
QString raceStateText(const clsKrono& krono, int sessionValue, const QString& value);

// ---- clock and session key ----
// Payload of "AGGIORNAORARIO" whose value 0 is `time` as written.
QString clockText(const QString& time);
QString clockText(qint32 packedTime);
// Payload of the reply to "RICHIESTACHIAVESESSIONE".
QString sessionKeyText(const QString& time, const QString& race, const QString& turnType,
                       const QString& run);

// ---- demo race ----
struct DemoRaceShape {
    int competitors = 12;
    int runs = 2;           // MancheCorrente: result blocks per competitor
    int intermediates = 2;  // cGara.Intermedi
    int categories = 3;
    bool parallel = false;  // a parallel session: heats of two, result blocks up to SfidaCorrente
};
// A race filling every field the race-state text carries: accented names, category codes with
// blanks, states, missing intermediates, a start list, heats and the state abbreviations.
std::shared_ptr<clsKrono> demoRace(const DemoRaceShape& shape = {});

// Differences between the fields the race-state text carries in `expected` and `actual`, one
// line each (empty when they agree).
QStringList carriedFieldDifferences(const clsKrono& expected, const clsKrono& actual);

// Monitor settings for race states built in tests: counts the reloads.
class CountingMonitorSettings : public MonitorSettingsReloader {
public:
    void reloadMonitorSettings() override { ++reloads; }
    int monitorFixedPositions() const override { return fixedPositions; }
    int reloads = 0;
    int fixedPositions = 10;
};

}  // namespace razudar::encoder
