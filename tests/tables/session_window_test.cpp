// The session selection window over QSessioni on a database built from the schema: where the
// grid opens, the heat-pairs and state cells, confirm by button and by Enter, cancel, a row of
// another race, an empty list.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QTableView>

#include "data/active_session.h"
#include "window_db_fixture.h"
#include "tables/widgets/frm_selezione_sessione.h"
#include "screenshots.h"

namespace razudar::testing {
namespace {

using namespace razudar::tables;
using W = FrmSelezioneSessione;

class SessionWindowTest : public ::testing::Test {
protected:
    SessionWindowTest() {
        race.db().execute(QStringLiteral(
            "INSERT INTO Gare (ga_Gara, ga_Descrizione, ga_Parallelo) VALUES (1, 'Gigante', 0), (2, 'Parallelo', -1);"));
        race.db().execute(QStringLiteral(
            "INSERT INTO StatiSessione VALUES (0, 'Programmata'), (1, 'In corso'), (2, 'Conclusa'), (3, 'Annullata')"));
    }
    void sessions(std::initializer_list<std::tuple<int, const char*, int, int>> rows) {
        for (const auto& [gara, tipo, manche, stato] : rows) {
            race.db().execute(QStringLiteral("INSERT INTO Sessioni (se_Gara, se_TipoTurno, se_Manche, se_Descrizione, "
                                             "se_StatoSessione) VALUES (?, ?, ?, ?, ?)"),
                              {gara, QString::fromLatin1(tipo), manche, QStringLiteral("S%1").arg(manche), stato});
        }
    }
    W& open(int activeRace) {
        session.SessioneGara = static_cast<qint16>(activeRace);
        window = std::make_unique<W>(race.state, race.fakes.services(), session);
        window->Load();
        window->primoPaint();
        return *window;
    }
    // The current row as "race/turn/run".
    QString current() {
        const int row = window->datTabella.absolutePosition();
        if (row < 0) return QStringLiteral("none");
        auto* m = window->DBGrid1->model();
        return QStringList{m->data(m->index(row, 0), Qt::DisplayRole).toString(),
                           m->data(m->index(row, 1), Qt::DisplayRole).toString(),
                           m->data(m->index(row, 2), Qt::DisplayRole).toString()}
            .join(u'/');
    }
    WindowRaceDatabase race{};
    SessionKey session;
    std::unique_ptr<W> window;
};

TEST_F(SessionWindowTest, OpensOnTheSessionMostLikelyWanted) {
    struct Case {
        int active;
        std::vector<std::tuple<int, const char*, int, int>> rows;
        const char* expected;
    };
    const Case cases[] = {
        {1, {{1, "GS", 1, 2}, {1, "GS", 2, 0}, {1, "GS", 3, 1}}, "1/GS/2"},   // first in state 0 or 1
        {1, {{1, "GS", 1, 2}, {1, "GS", 2, 2}, {1, "GS", 3, 3}}, "1/GS/2"},   // last in state 2
        {1, {{1, "GS", 1, 3}, {1, "GS", 2, 3}}, "1/GS/1"},                    // the first row
        {-1, {{1, "GS", 1, 2}, {2, "PA", 1, 2}, {2, "PA", 2, 0}}, "2/PA/1"},  // no race: any race
    };
    for (const Case& c : cases) {
        race.db().execute(QStringLiteral("DELETE FROM Sessioni"));
        for (const auto& [g, t, m, s] : c.rows) sessions({{g, t, m, s}});
        open(c.active);
        EXPECT_EQ(current(), QString::fromLatin1(c.expected));
        EXPECT_EQ(window->datTabella.recordCount(), c.active == -1 ? 3 : static_cast<int>(c.rows.size()));
    }
}

TEST_F(SessionWindowTest, HeatPairsOfAParallelRaceAndStateColours) {
    sessions({{2, "PA", 1, 0}, {2, "PA", 2, 1}, {2, "QU", 1, 2}, {2, "QU", 2, 3}});
    race.db().execute(QStringLiteral("INSERT INTO Concorrenti (co_Gara, co_Concorrente, co_Pettorale) VALUES "
                                     "(2, 1, 12), (2, 2, 7), (2, 3, 3), (2, 4, 15)"));
    race.db().execute(QStringLiteral("INSERT INTO TabelloneParallelo VALUES (2, 'PA', 1, 2, 3, 4), (2, 'PA', 1, 1, 1, 2)"));
    open(2);
    EXPECT_FALSE(window->DBGrid1->isColumnVisible(W::kColOrario));
    EXPECT_TRUE(window->DBGrid1->isColumnVisible(W::kColSfide));
    auto* m = window->DBGrid1->model();
    EXPECT_EQ(m->data(m->index(0, W::kColSfide), Qt::DisplayRole).toString(), QStringLiteral("12-7   3-15"));
    EXPECT_EQ(m->data(m->index(1, W::kColSfide), Qt::DisplayRole).toString(), QString());
    const QColor expected[] = {QColor(255, 255, 255), QColor(255, 255, 0), QColor(0, 255, 0)};
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(m->data(m->index(row, W::kColStato), Qt::BackgroundRole).value<QColor>(), expected[row]);
    }
    EXPECT_FALSE(m->data(m->index(3, W::kColStato), Qt::BackgroundRole).isValid());

    race.db().execute(QStringLiteral("INSERT INTO Sessioni (se_Gara, se_TipoTurno, se_Manche) VALUES (1, 'GS', 1)"));
    open(1);
    EXPECT_TRUE(window->DBGrid1->isColumnVisible(W::kColOrario));
    EXPECT_FALSE(window->DBGrid1->isColumnVisible(W::kColSfide));
    EXPECT_EQ(m = window->DBGrid1->model(), window->DBGrid1->model());
    EXPECT_EQ(m->data(m->index(0, W::kColSfide), Qt::DisplayRole).toString(), QString());
    EXPECT_FALSE(window->text1->isEnabled());
}

TEST_F(SessionWindowTest, ConfirmCancelAndEnter) {
    sessions({{1, "GS", 1, 2}, {1, "GS", 2, 0}, {2, "PA", 1, 0}});
    SalvaSessioneAttiva(race.fakes.settings, 1, QStringLiteral("GS"), 1);
    session = {1, QStringLiteral("GS"), 1};
    open(1);
    window->Conferma_Click();
    EXPECT_TRUE(window->bConferma);
    EXPECT_EQ(session.SessioneManche, 2);
    SessionKey stored;
    CaricaSessioneAttiva(stored, race.fakes.settings);
    EXPECT_EQ(stored.SessioneManche, 2);
    // Cancel after a confirmation: not confirmed, the session as it was.
    window->datTabella.setAbsolutePosition(0);
    window->Annulla_Click();
    EXPECT_FALSE(window->bConferma);
    EXPECT_EQ(session.SessioneManche, 2);
    // Enter in the grid confirms.
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(window->DBGrid1->view(), &enter);
    EXPECT_TRUE(window->bConferma);
    EXPECT_EQ(session.SessioneManche, 1);
}

TEST_F(SessionWindowTest, ARowOfAnotherRaceOrNoRowConfirmsNothing) {
    sessions({{1, "GS", 1, 0}, {2, "PA", 1, 0}});
    open(1);
    window->text1->setText(QString());  // the race field emptied: every race listed
    window->tb()->Filtra();
    EXPECT_EQ(window->datTabella.recordCount(), 2);
    window->datTabella.setAbsolutePosition(1);
    window->Conferma_Click();
    EXPECT_FALSE(window->bConferma);
    EXPECT_EQ(session.SessioneGara, 1);
    EXPECT_TRUE(race.fakes.prompter.texts().back().contains(QStringLiteral("sessione non cambiata")));

    race.db().execute(QStringLiteral("DELETE FROM Sessioni"));
    open(1);
    window->Conferma_Click();
    EXPECT_EQ(race.fakes.prompter.texts().back(), QStringLiteral("Nessuna Sessione Selezionata."));
    EXPECT_FALSE(window->bConferma);
}

TEST_F(SessionWindowTest, NoActiveRaceTakesTheChosenSession) {
    sessions({{1, "GS", 1, 0}, {2, "PA", 1, 0}});
    open(-1);
    window->datTabella.setAbsolutePosition(1);
    window->Conferma_Click();
    EXPECT_TRUE(window->bConferma);
    EXPECT_EQ(session.SessioneGara, 2);
    EXPECT_EQ(session.SessioneTipoTurno, QStringLiteral("PA"));
}

// A window given a session key that names no session (as a new key is) suggests no race for a
// new row, lists the sessions of every race and has nothing to say.
TEST_F(SessionWindowTest, AKeyWithoutASessionSuggestsNoRaceAndListsEveryRace) {
    sessions({{1, "GS", 1, 2}, {2, "PA", 1, 0}, {2, "PA", 2, 0}});
    window = std::make_unique<W>(race.state, race.fakes.services(), session);
    window->Load();
    window->primoPaint();
    EXPECT_EQ(window->text1->text(), QString());
    EXPECT_EQ(window->datTabella.recordCount(), 3);
    EXPECT_EQ(window->avviso(), QString());
    EXPECT_TRUE(race.fakes.prompter.texts().isEmpty());
}

TEST_F(SessionWindowTest, AnActiveRaceTheDatabaseLacksListsEverySessionAndSaysSo) {
    sessions({{1, "GS", 1, 2}, {1, "GS", 2, 0}, {2, "PA", 1, 0}});
    // Loaded once for race 1; then the link's session key makes race 7 active, which this
    // database does not hold.
    open(1);
    EXPECT_EQ(window->datTabella.recordCount(), 2);
    session = {7, QStringLiteral("GS"), 1};
    window->caricaPerGaraAttiva();
    window->primoPaint();
    EXPECT_EQ(race.fakes.prompter.texts().back(),
              QStringLiteral("La gara attiva (7) non è nel database: sono elencate le sessioni di tutte le gare."));
    EXPECT_EQ(window->datTabella.recordCount(), 3);
    EXPECT_EQ(current(), QStringLiteral("1/GS/1"));  // the last session already run, of any race
    EXPECT_EQ(window->text1->text(), QString());
    // Any listed session can be confirmed, and becomes the active session.
    window->datTabella.setAbsolutePosition(2);
    window->Conferma_Click();
    EXPECT_TRUE(window->bConferma);
    EXPECT_EQ(session.SessioneGara, 2);
    EXPECT_EQ(session.SessioneTipoTurno, QStringLiteral("PA"));
    EXPECT_EQ(session.SessioneManche, 1);

    // The next showing follows the race now active: its sessions only, and nothing more to say.
    const qsizetype told = race.fakes.prompter.texts().size();
    window->caricaPerGaraAttiva();
    window->primoPaint();
    EXPECT_EQ(race.fakes.prompter.texts().size(), told);
    EXPECT_EQ(window->datTabella.recordCount(), 1);
    EXPECT_EQ(current(), QStringLiteral("2/PA/1"));
}

TEST_F(SessionWindowTest, ColumnsShowTheirCaptionsTheTimesAndTheWholeDescription) {
    race.db().execute(QStringLiteral(
        "INSERT INTO Sessioni (se_Gara, se_TipoTurno, se_Manche, se_Descrizione, se_Orario, se_StatoSessione) VALUES "
        "(1, 'PR', 1, 'Prova Tracciato', '2024-02-18 09:30:00', 2), (1, 'GS', 1, 'Prima Manche', '2024-02-18 13:00:00', 0), "
        "(1, 'GS', 2, 'Seconda Manche', '2024-02-19', 0)"));
    open(1);
    GridWidget& grid = *window->DBGrid1;
    const QStringList captions = {QStringLiteral("G. <"), QStringLiteral("TipoTurno"), QStringLiteral("Manche"),
                                  QStringLiteral("Sessione"), QStringLiteral("Orario"), QStringLiteral("Sfide"),
                                  QStringLiteral("CodiceStatoSessione"), QStringLiteral("Stato")};
    for (int c = 0; c < grid.columnCount(); ++c) {
        EXPECT_EQ(grid.model()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString(), captions[c]) << c;
    }
    auto* m = grid.model();
    QStringList times;
    for (int row = 0; row < m->rowCount(); ++row) times << m->data(m->index(row, W::kColOrario), Qt::DisplayRole).toString();
    EXPECT_EQ(times, (QStringList{QStringLiteral("18/02/2024 09.30"), QStringLiteral("18/02/2024 13.00"),
                                  QStringLiteral("19/02/2024")}));

    // Shown, the description column takes the width the others leave and holds its longest text.
    window->show();
    QApplication::processEvents();
    QTableView* view = grid.view();
    int used = 0;
    for (int c = 0; c < grid.columnCount(); ++c) used += grid.isColumnVisible(c) ? view->columnWidth(c) : 0;
    EXPECT_EQ(used, view->viewport()->width());
    const QFontMetrics metrics(view->font());
    EXPECT_GT(view->columnWidth(W::kColSessione), metrics.horizontalAdvance(QStringLiteral("Seconda Manche")) + 40);
    EXPECT_GE(view->columnWidth(W::kColOrario), metrics.horizontalAdvance(times[0]) + 8);
    // The filter bar follows the columns: the description's box is as wide as its column.
    QApplication::processEvents();
    QStringList filterWidths;
    for (const QLineEdit* box : grid.findChildren<QLineEdit*>()) filterWidths << QString::number(box->width());
    EXPECT_TRUE(filterWidths.contains(QString::number(view->columnWidth(W::kColSessione)))) << filterWidths.join(u' ').toStdString();
    screenshots::save(window->grab(), QStringLiteral("selezione_manche"));
    window->hide();
}

}  // namespace
}  // namespace razudar::testing
