#include "platform/services/system_services.h"

#include <QCoreApplication>
#include <QDir>
#include <QHostInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QSysInfo>
#include <QThread>
#include <QTime>

#include <cerrno>
#include <cstring>
#include <ctime>

namespace razudar {

void SystemWaiter::sleepMs(int durationMs) {
    if (durationMs > 0) QThread::msleep(static_cast<unsigned long>(durationMs));
}

void SystemWaiter::processEvents() { QCoreApplication::processEvents(); }

SystemClock::SystemClock() { monotonic_.start(); }

QDateTime SystemClock::now() const { return QDateTime::currentDateTime(); }

double SystemClock::secondsSinceMidnight() const {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

qint64 SystemClock::monotonicMs() const { return monotonic_.elapsed(); }

bool PosixClockSetter::setUtc(const QDateTime& utc, QString* error) {
    const qint64 ms = utc.toMSecsSinceEpoch();
    timespec ts{};
    ts.tv_sec = static_cast<time_t>(ms / 1000);
    ts.tv_nsec = static_cast<long>((ms % 1000) * 1000000);
    if (clock_settime(CLOCK_REALTIME, &ts) == 0) return true;
    if (error) *error = QString::fromLocal8Bit(std::strerror(errno));
    return false;
}

QString HostComputerName::name() const {
    QString host = QSysInfo::machineHostName();
    if (host.isEmpty()) host = QHostInfo::localHostName();
    return host;
}

namespace {
// QSettings treats "/" and "\" as group separators; a section such as
// "frmSessioni\SelezionaCampi" must stay one group, so both are escaped in the group name.
QString escapedGroup(const QString& section) {
    QString out;
    for (QChar c : section) {
        if (c == u'%') out += QStringLiteral("%25");
        else if (c == u'\\') out += QStringLiteral("%5C");
        else if (c == u'/') out += QStringLiteral("%2F");
        else out += c;
    }
    return out;
}
}  // namespace

IniSettingsStore::IniSettingsStore(QString folder) : folder_(std::move(folder)) {}

QString IniSettingsStore::fileFor(const QString& application) const {
    QString safe = application;
    safe.replace(u'/', u'_').replace(u'\\', u'_');
    return QDir(folder_).filePath(safe + QStringLiteral(".ini"));
}

QString IniSettingsStore::value(const QString& application, const QString& section,
                                const QString& key, const QString& defaultValue) const {
    QSettings s(fileFor(application), QSettings::IniFormat);
    s.beginGroup(escapedGroup(section));
    return s.value(escapedGroup(key), defaultValue).toString();
}

void IniSettingsStore::save(const QString& application, const QString& section,
                            const QString& key, const QString& value) {
    QDir().mkpath(folder_);
    QSettings s(fileFor(application), QSettings::IniFormat);
    s.beginGroup(escapedGroup(section));
    s.setValue(escapedGroup(key), value);
    s.endGroup();
    s.sync();
}

QString IniSettingsStore::defaultFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("Razudar"));
}

}  // namespace razudar
