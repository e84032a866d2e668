#include "platform/fakes/fake_services.h"

namespace razudar {

PromptAnswer ScriptedPrompter::ask(const QString& text, PromptButtons buttons, PromptIcon icon,
                                    const QString& caption) {
    shown_.push_back({text, buttons, icon, caption});
    if (onShow) onShow(shown_.back());
    if (!answers_.empty()) {
        const PromptAnswer a = answers_.front();
        answers_.pop_front();
        return a;
    }
    return buttons == PromptButtons::Ok ? PromptAnswer::Ok : fallback_;
}

QStringList ScriptedPrompter::texts() const {
    QStringList out;
    for (const auto& p : shown_) out << p.text;
    return out;
}

FakeClock::FakeClock() : now_(QDate(2026, 1, 15), QTime(10, 0, 0)) {}

double FakeClock::secondsSinceMidnight() const { return now_.time().msecsSinceStartOfDay() / 1000.0; }

void FakeClock::advanceMs(qint64 ms) {
    now_ = now_.addMSecs(ms);
    monotonic_ += ms;
}

void FakeWaiter::sleepMs(int durationMs) {
    sleeps_.push_back(durationMs);
    if (clock_ && durationMs > 0) clock_->advanceMs(durationMs);
    if (onWait) onWait(durationMs);
}

void FakeWaiter::processEvents() {
    ++processEventsCalls_;
    if (onProcessEvents) onProcessEvents();
}

bool FakeClockSetter::setUtc(const QDateTime& utc, QString* error) {
    calls_.push_back(utc);
    if (!failure_.isEmpty()) {
        if (error) *error = failure_;
        return false;
    }
    return true;
}

QString MemorySettingsStore::value(const QString& application, const QString& section,
                                   const QString& key, const QString& defaultValue) const {
    return values_.value(path(application, section, key), defaultValue);
}

bool MemorySettingsStore::save(const QString& application, const QString& section,
                               const QString& key, const QString& value, QString* notice) {
    if (!failure_.isEmpty()) {
        ++failedSaves_;
        if (notice) *notice = failure_;
        return false;
    }
    values_.insert(path(application, section, key), value);
    return true;
}

QString ScriptedFileDialog::saveFileName(const QString& caption, const QString&, const QString& filter) {
    captions << caption;
    filters << filter;
    if (answers_.empty()) return {};
    QString a = answers_.front();
    answers_.pop_front();
    return a;
}

void FakeBusyIndicator::begin() {
    calls_.push_back(true);
    ++depth_;
}

void FakeBusyIndicator::end() {
    calls_.push_back(false);
    if (depth_ > 0) --depth_;
}

}  // namespace razudar
