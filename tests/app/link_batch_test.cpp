// The batch of one arrival on the link: the re-rankings its texts ask for wait for its end and run
// once; a page asked for meanwhile is built on standings ranked first; outside a batch everything
// runs at once.
#include <gtest/gtest.h>

#include "app/link/batch_settling.h"
#include "app/link/link_batch.h"

namespace razudar::apptest {
namespace {

// Writes down what reaches the console, the pages, the link, the boxes and the waits, in order.
struct Calls : ConsoleUpdates, PageDispatcher, controls::LinkControl, Prompter, Waiter {
    void AggiornaClassificheInterfaccia() override { log << QStringLiteral("refresh"); }
    void AbilitaPulsantiPagina(bool flag) override {
        log << (flag ? QStringLiteral("buttons on") : QStringLiteral("buttons off"));
    }
    void MandaInOnda(qint16 codice) override { log << QStringLiteral("page %1").arg(codice); }
    QString ServerRemoto() override { return QString(); }
    bool Connesso() override { return true; }
    bool InviaTesto(const QString& sTesto, bool Sincrono) override {
        log << (Sincrono ? QStringLiteral("send and let events run ") : QStringLiteral("send ")) + sTesto;
        return true;
    }
    void Disconnetti() override {}
    PromptAnswer ask(const QString& text, PromptButtons, PromptIcon, const QString&) override {
        log << QStringLiteral("box ") + text;
        return PromptAnswer::Ok;
    }
    void sleepMs(int durationMs) override { log << QStringLiteral("wait %1").arg(durationMs); }
    void processEvents() override { log << QStringLiteral("events"); }
    QStringList log;
};

TEST(LinkBatch, RefreshesWaitForTheEndOfTheArrivalAndPagesForTheStandings) {
    // b: a text of an arrival begins, e: the arrival's end, r: a refresh asked for, p: page 12
    // asked for, a: the page buttons switched on.
    const struct Case {
        const char* name;
        const char* script;
        QStringList expected;
        bool openAfter;
    } cases[] = {
        {"outside an arrival", "rpa", {"refresh", "page 12", "buttons on"}, false},
        {"three texts asking", "brbrbr", {}, true},
        {"three texts asking, then the end", "brbrbre", {"refresh"}, false},
        {"a page between", "brbrpbre", {"refresh", "page 12", "refresh"}, false},
        {"a page with nothing asked before it", "bpre", {"page 12", "refresh"}, false},
        {"the buttons at once", "brae", {"buttons on", "refresh"}, false},
        {"an end with nothing asked", "be", {}, false},
        {"after the end, at once again", "brer", {"refresh", "refresh"}, false},
        {"an end outside an arrival", "e", {}, false},
        // Whatever lets the event loop run during an arrival settles it first, once.
        {"a synchronous send", "brbrsre", {"refresh", "send and let events run T", "refresh"}, false},
        {"a send that lets nothing run", "bryre", {"send T", "refresh"}, false},
        {"a box", "brxre", {"refresh", "box B", "refresh"}, false},
        {"a wait", "brwwe", {"refresh", "wait 50", "wait 50"}, false},
        {"events let run", "brvre", {"refresh", "events", "refresh"}, false},
        {"a box with nothing asked", "bxe", {"box B"}, false},
        {"a box outside an arrival", "x", {"box B"}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Calls calls;
        LinkBatch batch(calls, calls);
        const SettleBatch settle = [&batch] { batch.settle(); };
        SettlingLink link(calls, settle);
        SettlingPrompter prompter(calls, settle);
        SettlingWaiter waiter(calls, settle);
        for (const char* step = c.script; *step; ++step) {
            switch (*step) {
            case 'b': batch.begin(); break;
            case 'e': batch.end(); break;
            case 'r': batch.AggiornaClassificheInterfaccia(); break;
            case 'p': batch.MandaInOnda(12); break;
            case 'a': batch.AbilitaPulsantiPagina(true); break;
            case 's': link.InviaTesto(QStringLiteral("T"), true); break;
            case 'y': link.InviaTesto(QStringLiteral("T"), false); break;
            case 'x': prompter.show(QStringLiteral("B")); break;
            case 'w': waiter.sleepMs(50); break;
            case 'v': waiter.processEvents(); break;
            }
        }
        EXPECT_EQ(calls.log, c.expected);
        EXPECT_EQ(batch.open(), c.openAfter);
    }
}

}  // namespace
}  // namespace razudar::apptest
