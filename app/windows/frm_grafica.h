#pragma once
// The main window frmGrafica: the program's start window. It builds its widgets and the link
// and list controls from their plug-ins, runs the start-up units, and wires its widgets and the
// controls' events to the units (start-up, link dispatcher, console refresh, preview window).
// It holds no race logic of its own.
#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>

#include "app/console/console_refresh.h"
#include "app/console/console_selection.h"
#include "app/link/link_dispatcher.h"
#include "app/pages/page_context.h"
#include "app/menus/menu_commands.h"
#include "app/startup/startup.h"
#include "data/monitor_loader.h"

class QAction;
class QActionGroup;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabBar;
class QTableWidget;

namespace razudar {

namespace tables {
class FrmSelezioneSessione;
}
struct ProgramState;
class CurrentFolder;
class DatabaseFaults;
class TurnTypeCodes;
class PageDispatcher;
class PreviewHeader;
class RoutedPageDispatcher;
class MandaInOndaDispatcher;
class FreeTextEditors;
class frmAnteprimaGrafica;
namespace controls {
class ControlLoader;
class StovakProxy;
class TcpProxy;
}

class frmGrafica : public QMainWindow,
                   public StartupWindow,
                   public ConsoleHost,
                   public DispatcherHost,
                   public OnAirHost,
                   public MenuHost,
                   public PageButtonHost {
    Q_OBJECT
public:
    frmGrafica(ProgramState& state, const Services& services, const controls::ControlLoader& loader,
               CurrentFolder& currentFolder, QWidget* parent = nullptr);
    ~frmGrafica() override;

    // The load: creates the controls and runs the start-up. False when the program must end.
    bool load();
    // The page dispatcher the window and the link use: the program's own once the graphics
    // control is loaded; tests may put another in its place.
    void setPageDispatcher(PageDispatcher& pages);
    PageDispatcher& pageDispatcher();
    // The program's page dispatcher and its page-on-air layer (null before the preview window).
    MandaInOndaDispatcher* programPages() { return programPages_.get(); }

    // Units and controls, for the program's other parts and for tests.
    ConsoleRefresh& console() { return *console_; }
    LinkDispatcher& dispatcher() { return *dispatcher_; }
    DatabaseFaults& faults() { return *faults_; }
    controls::TcpProxy& MirtTcpGet() { return *tcp_; }
    controls::StovakProxy* lstClassifica() { return stovak_.get(); }
    frmAnteprimaGrafica* anteprima() { return preview_; }
    bool firstPaintDone() const { return painted_; }

    // The menu commands, and the session window (created on first use).
    MenuCommands& menus() { return *menus_; }
    tables::FrmSelezioneSessione& selezioneSessione();

    // The window's public hook, invoked by name (graficaLocaleInOnda) whenever a page is recorded
    // as on air. It does nothing: the window has nothing to follow then, but the page layer keeps
    // calling it by its name, so the member stays.
    Q_INVOKABLE void basGrafica_GraficaLocaleInOnda(const QString& nomePagina) { Q_UNUSED(nomePagina); }

    // Operator handlers.
    void cmdPagina_Click(int index);
    void cmdConcorrente_Click(int index);
    void mnuGraficaVGA_Click();
    void tdbCategorie_RowColChange(int row);
    void lstClassificaCategorie_Click(int index);
    QLineEdit* txtSelezione() const { return txtSelezione_; }
    QLabel* lblNominativo() const { return lblNominativo_; }
    QCheckBox* chkTCNominativo() const { return chkTCNominativo_; }
    QTabBar* sstClassifiche() const { return sstClassifiche_; }
    QLabel* lblClassifica() const { return lblClassifica_; }
    PreviewHeader* previewHeader() const { return previewHeader_; }

    // StartupWindow
    void setCaption(const QString& caption) override;
    void setStatusPanel(const QString& key, const QString& text) override;
    bool showModeDialog() override;
    controls::GraficaProxy* loadPreviewWindow(QString* error) override;
    // ConsoleHost: the refresh's tab-change handler runs when the queued events have run.
    void tabChanged(int previousTab) override;
    void consoleChanged() override;
    // DispatcherHost
    void setRielaboraEnabled(bool enabled) override;
    void AggiornaDistaccoParallelo(bool mostra) override;
    // OnAirHost
    bool vgaPreviewChecked() const override;
    bool sponsorLit(int slot) const override;
    void setSponsorLit(int slot, bool lit) override;
    void graficaLocaleInOnda(const QString& nomePagina) override;
    // MenuHost
    void setOptionChecked(GruppoOpzioni gruppo, int index, bool checked) override;
    bool scegliSessione() override;

    // ---- PageButtonHost ----
    void setNominativoChecked(bool checked) override;
    void setDistaccoChecked(bool checked) override;
    QString pageButtonTag(int code) const override;
    QString heatCaption(int index) const override;
    void MandaInOnda(qint16 code) override;

private slots:
    void graficaMessaggio(const QString& text);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void wireMenus();
    void buildWidgets(QWidget* linkControl, QWidget* listControl);
    QWidget* buildCompetitorButtons();
    QWidget* buildPageButtons();
    void firstPaint();
    void txtSelezione_Change();
    // The tab-change handler: the preview list of the classification on show.
    void sstClassifiche_Click();
    void chkTCNominativo_Click();
    void RipristinaColoriConcorrenti();
    void applyConsole();
    void showCategoryGrid(const ConsoleState& v);
    void visualizzaPreview(qint32 classifica, const QString& categoria);
    void problem(const QString& text);

    ProgramState& state_;
    Services services_;
    const controls::ControlLoader& loader_;
    CurrentFolder& currentFolder_;
    // Where the window and the link send page requests: to programPages_ once it exists, or to
    // the dispatcher a test put in its place.
    std::unique_ptr<RoutedPageDispatcher> pageRouter_;
    std::unique_ptr<PageContext> pageContext_;
    // The program's own page dispatcher over the preview window's graphics control.
    std::unique_ptr<MandaInOndaDispatcher> programPages_;
    std::unique_ptr<FreeTextEditors> freeTextEditors_;
    std::unique_ptr<DatabaseFaults> faults_;
    std::unique_ptr<TurnTypeCodes> turnTypes_;
    std::unique_ptr<DatabaseMonitorSettingsReloader> reloader_;
    std::unique_ptr<ConsoleRefresh> console_;
    std::unique_ptr<LinkDispatcher> dispatcher_;
    std::unique_ptr<controls::TcpProxy> tcp_;
    std::unique_ptr<controls::StovakProxy> stovak_;
    std::unique_ptr<MenuCommands> menus_;
    tables::FrmSelezioneSessione* sessionWindow_ = nullptr;  // a child window, created on first use
    frmAnteprimaGrafica* preview_ = nullptr;
    bool painted_ = false;
    bool applying_ = false;
    bool previewPending_ = false;

    // Menus.
    QAction* mnuEsci_ = nullptr;
    QAction* mnuRielabora_ = nullptr;
    QAction* mnuSelezioneManche_ = nullptr;
    std::array<QAction*, 4> mnuOpzioneNazionalita_{};
    std::array<QAction*, 3> mnuOpzioneNominativi_{};
    std::array<QAction*, 2> mnuOpzioneRisultato_{};
    QAction* mnuClassificaTempoCorrere_ = nullptr;
    QAction* mnuGraficaVGA_ = nullptr;
    QAction* mnuMostraTV_ = nullptr;
    QAction* mnuAbout_ = nullptr;

    // Console widgets.
    QTabBar* sstClassifiche_ = nullptr;
    QLabel* lblClassifica_ = nullptr;
    PreviewHeader* previewHeader_ = nullptr;
    QLabel* lblClassificazione_ = nullptr;
    QListWidget* lstClassificaCategorie_ = nullptr;
    QTableWidget* tdbCategorie_ = nullptr;
    QGroupBox* fraClassifica_ = nullptr;
    std::array<QPushButton*, 15> cmdConcorrente_{};
    std::array<QPushButton*, 15> cmdConcorrenteP_{};
    QLineEdit* txtSelezione_ = nullptr;
    QLabel* lblNominativo_ = nullptr;
    QButtonGroup* cmdPagina_ = nullptr;
    QGroupBox* fraTempoCorrere_ = nullptr;
    QGroupBox* fraParallelo_ = nullptr;
    QCheckBox* chkTCNominativo_ = nullptr;
    QCheckBox* chkDistaccoParallelo_ = nullptr;
    std::array<QPushButton*, 2> cmdSponsor_{};
    QLabel* statusDatabase_ = nullptr;
    QLabel* statusComputer_ = nullptr;
    QLabel* statusNomePagina_ = nullptr;
    QLabel* statusAvvisi_ = nullptr;  // the last database failure of a link event or timer
};

}  // namespace razudar
