// The batch of one arrival on the link: the re-rankings its texts ask for wait for its end and run
// once; a page asked for meanwhile is built on standings ranked first; outside a batch everything
// runs at once.
#include <gtest/gtest.h>

#include "app/link/link_batch.h"

namespace razudar::apptest {
namespace {

// Writes down what reaches the console and the pages, in order.
struct Calls : ConsoleUpdates, PageDispatcher {
    void AggiornaClassificheInterfaccia() override { log << QStringLiteral("refresh"); }
    void AbilitaPulsantiPagina(bool flag) override {
        log << (flag ? QStringLiteral("buttons on") : QStringLiteral("buttons off"));
    }
    void MandaInOnda(qint16 codice) override { log << QStringLiteral("page %1").arg(codice); }
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
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Calls calls;
        LinkBatch batch(calls, calls);
        for (const char* step = c.script; *step; ++step) {
            switch (*step) {
            case 'b': batch.begin(); break;
            case 'e': batch.end(); break;
            case 'r': batch.AggiornaClassificheInterfaccia(); break;
            case 'p': batch.MandaInOnda(12); break;
            case 'a': batch.AbilitaPulsantiPagina(true); break;
            }
        }
        EXPECT_EQ(calls.log, c.expected);
        EXPECT_EQ(batch.open(), c.openAfter);
    }
}

}  // namespace
}  // namespace razudar::apptest
