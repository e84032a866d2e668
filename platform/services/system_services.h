#pragma once
#include <QElapsedTimer>
#include <QSet>
#include <QString>

#include "platform/services/clock.h"
#include "platform/services/computer_name.h"
#include "platform/services/settings_store.h"
#include "platform/services/system_clock_setter.h"
#include "platform/services/waiter.h"

namespace razudar {

// The real implementations that need no widgets.

class SystemWaiter : public Waiter {
public:
    void sleepMs(int durationMs) override;
    void processEvents() override;
};

class SystemClock : public Clock {
public:
    SystemClock();
    QDateTime now() const override;
    double secondsSinceMidnight() const override;
    qint64 monotonicMs() const override;

private:
    QElapsedTimer monotonic_;
};

// Sets CLOCK_REALTIME; needs the CAP_SYS_TIME capability.
class PosixClockSetter : public SystemClockSetter {
public:
    bool setUtc(const QDateTime& utc, QString* error) override;
};

class HostComputerName : public ComputerName {
public:
    QString name() const override;
};

// One INI file per application name in a folder of its own; the folder is chosen by the caller
// so tests use a temporary one.
class IniSettingsStore : public SettingsStore {
public:
    explicit IniSettingsStore(QString folder);
    QString value(const QString& application, const QString& section, const QString& key,
                  const QString& defaultValue = QString()) const override;
    bool save(const QString& application, const QString& section, const QString& key,
              const QString& value, QString* notice = nullptr) override;
    QString fileFor(const QString& application) const;
    // The default folder: the user's configuration folder, subfolder "Razudar".
    static QString defaultFolder();

private:
    QString folder_;
    // Files found to be no settings file (read as far as they could be); the next save writes
    // them anew and says so once.
    mutable QSet<QString> unreadable_;
};

}  // namespace razudar
