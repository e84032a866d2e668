#pragma once
// A race database with competitors, and a Concorrenti table window over it.
#include <gtest/gtest.h>

#include <memory>

#include "concorrenti_window.h"
#include "window_db_fixture.h"

namespace razudar::testing {

// Race 1: competitors 1..12 (names below, bib = 100 + number); race 2: competitors 1..3.
inline void addCompetitors(db::Database& db) {
    db.execute(QStringLiteral("INSERT INTO Gare (ga_Gara) VALUES (1), (2)"));
    static const char* surnames[] = {"Rossi", "Bianchi", "D'Amico", "Verdi", "Neri", "Gallo",
                                     "Conti", "Bruno", "Ricci", "Greco", "Marino", "Costa"};
    for (int i = 0; i < 12; ++i) {
        db.execute(QStringLiteral("INSERT INTO Concorrenti (co_Gara, co_Concorrente, co_Pettorale, co_Cognome, "
                                  "co_Nome, co_Nazionalita) VALUES (1, ?, ?, ?, ?, ?)"),
                   {i + 1, 100 + i + 1, QString::fromLatin1(surnames[i]), QStringLiteral("Nome%1").arg(i + 1),
                    i % 2 ? QStringLiteral("ITA") : QStringLiteral("AUT")});
    }
    for (int i = 1; i <= 3; ++i) {
        db.execute(QStringLiteral("INSERT INTO Concorrenti (co_Gara, co_Concorrente, co_Pettorale, co_Cognome) "
                                  "VALUES (2, ?, ?, ?)"),
                   {i, i, QStringLiteral("Altro%1").arg(i)});
    }
}

class TableWindowTest : public ::testing::Test {
protected:
    TableWindowTest() {
        addCompetitors(race.db());
        window = std::make_unique<ConcorrentiWindow>(race.state, race.fakes.services());
    }
    ConcorrentiWindow& w() { return *window; }
    tables::clsTabella& tb() { return window->tb; }

    WindowRaceDatabase race{};
    std::unique_ptr<ConcorrentiWindow> window;
};

}  // namespace razudar::testing
