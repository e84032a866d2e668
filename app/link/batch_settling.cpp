#include "app/link/batch_settling.h"

namespace razudar {

PromptAnswer SettlingPrompter::ask(const QString& text, PromptButtons buttons, PromptIcon icon,
                                   const QString& caption) {
    settle_();
    return inner_.ask(text, buttons, icon, caption);
}

void SettlingWaiter::sleepMs(int durationMs) {
    settle_();
    inner_.sleepMs(durationMs);
}

void SettlingWaiter::processEvents() {
    settle_();
    inner_.processEvents();
}

bool SettlingLink::InviaTesto(const QString& sTesto, bool Sincrono) {
    if (Sincrono) settle_();
    return inner_.InviaTesto(sTesto, Sincrono);
}

}  // namespace razudar
