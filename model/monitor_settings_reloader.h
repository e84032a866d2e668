#pragma once
// What a new race state needs of the results-monitor settings. Every race state built replaces
// the monitor settings with a fresh load from the race database (which also lays the monitor
// pages out again) and starts its monitor position after the block of fixed positions. The
// program hands in the database-backed implementation; tests use their own.
namespace razudar {

class MonitorSettingsReloader {
public:
    virtual ~MonitorSettingsReloader() = default;
    // Replaces the monitor settings with a new object loaded from the race database with both
    // layout flags clear, and sets the monitor layout from it.
    virtual void reloadMonitorSettings() = 0;
    // Leading positions always shown on the monitor, as the last layout set them.
    virtual int monitorFixedPositions() const = 0;
};

}  // namespace razudar
