#pragma once
// The link messages that arrive together are applied together. While the link control delivers
// the texts of one arrival, the re-ranking and console refresh each of them asks for wait; once
// the last one is applied the race is ranked and the console refreshed once, so a burst of run
// times costs one ranking instead of one a message and the window keeps answering. A page asked
// for meanwhile (the followed competitor's start, split or finish, the run-time delay) is built on
// standings brought up to date first, and so is a page the operator asks for: what goes on air is
// right at every step.
#include <QtGlobal>

#include "app/console/console_refresh.h"
#include "app/pages/page_dispatcher.h"

namespace razudar {

class LinkBatch : public ConsoleUpdates, public PageDispatcher {
public:
    LinkBatch(ConsoleUpdates& console, PageDispatcher& pages) : console_(console), pages_(pages) {}

    // A text of an arrival is about to be applied: refreshes wait from now on.
    void begin() { open_ = true; }
    // The arrival's texts are all applied: the one refresh they asked for.
    void end();
    bool open() const { return open_; }
    // Brings the standings and the console up to date now, when a text applied so far asked for
    // it: before a page is built, and before anything lets the event loop run during the arrival.
    // The arrival stays open.
    void settle();

    // Inside a batch, asked for and done at its end (or before a page); otherwise done at once.
    void AggiornaClassificheInterfaccia() override;
    void AbilitaPulsantiPagina(bool flag) override { console_.AbilitaPulsantiPagina(flag); }
    void MandaInOnda(qint16 codice) override;

private:
    ConsoleUpdates& console_;
    PageDispatcher& pages_;
    bool open_ = false;
    bool asked_ = false;
};

}  // namespace razudar
