#pragma once
// Whatever lets the event loop run while the texts of an arrival are being applied (a message
// sent synchronously, a message box, a wait) first brings the standings and the console up to
// date: a click queued meanwhile, a page it puts on air or a repaint must never see the race
// ranked as it was before the texts already applied. These ports stand in front of the real ones
// and settle the arrival's batch first; outside an arrival there is nothing to settle.
#include <functional>

#include "app/controls/link_control.h"
#include "platform/services/prompter.h"
#include "platform/services/waiter.h"

namespace razudar {

// Settles the open batch, if any.
using SettleBatch = std::function<void()>;

class SettlingPrompter : public Prompter {
public:
    SettlingPrompter(Prompter& inner, SettleBatch settle) : inner_(inner), settle_(std::move(settle)) {}
    PromptAnswer ask(const QString& text, PromptButtons buttons, PromptIcon icon, const QString& caption) override;

private:
    Prompter& inner_;
    SettleBatch settle_;
};

class SettlingWaiter : public Waiter {
public:
    SettlingWaiter(Waiter& inner, SettleBatch settle) : inner_(inner), settle_(std::move(settle)) {}
    void sleepMs(int durationMs) override;
    void processEvents() override;

private:
    Waiter& inner_;
    SettleBatch settle_;
};

// A synchronous send lets pending events run once before it returns; an asynchronous one does not.
class SettlingLink : public controls::LinkControl {
public:
    SettlingLink(controls::LinkControl& inner, SettleBatch settle) : inner_(inner), settle_(std::move(settle)) {}
    QString ServerRemoto() override { return inner_.ServerRemoto(); }
    bool Connesso() override { return inner_.Connesso(); }
    bool InviaTesto(const QString& sTesto, bool Sincrono) override;
    void Disconnetti() override { inner_.Disconnetti(); }

private:
    controls::LinkControl& inner_;
    SettleBatch settle_;
};

}  // namespace razudar
