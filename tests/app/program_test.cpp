// The program end to end and headless: the main window in-process with the real plug-ins, the
// demo base folder in a temporary folder, the timekeeping simulator on a free loopback port, and
// fakes only for message boxes, waits, the clock, the clock setter and the settings store.
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTcpServer>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QFontInfo>
#include <QImage>
#include <QListWidget>
#include <QMessageBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTableWidget>

#include <cmath>

#include <gtest/gtest.h>

#include "app/assembly/control_loader.h"
#include "app/controls/grafica_proxy.h"
#include "app/controls/tcp_proxy.h"
#include "app/editors/frm_pagina_testo.h"
#include "app/pages/page_codes.h"
#include "app/pages/page_dispatcher.h"
#include "app/assembly/program_graphics.h"
#include <QLabel>
#include <QTabBar>
#include "app/windows/frm_anteprima_grafica.h"
#include "app/windows/frm_grafica.h"
#include "app/windows/frm_modalita.h"
#include "app/controls/stovak_proxy.h"
#include "app/windows/preview_header.h"
#include "model/caption_label.h"
#include "model/krono.h"
#include "model/text_list_surface.h"
#include "app_test_support.h"
#include "recording_page_dispatcher.h"
#include "data/object_text_encoder.h"
#include "platform/services/system_services.h"
#include "platform/services/widget_services.h"
#include "model/race_times.h"
#include "screenshots.h"
#include "program_window_fixture.h"
#include "timekeeping_simulator.h"

namespace razudar::apptest {
namespace {

struct Program : ProgramWindowTest {
    // Connects the link to the simulator with the control's own button.
    void connectToSimulator(int competitors = 12) {
        pressConnectToSimulator();
        ASSERT_TRUE(sim::TimekeepingSimulator::waitUntil([&] { return state.krono().ElencoConcorrenti().size() == competitors; }))
            << simulator.received().join(QStringLiteral(" | ")).toStdString();
    }
    // `race` as the race state with every competitor on course, the console refreshed over it.
    void install(std::shared_ptr<clsKrono> race) {
        for (qint16 n : race->ElencoConcorrenti())
            race->ConcorrenteItem(n)->Risultati(race->MancheSfidaCorrente())->setStatoConcorrente(20);
        state.race.Krono = std::move(race);
        window->units().console().AggiornaClassificheInterfaccia();
        QCoreApplication::processEvents();
    }
};

TEST_F(Program, StartsOnTheDemoBaseFolder) {
    QDir(base.path()).mkpath(QStringLiteral("TempOut/keep"));
    QFile stale(base.path() + QStringLiteral("TempOut/old.tmp"));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.close();

    ASSERT_TRUE(start()) << fakes.prompter.texts().join('\n').toStdString();
    EXPECT_TRUE(fakes.prompter.shown().empty()) << fakes.prompter.texts().join('\n').toStdString();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Razudar (Zez) 1.0"));
    EXPECT_EQ(state.startup.session.SessioneGara, 1);
    EXPECT_EQ(state.startup.connection.NomeComputerLocale, QStringLiteral("REGIA"));
    EXPECT_EQ(state.startup.connection.NomeComputerServer, QStringLiteral("REGIA"));
    // Folders: TempOut emptied of files, its subfolders and Export kept.
    EXPECT_FALSE(QFile::exists(base.path() + QStringLiteral("TempOut/old.tmp")));
    EXPECT_TRUE(QDir(base.path() + QStringLiteral("TempOut/keep")).exists());
    EXPECT_TRUE(QDir(state.CartellaExport).exists());
    // Graphics resources and the rows of the three list pages.
    EXPECT_EQ(state.resources.CartellaGrafica, base.path() + QStringLiteral("Razudar/"));
    EXPECT_EQ(state.resources.CartellaMiniature, base.path() + QStringLiteral("Razudar/Nazionalita/Miniature/"));
    EXPECT_EQ(state.resources.RigheClassifica, 10);
    EXPECT_EQ(state.resources.RigheClassificaBassa, 3);
    EXPECT_EQ(state.resources.RighePartenti, 10);
    // First paint: empty race, page buttons and rebuild disabled, server box from the configuration.
    ASSERT_TRUE(window->firstPaintDone());
    ASSERT_TRUE(state.race.Krono);
    EXPECT_TRUE(state.krono().ElencoConcorrenti().isEmpty());
    EXPECT_FALSE(window->units().console().view().pageEnabled[kCodiceClassificaGrande]);
    EXPECT_TRUE(window->units().console().view().pageEnabled[kCodicePulizia]);
    EXPECT_FALSE(action("mnuRielabora")->isEnabled());
    EXPECT_EQ(window->units().MirtTcpGet().ServerRemoto(), QStringLiteral("CRONO"));
    EXPECT_FALSE(window->units().MirtTcpGet().Connesso());
    ASSERT_NE(window->anteprima(), nullptr);
    EXPECT_FALSE(window->anteprima()->isVisible());
    EXPECT_TRUE(window->units().MirtTcpGet().missingMembers().isEmpty());
}

TEST_F(Program, ConnectsAsksForTheKeyAndTheRaceAndShowsIt) {
    ASSERT_TRUE(start());
    simulator.setRace(encoder::demoRace({.competitors = 12, .runs = 2, .intermediates = 2}));
    connectToSimulator();
    const QStringList received = simulator.received();
    ASSERT_GE(received.size(), 3);
    EXPECT_TRUE(received[0].startsWith(QStringLiteral("nome")));
    EXPECT_EQ(received[1], QStringLiteral("RICHIESTACHIAVESESSIONEGRAFINEPREFISSO"));
    EXPECT_EQ(received[2], QStringLiteral("RICHIESTACLASSEGRAFINEPREFISSO"));
    EXPECT_EQ(state.startup.session.SessioneTipoTurno, QStringLiteral("GS"));
    EXPECT_EQ(fakes.clockSetter.calls().size(), 1u);
    EXPECT_TRUE(action("mnuRielabora")->isEnabled());
    EXPECT_TRUE(window->units().console().view().pageEnabled[kCodiceClassificaGrande]);
    EXPECT_EQ(window->windowTitle(),
              QStringLiteral("Razudar (Zez) 1.0 (Trofeo Città di Cortina - Manche di Qualificazione)"));
    db::Recordset rs = state.startup.database.current().openRecordset(QStringLiteral("SELECT cf_GraficaServer FROM Configurazione"));
    EXPECT_EQ(rs.value(0).toString(), QStringLiteral("127.0.0.1"));

    // A live start over the socket: the competitor gets his button.
    const int before = [&] {
        int n = 0;
        for (const auto& b : window->units().console().view().buttons) n += b.visible;
        return n;
    }();
    simulator.sendFields(QStringLiteral("TCORREREORARIOSTART"), {QStringLiteral("1001"), QStringLiteral("101500000")});
    ASSERT_TRUE(sim::TimekeepingSimulator::waitUntil(
        [&] { return state.krono().ConcorrenteItem(1001)->Risultati(2)->StatoConcorrente() == 20; }));
    int after = 0;
    for (const auto& b : window->units().console().view().buttons) after += b.visible;
    EXPECT_EQ(after, std::min(before + 1, 15));

    // The link closes: the rebuild is disabled, the race and the page buttons stay.
    simulator.closePeer();
    ASSERT_TRUE(sim::TimekeepingSimulator::waitUntil([&] { return !action("mnuRielabora")->isEnabled(); }));
    EXPECT_EQ(state.krono().ElencoConcorrenti().size(), 12);
    EXPECT_TRUE(window->units().console().view().pageEnabled[kCodiceClassificaGrande]);
}

TEST_F(Program, AMalformedFrameOnTheLinkChangesNothing) {
    ASSERT_TRUE(start());
    simulator.setRace(encoder::demoRace({.competitors = 12, .runs = 2, .intermediates = 2}));
    connectToSimulator();
    const auto race = state.race.Krono;
    const QString text = encoder::raceStateText(*race);
    simulator.sendText(QStringLiteral("AGGIORNACLASSEGRAFINEPREFISSO_BF_OG-IN_broken"));
    simulator.sendText(QStringLiteral("STATOCONCORRENTEGRAFINEPREFISSO1001"));
    simulator.sendFields(QStringLiteral("STATOCONCORRENTE"), {QStringLiteral("1002"), QStringLiteral("30")});
    ASSERT_TRUE(sim::TimekeepingSimulator::waitUntil(
        [&] { return state.krono().ConcorrenteItem(1002)->Risultati(2)->StatoConcorrente() == 30; }));
    EXPECT_EQ(state.race.Krono, race);
    EXPECT_TRUE(state.log.lines().join('\n').contains(QStringLiteral("illeggibile")));
}

TEST_F(Program, StartUpFailuresEndTheProgramWithAMessage) {
    {
        QTemporaryDir empty;
        controls::ControlLoader missing(empty.path());
        frmGrafica w(state, services(), missing, folder);
        EXPECT_FALSE(w.load());
        ASSERT_EQ(fakes.prompter.shown().size(), 1u);
        EXPECT_TRUE(fakes.prompter.texts()[0].startsWith(QStringLiteral("Impossibile caricare il controllo MirtTCP")));
    }
    fakes.prompter.clear();
    {
        ProgramState s;
        FixedCurrentFolder f(base.path());
        QDir(base.path() + QStringLiteral("Razudar")).removeRecursively();
        QDir().mkpath(base.path() + QStringLiteral("Razudar"));
        frmGrafica w(s, services(), loader, f);
        fakes.dialogs.answer<frmModalita>([](frmModalita&) { return true; });
        EXPECT_FALSE(w.load());
        EXPECT_EQ(fakes.prompter.texts().last(), QStringLiteral("ERRORE di Caricamento degli SMB"));
    }
}

TEST_F(Program, ADatabaseOfAnotherVersionEndsTheStartUp) {
    {
        ProgramState s;
        openDatabase(s, base);
        s.startup.database.current().execute(QStringLiteral("UPDATE Configurazione SET cf_VersioneDatabase = '1.24'"));
    }
    EXPECT_FALSE(start());
    ASSERT_FALSE(fakes.prompter.shown().empty());
    EXPECT_TRUE(fakes.prompter.texts().join('\n').contains(QStringLiteral("1.24")));
}

TEST_F(Program, AStoredActiveRaceOutsideSixteenBitsIsReported) {
    settings.save(QStringLiteral("Razudar (Zez)"), QStringLiteral("Suggeritore"), QStringLiteral("GaraAttiva"),
                        QStringLiteral("70000"));
    {
        ProgramState s;
        openDatabase(s, base);
        s.startup.database.current().execute(QStringLiteral("UPDATE Configurazione SET cf_GaraAttiva = 99999"));
    }
    ASSERT_TRUE(start());
    ASSERT_EQ(fakes.prompter.shown().size(), 2u) << fakes.prompter.texts().join('\n').toStdString();
    EXPECT_TRUE(fakes.prompter.texts()[0].contains(QStringLiteral("(70000)")));
    EXPECT_TRUE(fakes.prompter.texts()[1].contains(QStringLiteral("(99999)")));
    EXPECT_EQ(state.startup.session.SessioneGara, -1);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Razudar (Zez) 1.0 - Nessuna Manifestazione Attiva"));
}

TEST_F(Program, ModeDialog) {
    // First start: Server pressed, the name box empty and disabled; Esci ends the program.
    EXPECT_FALSE(start([](frmModalita& d) {
        d.show();
        EXPECT_TRUE(d.serverButton()->isChecked());
        EXPECT_FALSE(d.clientButton()->isChecked());
        EXPECT_FALSE(d.txtNomeServer()->isEnabled());
        d.cmdEsci()->click();
        return d.result() == QDialog::Accepted;
    }));
    EXPECT_TRUE(fakes.prompter.shown().empty());

    // Client without a name, then with this computer's name in other case, then a blank name.
    settings.save(QStringLiteral("Zez"), QStringLiteral("Razudar"), QStringLiteral("Modalita"), QStringLiteral("2"));
    ProgramState s;
    frmGrafica w(s, services(), loader, folder);
    QStringList messages;
    fakes.dialogs.answer<frmModalita>([&](frmModalita& d) {
        d.show();
        EXPECT_TRUE(d.clientButton()->isChecked());
        EXPECT_TRUE(d.txtNomeServer()->isEnabled());
        EXPECT_EQ(s.startup.connection.ModalitaConnessione, 1);
        d.cmdConnetti()->click();
        d.txtNomeServer()->setText(QStringLiteral("regia"));
        d.cmdConnetti()->click();
        EXPECT_FALSE(d.isHidden() && d.result() == QDialog::Accepted);
        d.serverButton()->click();
        EXPECT_FALSE(d.txtNomeServer()->isEnabled());
        d.txtNomeServer()->setText(QStringLiteral("vecchio"));
        d.cmdConnetti()->click();
        return d.result() == QDialog::Accepted;
    });
    EXPECT_TRUE(w.load());
    EXPECT_EQ(fakes.prompter.texts(), (QStringList{QStringLiteral("Impostare il Nome del Computer Server"),
                                                   QStringLiteral("Il Computer Client Non Può Coincidere Con Se Stesso")}));
    EXPECT_EQ(s.startup.connection.NomeComputerServer, QStringLiteral("REGIA"));
    EXPECT_EQ(settings.value(QStringLiteral("Zez"), QStringLiteral("Razudar"), QStringLiteral("NomeServer")),
              QStringLiteral("VECCHIO"));
    EXPECT_EQ(settings.value(QStringLiteral("Zez"), QStringLiteral("Razudar"), QStringLiteral("Modalita")),
              QStringLiteral("1"));
}

TEST_F(Program, ShutdownAsksDisconnectsAndStoresThePreviewPosition) {
    ASSERT_TRUE(start());
    simulator.setRace(encoder::demoRace({.competitors = 12, .runs = 2, .intermediates = 2}));
    connectToSimulator();
    fakes.prompter.script({PromptAnswer::No});
    window->close();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->units().MirtTcpGet().Connesso());
    EXPECT_EQ(fakes.prompter.texts().last(), QStringLiteral("Uscire dal Programma?"));

    window->anteprima()->move(150, 90);
    fakes.prompter.script({PromptAnswer::Yes});
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->units().MirtTcpGet().Connesso());
    EXPECT_TRUE(window->units().MirtTcpGet().ServerRemoto().isEmpty());
    EXPECT_EQ(settings.value(QStringLiteral("Zez"), QStringLiteral("frmAnteprimaGrafica"), QStringLiteral("Left")),
              QStringLiteral("2250"));
    EXPECT_EQ(settings.value(QStringLiteral("Zez"), QStringLiteral("frmAnteprimaGrafica"), QStringLiteral("Top")),
              QStringLiteral("1350"));
}

TEST_F(Program, PreviewWindowFollowsTheVgaSwitchAndItsCloseBoxOnlyHidesIt) {
    settings.save(QStringLiteral("Zez"), QStringLiteral("frmAnteprimaGrafica"), QStringLiteral("Left"),
                        QStringLiteral("-900000"));
    ASSERT_TRUE(start());
    frmAnteprimaGrafica* preview = window->anteprima();
    EXPECT_GT(preview->x(), -1000);  // an off-screen position is replaced
    QAction* vga = action("mnuGraficaVGA");
    vga->trigger();
    EXPECT_TRUE(vga->isChecked());
    EXPECT_TRUE(preview->isVisible());
    EXPECT_TRUE(preview->MirtGRA1().VGA());

    preview->close();
    EXPECT_FALSE(preview->isVisible());
    EXPECT_FALSE(vga->isChecked());
    EXPECT_FALSE(preview->MirtGRA1().VGA());
    // The control still answers: it was not released.
    EXPECT_TRUE(preview->MirtGRA1().CaricaPagina(QStringLiteral("Classifica"), 0));

    // The control's own "Annulla" button (its Conferma event) unticks the menu item only.
    vga->trigger();
    ASSERT_TRUE(vga->isChecked());
    QPushButton* annulla = nullptr;
    for (QPushButton* b : preview->MirtGRA1().control()->findChildren<QPushButton*>())
        if (b->text() == QStringLiteral("Annulla")) annulla = b;
    ASSERT_NE(annulla, nullptr);
    annulla->click();
    EXPECT_FALSE(vga->isChecked());
    EXPECT_TRUE(preview->isVisible());

    // Saving a frame: an empty answer saves nothing, a name saves the picture.
    preview->mnuSalvaConNome_Click();
    const QString file = base.path() + QStringLiteral("frame.tga");
    fakes.fileDialog.script(file);
    preview->mnuSalvaConNome_Click();
    EXPECT_TRUE(QFile::exists(file));
}

TEST_F(Program, AMissingControlMemberIsReportedNotCalled) {
    QWidget plain;
    QStringList problems;
    controls::GraficaProxy proxy(&plain, [&](const QString& t) { problems << t; });
    EXPECT_FALSE(proxy.Inizializza());
    proxy.TempoACorrere(QStringLiteral("P"), QStringLiteral("O"), 0, 1000);
    EXPECT_TRUE(proxy.missingMembers().contains(QStringLiteral("TempoACorrere/4")));
    EXPECT_TRUE(problems.join('\n').contains(QStringLiteral("MirtGRA: il membro TempoACorrere con 4 argomenti non è disponibile")));
}

// The category grid of a live window: every row in view, the chosen category's row
// highlighted after a new race state, and all competitors chosen when the category is gone.
TEST_F(Program, TheCategoryGridShowsEveryRowAndFollowsTheChosenCategory) {
    ASSERT_TRUE(start());
    auto* grid = window->findChild<QTableWidget*>(QStringLiteral("tdbCategorie"));
    ASSERT_NE(grid, nullptr);
    const auto highlighted = [&] {
        const QModelIndexList rows = grid->selectionModel()->selectedRows();
        return rows.size() == 1 ? rows.front().row() : -rows.size() - 1;
    };
    const auto visibleButtons = [&] {
        int n = 0;
        for (int i = 0; i < 15; ++i) {
            auto* b = window->findChild<QPushButton*>(QStringLiteral("cmdConcorrente%1").arg(i));
            n += b && b->isVisible() ? 1 : 0;
        }
        return n;
    };

    install(encoder::demoRace({.competitors = 12, .runs = 1, .categories = 4}));
    ASSERT_EQ(grid->rowCount(), 5);
    const int lastRowBottom = grid->rowViewportPosition(4) + grid->rowHeight(4);
    EXPECT_LE(lastRowBottom, grid->viewport()->height()) << "the last category must be in view";
    EXPECT_EQ(grid->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(highlighted(), 0);

    grid->setCurrentCell(3, 1);  // the operator chooses U20
    EXPECT_EQ(state.CategoriaSelezionata, QStringLiteral("U20"));
    EXPECT_EQ(highlighted(), 3);

    // A race state whose list puts U20 first: its row is highlighted, and it stays chosen.
    auto moved = encoder::demoRace({.competitors = 12, .runs = 1, .categories = 0});
    for (const char* code : {"U20", "U16"}) {
        auto c = std::make_shared<clsCategoria>();
        c->setCategoria(QString::fromLatin1(code));
        c->setDescrizione(QStringLiteral("Categoria ") + QString::fromLatin1(code));
        moved->CategoriaAdd(std::move(c));
    }
    moved->ConcorrenteItem(1001)->CategoriaAdd(QStringLiteral("U20"));
    install(moved);
    EXPECT_EQ(grid->rowCount(), 3);
    EXPECT_EQ(grid->item(1, 0)->text(), QStringLiteral("U20"));
    EXPECT_EQ(highlighted(), 1);
    EXPECT_EQ(state.CategoriaSelezionata, QStringLiteral("U20"));
    EXPECT_EQ(visibleButtons(), 1);
    EXPECT_TRUE(window->statusBar()->currentMessage().isEmpty());

    // A race state without U20: every competitor is chosen, and the status bar says so.
    install(encoder::demoRace({.competitors = 12, .runs = 1, .categories = 2}));
    EXPECT_EQ(state.CategoriaSelezionata, QStringLiteral("XXXXX"));
    EXPECT_EQ(highlighted(), 0);
    EXPECT_EQ(visibleButtons(), 12);
    EXPECT_EQ(window->statusBar()->currentMessage(),
              QStringLiteral("La categoria U20 non è nella gara: selezionati tutti i concorrenti."));
}

// Live messages refresh the console several times a second: the category list and grid are
// built again only when a race state brings other categories, once, and the chosen category
// stays chosen and highlighted through it all.
TEST_F(Program, TheCategoryGridIsBuiltAgainOnlyWhenTheCategoriesChange) {
    ASSERT_TRUE(start());
    auto race = encoder::demoRace({.competitors = 12, .runs = 2, .intermediates = 2, .categories = 4});
    simulator.setRace(race);
    connectToSimulator();
    auto* grid = window->findChild<QTableWidget*>(QStringLiteral("tdbCategorie"));
    auto* lines = window->findChild<QListWidget*>(QStringLiteral("lstClassificaCategorie"));
    ASSERT_NE(grid, nullptr);
    ASSERT_NE(lines, nullptr);
    grid->setCurrentCell(3, 1);  // the operator chooses U20
    ASSERT_EQ(state.CategoriaSelezionata, QStringLiteral("U20"));
    const auto highlighted = [&] {
        const QModelIndexList rows = grid->selectionModel()->selectedRows();
        return rows.size() == 1 ? rows.front().row() : -rows.size() - 1;
    };
    // A mark on an item lasts as long as the item; every cell the grid writes tells its view.
    grid->item(4, 1)->setData(Qt::UserRole + 1, QStringLiteral("segno"));
    lines->item(3)->setData(Qt::UserRole + 1, QStringLiteral("segno"));
    int cellsWritten = 0;
    QObject::connect(grid->model(), &QAbstractItemModel::dataChanged, grid, [&] { ++cellsWritten; });
    const int builds = window->panel().categoryGridBuilds();
    const auto sendRace = [&](const clsKrono& k) {
        const auto before = state.race.Krono;
        simulator.sendText(QStringLiteral("AGGIORNACLASSEGRAFINEPREFISSO") + encoder::raceStateText(k));
        ASSERT_TRUE(sim::TimekeepingSimulator::waitUntil([&] { return state.race.Krono != before; }));
        QCoreApplication::processEvents();
    };

    // Live starts and run times, and a race state with the same categories.
    for (int i = 0; i < 3; ++i) {
        const QString n = QString::number(1003 + i);
        simulator.sendFields(QStringLiteral("TCORREREORARIOSTART"), {n, QString::number(101500000 + i)});
        simulator.sendFields(QStringLiteral("TCORRERETEMPO"), {n, QString::number(112000 + i)});
    }
    ASSERT_TRUE(sim::TimekeepingSimulator::waitUntil([&] { return state.krono().ConcorrenteItem(1005)->Risultati(2)->Tempo() == 112002; }));
    sendRace(*race);
    EXPECT_EQ(window->panel().categoryGridBuilds(), builds);
    EXPECT_EQ(cellsWritten, 0);
    EXPECT_EQ(grid->item(4, 1)->data(Qt::UserRole + 1).toString(), QStringLiteral("segno"));
    EXPECT_EQ(lines->item(3)->data(Qt::UserRole + 1).toString(), QStringLiteral("segno"));
    EXPECT_EQ(state.CategoriaSelezionata, QStringLiteral("U20"));
    EXPECT_EQ(highlighted(), 3);

    // A race state whose last category has another description: built again, once.
    race->CategoriaInOrdine(4)->setDescrizione(QStringLiteral("Under 22 e giovani"));
    sendRace(*race);
    EXPECT_EQ(window->panel().categoryGridBuilds(), builds + 1);
    EXPECT_EQ(grid->rowCount(), 5);
    EXPECT_EQ(grid->item(4, 1)->text(), QStringLiteral("Under 22 e giovani"));
    EXPECT_FALSE(grid->item(4, 1)->data(Qt::UserRole + 1).isValid());
    EXPECT_EQ(lines->item(3)->text(), QStringLiteral("Under 22 e giovani (U22)"));
    EXPECT_EQ(state.CategoriaSelezionata, QStringLiteral("U20"));
    EXPECT_EQ(highlighted(), 3);
}

// A competitor button pressed in the window puts its bib in the bib box; in a parallel run the
// heat button pressed turns yellow alone and the bib box stays as it was.
TEST_F(Program, ACompetitorButtonFillsTheBibBoxAndAHeatButtonTurnsYellow) {
    ASSERT_TRUE(start());
    const auto button = [&](int i) { return window->findChild<QPushButton*>(QStringLiteral("cmdConcorrente%1").arg(i)); };
    const auto yellow = [&] {
        QList<int> lit;
        for (int i = 0; i < 15; ++i)
            if (button(i)->styleSheet().contains(QStringLiteral("#FFFF00"))) lit << i;
        return lit;
    };

    install(encoder::demoRace({.competitors = 6, .runs = 1}));
    ASSERT_NE(button(1), nullptr);
    button(1)->click();
    EXPECT_EQ(window->panel().txtSelezione()->text(), QStringLiteral("5"));
    EXPECT_EQ(state.IndicePulsanteConcorrente, 1);
    EXPECT_TRUE(yellow().isEmpty());

    auto race = encoder::demoRace({.competitors = 8, .runs = 1, .intermediates = 0, .parallel = true});
    race->setTurnoCorrenteTipo(10);
    install(race);
    button(0)->click();
    button(1)->click();
    EXPECT_EQ(yellow(), QList<int>{1});
    EXPECT_EQ(state.IndicePulsanteConcorrente, 1);
    EXPECT_EQ(window->panel().txtSelezione()->text(), QStringLiteral("5"));
}

// The main window keeps the size it was given through a session: connection, race state,
// categories, starts, a long name in the bib box, a notice in the status bar.
TEST_F(Program, TheMainWindowKeepsItsSizeThroughASession) {
    ASSERT_TRUE(start());
    window->resize(1180, 720);
    QCoreApplication::processEvents();
    const QSize given = window->size();
    simulator.setRace(encoder::demoRace({.competitors = 12, .runs = 2, .intermediates = 2, .categories = 4}));
    connectToSimulator();
    for (const char* n : {"1003", "1006", "1009"})
        simulator.sendFields(QStringLiteral("TCORREREORARIOSTART"), {QString::fromLatin1(n), QStringLiteral("101500000")});
    sim::TimekeepingSimulator::waitUntil([&] { return state.krono().ConcorrenteItem(1009)->Risultati(2)->StatoConcorrente() == 20; });
    window->panel().txtSelezione()->setText(QStringLiteral("3"));
    QCoreApplication::processEvents();
    EXPECT_EQ(window->size(), given);
    // Twelve categories do not fit beside the buttons: the right column scrolls instead.
    state.race.Krono = encoder::demoRace({.competitors = 12, .runs = 2, .intermediates = 2, .categories = 12});
    window->units().console().AggiornaClassificheInterfaccia();
    QCoreApplication::processEvents();
    EXPECT_EQ(window->size(), given);
    auto* column = window->findChild<QScrollArea*>(QStringLiteral("scrPannelloDestro"));
    ASSERT_NE(column, nullptr);
    EXPECT_GT(column->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(window->findChild<QTableWidget*>(QStringLiteral("tdbCategorie"))->verticalScrollBar()->maximum(), 0);
}

// Pictures of the category grid with four categories, the link panel after a long received
// text and a framing notice, and the quit question, into RAZUDAR_SCREENSHOTS.
TEST_F(Program, ScreenshotsOfTheGridTheLinkPanelAndTheQuitQuestion) {
    if (screenshots::folder().isEmpty()) GTEST_SKIP() << "RAZUDAR_SCREENSHOTS not set";
    ASSERT_TRUE(start());
    window->resize(1180, 720);
    QCoreApplication::processEvents();
    screenshots::save(window->grab(), QStringLiteral("main_before_the_race"));
    simulator.setRace(encoder::demoRace({.competitors = 12, .runs = 2, .intermediates = 2, .categories = 4}));
    connectToSimulator();
    for (const char* n : {"1003", "1006", "1009"})
        simulator.sendFields(QStringLiteral("TCORREREORARIOSTART"), {QString::fromLatin1(n), QStringLiteral("101500000")});
    // Bytes without a frame header: the control drops them with a notice in its log.
    simulator.sendRaw(QByteArrayLiteral("<GARBAGE: bytes received without a frame header, dropped by the link control>"));
    sim::TimekeepingSimulator::waitUntil([&] { return window->findChild<QListWidget*>(QStringLiteral("lstLog"))->count() > 0; });
    simulator.sendFields(QStringLiteral("TCORREREORARIOINTERMEDIO"), {QStringLiteral("1009"), QStringLiteral("1"), QStringLiteral("101530250")});
    sim::TimekeepingSimulator::waitUntil([&] { return state.krono().ConcorrenteItem(1009)->Risultati(2)->OrarioIntermedioCount() > 0; });
    QCoreApplication::processEvents();
    screenshots::save(window->grab(), QStringLiteral("main_four_categories"));
    screenshots::save(window->findChild<QWidget*>(QStringLiteral("MirtTcpGet"))->grab(), QStringLiteral("link_panel"));
    QMessageBox box(window.get());
    PreparaMessaggio(box, QStringLiteral("Uscire dal Programma?"), PromptButtons::YesNo, PromptIcon::Question,
                     QStringLiteral("Razudar (Zez)"));
    box.show();
    QCoreApplication::processEvents();
    screenshots::save(box.grab(), QStringLiteral("quit_question"));
}

}  // namespace
}  // namespace razudar::apptest

namespace razudar::apptest {
namespace {

// Saves pictures of the main window and the preview window into the folder named by
// RAZUDAR_SCREENSHOTS (skipped without it), to look at what the operator sees.
TEST_F(Program, Screenshots) {
    if (screenshots::folder().isEmpty()) GTEST_SKIP() << "RAZUDAR_SCREENSHOTS not set";
    ASSERT_TRUE(start());
    window->resize(1180, 720);
    screenshots::save(window->grab(), QStringLiteral("main_first_paint"));
    simulator.setRace(encoder::demoRace({.competitors = 12, .runs = 2, .intermediates = 2, .categories = 3}));
    connectToSimulator();
    for (const char* n : {"1003", "1006", "1009"})
        simulator.sendFields(QStringLiteral("TCORREREORARIOSTART"), {QString::fromLatin1(n), QStringLiteral("101500000")});
    sim::TimekeepingSimulator::waitUntil([&] { return state.krono().ConcorrenteItem(1009)->Risultati(2)->StatoConcorrente() == 20; });
    screenshots::save(window->grab(), QStringLiteral("main_connected"));
    frmAnteprimaGrafica* preview = window->anteprima();
    window->findChild<QAction*>(QStringLiteral("mnuGraficaVGA"))->trigger();
    for (const char* page : {"Classifica", "ClassificaBassa", "Partenti"}) {
        ASSERT_TRUE(preview->MirtGRA1().CaricaPagina(QString::fromLatin1(page), 0));
        ASSERT_TRUE(preview->MirtGRA1().StartPagina(QString::fromLatin1(page)));
        QCoreApplication::processEvents();
        screenshots::save(preview->grab(), QStringLiteral("preview_%1").arg(QString::fromLatin1(page)));
        const QString frame = screenshots::folder() + QStringLiteral("/frame_%1.png").arg(QString::fromLatin1(page));
        preview->MirtGRA1().SalvaSchermo(frame);
        screenshots::expectDrawn(frame);
        preview->MirtGRA1().TogliePagina(QString::fromLatin1(page));
    }
}

}  // namespace
}  // namespace razudar::apptest

namespace razudar::apptest {
namespace {

// Handlers that run when code changes a control: the check box on a real state change, the bib
// box on a text change; a refresh re-selects no tab by itself.
TEST_F(Program, ControlsRaiseTheirHandlersWhenCodeChangesThem) {
    ASSERT_TRUE(start());
    simulator.setRace(encoder::demoRace({.competitors = 12, .runs = 2, .intermediates = 2}));
    connectToSimulator();
    RecordingPageDispatcher pages;
    window->units().setPageDispatcher(pages);

    // "I&2" with "Nominativo" unchecked: the name element first (11), then the split page (22).
    window->panel().cmdPagina_Click(kCodiceIntermedio2);
    EXPECT_EQ(pages.codes(), (std::vector<qint16>{kCodiceNominativoTC, kCodiceIntermedio2}));
    EXPECT_EQ(state.SplitMostrato, QStringLiteral("2"));
    EXPECT_TRUE(state.NominativoTCVisibile);
    // "Start &0" with the box already checked: no state change, no code 11.
    pages.clear();
    window->panel().cmdPagina_Click(kCodiceStartZero);
    EXPECT_EQ(pages.codes(), (std::vector<qint16>{kCodiceStartZero}));
    // "&Parallelo" before any heat button: nothing.
    pages.clear();
    state.IndicePulsanteConcorrente = -1;
    window->panel().cmdPagina_Click(kCodiceParallelo);
    EXPECT_TRUE(pages.codes().empty());

    // The bib box: an existing bib selects its competitor, another clears the selection.
    window->panel().txtSelezione()->setText(QStringLiteral("7"));
    EXPECT_EQ(state.ConcorrenteSelezionato, 1007);
    EXPECT_EQ(window->panel().lblNominativo()->text(), state.krono().ConcorrenteItem(1007)->Cognome() + QLatin1Char(' ') +
                                                   state.krono().ConcorrenteItem(1007)->Nome());
    window->panel().txtSelezione()->setText(QStringLiteral("99"));
    EXPECT_EQ(state.ConcorrenteSelezionato, -1);
    EXPECT_TRUE(window->panel().lblNominativo()->text().isEmpty());

    // The operator's tab draws the preview at once; a refresh keeps the tab it computes.
    window->panel().sstClassifiche()->setCurrentIndex(1);
    EXPECT_EQ(window->units().console().view().currentTab, 1);
    EXPECT_TRUE(window->panel().lblClassifica()->text().contains(QStringLiteral("Pos"))) << window->panel().lblClassifica()->text().toStdString();
    window->units().console().AggiornaClassificheInterfaccia();
    EXPECT_EQ(window->panel().sstClassifiche()->currentIndex(), 0);
    EXPECT_EQ(window->units().console().view().currentTab, 0);
    // The recorder leaves with this test; the window goes back to its own dispatcher.
    ASSERT_NE(window->units().graphics(), nullptr);
    window->units().setPageDispatcher(window->units().graphics()->pages());
}

// Counts the rows a preview writes and where the last one goes.
struct PreviewRowCount : TextListSurface {
    void Pulisci() override { rows = 0; }
    void InizializzaAltezze() override {}
    void Scrivi(const QString&, const ScriviArgs& args) override {
        ++rows;
        lastRow = *args.p;
    }
    void setCurrentX(qint32) override {}
    void setCurrentY(qint32) override {}
    void Linea(float, float, float, float, qint16, qint32) override {}
    void setVisible(bool) override {}
    int rows = 0;
    double lastRow = 0;
};

// Pixels darker than mid-grey in a part of an image.
int darkPixels(const QImage& image, const QRect& area) {
    int found = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) found += qGray(image.pixel(x, y)) < 128;
    return found;
}

// A 120-competitor two-run race: the list is sized to every row it writes and scrolls to the
// last of them; scrolled sideways it shows the gap columns, and the header, in the list's face,
// moves with it with every heading over its column.
TEST_F(Program, ThePreviewListShowsEveryCompetitorAndEveryColumn) {
    ASSERT_TRUE(start());
    window->resize(1180, 720);
    simulator.setRace(encoder::demoRace({.competitors = 120, .runs = 2, .intermediates = 2, .categories = 3}));
    connectToSimulator(120);
    QCoreApplication::processEvents();
    controls::StovakProxy& lst = window->units().lstClassifica();
    auto* control = qobject_cast<QWidget*>(lst.control());
    ASSERT_EQ(window->units().console().view().currentTab, 0);

    // The rows the overall preview writes: row n at 1 + 0.8 (n - 1).
    PreviewRowCount counted;
    struct : CaptionLabel {
        void setAlignment(int) override {}
        void setCaption(const QString&) override {}
    } none;
    state.krono().VisualizzaPreview(counted, none, 0, QStringLiteral("XXXXX"));
    ASSERT_GT(counted.rows, 100);
    EXPECT_NEAR(counted.lastRow, 1 + 0.8 * (counted.rows - 1), 1e-6);
    const QString rows = QString::number(int(std::floor(counted.lastRow)) + 1);
    EXPECT_TRUE(sim::TimekeepingSimulator::waitUntil([&] { return lst.NumeroRighe() == rows; }))
        << lst.NumeroRighe().toStdString();
    const QString header = window->panel().lblClassifica()->text();
    EXPECT_TRUE(header.endsWith(QStringLiteral("Distacco                   Dist. Prec."))) << header.toStdString();

    QWidget* view = control->findChild<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    QWidget* fraClassifica = window->findChild<QWidget*>(QStringLiteral("fraClassifica"));
    ASSERT_NE(view, nullptr);
    const auto shoot = [&](const char* name) {
        screenshots::save(window->grab(), QStringLiteral("preview_list_%1").arg(QLatin1String(name)));
    };
    int most = 0;
    // The sideways range follows the list once the writes in hand are done.
    ASSERT_TRUE(sim::TimekeepingSimulator::waitUntil([&] {
        QMetaObject::invokeMethod(control, "horizontalMaximum", Q_RETURN_ARG(int, most));
        return most > 0;
    }));
    shoot("top_left");

    // Scrolled to the end: the last row lies just above the view's bottom, nothing under it.
    lst.setValue(100000);
    const int rowTwips = int(std::lround(lst.TextHeight(QStringLiteral("bdfghjklpqtyABC?/|}^$_"))));
    const int value = lst.Value();
    ASSERT_GT(value, 0);
    const int lastTopPx = int(((counted.lastRow - 1) - value) * rowTwips / 15.0);
    QImage picture = view->grab().toImage();
    ASSERT_LT(lastTopPx + rowTwips / 15, picture.height());
    EXPECT_GT(darkPixels(picture, QRect(0, lastTopPx, picture.width(), rowTwips / 15)), 50);
    EXPECT_EQ(darkPixels(picture, QRect(0, lastTopPx + rowTwips / 15 + 2, picture.width(),
                                        picture.height() - lastTopPx - rowTwips / 15 - 2)), 0);
    shoot("bottom_left");

    // Sideways: the rows run beyond the list's width; at the right end the last column of the
    // ranked rows (the gap to the row above) shows at the view's right edge, and the header moved
    // as far. (The rows at the bottom, without a time, have no gap columns.)
    QMetaObject::invokeMethod(control, "setHorizontalOffset", Q_ARG(int, 100000));
    int offset = 0;
    QMetaObject::invokeMethod(control, "horizontalOffset", Q_RETURN_ARG(int, offset));
    ASSERT_EQ(offset, most);
    const int inset = control->contentsRect().left();
    EXPECT_EQ(window->panel().lblClassifica()->x(), inset - most);
    shoot("bottom_right");
    lst.setValue(0);
    picture = view->grab().toImage();
    EXPECT_GT(darkPixels(picture, QRect(picture.width() - 40, 0, 40, picture.height())), 200);
    shoot("top_right");

    // The header in the list's face: each heading ends over the end of its 12-letter column,
    // within two letters (the first run's time ends at letter 36, the total at 62, the gap to
    // the row above at 88).
    const QFont face = lst.Font();
    const SpacedHeaderLabel* label = window->panel().previewHeader()->label();
    EXPECT_EQ(QFontInfo(label->font()).family(), QFontInfo(face).family());
    EXPECT_EQ(label->font().pointSizeF(), face.pointSizeF());
    const double letter = lst.TextWidth(QStringLiteral("0")) / 15.0;
    const auto headingEnd = [&](const QString& heading) { return label->xOf(header.indexOf(heading) + heading.size()); };
    EXPECT_NEAR(headingEnd(QStringLiteral("Manche 1")), 36 * letter, 2 * letter);
    EXPECT_NEAR(headingEnd(QStringLiteral("Manche 2")), 49 * letter, 2 * letter);
    EXPECT_NEAR(headingEnd(QStringLiteral("Tempo")), 62 * letter, 2 * letter);
    EXPECT_NEAR(headingEnd(QStringLiteral("Distacco")), 75 * letter, 2 * letter);
    EXPECT_NEAR(headingEnd(QStringLiteral("Dist. Prec.")), 88 * letter, 2 * letter);
    // On screen, scrolled to the right end: the header's last ink stands over the rows' last ink.
    QMetaObject::invokeMethod(control, "setHorizontalOffset", Q_ARG(int, 100000));
    const QImage shown = fraClassifica->grab().toImage();
    const QRect listArea(control->mapTo(fraClassifica, QPoint(0, 0)), control->size());
    const QRect headerArea(window->panel().previewHeader()->mapTo(fraClassifica, QPoint(0, 0)), window->panel().previewHeader()->size());
    const auto lastInk = [&shown](const QRect& area) {
        for (int x = area.right() - 20; x >= area.left(); --x)
            if (darkPixels(shown, QRect(x, area.top() + 2, 1, std::min(area.height() - 4, 120))) > 0) return x;
        return -1;
    };
    EXPECT_NEAR(lastInk(headerArea), lastInk(listArea), letter);
    EXPECT_GT(lastInk(listArea), listArea.right() - 20 - 2 * letter);

    // Back to the left: the header follows.
    QMetaObject::invokeMethod(control, "setHorizontalOffset", Q_ARG(int, 0));
    EXPECT_EQ(window->panel().lblClassifica()->x(), inset);

    // A race of 12 instead: the list gives its rows back (down to the rows the control shows).
    lst.setValue(100000);
    state.race.Krono = encoder::demoRace({.competitors = 12, .runs = 2, .intermediates = 2, .categories = 3});
    window->units().console().AggiornaClassificheInterfaccia();
    EXPECT_TRUE(sim::TimekeepingSimulator::waitUntil([&] { return lst.NumeroRighe().toInt() < int(counted.lastRow); }));
    EXPECT_EQ(lst.NumeroRighe().toInt(), int(view->height() * 15 / rowTwips));
    EXPECT_EQ(lst.Value(), 0);
}

// What the graphics control of the preview window holds for a text or clock property.
QVariant textProperty(frmGrafica& window, const QString& object, int property) {
    QVariant v;
    QMetaObject::invokeMethod(window.anteprima()->MirtGRA1().control(), "ProprietaTesto", Q_RETURN_ARG(QVariant, v),
                              Q_ARG(QString, QStringLiteral("TempoACorrere")), Q_ARG(QString, object),
                              Q_ARG(int, property));
    return v;
}

TEST_F(Program, ACompetitorOnTheClockPageFromTheStartThroughASplitToTheRunTime) {
    ASSERT_TRUE(start());
    // Run 2; bib 9 (competitor 1009) finished run 1 in 1:12.498 and has not started run 2.
    simulator.setRace(encoder::demoRace({.competitors = 12, .runs = 2, .intermediates = 2}));
    connectToSimulator();
    window->panel().txtSelezione()->setText(QStringLiteral("9"));
    ASSERT_EQ(state.ConcorrenteSelezionato, 1009);
    window->panel().cmdPagina_Click(kCodiceStartZero);
    EXPECT_EQ(state.PaginaInOnda.NomePagina, QStringLiteral("TempoACorrere"));
    const QString clock = QStringLiteral("txtTempoACorrere");
    EXPECT_EQ(textProperty(*window, clock, 6).toInt(), 72498);

    // The start at the local time: the clock counts on from the run-1 time.
    fakes.clock.setNow(QDateTime(QDate(2026, 12, 9), QTime(10, 15, 0)));
    simulator.sendFields(QStringLiteral("TCORREREORARIOSTART"), {QStringLiteral("1009"), QStringLiteral("101500000")});
    ASSERT_TRUE(sim::TimekeepingSimulator::waitUntil(
        [&] { return state.krono().ConcorrenteItem(1009)->Risultati(2)->OrarioPartenza() == 101500000; }));
    EXPECT_EQ(textProperty(*window, clock, 5).toInt(), 72498);

    simulator.sendFields(QStringLiteral("TCORREREORARIOINTERMEDIO"),
                         {QStringLiteral("1009"), QStringLiteral("1"), QStringLiteral("101530250")});
    ASSERT_TRUE(sim::TimekeepingSimulator::waitUntil([&] { return state.SplitMostrato == QStringLiteral("1"); }));
    EXPECT_EQ(textProperty(*window, clock, 6).toInt(), 72498 + 30250);

    // The run time of 1:05.000: the clock stops at the total, with the finisher's position.
    simulator.sendFields(QStringLiteral("TCORRERETEMPO"), {QStringLiteral("1009"), QStringLiteral("105000")});
    ASSERT_TRUE(sim::TimekeepingSimulator::waitUntil([&] { return state.SplitMostrato == QStringLiteral("F"); }));
    EXPECT_EQ(textProperty(*window, clock, 6).toInt(),
              TempoInMillesimi(state.krono().TempoTotaleConcorrente(2, 1009)));
    EXPECT_EQ(textProperty(*window, QStringLiteral("txtPosizioneAssoluta"), 0).toInt(),
              state.krono().PosizioneInClassifica(0, 1009, QStringLiteral("XXXXX")));
    EXPECT_TRUE(textProperty(*window, QStringLiteral("txtPosizioneAssoluta"), 4).toBool());
    // Five seconds later the run time and the run position.
    ASSERT_TRUE(window->units().dispatcher().runTimeDelayActive());
    window->units().dispatcher().timTempoManche_Timer();
    EXPECT_EQ(textProperty(*window, QStringLiteral("txtTempoManche"), 6).toInt(), 65000);
    EXPECT_TRUE(textProperty(*window, QStringLiteral("txtTempoManche"), 4).toBool());
    EXPECT_FALSE(textProperty(*window, QStringLiteral("txtDistacco"), 4).toBool());
}

}  // namespace
}  // namespace razudar::apptest

namespace razudar::apptest {
namespace {

// Client mode: the database in the server's shared folder, the graphics still the local ones.
TEST_F(Program, ClientModeUsesTheSharedDatabaseAndTheLocalGraphics) {
    QTemporaryDir mounts;
    const QString share = mounts.filePath(QStringLiteral("SRV/Zez"));
    QDir().mkpath(share);
    ASSERT_TRUE(QFile::copy(base.databasePath, share + QStringLiteral("/Zez.mdb")));
    settings.save(QStringLiteral("Zez"), QStringLiteral("Razudar"), QStringLiteral("CartellaCondivisioni"), mounts.path());
    settings.save(QStringLiteral("Zez"), QStringLiteral("Razudar"), QStringLiteral("Modalita"), QStringLiteral("2"));
    settings.save(QStringLiteral("Zez"), QStringLiteral("Razudar"), QStringLiteral("NomeServer"), QStringLiteral("srv"));
    ASSERT_TRUE(start()) << fakes.prompter.texts().join('\n').toStdString();
    EXPECT_EQ(state.startup.connection.ModalitaConnessione, 1);
    EXPECT_EQ(state.startup.connection.NomeComputerServer, QStringLiteral("SRV"));
    EXPECT_EQ(QFileInfo(state.startup.database.PercorsiDatabase[1]).canonicalFilePath(),
              QFileInfo(share + QStringLiteral("/Zez.mdb")).canonicalFilePath());
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("Database"))->text(), QStringLiteral("Database su SRV"));
    EXPECT_TRUE(state.CartellaExport.startsWith(share));
    EXPECT_EQ(state.resources.CartellaGrafica, base.path() + QStringLiteral("Razudar/"));
    // Display options of the configuration.
    EXPECT_EQ(state.OpzioneNominativi, 1);
    EXPECT_EQ(state.OpzioneRisultato, 0);
}

TEST_F(Program, AMissingSharedFolderEndsTheStartUp) {
    QTemporaryDir mounts;
    settings.save(QStringLiteral("Zez"), QStringLiteral("Razudar"), QStringLiteral("CartellaCondivisioni"), mounts.path());
    settings.save(QStringLiteral("Zez"), QStringLiteral("Razudar"), QStringLiteral("Modalita"), QStringLiteral("2"));
    settings.save(QStringLiteral("Zez"), QStringLiteral("Razudar"), QStringLiteral("NomeServer"), QStringLiteral("SRV"));
    EXPECT_FALSE(start());
    EXPECT_TRUE(fakes.prompter.texts().contains(QStringLiteral("Cartella Condivisa del Server Non Trovata")))
        << fakes.prompter.texts().join('|').toStdString();
}

TEST_F(Program, ClosingWithoutConfirmationLeavesTheLinkAlone) {
    ASSERT_TRUE(start());
    simulator.setRace(encoder::demoRace({.competitors = 12, .runs = 2, .intermediates = 2}));
    connectToSimulator();
    state.bChiudiSenzaConferma = 1;
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(fakes.prompter.shown().empty());
    EXPECT_TRUE(window->units().MirtTcpGet().Connesso());
    EXPECT_EQ(settings.value(QStringLiteral("Zez"), QStringLiteral("frmAnteprimaGrafica"), QStringLiteral("Top")),
              QString());
}

}  // namespace
}  // namespace razudar::apptest

namespace razudar::apptest {
namespace {

TEST_F(Program, ASocketErrorOfTheLinkIsShown) {
    ASSERT_TRUE(start());
    QTcpServer closed;  // a port nobody listens on once this server is gone
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const quint16 port = closed.serverPort();
    closed.close();
    window->units().MirtTcpGet().setServerRemoto(QStringLiteral("127.0.0.1"));
    window->units().MirtTcpGet().setPortaRemota(port);
    window->units().MirtTcpGet().cmdConnettiDisconnetti_Click();
    ASSERT_TRUE(sim::TimekeepingSimulator::waitUntil([&] { return !fakes.prompter.shown().empty(); }));
    EXPECT_TRUE(fakes.prompter.shown()[0].text.startsWith(QStringLiteral("Errore 10061 - "))) << fakes.prompter.texts()[0].toStdString();
    EXPECT_EQ(fakes.prompter.shown()[0].caption, QStringLiteral("Razudar"));
    EXPECT_FALSE(window->units().MirtTcpGet().Connesso());
}

}  // namespace
}  // namespace razudar::apptest

namespace razudar::apptest {
namespace {

// The full-page button opens its editor over the main window; the row the operator puts on air
// is the one written on the page, as saved in the database.
TEST_F(Program, TheFullPageEditorsRowGoesOnAir) {
    ASSERT_TRUE(start()) << fakes.prompter.texts().join('\n').toStdString();
    bool shown = false;
    fakes.dialogs.answer<frmPaginaTesto>([&](frmPaginaTesto& editor) {
        shown = true;
        editor.show();
        editor.txtTesto(4)->setText(QStringLiteral("  Neve fresca  "));
        editor.txtTesto(5)->clear();
        editor.txtTesto(6)->setText(QStringLiteral("Partenza ore 10:30"));
        editor.cmdTesto(2)->click();
    });
    window->units().graphics()->pages().MandaInOnda(kCodicePaginaPiena);
    ASSERT_TRUE(shown);
    const QString page = QStringLiteral("PaginaPiena");
    EXPECT_EQ(state.PaginaInOnda.NomePagina, page) << fakes.prompter.texts().join('\n').toStdString();
    auto line = [&](int i) {
        QVariant value;
        QMetaObject::invokeMethod(window->anteprima()->MirtGRA1().control(), "ProprietaTesto", Q_RETURN_ARG(QVariant, value),
                                  Q_ARG(QString, page), Q_ARG(QString, QStringLiteral("txtRiga%1").arg(i)), Q_ARG(int, 0));
        return value.toString();
    };
    EXPECT_EQ(line(1), QStringLiteral("Neve fresca"));
    EXPECT_EQ(line(2), QString());
    EXPECT_EQ(line(3), QStringLiteral("Partenza ore 10:30"));
}

}  // namespace
}  // namespace razudar::apptest
