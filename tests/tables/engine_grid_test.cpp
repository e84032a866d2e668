// The grid of a table window: first load, header-click sort, position kept across re-queries,
// row flags, the record counter and the paged reading of the data control.
#include <QHeaderView>

#include "table_fixture.h"

namespace razudar::testing {
namespace {

using namespace razudar::tables;

TEST(TableEngineDefinition, FreshEngineDefaults) {
    WindowRaceDatabase race;
    clsTabella tb(race.state, race.fakes.services());
    EXPECT_EQ(tb.int_NumeroTasti, 14);
    EXPECT_EQ(tb.int_ColonnaOrdine, 0);
    EXPECT_EQ(tb.int_ColonnaOrdine2, -1);
    EXPECT_EQ(tb.int_ColonnaOrdine3, -1);
    EXPECT_EQ(tb.int_CampoNonChiaveIniziale, -1);
    EXPECT_EQ(tb.int_UltimoCampoChiaveProtetto, -1);
    EXPECT_EQ(tb.int_ColonnaFlag, -1);
    EXPECT_EQ(tb.lon_Selezionati, 0);
    EXPECT_TRUE(tb.boo_ProteggiSplit(0));
    EXPECT_TRUE(tb.boo_ProteggiSplit(1));
    EXPECT_THROW(tb.boo_ProteggiSplit(2), std::out_of_range);
}

TEST_F(TableWindowTest, OpensFilteredBySuggestedRaceWithFirstRecordLoaded) {
    ASSERT_TRUE(w().start([](clsTabella& t) { t.SuggerisciAggiungi(QStringLiteral("Gara"), 1); }));
    EXPECT_EQ(w().data.recordCount(), 12);
    EXPECT_EQ(w().field(ConcorrentiWindow::kGara)->text(), QStringLiteral("1"));
    EXPECT_EQ(w().field(ConcorrentiWindow::kConcorrente)->text(), QStringLiteral("1"));
    EXPECT_EQ(w().field(ConcorrentiWindow::kCognome)->text(), QStringLiteral("Rossi"));
    EXPECT_EQ(w().data.caption, QStringLiteral(" Record 1 / 12"));
    EXPECT_EQ(w().grid->columnCaption(0), QStringLiteral("Concorrente <"));
    EXPECT_EQ(w().grid->columnCaption(2), QStringLiteral("Cognome"));
    EXPECT_EQ(w().gridColumn(0).first(), QStringLiteral("1"));
    EXPECT_EQ(w().inizializzata, 1);
    EXPECT_TRUE(tb().boo_Inizializzata);
    // The designer's caption "Label1" shows the column name; other captions are kept.
    EXPECT_EQ(tb().lbl_Descrizione(0)->caption(), QStringLiteral("Gara"));
    EXPECT_EQ(tb().lbl_Descrizione(2)->caption(), QStringLiteral("Cognome"));
    EXPECT_EQ(w().keys->caption(), QStringLiteral("Dati Id."));
    EXPECT_FALSE(w().others->isEnabled());
    EXPECT_EQ(w().button(5)->caption(), QStringLiteral("Esci"));
    EXPECT_TRUE(w().button(5)->isCancel());
    EXPECT_EQ(tb().pulsantePredefinito(), 4);
    // A second paint does nothing.
    tb().frm_Form_Paint();
    EXPECT_EQ(w().inizializzata, 1);
}

TEST_F(TableWindowTest, HeaderClickSortsAndTogglesDirection) {
    ASSERT_TRUE(w().start([](clsTabella& t) { t.SuggerisciAggiungi(QStringLiteral("Gara"), 1); }));
    struct Step { int column; const char* caption; const char* first; const char* last; };
    const Step steps[] = {
        {2, "Cognome <", "Bianchi", "Verdi"},  // another column: the current direction (ascending)
        {2, "Cognome >", "Verdi", "Bianchi"},  // the same column: inverted
        {3, "Nome >", "Nome9", "Nome1"},       // another column keeps descending
    };
    for (const Step& s : steps) {
        w().grid->view()->horizontalHeader()->sectionClicked(s.column);
        EXPECT_EQ(w().grid->columnCaption(s.column), QString::fromLatin1(s.caption));
        const QStringList column = w().gridColumn(s.column);
        EXPECT_EQ(column.first(), QString::fromLatin1(s.first));
        EXPECT_EQ(column.last(), QString::fromLatin1(s.last));
    }
    EXPECT_EQ(w().grid->columnCaption(2), QStringLiteral("Cognome"));  // unmarked when left
    EXPECT_EQ(w().grid->columnCaption(0), QStringLiteral("Concorrente"));
    // The flag column does not sort and changes nothing.
    const int totali = w().totali;
    tb().dbg_Elenco_HeadClick(ConcorrentiWindow::kColonnaFlag);
    EXPECT_EQ(w().totali, totali);
    EXPECT_EQ(tb().int_ColonnaOrdine, 3);
    // A filter refresh keeps the direction.
    tb().Filtra();
    EXPECT_EQ(w().gridColumn(3).first(), QStringLiteral("Nome9"));
    EXPECT_TRUE(tb().boo_OrdineDecrescente);
}

TEST_F(TableWindowTest, LockedSortIgnoresTheUserButNotTheEngine) {
    ASSERT_TRUE(w().start([](clsTabella& t) { t.boo_GrigliaConOrdinamentoBloccato = true; }));
    tb().dbg_Elenco_HeadClick(2);
    EXPECT_EQ(tb().int_ColonnaOrdine, 0);
    EXPECT_EQ(w().grid->columnCaption(2), QStringLiteral("Cognome"));
    tb().dbg_Elenco_HeadClick(2, true, false, true);
    EXPECT_EQ(w().grid->columnCaption(2), QStringLiteral("Cognome <"));
    // The first record's race filters the list from the first paint on.
    EXPECT_EQ(w().gridColumn(2).first(), QStringLiteral("Bianchi"));
}

TEST_F(TableWindowTest, CurrentRecordIsFoundAgainAfterReSortAndRequery) {
    ASSERT_TRUE(w().start([](clsTabella& t) { t.SuggerisciAggiungi(QStringLiteral("Gara"), 1); }));
    // The operator picks competitor 9 in the grid.
    QTableView* view = w().grid->view();
    view->setCurrentIndex(w().grid->model()->index(8, 2));
    EXPECT_EQ(w().field(ConcorrentiWindow::kCognome)->text(), QStringLiteral("Ricci"));
    EXPECT_EQ(w().data.caption, QStringLiteral(" Record 9 / 12"));
    // A re-sort by surname reloads the list and goes back to the same competitor.
    w().grid->view()->horizontalHeader()->sectionClicked(2);
    EXPECT_EQ(w().data.value(QStringLiteral("co_Concorrente")).toInt(), 9);
    EXPECT_EQ(view->currentIndex().row(), w().data.absolutePosition());
    EXPECT_EQ(w().gridColumn(2).at(view->currentIndex().row()), QStringLiteral("Ricci"));
    tb().Filtra();
    EXPECT_EQ(w().data.value(QStringLiteral("co_Cognome")).toString(), QStringLiteral("Ricci"));
}

TEST_F(TableWindowTest, RowFlagsCountAndFollowTheKeys) {
    ASSERT_TRUE(w().start([](clsTabella& t) { t.SuggerisciAggiungi(QStringLiteral("Gara"), 1); }));
    EXPECT_GE(w().caricaFlag, 1);
    int space = 32;
    tb().dbg_Elenco_KeyDown(space, 0);  // flag row 1, go to row 2
    tb().dbg_Elenco_KeyDown(space, 0);  // flag row 2, go to row 3
    EXPECT_EQ(tb().lon_Selezionati, 2);
    EXPECT_TRUE(tb().Flag(1));
    EXPECT_EQ(w().data.absolutePosition(), 2);
    EXPECT_EQ(tb().dbg_Elenco_UnboundColumnFetch(0, ConcorrentiWindow::kColonnaFlag).toBool(), true);
    EXPECT_FALSE(tb().dbg_Elenco_UnboundColumnFetch(0, 2).isValid());
    w().data.setAbsolutePosition(1);
    tb().dbg_Elenco_DblClick();  // off again
    EXPECT_EQ(tb().lon_Selezionati, 1);
    // Space on the last row flags it and stays there.
    w().data.moveLast();
    tb().dbg_Elenco_KeyDown(space, 0);
    EXPECT_EQ(w().data.absolutePosition(), 11);
    EXPECT_TRUE(tb().Flag(12));
    EXPECT_EQ(tb().lon_Selezionati, 2);
    // Adding and deleting records keeps the flags with their records.
    tb().FlagAggiungi(1, false);
    EXPECT_FALSE(tb().Flag(1));
    EXPECT_TRUE(tb().Flag(2));
    EXPECT_EQ(tb().lon_Selezionati, 2);
    tb().FlagElimina(2);
    EXPECT_EQ(tb().lon_Selezionati, 1);
    EXPECT_FALSE(tb().Flag(2));
    // A reload rebuilds the flags.
    tb().Filtra();
    EXPECT_EQ(tb().lon_Selezionati, 0);
    EXPECT_EQ(tb().SelezionaTutti(), 12);
}

TEST_F(TableWindowTest, FailingQueryFromTheGridIsShownNotThrown) {
    ASSERT_TRUE(w().start());
    tb().str_Recordset = QStringLiteral("SELECT * FROM Manca");
    w().grid->view()->horizontalHeader()->sectionClicked(2);
    const auto& shown = race.fakes.prompter.shown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(shown[0].text.startsWith(QStringLiteral("Errore "))) << shown[0].text.toStdString();
    EXPECT_EQ(shown[0].icon, PromptIcon::Critical);
}

TEST(RecordSourcePaging, ReadsOnlyThePagesShown) {
    WindowRaceDatabase race;
    race.db().execute(QStringLiteral("INSERT INTO Gare (ga_Gara) VALUES (3)"));
    race.db().execute(QStringLiteral(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1000) "
        "INSERT INTO Concorrenti (co_Gara, co_Concorrente, co_Cognome) SELECT 3, i, 'C' || i FROM n"));
    RecordSource source;
    source.setDatabase(race.db());
    source.setBaseQuery(QStringLiteral("SELECT * FROM Concorrenti"));
    source.setOrder({{QStringLiteral("co_Concorrente"), true}});
    source.refresh();
    EXPECT_EQ(source.recordCount(), 1000);
    EXPECT_EQ(source.rowsRead(), RecordSource::kPageRows);
    EXPECT_EQ(source.valueAt(950, source.fieldIndex(QStringLiteral("co_Concorrente"))).toInt(), 50);
    EXPECT_EQ(source.rowsRead(), 2 * RecordSource::kPageRows);
    EXPECT_TRUE(source.findFirst(db::Criteria::equal(QStringLiteral("co_Cognome"), QStringLiteral("c7"))));
    EXPECT_EQ(source.absolutePosition(), 993);
    EXPECT_FALSE(source.findFirst(db::Criteria::equal(QStringLiteral("co_Cognome"), QStringLiteral("none"))));
    EXPECT_TRUE(source.noMatch());
    EXPECT_EQ(source.absolutePosition(), 993);
}

}  // namespace
}  // namespace razudar::testing

namespace razudar::testing {
namespace {

using namespace razudar::tables;

struct FakeMenu : MenuItem {
    bool isEnabled() const override { return enabled; }
    void setEnabled(bool e) override { enabled = e; }
    void setVisible(bool v) override { visible = v; }
    bool enabled = true;
    bool visible = true;
};

struct MenuEvents : TableEvents {
    void StatoMenu(int index, bool& protetto, bool& invisibile) override {
        protetto = index == 1;
        invisibile = index == 2;
    }
};

TEST_F(TableWindowTest, LookupModesSortWithoutOrderAndMarkers) {
    ASSERT_TRUE(w().start([](clsTabella& t) { t.int_Modalita = modalita::kRicerca; }));
    tb().dbg_Elenco_HeadClick(2);
    EXPECT_EQ(tb().int_ColonnaOrdine, 2);
    EXPECT_EQ(w().grid->columnCaption(2), QStringLiteral("Cognome"));
    EXPECT_TRUE(w().data.order().empty());
    EXPECT_FALSE(w().data.selectSql().text.contains(QStringLiteral("ORDER BY")));
}

TEST_F(TableWindowTest, GoToLastRecordAfterReload) {
    ASSERT_TRUE(w().start([](clsTabella& t) { t.int_VaiUltimoRecord = true; }));
    tb().Filtra();
    EXPECT_EQ(w().data.absolutePosition(), w().data.recordCount() - 1);
    EXPECT_EQ(w().data.caption, QStringLiteral(" Record 12 / 12"));
}

TEST(TableEngineMenus, MenusFollowTheHostOrTheirFlag) {
    WindowRaceDatabase race;
    clsTabella tb(race.state, race.fakes.services());
    FakeMenu menus[3];
    for (int i = 0; i < 3; ++i) tb.mnu_Menu(i, &menus[i]);
    tb.Menu(false);  // no menu handled
    EXPECT_TRUE(menus[0].enabled);
    tb.int_NumeroVociMenu = 3;
    tb.Menu(false);
    EXPECT_FALSE(menus[0].enabled);
    EXPECT_FALSE(menus[2].enabled);
    MenuEvents events;
    tb.setEvents(&events);
    tb.boo_GestioneAutomaticaStatoMenu = true;
    tb.Menu(true);
    EXPECT_TRUE(menus[0].enabled);
    EXPECT_FALSE(menus[1].enabled);  // protected by the host
    EXPECT_TRUE(menus[2].enabled);
    EXPECT_FALSE(menus[2].visible);  // hidden by the host
}

TEST_F(TableWindowTest, FieldEnteredThroughItsComboIsHidden) {
    w().field(ConcorrentiWindow::kNome)->setTag(QStringLiteral("ù#"));
    ComboField combo{QString()};
    ASSERT_TRUE(w().start([&](clsTabella& t) { t.dbc_Decodifica(ConcorrentiWindow::kNome, &combo); }));
    EXPECT_FALSE(w().field(ConcorrentiWindow::kNome)->isVisible());
    EXPECT_EQ(combo.focusPolicy(), Qt::StrongFocus);
    EXPECT_TRUE(w().field(ConcorrentiWindow::kCognome)->isVisible());
}

}  // namespace
}  // namespace razudar::testing
