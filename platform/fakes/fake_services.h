#pragma once
#include <QDateTime>
#include <QMap>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

#include "platform/services/services.h"

namespace razudar {

// Test doubles of the outside world: scripted, recording, never touching real time, the real
// clock or the user's settings. None of them needs Qt Widgets, so the logic's tests link them
// alone; the dialogs of the windows are answered by fake_window_services.h.

struct ShownPrompt {
    QString text;
    PromptButtons buttons;
    PromptIcon icon;
    QString caption;
};

class ScriptedPrompter : public Prompter {
public:
    // Answers are consumed in order; when none are left, Ok/Yes-No boxes get `fallback`
    // (Yes for questions unless changed, Ok for plain boxes).
    void script(std::initializer_list<PromptAnswer> answers) { answers_.insert(answers_.end(), answers); }
    void setFallback(PromptAnswer a) { fallback_ = a; }
    PromptAnswer ask(const QString& text, PromptButtons buttons, PromptIcon icon,
                      const QString& caption) override;
    const std::vector<ShownPrompt>& shown() const { return shown_; }
    QStringList texts() const;
    void clear() { shown_.clear(); }
    // Called with every box as it is shown, before it is answered.
    std::function<void(const ShownPrompt&)> onShow;

private:
    std::deque<PromptAnswer> answers_;
    PromptAnswer fallback_ = PromptAnswer::Yes;
    std::vector<ShownPrompt> shown_;
};

class FakeClock : public Clock {
public:
    FakeClock();
    QDateTime now() const override { return now_; }
    double secondsSinceMidnight() const override;
    qint64 monotonicMs() const override { return monotonic_; }
    void setNow(const QDateTime& t) { now_ = t; }
    void advanceMs(qint64 ms);

private:
    QDateTime now_;
    qint64 monotonic_ = 0;
};

// Returns at once; records every wait and advances the fake clock (when given) by it.
// `onWait` and `onProcessEvents` let a test make things happen "during" a wait.
class FakeWaiter : public Waiter {
public:
    explicit FakeWaiter(FakeClock* clock = nullptr) : clock_(clock) {}
    void sleepMs(int durationMs) override;
    void processEvents() override;
    const std::vector<int>& sleeps() const { return sleeps_; }
    int processEventsCalls() const { return processEventsCalls_; }
    std::function<void(int)> onWait;
    std::function<void()> onProcessEvents;

private:
    FakeClock* clock_;
    std::vector<int> sleeps_;
    int processEventsCalls_ = 0;
};

class FakeClockSetter : public SystemClockSetter {
public:
    bool setUtc(const QDateTime& utc, QString* error) override;
    void failWith(const QString& reason) { failure_ = reason; }
    const std::vector<QDateTime>& calls() const { return calls_; }

private:
    QString failure_;
    std::vector<QDateTime> calls_;
};

class FixedComputerName : public ComputerName {
public:
    explicit FixedComputerName(QString name = QStringLiteral("REGIA")) : name_(std::move(name)) {}
    QString name() const override { return name_; }

private:
    QString name_;
};

class MemorySettingsStore : public SettingsStore {
public:
    QString value(const QString& application, const QString& section, const QString& key,
                  const QString& defaultValue = QString()) const override;
    bool save(const QString& application, const QString& section, const QString& key,
              const QString& value, QString* notice = nullptr) override;
    int size() const { return values_.size(); }
    // From now on every save fails with `reason` and stores nothing ("" saves again).
    void failSaves(QString reason) { failure_ = std::move(reason); }
    int failedSaves() const { return failedSaves_; }

private:
    QString failure_;
    int failedSaves_ = 0;
    static QString path(const QString& a, const QString& s, const QString& k) {
        return a + QChar(0x1F) + s + QChar(0x1F) + k;
    }
    QMap<QString, QString> values_;
};

class ScriptedFileDialog : public FileDialog {
public:
    void script(QString answer) { answers_.push_back(std::move(answer)); }
    QString saveFileName(const QString& caption, const QString& folder,
                         const QString& filter) override;
    QStringList captions;
    QStringList filters;

private:
    std::deque<QString> answers_;
};

// Records every begin (true) and end (false) of the wait pointer, and how many are open.
class FakeBusyIndicator : public BusyIndicator {
public:
    void begin() override;
    void end() override;
    bool busy() const { return depth_ > 0; }
    const std::vector<bool>& calls() const { return calls_; }
    void clear() { calls_.clear(); }

private:
    int depth_ = 0;
    std::vector<bool> calls_;
};

// All fakes together, wired to each other, with a Services bundle pointing at them. The logic
// runs no dialog: the bundle has no dialog runner unless one is set (FakeWindowServices does).
struct FakeServices {
    ScriptedPrompter prompter;
    FakeClock clock;
    FakeWaiter waiter{&clock};
    FakeClockSetter clockSetter;
    FixedComputerName computerName;
    MemorySettingsStore settings;
    ScriptedFileDialog fileDialog;
    FakeBusyIndicator busy;
    DialogRunner* dialogRunner = nullptr;
    Services services() {
        return Services{&prompter, &waiter, &clock, &clockSetter, &computerName,
                        &settings, &fileDialog, &busy, dialogRunner};
    }
};

}  // namespace razudar
