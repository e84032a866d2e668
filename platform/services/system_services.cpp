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
    const QString file = fileFor(application);
    QSettings s(file, QSettings::IniFormat);
    if (s.status() == QSettings::FormatError) unreadable_.insert(file);
    s.beginGroup(escapedGroup(section));
    return s.value(escapedGroup(key), defaultValue).toString();
}

bool IniSettingsStore::save(const QString& application, const QString& section,
                            const QString& key, const QString& value, QString* notice) {
    const QString file = fileFor(application);
    auto fail = [&](const QString& why) {
        if (notice) *notice = QStringLiteral("il file '%1' %2").arg(file, why);
        return false;
    };
    QDir().mkpath(folder_);
    {
        QSettings s(file, QSettings::IniFormat);
        // A file that is no settings file is written anew with what could be read of it (Qt
        // reports it only the first time the process opens it).
        if (s.status() == QSettings::FormatError) unreadable_.insert(file);
        s.beginGroup(escapedGroup(section));
        s.setValue(escapedGroup(key), value);
        s.endGroup();
        s.sync();
        if (s.status() == QSettings::AccessError) return fail(QStringLiteral("non si può scrivere"));
    }
    // What the next start will read: the file read afresh must give the value back (a full
    // disk or a file that cannot be replaced leaves the old text in place).
    QSettings back(file, QSettings::IniFormat);
    back.beginGroup(escapedGroup(section));
    if (back.status() != QSettings::NoError || back.value(escapedGroup(key)).toString() != value)
        return fail(QStringLiteral("non ha conservato il valore scritto"));
    if (unreadable_.remove(file) && notice) {
        *notice = QStringLiteral("il file '%1' non era un file di impostazioni valido ed è stato riscritto: i valori "
                                 "che non si potevano leggere sono persi")
                      .arg(file);
    }
    return true;
}

QString IniSettingsStore::defaultFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("Razudar"));
}

}  // namespace razudar
