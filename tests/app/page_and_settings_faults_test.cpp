// The program end to end with broken outside files: a list or board page whose page file is
// broken or missing, and a settings file that cannot keep the session chosen. The program runs
// on, the air stays as the operator's action left it, the race is kept, and the operator is told
// why once: on the status bar and in the log for a page (no box while the air is black), with
// one box for the settings.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>

#include <gtest/gtest.h>

#include "app/assembly/program_application.h"
#include "app/faults/settings_faults.h"
#include "app/pages/page_codes.h"
#include "app/pages/page_dispatcher.h"
#include "app/assembly/program_graphics.h"
#include "app/windows/frm_modalita.h"
#include "data/object_text_encoder.h"
#include "platform/services/reporting_settings_store.h"
#include "program_window_fixture.h"
#include "screenshots.h"
#include "tables/widgets/frm_selezione_sessione.h"

namespace razudar::apptest {
namespace {

enum class Damage { Broken, Missing };

struct PageFileFaultsTest : ProgramWindowTest {
    void SetUp() override {
        ASSERT_TRUE(start());
        netBefore = ProgramApplication::current()->caughtCount();
    }
    void TearDown() override { EXPECT_EQ(ProgramApplication::current()->caughtCount(), netBefore); }
    void connectRace(bool parallel) {
        simulator.setRace(encoder::demoRace({.competitors = 12, .runs = 2, .intermediates = 2, .parallel = parallel}));
        pressConnectToSimulator();
        ASSERT_TRUE(sim::TimekeepingSimulator::waitUntil([&] { return !state.krono().ElencoConcorrenti().isEmpty(); }));
    }
    QString pageFile(const QString& page) const { return state.resources.CartellaGrafica + page + QStringLiteral(".smb"); }
    void damage(const QString& page, Damage how) {
        const QString file = pageFile(page);
        saved = readAll(file);
        ASSERT_FALSE(saved.isEmpty());
        if (how == Damage::Missing) {
            ASSERT_TRUE(QFile::remove(file));
        } else {
            QFile f(file);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(R"({"format": "razudar-page", "version": 1, "objects": [{"name": "txtTitolo1", "type": "text", "w": 1000000, "h": 1000000}]})");
        }
    }
    void repair(const QString& page) {
        QFile f(pageFile(page));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(saved);
    }
    static QByteArray readAll(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // Lines of the log since `from` that hold `text`.
    int logLinesWith(const QString& text, int from) const {
        int n = 0;
        for (int i = from; i < state.log.lines().size(); ++i) n += state.log.lines()[i].contains(text) ? 1 : 0;
        return n;
    }
    QPushButton* pageButton(int code) { return window->findChild<QPushButton*>(QStringLiteral("cmdPagina%1").arg(code)); }

    // Puts a fixed page on air, damages `page`, presses the button of `code` and checks what the
    // operator sees; then repairs the file and checks that the same button puts the page on air.
    void checkPage(int code, const QString& page, Damage how, const QString& reason) {
        SCOPED_TRACE((page + (how == Damage::Missing ? QStringLiteral(" mancante") : QStringLiteral(" rotta"))).toStdString());
        window->units().graphics()->pages().MandaInOnda(kCodicePaginaLibera1);
        ASSERT_EQ(state.PaginaInOnda.NomePagina, QStringLiteral("PaginaLibera1"));
        damage(page, how);
        const auto race = state.race.Krono;
        const int competitors = int(state.krono().ElencoConcorrenti().size());
        fakes.prompter.clear();
        notice()->clear();
        const int logFrom = int(state.log.lines().size());
        const QString told = QStringLiteral("Errore durante il caricamento della pagina: ") + page + QStringLiteral(" (");

        QPushButton* button = pageButton(code);
        ASSERT_NE(button, nullptr);
        ASSERT_TRUE(button->isEnabled());
        button->click();

        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(state.PaginaInOnda.NomePagina, QString());  // the air cleared, nothing loaded
        EXPECT_TRUE(fakes.prompter.shown().empty()) << fakes.prompter.texts().join('\n').toStdString();
        EXPECT_EQ(logLinesWith(told, logFrom), 1);
        EXPECT_EQ(logLinesWith(told + reason, logFrom), 1) << state.log.lines().join('\n').toStdString();
        // On the status bar: the page, then the reason with the file named without its folder.
        QString shortReason = reason.mid(int(qstrlen("CaricaPagina: ")));
        shortReason.replace(state.resources.CartellaGrafica, QString());
        // The notice is shown whole, after the time it was told.
        const QString expected = QStringLiteral("Pagina ") + page + QStringLiteral(" non caricata: ") + shortReason;
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d $")).match(notice()->text().left(9)).hasMatch())
            << notice()->text().toStdString();
        EXPECT_EQ(notice()->text().mid(9), expected);
        EXPECT_EQ(state.race.Krono, race);
        EXPECT_EQ(int(state.krono().ElencoConcorrenti().size()), competitors);
        if (how == Damage::Broken && page == QStringLiteral("Classifica")) {
            QApplication::processEvents();
            screenshots::save(window->grab(), QStringLiteral("notice_broken_page_file"));
            screenshots::save(window->statusBar()->grab(), QStringLiteral("notice_broken_page_file_status_bar"));
        }

        repair(page);
        fakes.prompter.clear();
        button->click();
        EXPECT_EQ(state.PaginaInOnda.NomePagina, page);
        EXPECT_EQ(logLinesWith(told, logFrom), 1);  // nothing more to tell
        EXPECT_TRUE(fakes.prompter.shown().empty());
    }

    QByteArray saved;
    int netBefore = 0;
};

// The graphics control's message names its member first.
QString brokenReason(const PageFileFaultsTest& t, const QString& page) {
    return QStringLiteral("CaricaPagina: Il file '") + t.pageFile(page) +
           QStringLiteral("' non è una pagina valida: oggetto 0 ('txtTitolo1'): il campo 'w' deve essere un numero "
                          "intero da 0 a 10000");
}

QString missingReason(const PageFileFaultsTest& t, const QString& page) {
    return QStringLiteral("CaricaPagina: Impossibile leggere il file di pagina '") + t.pageFile(page) +
           QStringLiteral("': file mancante");
}

TEST_F(PageFileFaultsTest, ListPageThatCannotBeLoadedLeavesTheAirClearedAndSaysWhy) {
    connectRace(false);
    const struct {
        int code;
        const char* page;
    } lists[] = {{1, "Classifica"}, {3, "ClassificaBassa"}, {2, "Partenti"}};
    for (const auto& list : lists) {
        const QString page = QString::fromLatin1(list.page);
        checkPage(list.code, page, Damage::Broken, brokenReason(*this, page));
        checkPage(list.code, page, Damage::Missing, missingReason(*this, page));
    }
}

TEST_F(PageFileFaultsTest, ParallelBoardThatCannotBeLoadedLeavesTheAirClearedAndSaysWhy) {
    connectRace(true);
    const QString page = QStringLiteral("TabelloneParallelo");
    checkPage(2, page, Damage::Broken, brokenReason(*this, page));
    checkPage(2, page, Damage::Missing, missingReason(*this, page));
}

// The program started with a settings file that cannot keep anything, told through the same
// notice the program's main() wires.
struct BrokenSettingsTest : ::testing::Test {
    enum class Broken { Folder, Garbage };
    void startWith(Broken how) {
        const QString file = settings.fileFor(QStringLiteral("Razudar (Zez)"));
        if (how == Broken::Folder) {
            ASSERT_TRUE(QDir().mkpath(file));
        } else {
            QFile f(file);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            QByteArray garbage("[Suggeritore\n");
            for (int i = 0; i < 400; ++i) garbage.append(char((i * 53 + 7) % 256));
            f.write(garbage);
        }
        Services s = fakes.services();
        s.settings = &reporting;
        window = std::make_unique<frmGrafica>(state, s, loader, folder);
        fakes.dialogs.answer<frmModalita>([](frmModalita& dialog) {
            dialog.show();
            dialog.cmdConnetti()->click();
            return dialog.result() == QDialog::Accepted;
        });
        ASSERT_TRUE(window->load());
        window->show();
    }
    // Chooses the row the session window offers; true when the window confirmed it.
    bool chooseSession() {
        bool confirmed = false;
        fakes.dialogs.answer<tables::FrmSelezioneSessione>([&](tables::FrmSelezioneSessione& w) {
            w.primoPaint();
            w.Conferma_Click();
            confirmed = w.bConferma;
            return w.bConferma;
        });
        for (QAction* a : window->findChildren<QAction*>(QStringLiteral("mnuSelezioneManche"))) a->trigger();
        return confirmed;
    }
    void checkSessionChoice(Broken how);
    // The notices about the settings: boxes shown, and lines of the log.
    static bool isSettingsNotice(const QString& text) {
        return text.startsWith(QStringLiteral("Impossibile salvare le impostazioni: ")) ||
               text.startsWith(QStringLiteral("Impostazioni: il file '"));
    }
    int settingsBoxes() const {
        int n = 0;
        for (const ShownPrompt& p : fakes.prompter.shown()) n += isSettingsNotice(p.text) ? 1 : 0;
        return n;
    }
    int settingsLogLines() const {
        int n = 0;
        for (const QString& line : state.log.lines()) n += isSettingsNotice(line) ? 1 : 0;
        return n;
    }

    BaseFolder base;
    FakeWindowServices fakes;
    QTemporaryDir settingsFolder;
    IniSettingsStore settings{settingsFolder.path()};
    ProgramState state;
    ReportingSettingsStore reporting{settings, settingsSaveNotice(state.log, fakes.prompter)};
    FixedCurrentFolder folder{base.path()};
    controls::ControlLoader loader{QStringLiteral(RAZUDAR_PLUGIN_DIR)};
    std::unique_ptr<frmGrafica> window;
};

void BrokenSettingsTest::checkSessionChoice(Broken how) {
    startWith(how);
    ASSERT_TRUE(chooseSession());
    const SessionKey chosen = state.startup.session;
    EXPECT_GE(chosen.SessioneGara, 1);
    ASSERT_TRUE(chooseSession());  // a second choice: nothing more to tell
    EXPECT_EQ(settingsBoxes(), 1) << fakes.prompter.texts().join('\n').toStdString();
    EXPECT_EQ(settingsLogLines(), 1);
    const QString told = fakes.prompter.texts().join('\n');
    // The program runs on with the session chosen.
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(state.startup.session.SessioneGara, chosen.SessioneGara);
    EXPECT_EQ(state.startup.session.SessioneManche, chosen.SessioneManche);
    const QString next = IniSettingsStore(settingsFolder.path())
                             .value(QStringLiteral("Razudar (Zez)"), QStringLiteral("Suggeritore"),
                                    QStringLiteral("GaraAttiva"), QStringLiteral("<nessuna>"));
    if (how == Broken::Folder) {
        // Nothing can be kept, and the operator knows the choice holds for this run only.
        EXPECT_TRUE(told.contains(QStringLiteral("non saranno riprese al prossimo avvio"))) << told.toStdString();
        EXPECT_EQ(next, QStringLiteral("<nessuna>"));
    } else {
        // The file is written anew: the next start resumes the session.
        EXPECT_TRUE(told.contains(QStringLiteral("è stato riscritto"))) << told.toStdString();
        EXPECT_EQ(next, QString::number(chosen.SessioneGara));
    }
}

TEST_F(BrokenSettingsTest, FolderInPlaceOfTheFile) { checkSessionChoice(Broken::Folder); }
TEST_F(BrokenSettingsTest, FileOfGarbage) { checkSessionChoice(Broken::Garbage); }

}  // namespace
}  // namespace razudar::apptest
